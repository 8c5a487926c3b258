#include "loans/loan_export.h"

#include <gtest/gtest.h>

#include "loan_test_support.h"

namespace tolvex::testing {
namespace {

// Every instalment a row, the totals as DoSplaty and OdsetkiBankowe show them, and every
// chart series one point per instalment.
TEST(LoanExport, CsvOfTheWholeScheduleAndChartPoints) {
    const char* decreasing = "Nr raty;Data spłaty;Rata kredytu;Rata odsetek;Do zapłaty;Saldo kredytu";
    struct Case {
        int typ;
        const char *okres, *header, *first, *last, *total;
    } cases[] = {
        {1, "12", decreasing, "1;2024-04-10;833,33;100,00;933,33;9166,67",
         "12;2025-03-10;833,37;8,33;841,70;0,00", "Razem;;10000,00;650,00;10650,00;"},
        {0, "12", "Nr raty;Miesiąc;Rata;Saldo kredytu", "1;kwiecień 2024;888,49;9211,51",
         "12;marzec 2025;888,47;0,00", "Razem;;10661,86;"},
        {1, "600", decreasing, "1;2024-04-10;16,67;100,00;116,67;9983,33",
         "600;2074-03-10;14,67;0,15;14,82;0,00", "Razem;;10000,00;30044,04;40044,04;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first);
        const LoanOutcome loan = RunLoan({.okres = c.okres, .typ = c.typ}).outcome;
        const GridExportData data =
            LoanExport(loan.Schedule,
                       FillScheduleGrid(loan.Schedule, loan.LoanDate, loan.FirstDueDate, PeriodUnit::Months));
        std::string csv = ToCsv(data.Table);
        ASSERT_EQ(csv.substr(0, 3), kUtf8Bom);
        std::vector<std::string> lines;
        for (size_t at = 3, end; (end = csv.find("\r\n", at)) != std::string::npos; at = end + 2)
            lines.push_back(csv.substr(at, end - at));
        const size_t n = loan.Schedule.InstalmentCount;
        ASSERT_EQ(lines.size(), n + 2);
        EXPECT_EQ(lines[0], c.header);
        EXPECT_EQ(lines[1], c.first);
        EXPECT_EQ(lines[n], c.last);
        EXPECT_EQ(lines[n + 1], c.total);
        ASSERT_EQ(data.Chart.Panels.size(), 2u);
        for (const ChartPanel& panel : data.Chart.Panels)
            for (const ChartSeries& s : panel.Series) EXPECT_EQ(s.X.size() + s.Y.size(), 2 * n) << s.Name;
    }
}

}  // namespace
}  // namespace tolvex::testing
