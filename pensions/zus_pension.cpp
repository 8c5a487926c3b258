#include "pensions/zus_pension.h"

#include <algorithm>
#include <cmath>

#include "core/amount/amount.h"

namespace tolvex {
namespace {

namespace f = zus_fields;
using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

constexpr Date k1949{year{1949}, month{1}, day{1}};
constexpr Date k1968{year{1968}, month{12}, day{31}};
constexpr Date k1989{year{1989}, month{12}, day{31}};

constexpr long double kOneOver209 = 0.004784688995215311L;
constexpr double kInitialCapitalBase = 1220.89;

constexpr std::string_view kStartBeforeBirth = "Data urodzenia jest starsza od daty podjęcia pracy - popraw";
constexpr std::string_view kUnderSix =
    "Nie masz jeszcze 6-ciu lat, a przedszkolaki nie pracują zarobkowo ???? ";
constexpr std::string_view kTooYoung = "Bardzo wcześnie zacząłeś pracować, a co ze szkołą";
constexpr std::string_view kMonthsAbove11 = "Liczba miesięcy nie może być > od 11";
constexpr std::string_view kBadNumber = "Błędnie napisana liczba(separator lub wartość)";

int Year(const Date& d) {
    return static_cast<int>(d.year());
}
int Month(const Date& d) {
    return static_cast<int>(static_cast<unsigned>(d.month()));
}

// "amount text": two decimals, grouped, 12 significant digits.
std::string Money(long double value) {
    return FormatMoney(static_cast<double>(value), 12);
}

// An empty amount field counts as 0; any other text must convert.
double Amount(const TextFields& fields, std::string_view name) {
    const std::string text = fields.Text(name);
    return text.empty() ? 0.0 : fields.Number(name);
}

struct Periods {
    int yearsS = 0, yearsN = 0, monthsS = 0, monthsN = 0;
    long double MonthsContributory() const { return yearsS * 12.0L + monthsS; }
    long double MonthsNonContributory() const { return yearsN * 12.0L + monthsN; }
};

// A text that is no whole number of 0 or more is reported and replaced by "0"; an empty
// field counts as 0. False when a months field holds 12 or more.
bool ReadPeriods(TextFields& fields, Periods& p) {
    const struct {
        std::string_view name, message;
        int* value;
        bool months;
    } order[] = {
        {f::EditLataSkladkowy, "Błędnie napisana liczba lat składkowych", &p.yearsS, false},
        {f::EditLataNieSkl, "Błędnie napisana liczba lat nieskładkowych", &p.yearsN, false},
        {f::EditMcSkl, "Błędnie napisana liczba miesięcy składkowych", &p.monthsS, true},
        {f::EditMcNieSkl, "Błędnie napisana liczba miesięcy nieskładkowych", &p.monthsN, true},
    };
    bool ok = true;
    for (const auto& field : order) {
        const std::string text = fields.Text(field.name);
        *field.value = 0;
        if (text.empty()) continue;
        const std::optional<int> value = WholeNumber(text);
        if (!value) {
            fields.Show(std::string(field.message));
            fields.Write(field.name, "0");
            continue;
        }
        *field.value = *value;
        if (field.months && *value >= 12) {
            fields.Show(std::string(kMonthsAbove11));
            ok = false;
        }
    }
    return ok;
}

class Calculation {
  public:
    Calculation(TextFields& fields, const ZusInputs& in, ZusOutcome& out) : f_(fields), in_(in), out_(out) {}

    void Run();

  private:
    bool DatesPlausible();
    void OldSystem();
    void InitialCapital();
    void NewSystem();

    // A capital field: empty counts as 0, a text that does not convert is reported and reset.
    bool ReadCapital(std::string_view name, double& value);
    // False for L of 0 or less, which is then said once: every figure counts 209 months.
    bool LifeExpectancyUsable();
    // amount / L, or amount / 209.
    double PerMonth(long double amount);

    // The projection shared by both regimes.
    void StartProjection(int firstYear, int years);
    void ProjectYear(int k, double rate);
    void ProjectPhases(int p1, const double (&rates)[3]);
    void ShowFigure25();

