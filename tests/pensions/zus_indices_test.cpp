#include "pensions/zus_indices.h"

#include <gtest/gtest.h>

#include "support/conversion_error_text.h"

namespace tolvex::testing {
namespace {

std::vector<SalaryGridRow> Rows(int n, const char* firstYear = "") {
    std::vector<SalaryGridRow> rows(static_cast<size_t>(n));
    rows[0].year = firstYear;
    return rows;
}

TEST(SalaryIndex, FirstYearFillsYearsAndAverages) {
    const AverageSalaryTable table = BuiltInAverageSalaries();
    struct Case {
        int n;
        const char* first;
        bool filled;
        const char *year2, *average1, *average9, *averageLast;
    } cases[] = {
        {10, "2002", true, "2003", "25598,52", "38699,76", "40794,24"},  // 2002 .. 2011
        {20, "2002", true, "2003", "25598,52", "38699,76", "40794,24"},  // after 2011 the 2011 amount
        {10, "1950", true, "1951", "6612", "16176", "17436"},
        {10, "2003", true, "2004", "", "", ""},  // not looked up: averages stay
        {10, "", false, "", "", "", ""},
        {10, "20o2", false, "", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.n) + " / " + c.first);
        std::vector<SalaryGridRow> rows = Rows(c.n, c.first);
        EXPECT_EQ(FillSalaryYears(rows, table), c.filled);
        EXPECT_EQ(rows[1].year, c.year2);
        EXPECT_EQ(rows[0].average, c.average1);
        EXPECT_EQ(rows[8].average, c.average9);
        EXPECT_EQ(rows.back().average, c.averageLast);
    }
}

// Empty rows (100) and doubled salaries (200) are checked through the dialog.
TEST(SalaryIndex, BaseIndexOf20RowsAndBadCells) {
    std::vector<SalaryGridRow> rows = Rows(20);
    rows[0] = {"", "3000", "2000"};  // 150 % once, 100 % nineteen times
    EXPECT_EQ(ComputeBaseIndex(rows), 102.5);
    rows = Rows(10);
    rows[0].average = "1000";
    rows[3] = {"", "1.5", "1000"};
    EXPECT_EQ(ConversionErrorText([&] { ComputeBaseIndex(rows); }),
              "'1.5' is not a valid floating point value");
    EXPECT_EQ(rows[0].salary, "1000");  // rows before the bad one keep their copies
    rows[3] = {"", "1000", "0"};
    EXPECT_EQ(ConversionErrorText([&] { ComputeBaseIndex(rows); }), kAverageNotPositive);
}

// How the grid is filled for a person is checked with the whole projections and the dialog.
TEST(Valorization, StoreAndLookup) {
    std::vector<std::pair<std::string, std::string>> rows = {{"1999", "115,6"}, {"2000", ""}, {"2001", "0"}};
    ValorizationTable table;
    EXPECT_EQ(table.Index(1), 100);  // never stored
    table.Store(ReadValorizationRows(rows));
    EXPECT_EQ(rows[1].second, "100");
    EXPECT_EQ(std::vector<double>({table.Index(1), table.Index(2), table.Index(3), table.Index(4)}),
              std::vector<double>({115.6, 100, 0, 100}));
    rows[2].second = "abc";
    EXPECT_EQ(ConversionErrorText([&] { ReadValorizationRows(rows); }),
              "'abc' is not a valid floating point value");
    rows[2] = {"x", "1"};
    EXPECT_EQ(ConversionErrorText([&] { ReadValorizationRows(rows); }), "'x' is not a valid integer value");
}

}  // namespace
}  // namespace tolvex::testing
