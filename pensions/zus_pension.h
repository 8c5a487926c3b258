// The ZUS pension of the "Emeryt ZUS" page: the regime a person falls into by birth date
// and start of work, the old-system pension, the initial capital as of 1 January 1999, and
// the year-by-year projection of salary, contributions and capital up to the age of 67.
// Reads the page's fields by name and records its writes, visibility changes and messages.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/date/date_text.h"
#include "core/fields/text_fields.h"
#include "pensions/zus_indices.h"

namespace tolvex {

namespace zus_fields {
inline constexpr std::string_view RadioGroupPlec2 = "RadioGroupPlec2";
inline constexpr std::string_view DateTimeDataUrodzenia = "DateTimeDataUrodzenia";
inline constexpr std::string_view DateTimeDataRozpoczeciaPracy = "DateTimeDataRozpoczeciaPracy";
inline constexpr std::string_view RadioGroupKapitalPoczatkowy = "RadioGroupKapitalPoczatkowy";
inline constexpr std::string_view EditKapitalPoczatkowy1999 = "EditKapitalPoczatkowy1999";
inline constexpr std::string_view RadioGroupWskaznikPodstawy = "RadioGroupWskaznikPodstawy";
inline constexpr std::string_view EditPodstawaKapitalu = "EditPodstawaKapitalu";
inline constexpr std::string_view LabelPodstawaKapitalu = "LabelPodstawaKapitalu";
inline constexpr std::string_view EditLataSkladkowy = "EditLataSkladkowy";
inline constexpr std::string_view EditMcSkl = "EditMcSkl";
inline constexpr std::string_view EditLataNieSkl = "EditLataNieSkl";
inline constexpr std::string_view EditMcNieSkl = "EditMcNieSkl";
inline constexpr std::string_view RadioGroupCzyOFEII = "RadioGroupCzyOFEII";
inline constexpr std::string_view EditSredniCzasZycia = "EditSredniCzasZycia";
inline constexpr std::string_view EditPlacaBruttoZus = "EditPlacaBruttoZus";
inline constexpr std::string_view Inflacja = "Inflacja";
inline constexpr std::string_view RadioGroupWaloryzacja = "RadioGroupWaloryzacja";
inline constexpr std::string_view CheckBoxWczesnaEmerytura = "CheckBoxWczesnaEmerytura";
inline constexpr std::string_view RadioGroupLiczenieWskaznikaPodstawy = "RadioGroupLiczenieWskaznikaPodstawy";
inline constexpr std::string_view EditKapitalPoczatkowy = "EditKapitalPoczatkowy";
inline constexpr std::string_view EditKapitalPoczatkowy_mc = "EditKapitalPoczatkowy_mc";
inline constexpr std::string_view LabelMiesiecznaEmerytura = "LabelMiesiecznaEmerytura";
inline constexpr std::string_view LabelMiesiecznaEmerytura25 = "LabelMiesiecznaEmerytura25";
inline constexpr std::string_view LabelInformacjaOEmeryturze25 = "LabelInformacjaOEmeryturze25";
inline constexpr std::string_view LabelMiesiecznaEmerytura67 = "LabelMiesiecznaEmerytura67";
inline constexpr std::string_view LabelSredniaWaloryzacja = "LabelSredniaWaloryzacja";
inline constexpr std::string_view Wplacono2 = "Wplacono2";
inline constexpr std::string_view Kapital2 = "Kapital2";
}  // namespace zus_fields

// RadioGroupWaloryzacja: "NIE", "TAK", "ŚREDNIA".
enum class Valorization { None = 0, Yearly = 1, Average = 2 };
enum class ZusLayout { OldSystem, InitialCapital, NewSystem };
enum class ZusRegime { Nothing, InitialCapital, NewSystem };  // the projection after the old-system part

inline constexpr std::string_view kMonthlyPensionCaption = "Emerytura/mc";
inline constexpr std::string_view kNoValorizationCaption = "Waloryzacja 0%";
inline constexpr std::string_view kLifeExpectancyFallback =
    "Średni czas życia nie może być <= 0 - liczę dla 209 miesięcy";
inline constexpr std::string_view kStartAfterRetirement =
    "Data podjęcia pracy musi być wcześniejsza od roku przejścia na emeryturę";

// Birth before 1949, or after 1 January 1949 with early retirement.
bool IsOldSystem(const Date& birth, bool earlyRetirement);
// Which projection follows; both boundaries of 1949–1968 and the 31 December 1989 start of
// work belong to the initial-capital regime.
ZusRegime ProjectionRegime(const Date& birth, const Date& start, bool earlyRetirement);
// The page layout the birth-date handler chooses (the early-retirement box is not consulted).
ZusLayout LayoutFor(const Date& birth, const Date& start);

// The birth date moved by 20 years; 29 February becomes 28 February in a common year.
Date TwentyYearsOn(const Date& birth);

// Age A counted for 1998: a year more unless work started 0 to 6 months after the birth month.
int AgeIn1998(const Date& birth, const Date& start);
// Service Y in years: the months together add a year from 7 and two from 19.
int ServiceYears(int yearsContributory, int yearsNonContributory, int monthsContributory,
                 int monthsNonContributory);
// WP := √((A − 18) / (R − 18) × Y / S) × 100, rounded to 2 places.
double ProportionalCoefficient(int age, int serviceYears, bool woman);
// P1, the years at the first contribution rate in the new-system regime.
int FirstPhaseYears(int startYear);

// The average valorization: shown as 107.73, applied as 107.54.
double AverageValorizationShown();
double AverageValorizationApplied();
// "Waloryzacja skł. ZUS o 7,73%".
std::string AverageValorizationCaption();

// What the calculation reads besides the page's fields.
struct ZusInputs {
    bool startOfWorkShown = true;   // the date checks run only while the field is shown
    std::string baseIndex = "100";  // W: LabelSredniWskaznik of the dialog chosen by "10 lat"/"20 lat"
    double enteredInitialCapital = 0;
    const ValorizationTable* valorization = nullptr;  // "TAK"; none: every year 100
};

// Tabelka2: rows 1..N (retirement year cut), columns "Lp", "Rok", "Płaca", "Skład.",
// "Kapitał", "Kap.pocz.", "K.pocz./mc".
struct ZusGrid {
    std::vector<std::array<std::string, 7>> Rows;  // row r at index r - 1
    // The numbers behind row r's columns 1 to 6, at index r - 1; a row the calculation
    // did not reach has Reached false.
    struct Year {
        int Year = 0;
        bool Reached = false, HasInitialCapital = false;
        double Salary = 0, Paid = 0, Capital = 0, InitialCapital = 0, InitialCapitalMonthly = 0;
    };
    std::vector<Year> Values;
};

struct ZusOutcome {
    bool Projected = false;  // a projection set up Tabelka2
    bool Completed = false;  // the calculation reached its last figure: there is a pension to print
    ZusGrid Grid;
};

// PrzeliczZUSClick. `out` is filled as the calculation goes, so a ConversionError (a field
// that does not convert, a result out of range) leaves what was done before it.
void CalculateZusPension(TextFields& fields, const ZusInputs& in, ZusOutcome& out);

}  // namespace tolvex
