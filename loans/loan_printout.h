// The loan printout: the loan's basic data at fixed positions and, for decreasing
// instalments, the whole schedule with the balance and the due dates.
#pragma once

#include <string>
#include <string_view>

#include "core/fields/text_fields.h"
#include "core/report/report_printer.h"
#include "loans/loan_schedule.h"

namespace tolvex {

inline constexpr char kLoanReportName[] = "kredyt";

// The word after the period number, by the unit of RadioGroup4 and the exact period text.
std::string LoanUnitWord(PeriodUnit unit, std::string_view periodText);

// One line in the 12-point font with its top-left corner at (x, y) in printer dots; the
// body continues in the 8-point font.
void PrintLoanLine(ReportPrinter& report, int x, int y, std::string_view text);
void PrintScheduleHeadings(ReportPrinter& report);

// The whole job over the page's fields (as they stand) and the last schedule. A loan
// amount that does not convert when the schedule starts closes the job and throws
// ConversionError.
void PrintLoanReport(ReportPrinter& report, const TextFields& fields, std::string_view unitWord,
                     const LoanSchedule& schedule);

}  // namespace tolvex
