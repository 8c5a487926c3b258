#include "interest/interest_statement.h"

#include <string>

#include "core/amount/amount.h"

namespace tolvex {

namespace {

// Amounts of the totals rows: two decimals, grouped, up to 16 significant digits.
constexpr int kTotalsDigits = 16;

std::string Title(const InterestStatementFields& f) {
    const char* kind = f.kind == InterestKind::Statutory ? "ODSETKI USTAWOWE" : "ODSETKI PODATKOWE";
    return std::string(kind) + " za okres: od  " + f.startText + "  do  " + f.endText +
           "  wyliczone dla sumy " + f.amountText + std::string(kZlSuffix);
}

void PrintRows(ReportPrinter& r, const TaxInterestResult& result, const InterestStatementFields& f) {
    const auto table = RateTable(f.kind);
    if (result.LastPeriod > table.size()) return;
    // The user's own dates bound the first and the last row.
    const Date start = ParseDate(f.startText);
    const Date end = ParseDate(f.endText);
    int number = 1;
    for (std::uint16_t k = result.FirstPeriod; k <= result.LastPeriod; ++k, ++number) {
        const InterestRatePeriod& period = table[k - 1];
        const Date from = k == result.FirstPeriod ? start : period.From;
        const std::string to = k == result.LastPeriod ? FormatDate(end)
                               : period.To            ? FormatDate(*period.To)
                                                      : "";
        const InterestSegment& segment = result.Segment(k);
        r.ProcessMessages();
        r.PrintRow({{"", 4},
                    {std::to_string(number), 4},
                    {FormatDate(from), 12},
                    {to, 12},
                    {FormatGeneral(segment.Days), 12},
                    {FormatMoney(period.Rate), 12},
                    {FormatMoney(segment.Interest), 12}});
        r.CheckPageBreak();
    }
}

}  // namespace

void PrintInterestHeadings(ReportPrinter& r) {
    r.SetFont(9, true, true);
    r.PrintRow(
        {{"", 4}, {"LP", 4}, {"OD", 12}, {"DO", 12}, {"ILOŚĆ DNI", 12}, {"PROCENT", 12}, {"ODSETKI", 12}});
    r.SetStyleRegular();
}

void PrintInterestTotals(ReportPrinter& r, double interestSum, std::string_view amountText) {
    // Each totals row must land on paper: a statement ending near the bottom of a page
    // would otherwise lose its totals below the printable area.
    r.SetFont(10, true);
    r.PrintRow({{"", 4}, {std::string(134, '-'), 60}});
    r.SetStyleRegular();
    r.CheckPageBreak();

    r.SetFont(10, true);
    r.PrintRow({{"", 8},
                {"RAZEM ODSETKI", 12},
                {"", 12},
                {"", 12},
                {"", 12},
                {FormatMoney(interestSum, kTotalsDigits), 12}});
    r.SetStyleRegular();
    r.CheckPageBreak();

    const long double due = static_cast<long double>(ParseAmount(amountText)) + interestSum;
    r.SetFont(10, true);
    r.PrintRow({{"", 8},
                {"RAZEM ZOBOWIĄZANIE", 24},
                {"", 12},
                {"", 12},
                {FormatMoney(static_cast<double>(due), kTotalsDigits), 12}});
    r.SetStyleRegular();
}

void PrintInterestStatement(ReportPrinter& r, const TaxInterestResult& result,
                            const InterestStatementFields& f) {
    if (result.Empty()) return;
    r.BeginReport();
    try {
        r.PrintTitle(Title(f));
        PrintInterestHeadings(r);
        PrintRows(r, result, f);
        PrintInterestTotals(r, result.InterestSum, f.amountText);
    } catch (const ConversionError&) {
        // The job is closed with what it has; the caller shows the message.
        r.EndReport();
        throw;
    }
    r.EndReport();
}

}  // namespace tolvex
