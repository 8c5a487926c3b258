#include "loans/loan_schedule.h"

#include <climits>
#include <cmath>
#include <string>

#include "core/amount/amount.h"

namespace tolvex {
namespace {

namespace f = loan_fields;

// The program holds these in extended precision with exactly these digits.
constexpr long double kOneTwelveHundredth = 0.0008333333333333334L;
constexpr long double kOneThirtieth = 0.03333333333333333L;
constexpr long double kOneTwelfth = 1.0L / 12.0L;

constexpr std::string_view kDepositNotLoan = "TO NIE JEST KREDYT A WKŁAD BANKOWY - TEŻ MOŻNA LICZYĆ";
constexpr std::string_view kNegativeRate = "PROCENT NIE MOŻE BYĆ UJEMNY";
constexpr std::string_view kBadFirstDate = "Nieodpowiednia data pierwszej raty";
constexpr std::string_view kFirstDateTooLate =
    "Za duży kres pomiędzy uruchomieniem kredytu, a spłata pierwszej raty";
constexpr std::string_view kNoRateForEqual = "Nie można liczyć oprocentowania dla rat równomiernych";

bool IsZeroText(const std::string& text) {
    return text == "0,00" || text == "0";
}

// An empty field counts as 0.
double ReadAmount(const TextFields& fields, std::string_view name) {
    const std::string text = fields.Text(name);
    return text.empty() ? 0.0 : ParseAmount(text);
}

// A whole number as the period in months is read in rate mode: blanks, sign, digits.
long ReadInteger(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const size_t start = i;
    long value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && value <= INT_MAX)
        value = value * 10 + (text[i++] - '0');
    if (i == start || i != text.size() || value > INT_MAX)
        throw ConversionError("'" + text + "' is not a valid integer value");
    return negative ? -value : value;
}

Message ErrorBox(std::string_view text) {
    return Message{std::string(text), std::string(kErrorCaption)};
}
Message Box(std::string_view text) {
    return Message{std::string(text), {}};
}

// February has 29 days only in the program's own list of leap years, 2000 to 2076.
bool IsLastDayOfMonth(const Date& date) {
    const unsigned day = static_cast<unsigned>(date.day());
    switch (static_cast<unsigned>(date.month())) {
        case 4:
        case 6:
        case 9:
        case 11:
            return day == 30;
        case 2: {
            const int year = static_cast<int>(date.year());
            const bool listedLeap = year >= 2000 && year <= 2076 && year % 4 == 0;
            return day == (listedLeap ? 29u : 28u);
        }
        default:
            return day == 31;
    }
}

// Days of interest in the first instalment, months counted as 30 days; -1 after a refusal.
int FirstInstalmentDays(TextFields& fields, const Date& d0, const Date& d1) {
    if (DaysBetween(d0, d1) <= 0) {
        fields.Show(Box(kBadFirstDate));
        return -1;
    }
    const int day0 = static_cast<int>(static_cast<unsigned>(d0.day()));
    const int day1 = static_cast<int>(static_cast<unsigned>(d1.day()));
    const int month0 = static_cast<int>(static_cast<unsigned>(d0.month()));
    const int month1 = static_cast<int>(static_cast<unsigned>(d1.month()));
    // The years are not compared: only the months and days decide.
    if (day1 > day0 && ((month1 > month0 && month0 != 12) || (month1 < month0 && month0 == 12))) {
        fields.Show(Box(kFirstDateTooLate));
        return -1;
    }
    if (IsLastDayOfMonth(d0)) return day1;
    return day0 < day1 ? day1 - day0 : 30 - day0 + day1;
}

// The next due date: a month on, the 31st kept as the 30th and any day above 28 cut
// to 28 in February. A cut day stays cut for the dates that follow.
Date NextDueDate(const Date& date) {
    int year = static_cast<int>(date.year());
    unsigned month = static_cast<unsigned>(date.month()) + 1;
    unsigned day = static_cast<unsigned>(date.day());
    if (month > 12) {
        month = 1;
        ++year;
    }
    if (day == 31) day = 30;
    if (month == 2 && day > 28) day = 28;
    return MakeDate(year, month, day);
}

struct Inputs {
    double K = 0;
    double r = 0;
    int n = 0;
};

// Returns false after a refusal, with its message recorded.
bool EqualInstalments(TextFields& fields, const Inputs& in, const Date& d0, const Date& d1, LoanSchedule& s) {
    const double K = in.K, r = in.r;
    const int n = in.n;
    const long double i = r * kOneTwelveHundredth;
    const double A = RoundTo2Places(static_cast<double>(K * i / (1.0L - std::exp(-n * std::log(1.0L + i)))));

    double I1 = 0, P1 = 0;
    if (fields.Checked(f::CheckBoxZaPelneMiesiace)) {
        I1 = static_cast<double>(K * r * kOneTwelveHundredth);
        P1 = A - I1;
    } else {
        const double M = RoundTo2Places(static_cast<double>(K * r * kOneTwelveHundredth));
        P1 = A - M;
        const int days = FirstInstalmentDays(fields, d0, d1);
        if (days < 0) return false;
        I1 = RoundTo2Places(static_cast<double>(days * M * kOneThirtieth));
    }

    // The balance runs in extended precision; only the rounded interest is a double.
    long double B = static_cast<long double>(K) - P1;
    std::vector<double> balances{static_cast<double>(B)};
    double interest = RoundTo2Places(static_cast<double>(0.01L * r * B * kOneTwelfth));
    for (int k = 2; k <= n - 1; ++k) {
        const long double principal = static_cast<long double>(A) - interest;
        B = B - principal;
        balances.push_back(static_cast<double>(B));
        interest = RoundTo2Places(static_cast<double>(0.01L * r * B * kOneTwelfth));
    }
    double In = interest;
    long double Pn = B;

    double total = 0;
    if (n == 1) {
        total = A;
        I1 = In = A - K;
        P1 = Pn = K;
    } else {
        total = static_cast<double>(static_cast<long double>(n - 2) * A + I1 + P1 + In + Pn);
    }

    s.RegularInstalment = A;
    s.FirstInstalment = static_cast<double>(static_cast<long double>(I1) + P1);
    s.LastInstalment = static_cast<double>(static_cast<long double>(In) + Pn);
    s.Total = total;
    s.TotalInterest = static_cast<double>(static_cast<long double>(total) - K);
    s.Instalments.assign(static_cast<size_t>(n), LoanInstalment{});
    for (int k = 1; k <= n; ++k) {
        double amount = A;
        if (k == n)
            amount = s.LastInstalment;
        else if (k == 1)
            amount = s.FirstInstalment;
        s.Instalments[k - 1].Amount = amount;
        // The last instalment pays off what is left.
        if (k < n) s.Instalments[k - 1].Balance = balances[k - 1];
    }

    fields.Write(f::PierwszaRata, FormatMoney(s.FirstInstalment, 8));
    fields.Write(f::DoSplaty, FormatMoney(s.Total));
    fields.Write(f::OdsetkiBankowe, FormatMoney(s.TotalInterest));
    fields.Write(f::RataBankowa, FormatMoney(A));
    fields.Write(f::OstatniaRata, FormatMoney(s.LastInstalment));
    return true;
}

void DecreasingInstalments(TextFields& fields, const Inputs& in, const Date& d0, LoanSchedule& s) {
    const double K = in.K, r = in.r;
    const int n = in.n;
    double P = RoundTo2Places(static_cast<double>(static_cast<long double>(K) / n));
    // A part rounded up can make the first n - 1 parts overshoot the loan (100 zł over 600
    // months: 599 x 0,17 > 100) and the last instalment negative; it is then cut to the grosz.
    // Compared in grosze, so a loan the parts just reach keeps its rounded part.
    if (std::fabs(static_cast<long double>(n - 1) * std::llround(P * 100)) > std::fabs(K * 100.0L) + 1e-6L)
        P = std::trunc(static_cast<double>(K * 100.0L / n)) / 100.0;
    // The last part takes what the rounded parts leave, so the parts add up to K.
    const double PL = static_cast<double>(K - static_cast<long double>(n - 1) * P);

    s.Instalments.assign(static_cast<size_t>(n), LoanInstalment{});
    long double total = 0, totalInterest = 0;
    Date due = d0;
    for (int i = 0; i < n; ++i) {
        LoanInstalment& e = s.Instalments[i];
        const long double balance = K - static_cast<long double>(i) * P;
        e.Interest = RoundTo2Places(static_cast<double>(balance * (0.01L * r) * kOneTwelfth));
        e.Principal = i == n - 1 ? PL : P;
        e.Amount = e.Principal + e.Interest;
        if (i < n - 1) e.Balance = static_cast<double>(balance - P);
        due = NextDueDate(due);
        e.DueDate = due;
        total += e.Amount;
        totalInterest += e.Interest;
    }
    s.Total = static_cast<double>(total);
    s.TotalInterest = static_cast<double>(totalInterest);
    s.FirstInstalment = s.Instalments.front().Amount;
    s.LastInstalment = s.Instalments.back().Amount;

    fields.Write(f::PierwszaRata, FormatMoney(s.FirstInstalment, 8));
    fields.Write(f::DoSplaty, FormatMoney(s.Total));
    fields.Write(f::OdsetkiBankowe, FormatMoney(s.TotalInterest));
    fields.Write(f::OstatniaRata, FormatMoney(s.LastInstalment));
}

LoanOutcome CalculateRate(TextFields& fields) {
    LoanOutcome out;
    if (IsZeroText(fields.Text(f::KredytBankowy)) || IsZeroText(fields.Text(f::OkresBankowyKredytu)) ||
        IsZeroText(fields.Text(f::EditRata1))) {
        fields.Show(ErrorBox(kRateInputsMissing));
        return out;
    }
    long double n = 0;
    if (fields.Choice(f::RadioGroup4) == static_cast<int>(PeriodUnit::Months))
        n = ReadInteger(fields.Text(f::OkresBankowyKredytu));
    else
        n = std::trunc(ReadAmount(fields, f::OkresBankowyKredytu) * 12.0L);
    if (fields.Choice(f::RadioGroup3) != static_cast<int>(LoanKind::Decreasing)) {
        fields.Show(Box(kNoRateForEqual));
        return out;
    }
    const double K = ReadAmount(fields, f::KredytBankowy);
    const double R1 = ReadAmount(fields, f::EditRata1);
    // No instalment, no loan or no first instalment: nothing to divide by or to compare with.
    if (n < 1 || K == 0 || R1 == 0) {
        fields.Show(ErrorBox(kRateInputsMissing));
        return out;
    }
    const double r = RoundTo2Places(static_cast<double>((R1 - K / n) * 12 * 100 / K));
    fields.Write(f::ProcentBankowy, FormatGeneral(r));
    out.Status = LoanStatus::RateComputed;
    return out;
}

}  // namespace

