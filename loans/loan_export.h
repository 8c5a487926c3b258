// The loan's results as they leave the program: the schedule one instalment a row, the
// year-by-month grid's cells, and the charts of the balance and the instalments.
#pragma once

#include "core/export/export_table.h"
#include "loans/loan_schedule.h"
#include "loans/schedule_grid.h"

namespace tolvex {

// `grid` is the one FillScheduleGrid made from `schedule`.
GridExportData LoanExport(const LoanSchedule& schedule, const ScheduleGrid& grid);

}  // namespace tolvex
