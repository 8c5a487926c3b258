// The built-in tables of tax and statutory interest rates: consecutive periods, each
// with one annual rate. A new rate comes with a new release and a new row.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "core/date/date_text.h"

namespace tolvex {

struct InterestRatePeriod {
    Date From;               // first day of the rate
    std::optional<Date> To;  // last day, inclusive; none for the open last row
    double Rate = 0;         // percent per year

    bool Contains(const Date& day) const { return From <= day && (!To || day <= *To); }
};

// "Rodzaj odsetek": item 0 tax interest, item 1 statutory interest.
enum class InterestKind { Tax = 0, Statutory = 1 };

inline constexpr std::size_t kInterestTableRows = 41;
// Rows 1..79 are the most the lookup ever searches.
inline constexpr std::size_t kMaxInterestTableRows = 79;

extern const std::array<InterestRatePeriod, kInterestTableRows> TaxInterestTable;
extern const std::array<InterestRatePeriod, kInterestTableRows> StatutoryInterestTable;

// Row k of the returned span is table row k + 1.
std::span<const InterestRatePeriod> RateTable(InterestKind kind);

// The earliest start date the calculation accepts, and what it says about an earlier one.
Date EarliestStart(InterestKind kind);
std::string_view EarliestStartMessage(InterestKind kind);

inline constexpr std::string_view kTaxEarliestMessage =
    "Program liczy odsetki podatkowe od 1-03-1993r. POPRAW OKRES";
inline constexpr std::string_view kStatutoryEarliestMessage =
    "Program liczy odsetki ustawowe od 1-11-1989r. POPRAW OKRES";
// The tax table has no rates before its first row; such a start is refused with this.
inline constexpr std::string_view kTaxFirstRowMessage =
    "Program liczy odsetki podatkowe od 30-06-2005r. POPRAW OKRES";

}  // namespace tolvex
