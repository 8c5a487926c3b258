#include "payroll/salary.h"

#include <array>
#include <string>
#include <string_view>

#include "core/amount/amount.h"

namespace tolvex {
namespace {

constexpr double kHealthCap = 769.43;
constexpr long double kHoursPerMonth = 168.0L;
constexpr std::string_view kZeroCell = "0,00 zł";
constexpr std::string_view kWithHealth = "Bez zdrowotnego";
constexpr std::string_view kWithoutHealth = "Ze zdrowotnym";

struct PartTime {
    std::string_view text;
    long double factor;
};

constexpr std::array<PartTime, 12> kPartTimes{{
    {"8/8", 1.0L},
    {"7/8", 0.875L},
    {"6/8", 0.75L},
    {"5/8", 0.625L},
    {"4/8", 0.5L},
    {"3/8", 0.375L},
    {"2/8", 0.25L},
    {"1/8", 0.125L},
    {"4/5", 0.8L},
    {"3/5", 0.6L},
    {"2/5", 0.4L},
    {"1/5", 0.2L},
}};

long double PartTimeFactor(std::string_view text) {
    for (const PartTime& p : kPartTimes)
        if (p.text == text) return p.factor;
    return 1.0L;
}

// Added after the bonus, in this order.
constexpr std::array<std::string_view, 8> kAllowances{"EditSzkodliwe", "EditNadgodziny", "EditZaUrlop",
                                                      "EditZaChorobe", "EditNagrody",    "EditDodatek1",
                                                      "EditDodatek2",  "EditDodatek3"};
constexpr std::array<std::string_view, 9> kDeductions{
    "EditUbezpieczenie", "EditRata",        "EditSkladka",     "EditSkladkaZw",  "EditKomornik",
    "EditPotracenia1",   "EditPotracenia2", "EditPotracenia3", "EditPotracenia4"};

// Employee cells Edit1..Edit7, employer cells Edit8..Edit14, sums Edit15..Edit21.
std::string Cell(int n) {
    return "Edit" + std::to_string(n);
}

bool IsNetPlaceholder(std::string_view text) {
    return text.empty() || text == "0,00" || text == "0.00";
}

std::string WithSuffix(double value) {
    return AppendZlSuffix(FormatGeneral(value));
}

// Cuts " zł" off a cell through its text, as the page's fields do.
void StripCell(TextFields& fields, std::string_view name) {
    fields.Write(name, fields.TextWithoutSuffix(name));
}

void AppendCell(TextFields& fields, std::string_view name) {
    fields.Write(name, AppendZlSuffix(fields.Text(name)));
}

long double SumCells(const TextFields& fields, int first, int last) {
    long double sum = 0;
    for (int n = first; n <= last; ++n) sum += fields.Number(Cell(n));
    return sum;
}

// Strips the fourteen cells, writes the row sums and the column totals, puts the
// suffix back. Returns the employer total.
double WriteBreakdownTotals(TextFields& fields) {
    for (int n = 1; n <= 14; ++n) StripCell(fields, Cell(n));
    for (int row = 1; row <= 7; ++row) {
        long double sum = static_cast<long double>(fields.Number(Cell(row))) + fields.Number(Cell(row + 7));
        fields.Write(Cell(row + 14), FormatGeneral(static_cast<double>(sum)));
    }
    const double employee = RoundTo2Places(static_cast<double>(SumCells(fields, 1, 7)));
    fields.Write("Edit22", WithSuffix(employee));
    const double employer = RoundTo2Places(static_cast<double>(SumCells(fields, 8, 14)));
    fields.Write("Edit23", WithSuffix(employer));
    const double all = RoundTo2Places(static_cast<double>(SumCells(fields, 15, 21)));
    fields.Write("Edit24", WithSuffix(all));
    for (int n = 1; n <= 21; ++n) AppendCell(fields, Cell(n));
    return employer;
}

// The contribution amounts of one salary, per row in page order; health is apart.
struct Contributions {
    double acc = 0, pen = 0, disE = 0, disF = 0, sick = 0, lab = 0, fgsp = 0, health = 0;
};

void WriteSalaryBreakdownCells(TextFields& fields, const Contributions& c) {
    struct Row {
        double employee;
        double employer;
    };
    const std::array<Row, 7> rows{{{c.acc, c.acc},
                                   {c.pen, c.pen},
                                   {c.disE, c.disF},
                                   {c.sick, c.sick},
                                   {c.lab, c.lab},
                                   {0, 0},
                                   {c.fgsp, c.fgsp}}};
    const bool healthEmployee = fields.Checked("CheckBox6");
    const bool healthEmployer = fields.Checked("CheckBox13");
    for (int side = 0; side < 2; ++side) {
        for (int row = 0; row < 7; ++row) {
            const int n = row + 1 + side * 7;
            const bool ticked = fields.Checked("CheckBox" + std::to_string(n));
            if (!ticked) {
                fields.Write(Cell(n), std::string(kZeroCell));
            } else if (row == 5) {
                const bool employeeOnly = side == 0 && healthEmployee && !healthEmployer;
                fields.Write(Cell(n), WithSuffix(employeeOnly ? RoundTo2Places(c.health) : 0.0));
            } else {
                fields.Write(Cell(n), WithSuffix(side == 0 ? rows[row].employee : rows[row].employer));
            }
        }
    }
}

double Percent(const TextFields& fields, std::string_view rateField, double base) {
    return RoundTo2Places(PercentOf(fields.Number(rateField), base));
}

}  // namespace

void CalculateSalary(TextFields& fields, AwardState& award) {
    const long double f = PartTimeFactor(fields.Text("ComboBoxEtat"));
    award.flag = false;
    award.netPerMultiple = 0;
    Contributions c;
    double B = 0, N = 0;

    // Bad tax parameters stop the calculation before anything is written.
    fields.Number("EditSkalaPodatkowa");
    fields.Number("EditUlgaPodatkowa");
    fields.Number("EditKosztyUzyskPrzychodu");

    // A typed net pay is not turned into a gross pay.
    if (IsNetPlaceholder(fields.Text("Edit_Netto")) && fields.Number("EditPlacaBrutto") > 0) {
        const bool panel = fields.Checked("CheckBoxDodatkiPotracenia");
        fields.Write("EditBruttoCalyEtat", fields.Text("EditPlacaBrutto"));
        const double base = fields.Number("EditPlacaBrutto");
        if (panel) {
            const long double premia = fields.Number("EditPremia");
            long double gross = base;
            gross += fields.Choice("RadioGroupJakaPremia") == 0 ? premia * base * 0.01L : premia;
            for (std::string_view name : kAllowances) gross += fields.Number(name);
            B = static_cast<double>(gross);
        } else {
            B = base;
        }
        if (f != 1.0L) {
            B = static_cast<double>(B * f);
            const double partTime = static_cast<double>(fields.Number("EditPlacaBrutto") * f);
            fields.Write("EditPlacaBrutto", FormatGeneral(RoundTo2Places(partTime)));
        }

        c.acc = Percent(fields, "EditWypadkowe_proc", B);
        c.pen =
            RoundTo2Places(static_cast<double>(PercentOf(fields.Number("EditEmerytalne_proc"), B) * 0.5L));
        c.disE = Percent(fields, "EditRentowePracownik_Proc", B);
        c.disF = Percent(fields, "EditRentowePracodawca_Proc", B);
        c.sick = Percent(fields, "EditChorobowe_proc", B);
        c.lab = Percent(fields, "EditFundusz_proc", B);
        c.fgsp = Percent(fields, "EditFGSP_proc", B);

        const double Z = static_cast<double>(static_cast<long double>(c.sick) + c.disE + c.pen);
        const double H = static_cast<double>(static_cast<long double>(B) - Z);
        if (H > 0) {
            fields.Write("EditPodstawaOpodat_Zdrowotne", AppendZlSuffix(FormatMoney(H)));
            c.health = Percent(fields, "EditZdrowotne_proc", H);
            if (c.health > kHealthCap) c.health = kHealthCap;
            fields.Write("Edit_Zdrowotne", FormatGeneral(c.health));
        } else {
            fields.Write("EditPodstawaOpodat_Zdrowotne", std::string(kZeroCell));
            fields.Write("EditPodstawa_do_Podatku", std::string(kZeroCell));
        }

        double P =
            static_cast<double>(static_cast<long double>(B) -
                                (static_cast<long double>(fields.Number("EditKosztyUzyskPrzychodu")) + Z));
        double tax = 0;
        if (P > 0) {
            P = RoundToWholeZloty(P);
            fields.Write("EditPodstawa_do_Podatku", AppendZlSuffix(FormatMoney(P)));
            const long double T = static_cast<long double>(fields.Number("EditSkalaPodatkowa")) * P * 0.01L -
                                  fields.Number("EditUlgaPodatkowa");
            if (T > 0) tax = RoundToWholeZloty(static_cast<double>(T));
        }

        N = static_cast<double>(static_cast<long double>(H) - c.health - tax);
        if (panel) {
            long double deductions = 0;
            for (std::string_view name : kDeductions) deductions += fields.Number(name);
            N = static_cast<double>(N - deductions);
        }
        fields.Write("Edit_Podatek", FormatGeneral(tax));
        N = RoundTo2Places(N);
        fields.Write("Edit_Netto", FormatGeneral(N));
    }

    WriteSalaryBreakdownCells(fields, c);
    const double employerTotal = WriteBreakdownTotals(fields);
    fields.Write("EditKosztPracownika", AppendZlSuffix(FormatMoney(static_cast<double>(
                                            static_cast<long double>(RoundTo2Places(B)) + employerTotal))));
    fields.Write("EditNettoZaGodzine",
                 FormatGeneral(RoundTo2Places(static_cast<double>(N * (1.0L / kHoursPerMonth) / f))));
}

void CalculatePension(TextFields& fields, AwardState& award) {
    for (std::string_view name : {"EditPodstawaOpodat_Zdrowotne", "EditPodstawa_do_Podatku", "Edit_Zdrowotne",
                                  "EditZdrowotne_Pracownika", "Edit_Podatek", "EditKosztPracownika"})
        fields.Write(name, "0,00");
    award.flag = false;

    const long double r = fields.Number("EditSkalaPodatkowa") * 0.01L;
    const double U = fields.Number("EditUlgaPodatkowa");
    double H = 0;
    if (IsNetPlaceholder(fields.Text("Edit_Netto")) && fields.Number("EditPlacaBrutto") > 0) {
        const double pension = fields.Number("EditPlacaBrutto");
        // No social contributions on a pension: a flat 9 % health contribution only.
        H = RoundTo2Places(static_cast<double>(pension * 9 * 0.01L));
        fields.Write("Edit_Zdrowotne", FormatGeneral(H));
        double T = pension;
        fields.Write("EditPodstawaOpodat_Zdrowotne", FormatGeneral(T));
        if (T > 0) {
            T = RoundToWholeZloty(T);
            fields.Write("EditPodstawa_do_Podatku", AppendZlSuffix(FormatMoney(T)));
            fields.Write("EditPodstawaOpodat_Zdrowotne", AppendZlSuffix(FormatMoney(pension)));
            double X = static_cast<double>(T * r - U);
            if (X < 0) X = 0;
            X = RoundToWholeZloty(X);
            fields.Write("Edit_Podatek", AppendZlSuffix(FormatMoney(X, 6)));
            const double N = static_cast<double>(static_cast<long double>(pension) - H - X);
            fields.Write("Edit_Netto", FormatGeneral(N));
        }
    }

    const bool employeeOnly = fields.Checked("CheckBox6") && !fields.Checked("CheckBox13");
    for (int n = 1; n <= 14; ++n)
        fields.Write(Cell(n), n == 6 && employeeOnly ? WithSuffix(H) : std::string(kZeroCell));
    WriteBreakdownTotals(fields);
}

void ToggleHealth(TextFields& fields) {
    const std::string caption = fields.Text("Dodaj_odejmij_Zdrowotne");
    long double sign;
    if (caption == kWithHealth)
        sign = -1;
    else if (caption == kWithoutHealth)
        sign = 1;
    else
        return;
    const bool show = sign > 0;
    try {
        for (std::string_view name : {"Edit22", "Edit6", "Edit20", "Edit24"}) StripCell(fields, name);
        for (std::string_view name : {"Edit22", "Edit20", "Edit24"}) {
            const long double value = fields.Number(name) + sign * fields.Number("Edit6");
            fields.Write(name, FormatGeneral(static_cast<double>(value)));
        }
        for (std::string_view name : {"Edit6", "LabelZdrowotne", "Label1Zdrowotne_prc", "Edit13", "Edit20"})
            fields.SetVisible(name, show);
        for (std::string_view name : {"Edit22", "Edit6", "Edit20", "Edit24"}) AppendCell(fields, name);
        fields.Write("Dodaj_odejmij_Zdrowotne", std::string(show ? kWithHealth : kWithoutHealth));
    } catch (const ConversionError&) {
        fields.Show("Błędy przeliczenia");
    }
}

void CalculateAward(TextFields& fields, AwardState& award) {
    award.flag = true;
    award.netPerMultiple = 0;
    for (std::string_view name : {"EditPodstawaOpodat_Zdrowotne", "EditPodstawa_do_Podatku", "Edit_Zdrowotne",
                                  "EditZdrowotne_Pracownika", "Edit_Podatek", "EditKosztPracownika"})
        fields.Write(name, "0,00");

    const long double r = fields.Number("EditSkalaPodatkowa") * 0.01L;
    const std::string netText = fields.Text("Edit_Netto");
    if (IsNetPlaceholder(netText) && fields.Number("EditPlacaBrutto") > 0) {
        const double T = RoundToWholeZloty(fields.Number("EditPlacaBrutto"));
        fields.Write("EditPodstawa_do_Podatku", AppendZlSuffix(FormatMoney(T)));
        const double N = RoundTo2Places(static_cast<double>(T - T * r));
        award.netPerMultiple = N;
        const double tax = RoundToWholeZloty(static_cast<double>(static_cast<long double>(T) - N));
        fields.Write("Edit_Podatek", FormatGeneral(tax));
        const double multiple = fields.Number("EditKrotnoscnagrody");
        fields.Write("Edit_Netto",
                     FormatGeneral(static_cast<double>(static_cast<long double>(multiple) * N)));
    } else if (IsNetPlaceholder(fields.Text("EditPlacaBrutto")) && !netText.empty()) {
        const double N = fields.Number("Edit_Netto");
        if (r == 0) {
            fields.Show("Podatek nie może mieć wartosci zerowej");
            return;
        }
        if (r >= 1) {
            // No gross award leaves a positive net at a rate of 100 % or more.
            fields.Show("Błędy przeliczenia");
            return;
        }
        const double G = RoundTo2Places(static_cast<double>(N / (1 - r)));
        fields.Write("EditPlacaBrutto", FormatGeneral(G));
        // Writing the gross empties the net field on the page; the given net stays shown.
        fields.Write("Edit_Netto", netText);
        const double tax = RoundToWholeZloty(static_cast<double>(static_cast<long double>(G) - N));
        fields.Write("Edit_Podatek", FormatGeneral(tax));
    }

    for (int n = 1; n <= 14; ++n) fields.Write(Cell(n), std::string(kZeroCell));
    WriteBreakdownTotals(fields);
}

void StepAwardMultiple(TextFields& fields, const AwardState& award, bool up) {
    if (!award.flag) {
        fields.Show("To nie jest nagroda");
        return;
    }
    const std::string text = fields.Text("EditKrotnoscnagrody");
    double multiple = 0;
    std::string shown = "0,00";
    if (!text.empty()) {
        const double value = fields.Number("EditKrotnoscnagrody");
        if (up || value > 0.5) {
            multiple = static_cast<double>(static_cast<long double>(value) + (up ? 0.5L : -0.5L));
            shown = FormatGeneral(multiple);
        }
    }
    fields.Write("EditKrotnoscnagrody", shown);
    if (!fields.Text("Edit_Netto").empty())
        fields.Write("Edit_Netto", FormatGeneral(static_cast<double>(static_cast<long double>(multiple) *
                                                                     award.netPerMultiple)));
}

}  // namespace tolvex
