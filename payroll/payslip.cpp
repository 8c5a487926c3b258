#include "payroll/payslip.h"

#include <array>
#include <string>

#include "core/amount/amount.h"

namespace tolvex {

namespace {

constexpr int kBonusInZloty = 1;

// Cell widths in tenths of an inch.
constexpr int kLeft = 5, kName = 8, kValue = 5, kBaseName = 17, kBase = 10, kPay = 20;

std::string Zl(const std::string& text) {
    return text + std::string(kZlSuffix);
}

std::string BonusText(const TextFields& f) {
    if (f.Choice("RadioGroupJakaPremia") == kBonusInZloty) return f.Text("EditPremia");
    const long double bonus =
        static_cast<long double>(f.Number("EditPremia")) * 0.01L * f.Number("EditPlacaBrutto");
    return FormatGeneral(RoundTo2Places(static_cast<double>(bonus)));
}

}  // namespace

PayslipTotals ComputePayslipTotals(const TextFields& f) {
    PayslipTotals t;
    long double bonus = f.Number("EditPremia");
    if (f.Choice("RadioGroupJakaPremia") != kBonusInZloty)
        bonus = bonus * f.Number("EditPlacaBrutto") * 0.01L;

    long double gross = static_cast<long double>(f.Number("EditPlacaBrutto")) + bonus;
    for (const char* name : {"EditSzkodliwe", "EditNadgodziny", "EditZaUrlop", "EditZaChorobe", "EditNagrody",
                             "EditDodatek1", "EditDodatek2", "EditDodatek3"})
        gross += f.Number(name);
    t.gross = static_cast<double>(gross);

    // Edit22 carries a three-character suffix; whatever it is, it is cut off.
    t.contributions = ParseAmount(StripZlSuffix(f.Text("Edit22")));

    long double deductions = t.contributions;
    for (const char* name :
         {"Edit_Podatek", "EditUbezpieczenie", "EditRata", "EditSkladka", "EditSkladkaZw", "EditKomornik",
          "EditPotracenia1", "EditPotracenia2", "EditPotracenia3", "EditPotracenia4"})
        deductions += f.Number(name);
    t.deductions = static_cast<double>(deductions);
    return t;
}

void PrintPayslipHeadings(ReportPrinter& r) {
    r.SetFont(8, true, true);
    r.PrintRow({{"", 5}, {"DODATKI", 13}, {"PODSTAWY I POTRĄCENIA", 27}, {"WYPŁATA", 20}});
    r.SetStyleRegular();
    r.ProcessMessages();
}

void PrintPayslip(ReportPrinter& r, const TextFields& f, double grossTotal, double contributionsTotal,
                  double deductionsTotal) {
    r.BeginReport();
    r.PrintTitle("WYNIKI OBLICZEŃ PŁACY");
    r.PrintRow({{f.Text("EditNazwiskoImie"), 45}});
    PrintPayslipHeadings(r);

    r.PrintRow({{"", kLeft},
                {"Płaca brutto: ", kName},
                {Zl(f.Text("EditPlacaBrutto")), kValue},
                {"Podstawa opodatkowania Zdr.: ", kBaseName},
                {f.Text("EditPodstawaOpodat_Zdrowotne"), kBase},
                {"Wypłata: " + Zl(f.Text("Edit_Netto")), kPay}});

    struct Row {
        const char* allowance;  // nullptr: rows below the allowances
        std::string allowanceValue;
        const char* base;
        std::string baseValue;
    };
    const std::array<Row, 15> rows{{
        {"Premia: ", Zl(BonusText(f)), "Podstawa opodatkowania:", f.Text("EditPodstawa_do_Podatku")},
        {"Szkodliwe: ", Zl(f.Text("EditSzkodliwe")), "Podatek:  ", f.Text("Edit_Podatek")},
        {"Nadgodziny: ", Zl(f.Text("EditNadgodziny")), "Zdrowotne:                  ", f.Text("Edit6")},
        {"Za urlop:", Zl(f.Text("EditZaUrlop")), "Emerytalne:", f.Text("Edit2")},
        {"Za chorobę: ", Zl(f.Text("EditZaChorobe")), "Chrobowe:", f.Text("Edit4")},
        {"Nagrody:    ", Zl(f.Text("EditNagrody")), "Rentowe: ", f.Text("Edit3")},
        {"Dodatek1: ", Zl(f.Text("EditDodatek1")), "Ubezpieczenie:", Zl(f.Text("EditUbezpieczenie"))},
        {"Dodatek2: ", Zl(f.Text("EditDodatek2")), "Rata: ", Zl(f.Text("EditRata"))},
        {"Dodatek3: ", Zl(f.Text("EditDodatek3")), "Składka Kasa:", Zl(f.Text("EditSkladka"))},
        {nullptr, {}, "Składka Związki:", Zl(f.Text("EditSkladkaZw"))},
        {nullptr, {}, "Komornik:", Zl(f.Text("EditKomornik"))},
        {nullptr, {}, "Potrącenia1:", Zl(f.Text("EditPotracenia1"))},
        {nullptr, {}, "Potrącenia2:", Zl(f.Text("EditPotracenia2"))},
        {nullptr, {}, "Potrącenia3:", Zl(f.Text("EditPotracenia3"))},
        {nullptr, {}, "Potrącenia4:", Zl(f.Text("EditPotracenia4"))},
    }};
    for (const auto& row : rows) {
        r.PrintRow({{"", kLeft},
                    {row.allowance ? row.allowance : "", kName},
                    {row.allowanceValue, kValue},
                    {row.base, kBaseName},
                    {row.baseValue, kBase}});
    }

    r.CurrentY = static_cast<std::uint16_t>(r.CurrentY + r.LineHeight + r.Spacing);
    r.PrintLine("   Wynagrodzenie brutto suma : " + Zl(FormatGeneral(grossTotal)));
    r.PrintLine("   Potrącenia ZUS: " + Zl(FormatGeneral(contributionsTotal)));
    r.PrintLine("   Potrącenia suma: " + Zl(FormatGeneral(deductionsTotal)));
    r.PrintLine("  Płaca na cały etat: " + Zl(f.Text("EditBruttoCalyEtat")));
    r.PrintLine("  Wielkość Etatu: " + f.Text("ComboBoxEtat"));
    r.EndReport();
}

void PrintPayslipFromFields(const TextFields& fields,
                            const std::function<std::unique_ptr<PrintCanvas>()>& makeCanvas) {
    const PayslipTotals t = ComputePayslipTotals(fields);
    const std::unique_ptr<PrintCanvas> canvas = makeCanvas();
    ReportPrinter report(*canvas);
    PrintPayslip(report, fields, t.gross, t.contributions, t.deductions);
}

}  // namespace tolvex