    TextFields& f_;
    const ZusInputs& in_;
    ZusOutcome& out_;
    Date birth_{}, start_{};
    bool woman_ = false, oldSystemWrote_ = false, fallbackSaid_ = false, initialCapital_ = false;
    double L_ = 0;

    // Running values of the projection.
    Valorization mode_ = Valorization::None;
    int g_ = 0, firstYear_ = 0, N_ = 0, N25_ = 0, N67_ = 0;
    double S_ = 0, KP_ = 0, paid_ = 0, paidShown_ = 0, cap_ = 0;
};

void Calculation::Run() {
    birth_ = ParseDate(f_.Text(f::DateTimeDataUrodzenia));
    start_ = ParseDate(f_.Text(f::DateTimeDataRozpoczeciaPracy));
    if (in_.startOfWorkShown && !DatesPlausible()) return;

    const int chosen = f_.Choice(f::RadioGroupWaloryzacja);
    mode_ = chosen == 1 ? Valorization::Yearly : chosen == 2 ? Valorization::Average : Valorization::None;
    f_.SetVisible(f::LabelSredniaWaloryzacja, mode_ != Valorization::Yearly);
    if (mode_ == Valorization::None) f_.Write(f::LabelSredniaWaloryzacja, "Brak waloryzacji skł. ZUS");

    const bool early = f_.Checked(f::CheckBoxWczesnaEmerytura);
    if (IsOldSystem(birth_, early)) {
        OldSystem();
        if (!oldSystemWrote_) return;
    }
    woman_ = f_.Choice(f::RadioGroupPlec2) == 1;
    switch (ProjectionRegime(birth_, start_, early)) {
        case ZusRegime::InitialCapital:
            return InitialCapital();
        case ZusRegime::NewSystem:
            return NewSystem();
        case ZusRegime::Nothing:
            return;
    }
}

bool Calculation::DatesPlausible() {
    const int days = DaysBetween(birth_, start_);
    const std::string_view refusal = days < 0      ? kStartBeforeBirth
                                     : days < 2190 ? kUnderSix
                                     : days < 5110 ? kTooYoung
                                                   : "";
    if (refusal.empty()) return true;
    f_.Show(std::string(refusal));
    return false;
}

void Calculation::OldSystem() {
    for (std::string_view name : {f::LabelSredniaWaloryzacja, f::Wplacono2, f::Kapital2})
        f_.SetVisible(name, false);
    f_.Write(f::LabelPodstawaKapitalu, "Kwota bazowa");
    const double KB = Amount(f_, f::EditPodstawaKapitalu);
    Periods p;
    if (!ReadPeriods(f_, p)) return;
    const double p1 = p.yearsS > 0 ? RoundTo2Places(static_cast<double>(KB * 24 * 0.01L)) : 0.0;
    long double p2 = KB * 0.013L * p.MonthsContributory() / 12;
    long double p3 = KB * 0.007L * p.MonthsNonContributory() / 12;
    if (f_.Choice(f::RadioGroupWskaznikPodstawy) == 1) {
        const double W = ParseAmount(in_.baseIndex);
        p2 = static_cast<long double>(W) * KB * 0.013L * 0.01L * p.MonthsContributory() / 12;
        p3 = static_cast<long double>(W) * KB * 0.007L * 0.01L * p.MonthsNonContributory() / 12;
    }
    const double r2 = RoundTo2Places(static_cast<double>(p2)), r3 = RoundTo2Places(static_cast<double>(p3));
    f_.Write(f::LabelMiesiecznaEmerytura,
             "Emerytura m-c: " + Money(static_cast<long double>(p1) + r2 + r3) + "zł");
    oldSystemWrote_ = true;
    out_.Completed = true;
}

bool Calculation::ReadCapital(std::string_view name, double& value) {
    const std::string text = f_.Text(name);
    value = 0;
    if (text.empty() || TryParseAmount(text, value)) return true;
    f_.Show(std::string(kBadNumber));
    f_.Write(name, "0,00");
    return false;
}

bool Calculation::LifeExpectancyUsable() {
    if (L_ > 0) return true;
    if (!fallbackSaid_) f_.Show(std::string(kLifeExpectancyFallback));
    fallbackSaid_ = true;
    return false;
}

double Calculation::PerMonth(long double amount) {
    if (LifeExpectancyUsable()) return static_cast<double>(amount / L_);
    return static_cast<double>(amount * kOneOver209);
}

void Calculation::InitialCapital() {
    initialCapital_ = true;
    f_.Write(f::LabelPodstawaKapitalu, "Podst. kapitału");
    f_.Write(f::EditPodstawaKapitalu, "1220,89");
    const double P = kInitialCapitalBase;
    L_ = Amount(f_, f::EditSredniCzasZycia);
    if (f_.Choice(f::RadioGroupKapitalPoczatkowy) == 1) {
        Periods p;
        if (!ReadPeriods(f_, p)) return;
        const int A = AgeIn1998(birth_, start_);
        const int Y = ServiceYears(p.yearsS, p.yearsN, p.monthsS, p.monthsN);
        const double WP = ProportionalCoefficient(A, Y, woman_);
        const double p1 = RoundTo2Places(static_cast<double>(P * 24 * 0.01L * WP * 0.01L));
        long double p2 = P * 0.013L * p.MonthsContributory() / 12;
        long double p3 = P * 0.007L * p.MonthsNonContributory() / 12;
        if (f_.Choice(f::RadioGroupWskaznikPodstawy) == 1) {
            const double W = ParseAmount(in_.baseIndex);
            p2 = p2 * W * 0.01L;
            p3 = p3 * W * 0.01L;
        }
        const long double sum = static_cast<long double>(p1) + RoundTo2Places(static_cast<double>(p2)) +
                                RoundTo2Places(static_cast<double>(p3));
        // The capital follows the formula even for a life expectancy of 0 or less; only the
        // monthly figures fall back to 209 months (with their message).
        KP_ = static_cast<double>(L_ * sum);
        f_.Write(f::EditKapitalPoczatkowy1999, FormatGeneral(KP_));
        f_.Write(f::EditKapitalPoczatkowy_mc, Money(sum));
    } else {
        KP_ = in_.enteredInitialCapital;
        if (KP_ == 0 && !ReadCapital(f::EditKapitalPoczatkowy1999, KP_)) return;
        f_.Write(f::EditKapitalPoczatkowy, Money(KP_));
        f_.Write(f::EditKapitalPoczatkowy_mc, Money(PerMonth(KP_)));
    }

    const int by = Year(birth_);
    N_ = by + (woman_ ? 60 : 65) - 1998;
    N25_ = Year(start_) + (woman_ ? 20 : 25) - 1998;
    N67_ = by + 67 - 1998;
    const bool secondPillar = f_.Choice(f::RadioGroupCzyOFEII) == 0;
    const double rates[3] = {secondPillar ? 11.22 : 18.52, secondPillar ? 16.22 : 18.52,
                             secondPillar ? 16.22 : 18.52};
    S_ = Amount(f_, f::EditPlacaBruttoZus);
    StartProjection(1999, N_);
    ProjectPhases(12, rates);

    f_.Write(f::Wplacono2, "Wpłacono " + Money(paidShown_) + "zł");
    f_.Write(f::Kapital2, "Kapitał na koncie " + Money(cap_) + "zł");
    const double total = static_cast<double>(static_cast<long double>(KP_) + cap_);
    f_.Write(f::LabelMiesiecznaEmerytura67, Money(PerMonth(total)) + "zł");
    out_.Completed = true;
}

void Calculation::NewSystem() {
    f_.SetVisible(f::RadioGroupLiczenieWskaznikaPodstawy, false);
    const int by = Year(birth_), sy = Year(start_);
    const int Y0 = std::max(sy, 1999);
    N_ = by + (woman_ ? 60 : 65) - Y0;
    N25_ = woman_ ? 20 : 25;
    N67_ = by + 67 - Y0;
    if (N_ < 1) return f_.Show(std::string(kStartAfterRetirement));
    L_ = Amount(f_, f::EditSredniCzasZycia);
    S_ = Amount(f_, f::EditPlacaBruttoZus);
    // The initial capital stays as typed (never valorized) in this regime.
    if (!ReadCapital(f::EditKapitalPoczatkowy, KP_)) return;
    StartProjection(Y0, N_);
    const double rates[3] = {11.22, 16.22, 15.72};
    ProjectPhases(FirstPhaseYears(sy), rates);

    const double P = RoundTo2Places(PerMonth(cap_));
    const double Q = RoundTo2Places(PerMonth(KP_));
    f_.Write(f::LabelMiesiecznaEmerytura67, Money(static_cast<long double>(P) + Q) + "zł");
    f_.Write(f::Wplacono2, "Wpłacono " + Money(paidShown_) + "zł");
    f_.Write(f::Kapital2, "Kapitał " + Money(cap_) + "zł");
    out_.Completed = true;
}

void Calculation::StartProjection(int firstYear, int years) {
    g_ = f_.Choice(f::Inflacja);
    firstYear_ = firstYear;
    paid_ = paidShown_ = cap_ = 0;
    out_.Projected = true;
    out_.Grid.Rows.assign(static_cast<size_t>(years), {});
    out_.Grid.Values.assign(static_cast<size_t>(years), {});
    for (int r = 1; r <= years; ++r) {
        out_.Grid.Rows[r - 1][0] = std::to_string(r);
        out_.Grid.Rows[r - 1][1] = std::to_string(firstYear + r - 1);
        out_.Grid.Values[r - 1].Year = firstYear + r - 1;
    }
    // A figure this projection does not reach must not keep the previous calculation's value.
    f_.Write(f::LabelMiesiecznaEmerytura25, "");
    ShowFigure25();
    if (!oldSystemWrote_) f_.Write(f::LabelMiesiecznaEmerytura, std::string(kMonthlyPensionCaption));
}

// Each phase starts with the last year of the previous one, which is so stepped twice.
void Calculation::ProjectPhases(int p1, const double (&rates)[3]) {
    for (int k = 1; k <= p1; ++k) ProjectYear(k, rates[0]);
    if (p1 <= 14)
        for (int k = p1; k <= 14; ++k) ProjectYear(k, rates[1]);
    for (int k = 14; k <= N67_; ++k) {
        ProjectYear(k, rates[2]);
        const long double total = static_cast<long double>(cap_) + KP_;
        if (initialCapital_) {
            f_.Write(f::LabelMiesiecznaEmerytura25, "");
            if (k == N25_) f_.Write(f::LabelMiesiecznaEmerytura25, FormatGeneral(PerMonth(total)));
        } else if (k == N25_) {
            f_.Write(f::LabelMiesiecznaEmerytura25, Money(RoundTo2Places(PerMonth(total))) + "zł");
        }
        if (k == N_) f_.Write(f::LabelMiesiecznaEmerytura, Money(RoundTo2Places(PerMonth(total))) + "zł");
        ShowFigure25();
    }
}

void Calculation::ShowFigure25() {
    const bool shown = !f_.Text(f::LabelMiesiecznaEmerytura25).empty();
    f_.SetVisible(f::LabelInformacjaOEmeryturze25, shown);
    f_.SetVisible(f::LabelMiesiecznaEmerytura25, shown);
}

void Calculation::ProjectYear(int k, double rate) {
    if (k > 1) S_ = static_cast<double>(S_ * (1 + g_ * 0.01L));
    double Cy = 0;
    for (int m = 0; m < 12; ++m) Cy = static_cast<double>(Cy + S_ * static_cast<long double>(rate) * 0.01L);
    paid_ = static_cast<double>(static_cast<long double>(paid_) + Cy);
    switch (mode_) {
        case Valorization::None:
            cap_ = static_cast<double>(static_cast<long double>(cap_) + Cy);
            break;
        case Valorization::Average: {
            const double avg = AverageValorizationApplied();
            cap_ = static_cast<double>((static_cast<long double>(cap_) + Cy) * 0.01L * avg);
            if (initialCapital_) KP_ = static_cast<double>(0.01L * avg * KP_);
            break;
        }
        case Valorization::Yearly: {
            const double T = in_.valorization ? in_.valorization->Index(k) : 100.0;
            cap_ = static_cast<double>((static_cast<long double>(cap_) + Cy) * T * 0.01L);
            if (initialCapital_) KP_ = static_cast<double>(static_cast<long double>(KP_) * T * 0.01L);
            break;
        }
    }
    double kpMonthly = 0;
    if (initialCapital_) {
        KP_ = RoundTo2Places(KP_);
        f_.Write(f::EditKapitalPoczatkowy, Money(KP_));
        kpMonthly = RoundTo2Places(PerMonth(KP_));
        f_.Write(f::EditKapitalPoczatkowy_mc, Money(kpMonthly));
    }
    S_ = RoundTo2Places(S_);
    paidShown_ = RoundTo2Places(paid_);
    cap_ = RoundTo2Places(cap_);
    if (k > N_) return;  // beyond the retirement year: cut off the grid
    auto& row = out_.Grid.Rows[k - 1];
    row[2] = FormatGeneral(S_);
    row[3] = FormatGeneral(paidShown_);
    row[4] = FormatGeneral(cap_);
    row[5] = initialCapital_ ? f_.Text(f::EditKapitalPoczatkowy) : "";
    row[6] = initialCapital_ ? f_.Text(f::EditKapitalPoczatkowy_mc) : "";
    ZusGrid::Year& figures = out_.Grid.Values[k - 1];
    figures.Reached = true;
    figures.HasInitialCapital = initialCapital_;
    figures.Salary = S_;
    figures.Paid = paidShown_;
    figures.Capital = cap_;
    figures.InitialCapital = initialCapital_ ? KP_ : 0;
    figures.InitialCapitalMonthly = kpMonthly;
}

}  // namespace

bool IsOldSystem(const Date& birth, bool earlyRetirement) {
    return birth < k1949 || (birth > k1949 && earlyRetirement);
}

ZusRegime ProjectionRegime(const Date& birth, const Date& start, bool earlyRetirement) {
    if (!earlyRetirement && (birth <= k1968 ? birth >= k1949 : start <= k1989))
        return ZusRegime::InitialCapital;
    if (birth > k1968 && start > k1989) return ZusRegime::NewSystem;
    return ZusRegime::Nothing;
}

ZusLayout LayoutFor(const Date& birth, const Date& start) {
    if (birth < k1949) return ZusLayout::OldSystem;
    return birth <= k1968 || start <= k1989 ? ZusLayout::InitialCapital : ZusLayout::NewSystem;
}

Date TwentyYearsOn(const Date& birth) {
    const Date moved{birth.year() + std::chrono::years{20}, birth.month(), birth.day()};
    if (moved.ok()) return moved;
    return Date{std::chrono::year_month_day_last{moved.year(), std::chrono::month_day_last{moved.month()}}};
}

int AgeIn1998(const Date& birth, const Date& start) {
    const int difference = Month(start) - Month(birth);
    return 1998 - Year(birth) + (difference >= 0 && difference <= 6 ? 0 : 1);
}

int ServiceYears(int yearsContributory, int yearsNonContributory, int monthsContributory,
                 int monthsNonContributory) {
    const int months = monthsContributory + monthsNonContributory;
    return yearsContributory + yearsNonContributory + (months >= 19 ? 2 : months >= 7 ? 1 : 0);
}

double ProportionalCoefficient(int age, int serviceYears, bool woman) {
    const long double R = woman ? 60 : 65, S = woman ? 20 : 25;
    return RoundTo2Places(static_cast<double>(std::sqrt((age - 18) / (R - 18) * serviceYears / S) * 100));
}

int FirstPhaseYears(int startYear) {
    if (startYear < 1999) return 13;
    if (startYear == 1999) return 12;
    return startYear <= 2010 ? 2012 - startYear : 1;
}

double AverageValorizationShown() {
    return RoundTo2Places(107.72846153846154);
}
double AverageValorizationApplied() {
    return RoundTo2Places(107.53666666666666);
}

std::string AverageValorizationCaption() {
    return "Waloryzacja skł. ZUS o " +
           FormatGeneral(static_cast<double>(AverageValorizationShown() - 100.0L)) + "%";
}

void CalculateZusPension(TextFields& fields, const ZusInputs& in, ZusOutcome& out) {
    Calculation(fields, in, out).Run();
}

}  // namespace tolvex
