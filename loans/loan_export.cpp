#include "loans/loan_export.h"

#include "core/amount/amount.h"

namespace tolvex {
namespace {

using Cell = ExportCell;

// The grid's cells, headings as texts and the instalments and sums as amounts.
std::vector<ExportRow> GridCells(const ScheduleGrid& grid) {
    std::vector<ExportRow> rows(ScheduleGrid::kRowCount, ExportRow(static_cast<size_t>(grid.ColumnCount)));
    for (int r = 0; r < ScheduleGrid::kRowCount; ++r)
        for (int c = 0; c < grid.ColumnCount; ++c) {
            const auto& amount = grid.Amounts[static_cast<size_t>(r * grid.ColumnCount + c)];
            rows[r][c] = amount ? Cell::Money(*amount) : Cell::Text(grid.Cell(r, c));
        }
    return rows;
}

// "kwiecień 2024" for each instalment the grid shows, in the order they fall due.
std::vector<std::string> InstalmentMonths(const ScheduleGrid& grid) {
    std::vector<std::string> months;
    for (int c = 1; c < grid.ColumnCount; ++c)
        for (int m = 0; m < 12; ++m) {
            const int r = ScheduleGrid::kFirstMonthRow + m;
            if (grid.Amounts[static_cast<size_t>(r * grid.ColumnCount + c)])
                months.push_back(grid.Cell(r, 0) + " " + grid.Cell(ScheduleGrid::kYearRow, c));
        }
    return months;
}

ChartPanel Panel(ChartPanel::Style look, std::string title, std::string yTitle) {
    ChartPanel panel;
    panel.Look = look;
    panel.Title = std::move(title);
    panel.XTitle = "Numer raty";
    panel.YTitle = std::move(yTitle);
    return panel;
}

}  // namespace

GridExportData LoanExport(const LoanSchedule& schedule, const ScheduleGrid& grid) {
    GridExportData data;
    data.FileStem = "harmonogram-kredytu";
    data.Cells = GridCells(grid);
    const int n = static_cast<int>(schedule.Instalments.size());
    const bool equal = schedule.Kind == LoanKind::Equal;
    ExportTable& t = data.Table;
    if (equal)
        t.Header = {Cell::Text("Nr raty"), Cell::Text("Miesiąc"), Cell::Text("Rata"),
                    Cell::Text("Saldo kredytu")};
    else
        t.Header = {Cell::Text("Nr raty"),      Cell::Text("Data spłaty"), Cell::Text("Rata kredytu"),
                    Cell::Text("Rata odsetek"), Cell::Text("Do zapłaty"),  Cell::Text("Saldo kredytu")};

    const std::vector<std::string> months = equal ? InstalmentMonths(grid) : std::vector<std::string>{};
    ChartSeries balances{"Saldo kredytu", {}, {}}, amounts{"Rata", {}, {}};
    ChartSeries principals{"Rata kredytu", {}, {}}, interests{"Rata odsetek", {}, {}};
    long double principalSum = 0;
    for (int k = 1; k <= n; ++k) {
        const LoanInstalment& e = schedule.Entry(k);
        const double left = RoundTo2Places(e.Balance);
        const double x = k;
        balances.X.push_back(x);
        balances.Y.push_back(left);
        if (equal) {
            const std::string month = k <= static_cast<int>(months.size()) ? months[k - 1] : "";
            t.Rows.push_back({Cell::Number(k), Cell::Text(month), Cell::Money(e.Amount), Cell::Money(left)});
            amounts.X.push_back(x);
            amounts.Y.push_back(RoundTo2Places(e.Amount));
        } else {
            t.Rows.push_back({Cell::Number(k), Cell::Text(FormatDate(e.DueDate)), Cell::Money(e.Principal),
                              Cell::Money(e.Interest), Cell::Money(e.Amount), Cell::Money(left)});
            principals.X.push_back(x);
            principals.Y.push_back(e.Principal);
            interests.X.push_back(x);
            interests.Y.push_back(e.Interest);
            principalSum += e.Principal;
        }
    }
    if (n > 0 && equal)
        t.Rows.push_back({Cell::Text("Razem"), Cell::Text(""), Cell::Money(schedule.Total), Cell::Text("")});
    else if (n > 0)
        t.Rows.push_back({Cell::Text("Razem"), Cell::Text(""), Cell::Money(static_cast<double>(principalSum)),
                          Cell::Money(schedule.TotalInterest), Cell::Money(schedule.Total), Cell::Text("")});

    data.Chart.Title = equal ? "Kredyt: raty równomierne" : "Kredyt: raty malejące";
    ChartPanel top = Panel(ChartPanel::Style::Lines, "Kredyt pozostały do spłaty", "Saldo [zł]");
    top.Series.push_back(std::move(balances));
    data.Chart.Panels.push_back(std::move(top));
    if (equal) {
        ChartPanel bottom = Panel(ChartPanel::Style::Lines, "Wysokość kolejnych rat", "Rata [zł]");
        bottom.Series.push_back(std::move(amounts));
        data.Chart.Panels.push_back(std::move(bottom));
    } else {
        ChartPanel bottom =
            Panel(ChartPanel::Style::StackedAreas, "Rata: część kapitałowa i odsetki", "Rata [zł]");
        bottom.Series.push_back(std::move(principals));
        bottom.Series.push_back(std::move(interests));
        data.Chart.Panels.push_back(std::move(bottom));
    }
    return data;
}

}  // namespace tolvex
