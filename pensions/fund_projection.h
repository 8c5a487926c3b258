// The pension-fund projections of the "Emeryt II" (second pillar, open pension fund)
// and "Emeryt III" (third pillar, voluntary fund) pages: contributions year by year,
// the fund's capital and the monthly pension it pays. Reads the pages' fields by name
// and records writes, visibility changes and messages in order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/fields/text_fields.h"

namespace tolvex {

// The per-year results of the last fund projection of either page, kept for the
// printout. Index k is year k of the projection (index 0 is unused). A projection
// overwrites the years it computes; the third pillar leaves Salary alone.
struct FundProjectionRows {
    std::vector<double> Salary, Paid, Capital;

    // Makes year k addressable, keeping every year already held.
    void EnsureYear(int k);
    int Years() const { return Paid.empty() ? 0 : static_cast<int>(Paid.size()) - 1; }
};

// A results grid as it is shown: row 0 holds the headings, row k year k.
using FundGrid = std::vector<std::vector<std::string>>;

namespace fund_fields {
// "Emeryt II"
inline constexpr std::string_view RadioGroupPlec = "RadioGroupPlec";
inline constexpr std::string_view WynagrodzenieBrutto = "WynagrodzenieBrutto";
inline constexpr std::string_view TrackBarWiek = "TrackBarWiek";
inline constexpr std::string_view TrackBarLata = "TrackBarLata";
inline constexpr std::string_view UstawionyWiek = "UstawionyWiek";
inline constexpr std::string_view UstawionyOkres = "UstawionyOkres";
inline constexpr std::string_view DateTimeRokRozpoczecia = "DateTimeRokRozpoczecia";
inline constexpr std::string_view Prowizja = "Prowizja";
inline constexpr std::string_view Oplata = "Oplata";
inline constexpr std::string_view Zysk = "Zysk";
inline constexpr std::string_view Wzrost = "Wzrost";
inline constexpr std::string_view EditKosztyUzyskPrzychodu = "EditKosztyUzyskPrzychodu";  // on "Płace"
inline constexpr std::string_view Wplacono = "Wplacono";
inline constexpr std::string_view Kapital = "Kapital";
inline constexpr std::string_view LabelEmeryt_mc = "LabelEmeryt_mc";
inline constexpr std::string_view MiesiecznaEmerytura = "MiesiecznaEmerytura";
// "Emeryt III"
inline constexpr std::string_view RadioGroupPlec1 = "RadioGroupPlec1";
inline constexpr std::string_view SkladkaSrednia = "SkladkaSrednia";
inline constexpr std::string_view SkladkaMiesieczna = "SkladkaMiesieczna";
inline constexpr std::string_view KwotaPoczatkowa = "KwotaPoczatkowa";
inline constexpr std::string_view TrackBarWiek1 = "TrackBarWiek1";
inline constexpr std::string_view TrackBarLata1 = "TrackBarLata1";
inline constexpr std::string_view UstawionyWiek1 = "UstawionyWiek1";
inline constexpr std::string_view UstawionyOkres1 = "UstawionyOkres1";
inline constexpr std::string_view DateTimeRokPrzystapienia = "DateTimeRokPrzystapienia";
inline constexpr std::string_view ProwizjaFE = "ProwizjaFE";
inline constexpr std::string_view OplataZE = "OplataZE";
inline constexpr std::string_view ZyskFE = "ZyskFE";
inline constexpr std::string_view InflacjaRoczna = "InflacjaRoczna";
inline constexpr std::string_view Wplacono1 = "Wplacono1";
inline constexpr std::string_view Kapital1 = "Kapital1";
inline constexpr std::string_view LabelEmeryt_mc1 = "LabelEmeryt_mc1";
inline constexpr std::string_view MiesiecznaEmerytura1 = "MiesiecznaEmerytura1";
}  // namespace fund_fields

// The percent spin fields and the whole numbers their value stays within.
struct SpinRange {
    std::string_view name;
    int min, max;
};
inline constexpr SpinRange kProwizjaRange{fund_fields::Prowizja, 0, 100};
inline constexpr SpinRange kOplataRange{fund_fields::Oplata, 0, 100};
inline constexpr SpinRange kZyskRange{fund_fields::Zysk, 0, 100};
inline constexpr SpinRange kWzrostRange{fund_fields::Wzrost, 0, 100};
inline constexpr SpinRange kProwizjaFERange{fund_fields::ProwizjaFE, 0, 100};
inline constexpr SpinRange kOplataZERange{fund_fields::OplataZE, 0, 50};
inline constexpr SpinRange kZyskFERange{fund_fields::ZyskFE, 0, 200};
inline constexpr SpinRange kInflacjaRocznaRange{fund_fields::InflacjaRoczna, 0, 1000};

inline constexpr std::string_view kCostsNotANumber =
    "Koszty uzyskania przychodu w zakładce \"Płace\" nie są liczbą";

// The value of a spin field: its number held within the range; an empty text counts as
// the minimum. Text that does not convert throws ConversionError.
double SpinValue(const TextFields& fields, const SpinRange& range);

// What follows a number of years: " rok", " lata" or " lat". The age and the payment
// years differ only below 5, where the age says " lat".
enum class YearsOf { Age, Payment };
std::string YearWord(int years, YearsOf kind);
// "15 lat", as the track bars' labels show it.
std::string YearsText(int years, YearsOf kind);

// Contribution years of the second pillar: from joining until 67.
int SecondPillarYears(int joiningAge);
// Years at the 7,3 % rate: 13 for a start of work up to 1999, 2012 - year up to 2010, then 1.
int FirstPhaseLength(int startYear);
// Contribution years of the third pillar: until 65 for a man, 60 for a woman.
int ThirdPillarYears(int joiningAge, bool woman);

// PrzeliczOFEClick. Fills `rows` and returns the grid `Tabelka`; a text that does not
// convert, or a result beyond the program's numbers, throws ConversionError and leaves
// `rows` as they were (writes made before stay recorded).
FundGrid ProjectSecondPillar(TextFields& fields, FundProjectionRows& rows);

// PrzeliczFEClick. `secondPillarPage` receives the totals this projection also writes
// into the "Emeryt II" page. Returns the grid `Tabelka1`; errors as above.
FundGrid ProjectThirdPillar(TextFields& fields, TextFields& secondPillarPage, FundProjectionRows& rows);

// The partner texts of the yearly and monthly third-pillar contributions.
// A result beyond the program's numbers throws ConversionError.
std::string MonthlyFromYearly(double yearly);
std::string YearlyFromMonthly(double monthly);

}  // namespace tolvex
