// The payslip printout: every value as the payroll and "Skł. ZUS" fields show it,
// and three totals computed from those fields before the job starts.
#pragma once

#include <functional>
#include <memory>

#include "core/fields/text_fields.h"
#include "core/report/report_printer.h"

namespace tolvex {

struct PayslipTotals {
    double gross = 0;
    double contributions = 0;
    double deductions = 0;
};

// The totals of DrukujPlaceClick, unrounded; throws ConversionError for a field that
// does not convert.
PayslipTotals ComputePayslipTotals(const TextFields& fields);

void PrintPayslipHeadings(ReportPrinter& report);
void PrintPayslip(ReportPrinter& report, const TextFields& fields, double grossTotal,
                  double contributionsTotal, double deductionsTotal);

// What the print button does: the totals first, so that a field that does not convert
// stops it before any job exists, then the payslip on a canvas made for it.
void PrintPayslipFromFields(const TextFields& fields,
                            const std::function<std::unique_ptr<PrintCanvas>()>& makeCanvas);

inline constexpr char kPayslipReportName[] = "place";

}  // namespace tolvex
