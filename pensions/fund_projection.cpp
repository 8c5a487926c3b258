#include "pensions/fund_projection.h"

#include <algorithm>

#include "core/amount/amount.h"
#include "core/date/date_text.h"

namespace tolvex {
namespace {

namespace f = fund_fields;

constexpr int kSecondPillarEndAge = 67;
constexpr int kManEndAge = 65;
constexpr int kWomanEndAge = 60;

// The second pillar's share of (salary - costs) in its three phases, and how the grid shows it.
struct Phase {
    long double rate;
    const char* text;
};
constexpr Phase kPhases[] = {{0.073L, "7,3"}, {0.023L, "2,3"}, {0.028L, "2,8"}};
constexpr int kSecondPhaseLength = 2;

std::string Zl(std::string_view text) {
    return AppendZlSuffix(text);
}

// The number format without decimals, at 10 significant digits: exponent form beyond them.
std::string Whole(double value) {
    const std::string money = FormatMoney(value, 10);
    return money.find('E') != std::string::npos ? money : FormatWholeGrouped(value);
}

// The controls a projection refreshes and shows first.
struct ResultControls {
    std::string_view ageBar, ageLabel, periodBar, periodLabel;
    std::string_view results[4];
};
constexpr ResultControls kSecondPillarControls{
    f::TrackBarWiek,
    f::UstawionyWiek,
    f::TrackBarLata,
    f::UstawionyOkres,
    {f::Wplacono, f::Kapital, f::LabelEmeryt_mc, f::MiesiecznaEmerytura}};
constexpr ResultControls kThirdPillarControls{
    f::TrackBarWiek1,
    f::UstawionyWiek1,
    f::TrackBarLata1,
    f::UstawionyOkres1,
    {f::Wplacono1, f::Kapital1, f::LabelEmeryt_mc1, f::MiesiecznaEmerytura1}};

void ShowResults(TextFields& fields, const ResultControls& c) {
    fields.Write(c.ageLabel, YearsText(fields.Choice(c.ageBar), YearsOf::Age));
    fields.Write(c.periodLabel, YearsText(fields.Choice(c.periodBar), YearsOf::Payment));
    for (std::string_view name : c.results) fields.SetVisible(name, true);
}

// The monthly pension: the capital spread over the payment months, less the fee on the capital.
double MonthlyPension(double capital, int paymentYears, double feePercent) {
    const int months = paymentYears * 12;
    return RoundTo2Places(
        static_cast<double>(capital / static_cast<long double>(months) * (1 - 0.01L * feePercent)));
}

double Costs(TextFields& fields) {
    const std::string text = fields.Text(f::EditKosztyUzyskPrzychodu);
    double costs = 0;
    if (text.empty()) return 0;
    if (!TryParseAmount(text, costs)) {
        fields.Show(std::string(kCostsNotANumber));
        return 0;
    }
    return costs;
}

struct SecondPillarInputs {
    double yield = 0, growth = 0, commission = 0, costs = 0;
};

// One year k at `rate`. A phase that starts on the last year of the previous one
// computes that year again, stepping its salary once more.
void SecondPillarYear(int k, long double rate, const SecondPillarInputs& in, double& salary,
                      FundProjectionRows& rows) {
    rows.EnsureYear(k);
    if (k > 1) salary = static_cast<double>((in.growth * 0.01L + 1) * salary);
    salary = RoundToWholeZloty(salary);
    rows.Salary[k] = salary;
    double yearPaid = 0, yearNet = 0;
    for (int month = 0; month < 12; ++month) {
        const double paid =
            RoundTo2Places(static_cast<double>((static_cast<long double>(salary) - in.costs) * rate));
        const double net = RoundTo2Places(static_cast<double>((1 - 0.01L * in.commission) * paid));
        yearPaid = static_cast<double>(static_cast<long double>(yearPaid) + paid);
        yearNet = static_cast<double>(static_cast<long double>(yearNet) + net);
    }
    const long double yieldFactor = 0.01L * in.yield + 1;
    const long double paidSoFar = k == 1 ? yearPaid : rows.Paid[k - 1] + static_cast<long double>(yearPaid);
    rows.Paid[k] = RoundToWholeZloty(static_cast<double>(paidSoFar));
    const long double capital = k == 1
                                    ? yieldFactor * yearNet
                                    : (rows.Capital[k - 1] + static_cast<long double>(yearNet)) * yieldFactor;
    rows.Capital[k] = RoundToWholeZloty(static_cast<double>(capital));
}

FundGrid NewGrid(int years, std::initializer_list<const char*> headings) {
    FundGrid grid(static_cast<size_t>(years) + 1, std::vector<std::string>(headings.size()));
    grid[0].assign(headings.begin(), headings.end());
    return grid;
}

}  // namespace

void FundProjectionRows::EnsureYear(int k) {
    const size_t size = static_cast<size_t>(k) + 1;
    if (Paid.size() >= size) return;
    Salary.resize(size);
    Paid.resize(size);
    Capital.resize(size);
}

double SpinValue(const TextFields& fields, const SpinRange& range) {
    const std::string text = fields.Text(range.name);
    if (text.empty()) return range.min;
    return std::clamp(ParseAmount(text), static_cast<double>(range.min), static_cast<double>(range.max));
}

std::string YearWord(int years, YearsOf kind) {
    if (years < 10) {
        if (kind == YearsOf::Age) return " lat";
        if (years == 1) return " rok";
        return years >= 2 && years <= 4 ? " lata" : " lat";
    }
    const int second = years % 10;
    return second >= 2 && second <= 4 ? " lata" : " lat";
}

std::string YearsText(int years, YearsOf kind) {
    return std::to_string(years) + YearWord(years, kind);
}

int SecondPillarYears(int joiningAge) {
    return kSecondPillarEndAge - joiningAge + 1;
}

int FirstPhaseLength(int startYear) {
    // 1999 has no rule of its own; it takes the 13 years of the years before it.
    if (startYear <= 1999) return 13;
    if (startYear <= 2010) return 2012 - startYear;
    return 1;
}

int ThirdPillarYears(int joiningAge, bool woman) {
    return (woman ? kWomanEndAge : kManEndAge) - joiningAge + 1;
}

FundGrid ProjectSecondPillar(TextFields& fields, FundProjectionRows& rows) {
    ShowResults(fields, kSecondPillarControls);
    const int n = SecondPillarYears(fields.Choice(f::TrackBarWiek));
    double salary = fields.Number(f::WynagrodzenieBrutto);
    SecondPillarInputs in;
    in.yield = SpinValue(fields, kZyskRange);
    in.growth = SpinValue(fields, kWzrostRange);
    const double fee = SpinValue(fields, kOplataRange);
    in.costs = Costs(fields);
    const int startYear = static_cast<int>(ParseDate(fields.Text(f::DateTimeRokRozpoczecia)).year());
    in.commission = SpinValue(fields, kProwizjaRange);

    // The phases share their boundary years: 1..P1, P1..P1+2, P1+2..n.
    const int p1 = FirstPhaseLength(startYear);
    const int bounds[][2] = {{1, p1}, {p1, p1 + kSecondPhaseLength}, {p1 + kSecondPhaseLength, n}};
    FundProjectionRows next = rows;
    std::vector<int> phaseOfYear(static_cast<size_t>(std::max(n, p1 + kSecondPhaseLength)) + 1, 0);
    for (int phase = 0; phase < 3; ++phase)
        for (int k = bounds[phase][0]; k <= bounds[phase][1]; ++k) {
            SecondPillarYear(k, kPhases[phase].rate, in, salary, next);
            phaseOfYear[k] = phase;
        }

    const double totalPaid = RoundTo2Places(next.Paid[n]);
    const double totalCapital = RoundTo2Places(next.Capital[n]);
    fields.Write(f::Wplacono, Zl("Wpłacono " + Whole(totalPaid)));
    fields.Write(f::Kapital, Zl("Kapitał " + Whole(totalCapital)));

    const int baseYear = startYear < 1999 ? 1998 : startYear - 1;
    FundGrid grid = NewGrid(n, {"Lp", "ROK", "PŁACA", "WPŁATY", "KAPITAŁ", "%SKŁ."});
    for (int k = 1; k <= n; ++k)
        grid[k] = {FormatGeneral(k),
                   FormatGeneral(baseYear + k),
                   FormatGeneral(next.Salary[k]),
                   FormatGeneral(next.Paid[k]),
                   FormatGeneral(next.Capital[k]),
                   kPhases[phaseOfYear[k]].text};

    const double pension = MonthlyPension(totalCapital, fields.Choice(f::TrackBarLata), fee);
    fields.Write(f::MiesiecznaEmerytura, Zl(Whole(pension)));
    rows = std::move(next);
    return grid;
}

FundGrid ProjectThirdPillar(TextFields& fields, TextFields& secondPillarPage, FundProjectionRows& rows) {
    ShowResults(fields, kThirdPillarControls);
    const double startAmount = fields.Number(f::KwotaPoczatkowa);
    const int n = ThirdPillarYears(fields.Choice(f::TrackBarWiek1), fields.Choice(f::RadioGroupPlec1) == 1);
    const long double yieldFactor = 0.01L * SpinValue(fields, kZyskFERange) + 1;
    const long double inflationFactor = 0.01L * SpinValue(fields, kInflacjaRocznaRange) + 1;
    const double fee = SpinValue(fields, kOplataZERange);

    FundProjectionRows next = rows;
    next.EnsureYear(n);
    for (int k = 1; k <= n; ++k) {
        // Each year pays the yearly contribution as typed, raised once by the inflation:
        // the raise does not compound, and Paid counts the contribution before it.
        double contribution = 0;
        if (k == 1) {
            contribution =
                static_cast<double>(static_cast<long double>(fields.Number(f::SkladkaSrednia)) + startAmount);
            next.Paid[1] = contribution;
        } else {
            contribution = fields.Number(f::SkladkaSrednia);
            next.Paid[k] = static_cast<double>(next.Paid[k - 1] + static_cast<long double>(contribution));
            contribution = static_cast<double>(inflationFactor * contribution);
        }
        const double net =
            static_cast<double>((1 - 0.01L * SpinValue(fields, kProwizjaFERange)) * contribution);
        next.Paid[k] = RoundTo2Places(next.Paid[k]);
        const long double capital =
            k == 1 ? yieldFactor * net : (next.Capital[k - 1] + static_cast<long double>(net)) * yieldFactor;
        next.Capital[k] = RoundTo2Places(static_cast<double>(capital));
    }

    const double totalPaid = RoundTo2Places(next.Paid[n]);
    const double totalCapital = RoundTo2Places(next.Capital[n]);
    secondPillarPage.Write(f::Wplacono, Zl("Wplacono składki " + FormatGeneral(totalPaid)));
    secondPillarPage.Write(f::Kapital, Zl("Zebrany kapitał FE wynosi " + FormatGeneral(totalCapital)));
    fields.Write(f::Wplacono1, Zl("Wpłacono " + Whole(totalPaid)));
    fields.Write(f::Kapital1, Zl("Kapitał " + Whole(totalCapital)));

    const int joiningYear = static_cast<int>(ParseDate(fields.Text(f::DateTimeRokPrzystapienia)).year());
    FundGrid grid = NewGrid(n, {"LP", "LATA", "WPŁATY", "KAPITAŁ"});
    for (int k = 1; k <= n; ++k)
        grid[k] = {FormatGeneral(k), FormatGeneral(joiningYear - 1 + k), FormatGeneral(next.Paid[k]),
                   FormatGeneral(next.Capital[k])};

    const double pension = MonthlyPension(totalCapital, fields.Choice(f::TrackBarLata1), fee);
    fields.Write(f::MiesiecznaEmerytura1, Zl(Whole(pension)));
    rows = std::move(next);
    return grid;
}

std::string MonthlyFromYearly(double yearly) {
    return FormatGeneral(static_cast<double>(yearly * (1.0L / 12.0L)));
}

std::string YearlyFromMonthly(double monthly) {
    return FormatGeneral(static_cast<double>(monthly * 12.0L));
}

}  // namespace tolvex
