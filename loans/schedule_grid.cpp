#include "loans/schedule_grid.h"

#include <algorithm>

#include "core/amount/amount.h"

namespace tolvex {
namespace {

constexpr const char* kMonthNames[12] = {"styczeń",  "luty",        "marzec",   "kwiecień",
                                         "maj",      "czerwiec",    "lipiec",   "sierpień",
                                         "wrzesień", "październik", "listopad", "grudzień"};

int YearOf(const Date& d) {
    return static_cast<int>(d.year());
}
int MonthOf(const Date& d) {
    return static_cast<int>(static_cast<unsigned>(d.month()));
}

// An instalment cell: the amount to the grosz, so that the noise of the sums behind the
// last and the first instalment (1707,21000000005) never shows.
std::string MoneyCell(double amount) {
    return FormatGeneral(RoundTo2Places(amount));
}

}  // namespace

const std::string& ScheduleGrid::Cell(int row, int column) const {
    return Cells.at(static_cast<size_t>(row * ColumnCount + column));
}

void ScheduleGrid::SetCell(int row, int column, std::string text) {
    Cells.at(static_cast<size_t>(row * ColumnCount + column)) = std::move(text);
}

ScheduleGrid FillScheduleGrid(const LoanSchedule& schedule, const Date& loanDate, const Date& firstDueDate,
                              PeriodUnit unit) {
    const int n = schedule.InstalmentCount;
    const int y0 = YearOf(loanDate);
    const int m0 = MonthOf(loanDate);

    // Months counted from January of the loan year; instalment 1 is due in month `first`.
    int first = m0;  // the month after the loan month
    if (schedule.Kind == LoanKind::Equal) {
        const int due = (YearOf(firstDueDate) - y0) * 12 + MonthOf(firstDueDate) - 1;
        if (due >= m0 - 1) first = due;
    }

    ScheduleGrid grid;
    grid.ColumnCount = n / 12 + 3;
    if (m0 == 12 && (unit == PeriodUnit::Years || n % 12 == 0)) grid.ColumnCount = n / 12 + 2;
    // The rule above can fall one year short; the grid must reach the last instalment's year.
    if (n >= 2) grid.ColumnCount = std::max(grid.ColumnCount, (first + n - 1) / 12 + 2);
    grid.Cells.assign(static_cast<size_t>(ScheduleGrid::kRowCount * grid.ColumnCount), std::string());
    grid.Amounts.assign(grid.Cells.size(), std::nullopt);
    const auto setAmount = [&grid](int row, int column, double value) {
        grid.Amounts[static_cast<size_t>(row * grid.ColumnCount + column)] = value;
    };

    for (int c = 1; c < grid.ColumnCount; ++c)
        grid.SetCell(ScheduleGrid::kYearRow, c, std::to_string(y0 + c - 1));
    for (int m = 0; m < 12; ++m) grid.SetCell(ScheduleGrid::kFirstMonthRow + m, 0, kMonthNames[m]);
    grid.SetCell(ScheduleGrid::kSumRow, 0, "SUMA kol.");
    grid.SetCell(ScheduleGrid::kRunningTotalRow, 0, "Razem");
    if (n < 2) return grid;

    std::vector<long double> columnSums(static_cast<size_t>(grid.ColumnCount), 0.0L);
    std::vector<bool> used(static_cast<size_t>(grid.ColumnCount), false);
    for (int k = 1; k <= n; ++k) {
        const int month = first + k - 1;
        const int column = month / 12 + 1;
        const double amount = k == n ? schedule.LastInstalment : schedule.Entry(k).Amount;
        std::string text = MoneyCell(amount);
        // The sums add up what the cells show.
        columnSums[column] += ParseAmount(text);
        used[column] = true;
        grid.SetCell(ScheduleGrid::kFirstMonthRow + month % 12, column, std::move(text));
        setAmount(ScheduleGrid::kFirstMonthRow + month % 12, column, RoundTo2Places(amount));
    }
    long double running = 0;
    for (int c = 1; c < grid.ColumnCount; ++c) {
        if (!used[c]) continue;
        running += columnSums[c];
        grid.SetCell(ScheduleGrid::kSumRow, c, FormatMoney(static_cast<double>(columnSums[c]), 8));
        grid.SetCell(ScheduleGrid::kRunningTotalRow, c, FormatMoney(static_cast<double>(running), 8));
        setAmount(ScheduleGrid::kSumRow, c, static_cast<double>(columnSums[c]));
        setAmount(ScheduleGrid::kRunningTotalRow, c, static_cast<double>(running));
    }
    return grid;
}

}  // namespace tolvex
