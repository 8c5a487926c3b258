#include "loans/schedule_grid.h"

#include <gtest/gtest.h>

#include <random>

#include "core/amount/amount.h"
#include "loans/loan_export.h"
#include "loans/loan_test_support.h"

namespace tolvex::testing {
namespace {

ScheduleGrid GridFor(const LoanFields& in, LoanRun& run) {
    run = RunLoan(in);
    EXPECT_EQ(run.outcome.Status, LoanStatus::Computed);
    return FillScheduleGrid(run.outcome.Schedule, run.outcome.LoanDate, run.outcome.FirstDueDate,
                            static_cast<PeriodUnit>(in.jednostka));
}

int Filled(const ScheduleGrid& g, int column) {
    int count = 0;
    for (int row = ScheduleGrid::kFirstMonthRow; row < ScheduleGrid::kSumRow; ++row)
        count += !g.Cell(row, column).empty();
    return count;
}

using Texts = std::vector<std::string>;
Texts Row(const ScheduleGrid& g, int row) {
    Texts cells;
    for (int column = 0; column < g.ColumnCount; ++column) cells.push_back(g.Cell(row, column));
    return cells;
}

TEST(ScheduleGrid, TwentyFourInstalmentsFromMarch2024) {
    LoanRun run;
    const ScheduleGrid g = GridFor({.okres = "24"}, run);
    ASSERT_EQ(g.ColumnCount, 5);  // the months, 2024, 2025, 2026 and an empty 2027
    EXPECT_EQ(Row(g, 1), (Texts{"", "2024", "2025", "2026", "2027"}));
    EXPECT_EQ(Row(g, 14), (Texts{"SUMA kol.", "4 236,57", "5 648,76", "1 412,32", ""}));
    EXPECT_EQ(Row(g, 15), (Texts{"Razem", "4 236,57", "9 885,33", "11 297,65", ""}));
    EXPECT_EQ((std::vector{Filled(g, 1), Filled(g, 2), Filled(g, 3), Filled(g, 4)}),
              (std::vector{9, 12, 3, 0}));
    EXPECT_EQ(g.Cell(5, 1), "470,73");  // April 2024
    EXPECT_EQ(g.Cell(4, 3), "470,86");  // the last instalment, March 2026
}

TEST(ScheduleGrid, WhereTheFirstInstalmentFalls) {
    struct Case {
        int columns, column, month;  // the grid's width, where instalment 1 is
        LoanFields in;
    } cases[] = {
        // clang-format off
        // December loans leave their year empty.
        {3, 2, 1, {.dataKredytu = "2024-12-10", .dataPierwszejRaty = "2025-01-01"}},
        {4, 2, 1, {.okres = "2", .jednostka = 0, .typ = 1, .dataKredytu = "2024-12-10"}},
        // The rule by the count alone gives 3 columns and leaves 2026 out.
        {4, 2, 1,
         {.okres = "1,5", .jednostka = 0, .dataKredytu = "2024-12-10", .dataPierwszejRaty = "2025-01-01"}},
        // Equal instalments: the month of the first date, never before the loan month.
        {4, 1, 3, {.dataKredytu = "2024-03-05", .dataPierwszejRaty = "2024-03-25"}},
        {4, 1, 1, {.dataKredytu = "2024-01-05", .dataPierwszejRaty = "2024-01-25"}},
        {4, 1, 5, {.dataKredytu = "2024-03-05", .dataPierwszejRaty = "2024-05-01"}},
        {4, 1, 4, {.dataKredytu = "2024-03-05", .dataPierwszejRaty = "2023-11-01"}},
        {6, 4, 2, {.dataKredytu = "2024-03-05", .dataPierwszejRaty = "2027-02-01"}},
        // Decreasing instalments: the month after the loan month.
        {4, 1, 4, {.typ = 1, .dataKredytu = "2024-03-05", .dataPierwszejRaty = "2024-06-01"}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in.dataKredytu + " / " + c.in.dataPierwszejRaty + " / " + c.in.okres);
        LoanRun run;
        const ScheduleGrid g = GridFor(c.in, run);
        EXPECT_EQ(g.ColumnCount, c.columns);
        EXPECT_EQ(g.Cell(1 + c.month, c.column), run.Written("PierwszaRata"));
        for (int column = 1; column < c.column; ++column)
            EXPECT_EQ(Filled(g, column) + g.Cell(14, column).size(), 0u);
    }
}

TEST(ScheduleGrid, HeadingsOnlyBelowTwoInstalmentsAndEightDigitSums) {
    LoanRun run;
    const ScheduleGrid one = GridFor({.okres = "1"}, run);
    EXPECT_EQ(Row(one, 1), (Texts{"", "2024", "2025"}));  // and no instalment: see the random loans
    const ScheduleGrid big = GridFor({.kredyt = "9000000,01", .okres = "2", .procent = "1", .typ = 1}, run);
    EXPECT_EQ(run.Written("DoSplaty"), "9 011 250,01");
    EXPECT_EQ(big.Cell(15, 1), "9 011 250,00");
}

// The parts of a decreasing loan add up to it and no instalment goes below zero; the
// instalments add up to DoSplaty; the grid shows each of them once, to the grosz.
void CheckRandomLoan(const LoanFields& in, bool wholeGrosze) {
    SCOPED_TRACE(in.kredyt + " / " + in.okres + " / " + in.procent + " / " + in.dataKredytu + " / " +
                 in.dataPierwszejRaty + " / " + std::to_string(in.typ) + std::to_string(in.jednostka));
    LoanRun run;
    const ScheduleGrid g = GridFor(in, run);
    const LoanSchedule& s = run.outcome.Schedule;
    ASSERT_EQ(s.Instalments.size(), s.InstalmentCount);
    long double principal = 0, amounts = 0;
    for (const auto& e : s.Instalments) principal += e.Principal, amounts += e.Amount;
    if (in.typ == 1) {
        EXPECT_NEAR(static_cast<double>(principal), ParseAmount(in.kredyt), 1e-6);
        for (const auto& e : s.Instalments) ASSERT_GE(RoundTo2Places(e.Amount), 0);
    }
    EXPECT_NEAR(static_cast<double>(amounts), s.Total, 1e-6);
    EXPECT_EQ(FormatMoney(static_cast<double>(amounts)), run.Written("DoSplaty"));
    int filled = 0, last = 0;
    for (int column = 1; column < g.ColumnCount; ++column) {
        filled += Filled(g, column);
        if (Filled(g, column) > 0) last = column;
        for (int row = ScheduleGrid::kFirstMonthRow; row < ScheduleGrid::kSumRow; ++row) {
            const std::string& cell = g.Cell(row, column);  // at most two decimals
            EXPECT_TRUE(cell.find(',') == std::string::npos || cell.find(',') + 3 >= cell.size()) << cell;
        }
    }
    ASSERT_EQ(filled, s.InstalmentCount < 2 ? 0 : s.InstalmentCount);
    // Below a million the eight digits show every grosz.
    if (wholeGrosze && s.InstalmentCount >= 2 && s.Total < 1'000'000) {
        EXPECT_EQ(g.Cell(15, last), run.Written("DoSplaty"));
    }
}

TEST(ScheduleGrid, RandomLoansAddUpAndFit) {
    // Tiny loans over long periods: a part rounded up would overshoot them.
    CheckRandomLoan({.kredyt = "5", .okres = "599", .procent = "1", .typ = 1}, true);
    CheckRandomLoan({.kredyt = "0,5", .okres = "360", .typ = 1}, true);
    std::mt19937 rng(6122024);
    std::uniform_int_distribution<int> grosze(1, 200'000'000), rate(1, 3000), count(1, 600);
    std::uniform_int_distribution<int> year(2000, 2090), month(1, 12), day(1, 28), ahead(0, 2);
    for (int trial = 0; trial < 2500; ++trial) {
        const int n = count(rng), jednostka = n == 1 ? 1 : (trial / 2) % 2;
        const Date d0 =
            MakeDate(year(rng), static_cast<unsigned>(month(rng)), static_cast<unsigned>(day(rng)));
        Date d1 = d0;
        for (int i = ahead(rng); i > 0; --i) d1 = FirstDayOfNextMonth(d1);
        const bool wholeGrosze = trial % 3 != 0;
        CheckRandomLoan({.kredyt = FormatGeneral(grosze(rng) / (wholeGrosze ? 100.0 : 10'000.0)),
                         .okres = jednostka == 1 ? std::to_string(n) : FormatGeneral(n / 12.0),
                         .procent = FormatGeneral(rate(rng) / 100.0),
                         .jednostka = jednostka,
                         .typ = trial % 2,
                         .dataKredytu = FormatDate(d0),
                         .dataPierwszejRaty = FormatDate(d1)},
                        wholeGrosze);
    }
}

// Every instalment a row, the totals as DoSplaty and OdsetkiBankowe show them, and every
// chart series one point per instalment.
TEST(LoanExport, CsvOfTheWholeScheduleAndChartPoints) {
    struct Case {
        int typ;
        const char *okres, *header, *first, *last, *total;
    } cases[] = {
        {0, "12", "Nr raty;Miesiąc;Rata;Saldo kredytu", "1;kwiecień 2024;888,49;9211,51",
         "12;marzec 2025;888,47;0,00", "Razem;;10661,86;"},
        {1, "600", "Nr raty;Data spłaty;Rata kredytu;Rata odsetek;Do zapłaty;Saldo kredytu",
         "1;2024-04-10;16,67;100,00;116,67;9983,33", "600;2074-03-10;14,67;0,15;14,82;0,00",
         "Razem;;10000,00;30044,04;40044,04;"},
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
        EXPECT_EQ((Texts{lines[0], lines[1], lines[n], lines[n + 1]}),
                  (Texts{c.header, c.first, c.last, c.total}));
        ASSERT_EQ(data.Chart.Panels.size(), 2u);
        for (const ChartPanel& panel : data.Chart.Panels)
            for (const ChartSeries& s : panel.Series) EXPECT_EQ(s.X.size() + s.Y.size(), 2 * n) << s.Name;
    }
}

}  // namespace
}  // namespace tolvex::testing
