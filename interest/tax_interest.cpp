#include "interest/tax_interest.h"

#include "core/amount/amount.h"

namespace tolvex {
namespace {

constexpr long double kOneOver365 = 0.0027397260273972603L;

// Rows with a rate, at most 79: a zero rate ends a table.
std::size_t UsedRows(std::span<const InterestRatePeriod> table) {
    std::size_t n = 0;
    while (n < table.size() && n < kMaxInterestTableRows && table[n].Rate != 0) ++n;
    return n;
}

// 0-based index of the row holding `day`, or `rows` when none does.
std::size_t RowHolding(std::span<const InterestRatePeriod> table, std::size_t rows, const Date& day) {
    for (std::size_t i = 0; i < rows; ++i)
        if (table[i].Contains(day)) return i;
    return rows;
}

}  // namespace

double SegmentInterest(double amount, double days, double rate) {
    const long double interest = static_cast<long double>(amount) * days * rate * 0.01L * kOneOver365;
    return RoundTo2Places(static_cast<double>(interest));
}

std::string CheckInterestRange(InterestKind kind, const Date& start, const Date& end) {
    if (start < EarliestStart(kind)) return std::string(EarliestStartMessage(kind));
    if (start > end) return std::string(kBadRangeMessage);
    const auto table = RateTable(kind);
    const std::size_t rows = UsedRows(table);
    if (RowHolding(table, rows, start) == rows) return std::string(kTaxFirstRowMessage);
    return {};
}

TaxInterestOutcome CalculateTaxInterest(InterestKind kind, const Date& start, const Date& end,
                                        double amount) {
    TaxInterestOutcome outcome;
    outcome.Message = CheckInterestRange(kind, start, end);
    if (outcome.Refused()) return outcome;

    const auto table = RateTable(kind);
    const std::size_t rows = UsedRows(table);
    const std::size_t first = RowHolding(table, rows, start);
    std::size_t last = first;
    std::vector<double> days;
    if (!table[first].To || end <= *table[first].To) {
        days.push_back(DaysBetween(start, end) + 1);
    } else {
        // Searched from row 1 up; an end beyond every closed row lies in the open last row.
        last = RowHolding(table, rows, end);
        if (last == rows) last = rows - 1;
        days.push_back(DaysBetween(start, *table[first].To) + 1);
        for (std::size_t k = first + 1; k < last; ++k)
            days.push_back(DaysBetween(table[k].From, *table[k].To) + 1);
        days.push_back(DaysBetween(table[last].From, end) + 1);
    }

    TaxInterestResult& r = outcome.Result;
    r.FirstPeriod = static_cast<std::uint16_t>(first + 1);
    r.LastPeriod = static_cast<std::uint16_t>(last + 1);
    long double sum = 0;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const double interest = SegmentInterest(amount, days[i], table[first + i].Rate);
        r.Segments.push_back({days[i], interest});
        sum += interest;
    }
    r.SumBeforeRounding = RoundTo2Places(static_cast<double>(sum));
    r.InterestSum = RoundToWholeZloty(static_cast<double>(sum));
    r.TotalDue = static_cast<double>(static_cast<long double>(amount) + r.InterestSum);
    return outcome;
}

std::vector<InterestGridRow> TaxInterestGridRows(const TaxInterestResult& result, InterestKind kind) {
    std::vector<InterestGridRow> rows;
    if (result.Empty()) return rows;
    const auto table = RateTable(kind);
    const auto rate = [&](std::size_t i) { return FormatGeneral(table[result.FirstPeriod - 1 + i].Rate); };
    if (result.Segments.size() == 1) {
        rows.push_back(
            {"", rate(0), FormatGeneral(result.Segments[0].Days), FormatMoney(result.InterestSum)});
        return rows;
    }
    for (std::size_t i = 0; i < result.Segments.size(); ++i) {
        const auto& s = result.Segments[i];
        rows.push_back({std::to_string(i + 1), rate(i), FormatGeneral(s.Days), FormatMoney(s.Interest)});
    }
    const std::string line(kGridSeparator);
    rows.push_back({line, line, line, line});
    rows.push_back({"Razem", "", "", FormatMoney(result.InterestSum)});
    return rows;
}

}  // namespace tolvex
