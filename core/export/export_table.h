// Results that leave the program, as plain data without Qt: a table of text and amount
// cells, the charts drawn from the same numbers, and the texts a spreadsheet reads.
// Each calculation's module builds them from its own values, never from a grid's texts.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tolvex {

struct ExportCell {
    enum class Kind { Text, Money, Number };
    Kind kind = Kind::Text;
    std::string text;
    double value = 0;

    static ExportCell Text(std::string text) { return {Kind::Text, std::move(text), 0}; }
    // Two decimals: złoty and grosze.
    static ExportCell Money(double value) { return {Kind::Money, {}, value}; }
    // As many decimals as the value needs: days, years, rates.
    static ExportCell Number(double value) { return {Kind::Number, {}, value}; }
};

using ExportRow = std::vector<ExportCell>;

struct ExportTable {
    ExportRow Header;
    std::vector<ExportRow> Rows;

    bool Empty() const { return Rows.empty(); }
};

// A cell as it leaves the program: decimal comma, no thousands blanks, no " zł", so a
// spreadsheet under a Polish locale reads a number. A value beyond the program's numbers
// throws ConversionError, as the grids' own formats do.
std::string ExportText(const ExportCell& cell);

// Tab-separated lines, each ending in "\n": what a spreadsheet pastes as cells. Tabs and
// line breaks inside a text become blanks.
std::string ToTsv(const std::vector<ExportRow>& rows);
// The header, then the rows.
std::string ToTsv(const ExportTable& table);
// Semicolons, CRLF line ends, UTF-8 with a byte-order mark, quotes where a text needs
// them: the form a Polish spreadsheet opens by double-click.
std::string ToCsv(const ExportTable& table);

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// One chart of a chart window. In a stacked chart the series are parts laid one on top of
// the other as areas; a bar chart has one bar per category in each series.
struct ChartSeries {
    std::string Name;
    std::vector<double> X, Y;
};

struct ChartPanel {
    enum class Style { Lines, StackedAreas, Bars };
    Style Look = Style::Lines;
    std::string Title, XTitle, YTitle;
    std::vector<std::string> Categories;  // Bars only, one per point
    std::vector<ChartSeries> Series;
};

struct ChartSpec {
    std::string Title;
    std::vector<ChartPanel> Panels;

    bool Empty() const { return Panels.empty(); }
};

// What a grid hands over after each fill.
struct GridExportData {
    // The file name's start, e.g. "harmonogram-kredytu".
    std::string FileStem;
    // The whole result: "Zapisz jako CSV…" and a copy with nothing selected.
    ExportTable Table;
    // The grid's cells as the grid lays them out, for copying a selection:
    // Cells[r][c] is the grid's row FirstCellRow + r, column c.
    std::vector<ExportRow> Cells;
    int FirstCellRow = 0;
    ChartSpec Chart;

    bool Empty() const { return Table.Empty(); }
};

}  // namespace tolvex
