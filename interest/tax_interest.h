// Tax and statutory interest over a date range: the range is split at every rate change
// of the chosen table, each piece earns A x days x rate / 365, rounded to the grosz, and
// the sum is rounded to whole złoty.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/date/date_text.h"
#include "interest/rate_tables.h"

namespace tolvex {

// The part of the range that falls in one rate period.
struct InterestSegment {
    double Days = 0;      // whole days, both ends counted
    double Interest = 0;  // rounded to 2 places
};

// What the last calculation left for the grid and the printed statement.
struct TaxInterestResult {
    // 1-based rows of the chosen table; 0 and 0 before any calculation or after a refusal.
    std::uint16_t FirstPeriod = 0;
    std::uint16_t LastPeriod = 0;
    // One per row FirstPeriod..LastPeriod, in that order.
    std::vector<InterestSegment> Segments;
    double SumBeforeRounding = 0;  // sum of the segment interests, 2 places
    double InterestSum = 0;        // the same sum in whole złoty
    double TotalDue = 0;           // amount + InterestSum

    bool Empty() const { return FirstPeriod == 0; }
    // The segment of table row `period` (FirstPeriod <= period <= LastPeriod).
    const InterestSegment& Segment(std::uint16_t period) const { return Segments.at(period - FirstPeriod); }
};

// Either a result or the message that refused the range (then the result is empty).
struct TaxInterestOutcome {
    TaxInterestResult Result;
    std::string Message;

    bool Refused() const { return !Message.empty(); }
};

inline constexpr std::string_view kBadRangeMessage = "Niepoprawny zakres dat. POPRAW OKRES";

// The date checks in their order: the kind's earliest start, then start after end, then a
// start that no row of the table holds (tax interest before 2005-06-30). "" when accepted.
std::string CheckInterestRange(InterestKind kind, const Date& start, const Date& end);

// The whole calculation; the end date earns interest, so a range counts end - start + 1 days.
TaxInterestOutcome CalculateTaxInterest(InterestKind kind, const Date& start, const Date& end, double amount);

// amount x days x rate x 0.01 x 1/365 in that order, rounded to 2 places.
double SegmentInterest(double amount, double days, double rate);

// The texts of StringGrid1 from row 1 down (columns "Nr", " %", "Ile dni", "Odsetki").
// One segment: a single row with no number and the whole-złoty sum. Several: one numbered
// row per segment, a "_____________" row and a "Razem" row with the whole-złoty sum.
using InterestGridRow = std::array<std::string, 4>;
std::vector<InterestGridRow> TaxInterestGridRows(const TaxInterestResult& result, InterestKind kind);

inline constexpr std::string_view kGridSeparator = "_____________";

}  // namespace tolvex
