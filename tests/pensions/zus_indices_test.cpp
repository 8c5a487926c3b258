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
        const char *year2, *average1, *averageLast;
    } cases[] = {
        {10, "2002", true, "2003", "25598,52", "40794,24"},  // 2002 .. 2011
        {20, "2002", true, "2003", "25598,52", "40794,24"},  // after 2011 the 2011 amount
        {10, "1950", true, "1951", "6612", "17436"},
        {10, "2003", true, "2004", "", ""},  // not looked up: averages stay
        {10, "", false, "", "", ""},
        {10, "20o2", false, "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.n) + " / " + c.first);
        std::vector<SalaryGridRow> rows = Rows(c.n, c.first);
        EXPECT_EQ(FillSalaryYears(rows, table), c.filled);
        EXPECT_EQ(rows[1].year, c.year2);
        EXPECT_EQ(rows[0].average, c.average1);
        EXPECT_EQ(rows.back().average, c.averageLast);
    }
    std::vector<SalaryGridRow> rows = Rows(20, "2002");
    FillSalaryYears(rows, table);
    EXPECT_EQ(rows[9].average + " " + rows[10].average, "40794,24 40794,24");
    EXPECT_EQ(rows[8].average, "38699,76");
}

TEST(SalaryIndex, BaseIndex) {
    std::vector<SalaryGridRow> empty = Rows(10, "1990");
    FillSalaryYears(empty, BuiltInAverageSalaries());
    EXPECT_EQ(ComputeBaseIndex(empty), 100);
    EXPECT_EQ(empty[4].salary, "63936000");  // the average copied into the empty salary
    std::vector<SalaryGridRow> doubled = empty;
    for (auto& row : doubled) row.salary = FormatGeneral(2 * ParseAmount(row.average));
    EXPECT_EQ(ComputeBaseIndex(doubled), 200);
    std::vector<SalaryGridRow> twenty = Rows(20);
    twenty[0] = {"", "3000", "2000"};  // 150 % once, 100 % nineteen times
    EXPECT_EQ(ComputeBaseIndex(twenty), 102.5);

    std::vector<SalaryGridRow> bad = Rows(10);
    bad[0].average = "1000";
    bad[3] = {"", "1.5", "1000"};
    EXPECT_EQ(ConversionErrorText([&] { ComputeBaseIndex(bad); }),
              "'1.5' is not a valid floating point value");
    EXPECT_EQ(bad[0].salary, "1000");  // rows before the bad one keep their copies
    bad[3] = {"", "1000", "0"};
    EXPECT_EQ(ConversionErrorText([&] { ComputeBaseIndex(bad); }), kAverageNotPositive);
}

TEST(Valorization, GridFillStoreAndLookup) {
    const ValorizationGridFill man1952 = FillValorizationGrid(1952, true, false, 1976);
    EXPECT_EQ(man1952.rows, 19);
    EXPECT_FALSE(man1952.helperShown);
    EXPECT_EQ(man1952.indexColumn.front() + " " + man1952.indexColumn[12] + " " + man1952.indexColumn.back(),
              "115,6 105,18 105,18");
    const ValorizationGridFill woman1975 = FillValorizationGrid(1975, false, true, 1995);
    EXPECT_EQ(woman1975.rows, 41);
    EXPECT_TRUE(woman1975.helperShown && woman1975.indexColumn.empty());
    EXPECT_EQ(FillValorizationGrid(1975, false, false, 2045).rows, 0);

    std::vector<std::pair<std::string, std::string>> rows = {{"1999", "115,6"}, {"2000", ""}, {"2001", "0"}};
    ValorizationTable table;
    EXPECT_EQ(table.Index(1), 100);  // never stored
    table.Store(ReadValorizationRows(rows));
    EXPECT_EQ(rows[1].second, "100");
    EXPECT_EQ(table.Index(1), 115.6);
    EXPECT_EQ(table.Index(2), 100);
    EXPECT_EQ(table.Index(3), 0);
    EXPECT_EQ(table.Index(4), 100);
    rows[2].second = "abc";
    EXPECT_EQ(ConversionErrorText([&] { ReadValorizationRows(rows); }),
              "'abc' is not a valid floating point value");
    rows[2] = {"x", "1"};
    EXPECT_EQ(ConversionErrorText([&] { ReadValorizationRows(rows); }), "'x' is not a valid integer value");
}

}  // namespace
}  // namespace tolvex::testing
