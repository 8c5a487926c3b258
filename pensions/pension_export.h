// The pension projections as they leave the program: the year grids of "Emeryt II",
// "Emeryt III" and "Emeryt ZUS" with the projection's own numbers, and the capital against
// what was paid in, year by year.
#pragma once

#include "core/export/export_table.h"
#include "pensions/fund_projection.h"
#include "pensions/pension_printouts.h"
#include "pensions/zus_pension.h"

namespace tolvex {

// `grid` is what the projection of `pillar` returned; `rows` hold its years as it left them.
GridExportData FundExport(Pillar pillar, const FundGrid& grid, const FundProjectionRows& rows);

// Tabelka2: its heading row is the grid's row 0.
GridExportData ZusExport(const ZusGrid& grid);

}  // namespace tolvex
