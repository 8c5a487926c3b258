// The year-by-month grid `Siatka` as plain data: one column per calendar year, one
// row per month, the yearly sums and the running total.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/date/date_text.h"
#include "loans/loan_schedule.h"

namespace tolvex {

struct ScheduleGrid {
    static constexpr int kRowCount = 16;
    static constexpr int kYearRow = 1;
    static constexpr int kFirstMonthRow = 2;
    static constexpr int kSumRow = 14;
    static constexpr int kRunningTotalRow = 15;

    int ColumnCount = 3;
    std::vector<std::string> Cells;  // row-major, kRowCount x ColumnCount
    // The values the instalment and sum cells show, laid out as Cells; none elsewhere.
    std::vector<std::optional<double>> Amounts;

    const std::string& Cell(int row, int column) const;
    void SetCell(int row, int column, std::string text);
};

// FillScheduleGrid: the headings, then each instalment (to the grosz) in the column of its
// year and the row of its month. Instalment 1 falls in the month of the first-instalment date
// for equal instalments (never before the loan month) and in the month after the loan
// month for decreasing ones. Loans of fewer than two instalments show the headings only.
ScheduleGrid FillScheduleGrid(const LoanSchedule& schedule, const Date& loanDate, const Date& firstDueDate,
                              PeriodUnit unit);

}  // namespace tolvex
