#include "interest/interest_export.h"

#include "core/amount/amount.h"

namespace tolvex {

GridExportData InterestExport(const TaxInterestResult& result, InterestKind kind) {
    using Cell = ExportCell;
    GridExportData data;
    data.FileStem = kind == InterestKind::Tax ? "odsetki-podatkowe" : "odsetki-ustawowe";
    data.FirstCellRow = 1;  // below the grid's heading row
    ExportTable& t = data.Table;
    t.Header = {Cell::Text("Nr"), Cell::Text("%"), Cell::Text("Ile dni"), Cell::Text("Odsetki")};
    if (result.Empty()) return data;

    ChartPanel panel;
    panel.Look = ChartPanel::Style::Bars;
    panel.Title = "Odsetki w kolejnych okresach stóp";
    panel.XTitle = "Okres: numer i stopa roczna";
    panel.YTitle = "Odsetki [zł]";
    ChartSeries interest{"Odsetki", {}, {}};
    const auto table = RateTable(kind);
    const bool single = result.Segments.size() == 1;
    for (size_t i = 0; i < result.Segments.size(); ++i) {
        const InterestSegment& s = result.Segments[i];
        const double rate = table[result.FirstPeriod - 1 + i].Rate;
        // As the grid shows it: a single period carries the sum in whole złoty.
        t.Rows.push_back({single ? Cell::Text("") : Cell::Number(static_cast<double>(i + 1)),
                          Cell::Number(rate), Cell::Number(s.Days),
                          Cell::Money(single ? result.InterestSum : s.Interest)});
        panel.Categories.push_back(std::to_string(i + 1) + ": " + FormatGeneral(rate) + " %");
        interest.X.push_back(static_cast<double>(i + 1));
        interest.Y.push_back(s.Interest);
    }
    data.Cells = t.Rows;
    if (!single) {
        const ExportRow total{Cell::Text("Razem"), Cell::Text(""), Cell::Text(""),
                              Cell::Money(result.InterestSum)};
        t.Rows.push_back(total);
        data.Cells.push_back(ExportRow(4, Cell::Text(std::string(kGridSeparator))));
        data.Cells.push_back(total);
    }
    panel.Series.push_back(std::move(interest));
    data.Chart.Title = kind == InterestKind::Tax ? "Odsetki podatkowe" : "Odsetki ustawowe";
    data.Chart.Panels.push_back(std::move(panel));
    return data;
}

}  // namespace tolvex
