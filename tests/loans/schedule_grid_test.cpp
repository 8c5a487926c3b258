#include "loans/schedule_grid.h"

#include <gtest/gtest.h>

#include <random>

#include "core/amount/amount.h"
#include "loans/loan_test_support.h"

namespace tolvex::testing {
namespace {

ScheduleGrid GridFor(const LoanFields& in, LoanRun* runOut = nullptr) {
    LoanRun run = RunLoan(in);
    EXPECT_EQ(run.outcome.Status, LoanStatus::Computed);
    ScheduleGrid grid = FillScheduleGrid(run.outcome.Schedule, run.outcome.LoanDate, run.outcome.FirstDueDate,
                                         static_cast<PeriodUnit>(in.jednostka));
    if (runOut) *runOut = std::move(run);
    return grid;
}

// Filled month cells of a column.
int Filled(const ScheduleGrid& g, int column) {
    int count = 0;
    for (int row = ScheduleGrid::kFirstMonthRow; row < ScheduleGrid::kSumRow; ++row)
        if (!g.Cell(row, column).empty()) ++count;
    return count;
}

TEST(ScheduleGrid, HeadingsInColumnZeroAndTheYearRow) {
    const ScheduleGrid g = GridFor({});
    const char* months[] = {"styczeń", "luty",     "marzec",   "kwiecień",    "maj",      "czerwiec",
                            "lipiec",  "sierpień", "wrzesień", "październik", "listopad", "grudzień"};
    for (int m = 0; m < 12; ++m) EXPECT_EQ(g.Cell(2 + m, 0), months[m]);
    EXPECT_EQ(g.Cell(14, 0), "SUMA kol.");
    EXPECT_EQ(g.Cell(15, 0), "Razem");
    EXPECT_EQ(g.Cell(0, 0), "");
    EXPECT_EQ(g.Cell(1, 0), "");
    EXPECT_EQ(g.Cell(1, 1), "2024");
    EXPECT_EQ(g.Cell(1, 2), "2025");
}

TEST(ScheduleGrid, TwentyFourInstalmentsFromMarch2024) {
    LoanFields in;
    in.okres = "24";
    LoanRun run;
    const ScheduleGrid g = GridFor(in, &run);
    ASSERT_EQ(g.ColumnCount, 5);
    EXPECT_EQ(g.Cell(1, 4), "2027");
    EXPECT_EQ(Filled(g, 1), 9);
    EXPECT_EQ(g.Cell(2 + 2, 1), "");  // nothing in March 2024, the loan month
    EXPECT_EQ(g.Cell(2 + 3, 1), FormatGeneral(run.outcome.Schedule.FirstInstalment));  // April 2024
    EXPECT_EQ(Filled(g, 2), 12);
    EXPECT_EQ(Filled(g, 3), 3);
    EXPECT_EQ(g.Cell(2 + 2, 3), "470,86");  // the last instalment, March 2026
    EXPECT_EQ(Filled(g, 4), 0);
    EXPECT_EQ(g.Cell(14, 1), "4 236,57");  // 9 x 470,73
    EXPECT_EQ(g.Cell(15, 1), "4 236,57");
    EXPECT_EQ(g.Cell(14, 2), "5 648,76");
    EXPECT_EQ(g.Cell(15, 2), "9 885,33");
    EXPECT_EQ(g.Cell(14, 3), "1 412,32");
    EXPECT_EQ(g.Cell(15, 3), "11 297,65");
    EXPECT_EQ(g.Cell(15, 3), run.Written("DoSplaty"));
    EXPECT_EQ(g.Cell(14, 4), "");
    EXPECT_EQ(g.Cell(15, 4), "");
}

TEST(ScheduleGrid, WhereTheFirstInstalmentFalls) {
    struct Case {
        const char* name;
        const char* d0;
        const char* d1;
        int typ;
        const char* okres;
        int jednostka;
        int columns;
        int column;  // of instalment 1
        int month;   // 1..12
    } cases[] = {
        {"December loan leaves its year empty", "2024-12-10", "2025-01-01", 0, "12", 1, 3, 2, 1},
        {"December loan, decreasing", "2024-12-10", "2025-01-01", 1, "2", 0, 4, 2, 1},
        {"December loan over 1,5 years reaches 2026", "2024-12-10", "2025-01-01", 0, "1,5", 0, 4, 2, 1},
        {"first date in the loan month", "2024-03-05", "2024-03-25", 0, "12", 1, 4, 1, 3},
        {"first date in January of the loan month", "2024-01-05", "2024-01-25", 0, "12", 1, 4, 1, 1},
        {"first date two months on", "2024-03-05", "2024-05-01", 0, "12", 1, 4, 1, 5},
        {"first date before the loan", "2024-03-05", "2023-11-01", 0, "12", 1, 4, 1, 4},
        {"decreasing ignores the first date", "2024-03-05", "2024-06-01", 1, "12", 1, 4, 1, 4},
        {"first date years later", "2024-03-05", "2027-02-01", 0, "12", 1, 6, 4, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LoanFields in;
        in.dataKredytu = c.d0;
        in.dataPierwszejRaty = c.d1;
        in.typ = c.typ;
        in.okres = c.okres;
        in.jednostka = c.jednostka;
        LoanRun run;
        const ScheduleGrid g = GridFor(in, &run);
        EXPECT_EQ(g.ColumnCount, c.columns);
        EXPECT_EQ(g.Cell(1 + c.month, c.column), FormatGeneral(run.outcome.Schedule.FirstInstalment));
        for (int column = 1; column < c.column; ++column) {
            EXPECT_EQ(Filled(g, column), 0) << column;
            EXPECT_EQ(g.Cell(14, column), "") << column;
        }
    }
}

TEST(ScheduleGrid, FewerThanTwoInstalmentsShowOnlyTheHeadings) {
    LoanFields in;
    in.okres = "1";
    const ScheduleGrid g = GridFor(in);
    EXPECT_EQ(g.ColumnCount, 3);
    for (int column = 1; column < g.ColumnCount; ++column) {
        EXPECT_EQ(Filled(g, column), 0);
        EXPECT_EQ(g.Cell(14, column), "");
    }
    EXPECT_EQ(g.Cell(1, 1), "2024");
}

TEST(ScheduleGrid, SumsKeepEightSignificantDigits) {
    LoanFields in;
    in.kredyt = "9000000";
    in.okres = "2";
    in.typ = 1;
    in.procent = "1";
    LoanRun run;
    const ScheduleGrid g = GridFor(in, &run);
    EXPECT_EQ(run.Written("DoSplaty"), "9 011 250,00");
    EXPECT_EQ(g.Cell(15, 1), "9 011 250,00");
    in.kredyt = "9000000,01";
    const ScheduleGrid h = GridFor(in, &run);
    EXPECT_EQ(run.Written("DoSplaty"), "9 011 250,01");
    EXPECT_EQ(h.Cell(15, 1), "9 011 250,00");
}

// Many random loans: every instalment inside the grid, the final running total the
// amount to repay.
TEST(ScheduleGrid, EveryInstalmentFitsAndTheRunningTotalIsTheTotal) {
    std::mt19937 rng(6122024);
    std::uniform_int_distribution<int> grosze(100, 30'000'000);
    std::uniform_int_distribution<int> rate(1, 2500);
    std::uniform_int_distribution<int> count(2, 600);
    std::uniform_int_distribution<int> year(2000, 2090), month(1, 12), day(1, 28), ahead(0, 2);
    for (int trial = 0; trial < 1000; ++trial) {
        LoanFields in;
        in.kredyt = FormatGeneral(grosze(rng) / 100.0);
        in.procent = FormatGeneral(rate(rng) / 100.0);
        in.typ = trial % 2;
        in.jednostka = (trial / 2) % 2;
        const int n = count(rng);
        in.okres = in.jednostka == 1 ? std::to_string(n) : FormatGeneral(n / 12.0);
        const Date d0 =
            MakeDate(year(rng), static_cast<unsigned>(month(rng)), static_cast<unsigned>(day(rng)));
        Date d1 = d0;
        for (int i = ahead(rng); i > 0; --i) d1 = FirstDayOfNextMonth(d1);
        in.dataKredytu = FormatDate(d0);
        in.dataPierwszejRaty = FormatDate(d1);
        SCOPED_TRACE(in.kredyt + " / " + in.okres + " / " + in.procent + " / " + in.dataKredytu + " / " +
                     in.dataPierwszejRaty + " / " + std::to_string(in.typ) + std::to_string(in.jednostka));
        LoanRun run;
        const ScheduleGrid g = GridFor(in, &run);
        const int instalments = run.outcome.Schedule.InstalmentCount;
        ASSERT_GE(instalments, 2);
        int filled = 0, lastColumn = 0;
        for (int column = 1; column < g.ColumnCount; ++column) {
            if (Filled(g, column) > 0) lastColumn = column;
            filled += Filled(g, column);
        }
        ASSERT_EQ(filled, instalments);
        const std::string total = run.Written("DoSplaty");
        std::string shown = g.Cell(15, lastColumn);
        std::erase(shown, ' ');
        std::string expected = total;
        std::erase(expected, ' ');
        // Below a million the eight digits show every grosz.
        if (run.outcome.Schedule.Total < 1'000'000) {
            EXPECT_EQ(shown, expected);
        } else {
            EXPECT_NEAR(ParseAmount(shown), ParseAmount(expected), 0.1);
        }
    }
}

}  // namespace
}  // namespace tolvex::testing
