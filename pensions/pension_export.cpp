#include "pensions/pension_export.h"

#include <charconv>

namespace tolvex {
namespace {

using Cell = ExportCell;

ChartPanel YearPanel(std::string title) {
    ChartPanel panel;
    panel.Title = std::move(title);
    panel.XTitle = "Rok";
    panel.YTitle = "Kwota [zł]";
    return panel;
}

int WholeNumber(const std::string& text, int fallback) {
    int value = fallback;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

GridExportData FundExport(Pillar pillar, const FundGrid& grid, const FundProjectionRows& rows) {
    const bool second = pillar == Pillar::Second;
    GridExportData data;
    data.FileStem = second ? "emerytura-ii-filar" : "emerytura-iii-filar";
    ExportTable& t = data.Table;
    for (const std::string& heading : grid.at(0)) t.Header.push_back(Cell::Text(heading));
    ChartSeries capital{"Kapitał", {}, {}}, paid{"Wpłacono", {}, {}};
    for (size_t k = 1; k < grid.size() && k < rows.Paid.size(); ++k) {
        const std::vector<std::string>& shown = grid[k];
        ExportRow row{Cell::Text(shown[0]), Cell::Text(shown[1])};
        if (second) row.push_back(Cell::Money(rows.Salary[k]));
        row.push_back(Cell::Money(rows.Paid[k]));
        row.push_back(Cell::Money(rows.Capital[k]));
        if (second) row.push_back(Cell::Text(shown[5]));  // the phase's rate, as the projection wrote it
        t.Rows.push_back(std::move(row));
        const double year = WholeNumber(shown[1], static_cast<int>(k));
        capital.X.push_back(year);
        capital.Y.push_back(rows.Capital[k]);
        paid.X.push_back(year);
        paid.Y.push_back(rows.Paid[k]);
    }
    data.Cells = t.Rows;
    data.Chart.Title = second ? "Emeryt II: prognoza funduszu" : "Emeryt III: prognoza funduszu";
    ChartPanel panel = YearPanel("Kapitał i suma wpłat rok po roku");
    panel.Series = {std::move(capital), std::move(paid)};
    data.Chart.Panels.push_back(std::move(panel));
    return data;
}

GridExportData ZusExport(const ZusGrid& grid) {
    GridExportData data;
    data.FileStem = "emerytura-zus";
    data.FirstCellRow = 1;
    ExportTable& t = data.Table;
    for (const char* heading : {"Lp", "Rok", "Płaca", "Skład.", "Kapitał", "Kap.pocz.", "K.pocz./mc"})
        t.Header.push_back(Cell::Text(heading));
    ChartSeries capital{"Kapitał", {}, {}}, paid{"Składki", {}, {}}, initial{"Kapitał początkowy", {}, {}};
    for (size_t r = 0; r < grid.Values.size(); ++r) {
        const ZusGrid::Year& y = grid.Values[r];
        ExportRow row{Cell::Number(static_cast<double>(r + 1)), Cell::Number(y.Year)};
        if (y.Reached) {
            row.insert(row.end(), {Cell::Money(y.Salary), Cell::Money(y.Paid), Cell::Money(y.Capital)});
            if (y.HasInitialCapital) {
                row.insert(row.end(), {Cell::Money(y.InitialCapital), Cell::Money(y.InitialCapitalMonthly)});
                initial.X.push_back(y.Year);
                initial.Y.push_back(y.InitialCapital);
            }
            capital.X.push_back(y.Year);
            capital.Y.push_back(y.Capital);
            paid.X.push_back(y.Year);
            paid.Y.push_back(y.Paid);
        }
        row.resize(t.Header.size(), Cell::Text(""));
        t.Rows.push_back(std::move(row));
    }
    data.Cells = t.Rows;
    data.Chart.Title = "Emeryt ZUS: prognoza kapitału";
    ChartPanel panel = YearPanel("Kapitał na koncie i suma składek rok po roku");
    panel.Series = {std::move(capital), std::move(paid)};
    if (!initial.X.empty()) panel.Series.push_back(std::move(initial));
    data.Chart.Panels.push_back(std::move(panel));
    return data;
}

}  // namespace tolvex