LoanOutcome CalculateLoan(TextFields& fields) {
    if (fields.Choice(f::RadioGroupWylicz) == 1) return CalculateRate(fields);

    LoanOutcome out;
    if (IsZeroText(fields.Text(f::KredytBankowy)) || IsZeroText(fields.Text(f::OkresBankowyKredytu)) ||
        IsZeroText(fields.Text(f::ProcentBankowy))) {
        fields.Show(ErrorBox(kLoanInputsMissing));
        return out;
    }

    Inputs in;
    in.K = ReadAmount(fields, f::KredytBankowy);
    in.r = ReadAmount(fields, f::ProcentBankowy);
    const bool inMonths = fields.Choice(f::RadioGroup4) == static_cast<int>(PeriodUnit::Months);
    const double T = ReadAmount(fields, f::OkresBankowyKredytu);
    const long double count = std::trunc(inMonths ? static_cast<long double>(T) : T * 12.0L);
    // A zero rate divides zero by zero in the annuity; no instalment divides by zero.
    if (in.r == 0 || count < 1) {
        fields.Show(ErrorBox(kLoanInputsMissing));
        return out;
    }
    if (count > kMaxInstalments) {
        fields.Show(Box(kPeriodTooLong));
        return out;
    }
    in.n = static_cast<int>(count);
    const LoanKind kind = fields.Choice(f::RadioGroup3) == static_cast<int>(LoanKind::Decreasing)
                              ? LoanKind::Decreasing
                              : LoanKind::Equal;
    out.LoanDate = ParseDate(fields.Text(f::DataKredytu));
    if (kind == LoanKind::Equal) out.FirstDueDate = ParseDate(fields.Text(f::DataPierwszejRaty));

    if (in.K < 0) fields.Show(Box(kDepositNotLoan));
    if (in.r < 0) {
        fields.Show(Box(kNegativeRate));
        in.r = -in.r;
        fields.Write(f::ProcentBankowy, FormatGeneral(in.r));
    }

    LoanSchedule& s = out.Schedule;
    s.Kind = kind;
    s.InstalmentCount = static_cast<uint16_t>(in.n);
    if (kind == LoanKind::Equal) {
        if (!EqualInstalments(fields, in, out.LoanDate, out.FirstDueDate, s)) {
            out.Schedule = LoanSchedule{};
            out.Status = LoanStatus::DateCheckFailed;
            return out;
        }
    } else {
        DecreasingInstalments(fields, in, out.LoanDate, s);
    }

    const bool single = inMonths && in.n == 1;
    for (std::string_view name : {"LabelPierwszaRata", "LabelOstatniaRata", "LabelRata", "PierwszaRata",
                                  "OstatniaRata", "RataBankowa"})
        fields.SetVisible(name, !single);
    if (kind == LoanKind::Decreasing) {
        fields.SetVisible(f::RataBankowa, false);
        fields.SetVisible("LabelRata", false);
    }
    out.Status = LoanStatus::Computed;
    return out;
}

bool PeriodAboveLimit(std::string_view periodText, PeriodUnit unit) {
    double T = 0;
    if (!TryParseAmount(periodText, T)) return false;
    return unit == PeriodUnit::Years ? T > 50 : T > kMaxInstalments;
}

Date FirstDayOfNextMonth(const Date& date) {
    const int year = static_cast<int>(date.year());
    const unsigned month = static_cast<unsigned>(date.month());
    return month == 12 ? MakeDate(year + 1, 1, 1) : MakeDate(year, month + 1, 1);
}

}  // namespace tolvex
