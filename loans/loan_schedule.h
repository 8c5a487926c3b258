// The loan calculation of the "Raty-kredyt" page: equal (annuity) or decreasing
// instalments, or the rate a first decreasing instalment implies. Reads the page's
// fields by name and records its writes, visibility changes and messages in order.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/date/date_text.h"
#include "core/fields/text_fields.h"

namespace tolvex {

// The schedule holds one entry per monthly instalment; 50 years at most.
inline constexpr int kMaxInstalments = 600;

struct LoanInstalment {
    double Principal = 0;  // decreasing instalments only
    double Amount = 0;     // both kinds
    double Interest = 0;   // decreasing instalments only
    Date DueDate{};        // decreasing instalments only
    double Balance = 0;    // both kinds: the loan left after this instalment, unrounded
};

enum class LoanKind { Equal = 0, Decreasing = 1 };  // RadioGroup3
enum class PeriodUnit { Years = 0, Months = 1 };    // RadioGroup4

// What a successful instalment calculation leaves for the grid and the printout.
struct LoanSchedule {
    LoanKind Kind = LoanKind::Equal;
    // Entry k (1-based) at index k - 1; InstalmentCount entries.
    std::vector<LoanInstalment> Instalments;
    uint16_t InstalmentCount = 0;
    double FirstInstalment = 0;
    double LastInstalment = 0;
    double RegularInstalment = 0;  // equal instalments only
    double Total = 0;
    double TotalInterest = 0;

    const LoanInstalment& Entry(int k) const { return Instalments.at(static_cast<size_t>(k - 1)); }
};

enum class LoanStatus {
    Refused,          // a message was shown and nothing computed
    DateCheckFailed,  // first-instalment date refused: the grid must be cleared
    Computed,         // instalments computed: the grid must be filled
    RateComputed,     // rate mode wrote ProcentBankowy
};

struct LoanOutcome {
    LoanStatus Status = LoanStatus::Refused;
    LoanSchedule Schedule;  // set when Status is Computed
    // The dates the grid is laid out by (Computed only; FirstDueDate for equal instalments).
    Date LoanDate{};
    Date FirstDueDate{};

    bool ClearsGrid() const { return Status == LoanStatus::DateCheckFailed; }
    bool FillsGrid() const { return Status == LoanStatus::Computed; }
};

// Control names the calculation reads and writes.
namespace loan_fields {
inline constexpr std::string_view KredytBankowy = "KredytBankowy";
inline constexpr std::string_view OkresBankowyKredytu = "OkresBankowyKredytu";
inline constexpr std::string_view ProcentBankowy = "ProcentBankowy";
inline constexpr std::string_view DataKredytu = "DataKredytu";
inline constexpr std::string_view DataPierwszejRaty = "DataPierwszejRaty";
inline constexpr std::string_view EditRata1 = "EditRata1";
inline constexpr std::string_view RadioGroup3 = "RadioGroup3";
inline constexpr std::string_view RadioGroup4 = "RadioGroup4";
inline constexpr std::string_view RadioGroupWylicz = "RadioGroupWylicz";
inline constexpr std::string_view CheckBoxZaPelneMiesiace = "CheckBoxZaPelneMiesiace";
inline constexpr std::string_view DoSplaty = "DoSplaty";
inline constexpr std::string_view OdsetkiBankowe = "OdsetkiBankowe";
inline constexpr std::string_view PierwszaRata = "PierwszaRata";
inline constexpr std::string_view OstatniaRata = "OstatniaRata";
inline constexpr std::string_view RataBankowa = "RataBankowa";
}  // namespace loan_fields

inline constexpr std::string_view kErrorCaption = "Błąd";
inline constexpr std::string_view kLoanInputsMissing =
    "Wartość KREDYTU, OKRES i OPROCENTOWANIE muszą być podane do obliczenia rat";
inline constexpr std::string_view kRateInputsMissing =
    "Wartość KREDYTU, OKRES i RATA muszą być podane do obliczenia procentu";
inline constexpr std::string_view kPeriodTooLong = "Okres kredytu musi być <= 50 lat";

// PrzeliczRatyClick without the grid: the rate in rate mode, else the instalments.
// A text that does not convert throws ConversionError; writes made before stay recorded.
LoanOutcome CalculateLoan(TextFields& fields);

// True when the period text is above 50 years or 600 months. Texts that do not
// convert are left to the field's own check.
bool PeriodAboveLimit(std::string_view periodText, PeriodUnit unit);

// The first day of the month after `date` (December rolls into January).
Date FirstDayOfNextMonth(const Date& date);

}  // namespace tolvex
