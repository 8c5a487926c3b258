// The printed interest statement: a title with the period and the amount, one row per
// rate period the last calculation touched, and two totals.
#pragma once

#include <string>
#include <string_view>

#include "core/report/report_printer.h"
#include "interest/tax_interest.h"

namespace tolvex {

// The page's fields as they stand when the statement prints.
struct InterestStatementFields {
    InterestKind kind = InterestKind::Tax;  // RadioGroup2
    std::string startText;                  // DateTimePocz1
    std::string endText;                    // DateTimeKon1
    std::string amountText;                 // EditKwota1
};

inline constexpr std::string_view kNothingToPrintMessage = "Najpierw wylicz odsetki";
inline constexpr char kInterestReportName[] = "odsetki";

// The whole job. A result without segments prints nothing at all. A date or an amount
// that does not convert closes the job and throws ConversionError.
void PrintInterestStatement(ReportPrinter& report, const TaxInterestResult& result,
                            const InterestStatementFields& fields);
void PrintInterestHeadings(ReportPrinter& report);
// The rule and the two totals; throws ConversionError when `amountText` does not convert.
void PrintInterestTotals(ReportPrinter& report, double interestSum, std::string_view amountText);

}  // namespace tolvex
