// The interest statement as it leaves the program: the rows of StringGrid1 with the
// calculation's own numbers, and the interest of each rate period as a bar chart.
#pragma once

#include "core/export/export_table.h"
#include "interest/tax_interest.h"

namespace tolvex {

GridExportData InterestExport(const TaxInterestResult& result, InterestKind kind);

}  // namespace tolvex
