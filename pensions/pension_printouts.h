// The printouts of the pension pages: the fund projection of either pillar with its year
// table, and the ZUS pension report (old system, or the projection with Tabelka2). Every
// text is converted before the job begins, so a bad field never leaves a job open.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fields/text_fields.h"
#include "core/report/report_printer.h"
#include "pensions/fund_projection.h"
#include "pensions/zus_pension.h"

namespace tolvex {

inline constexpr char kFundReportName[] = "emerytura-fundusz";
inline constexpr char kZusReportName[] = "emerytura-zus";
inline constexpr std::string_view kNothingToPrintPension = "Najpierw przelicz emeryturę";

enum class Pillar { Second, Third };
enum class ZusReportKind { OldSystem, Between1949And1968, After1968 };

// A pension report ready to draw: no conversion is left for the job itself.
struct PensionReport {
    std::string title;
    std::vector<std::vector<ReportCell>> table;  // the heading first; none for the old system
    std::vector<std::string> afterTable;
    // Under "DANE WEJŚCIOWE DO OBLICZEŃ" and "DANE WYJŚCIOWE"; the old-system report has
    // no headings and prints its input lines right under the title.
    std::vector<std::string> inputLines, outputLines;
    bool sections = true;
};

// DrukujClick / Drukuj2Click over the page's fields; `firstYear` is the year in the first
// row of the page's grid. The table has 65 (a man) or 60 (a woman) less the joining age,
// plus one, rows, though the projection runs longer; never more than `rows` hold. A
// commission that does not convert throws ConversionError.
PensionReport PrepareFundReport(Pillar pillar, const TextFields& fields, int firstYear,
                                const FundProjectionRows& rows);

ZusReportKind ZusReportFor(int birthYear, bool earlyRetirement);
// Drukuj_ZUSClick over the page's fields as they stand, the grid as shown and the base
// index W the last calculation used. A birth date or life expectancy that does not convert
// throws ConversionError; a projection report over a grid without any capital gives nothing.
std::optional<PensionReport> PrepareZusReport(const TextFields& fields, const ZusGrid& grid,
                                              std::string_view baseIndex);

void PrintPensionReport(ReportPrinter& report, const PensionReport& data);

}  // namespace tolvex
