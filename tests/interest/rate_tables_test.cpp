#include "interest/rate_tables.h"

#include <gtest/gtest.h>

namespace tolvex {
namespace {

struct TableCase {
    const char* name;
    std::span<const InterestRatePeriod> rows;
};

const TableCase kTables[] = {{"tax", TaxInterestTable}, {"statutory", StatutoryInterestTable}};

TEST(RateTables, RowsAreContiguousWithOneOpenRowLast) {
    for (const auto& t : kTables) {
        SCOPED_TRACE(t.name);
        ASSERT_EQ(t.rows.size(), 41u);
        EXPECT_LE(t.rows.size(), kMaxInterestTableRows);
        for (std::size_t i = 0; i < t.rows.size(); ++i) {
            SCOPED_TRACE(i + 1);
            const auto& row = t.rows[i];
            EXPECT_NE(row.Rate, 0);
            if (i + 1 == t.rows.size()) {
                EXPECT_FALSE(row.To);
                continue;
            }
            ASSERT_TRUE(row.To);
            EXPECT_LE(row.From, *row.To);
            EXPECT_EQ(AddDays(*row.To, 1), t.rows[i + 1].From);
        }
    }
}

TEST(RateTables, KnownRowsAndEarliestDates) {
    struct Case {
        InterestKind kind;
        const char* day;
        std::size_t row;
        double rate;
    } cases[] = {
        {InterestKind::Tax, "2005-06-30", 1, 13},
        {InterestKind::Tax, "2022-02-09", 35, 8.5},
        {InterestKind::Tax, "2022-07-08", 40, 16},
        {InterestKind::Tax, "2022-09-08", 41, 16.5},
        {InterestKind::Tax, "2150-12-31", 41, 16.5},
        {InterestKind::Statutory, "1989-11-01", 1, 120},
        {InterestKind::Statutory, "2003-09-25", 22, 12.25},
        {InterestKind::Statutory, "2022-02-09", 35, 6.25},
        {InterestKind::Statutory, "2022-07-08", 40, 10},
        {InterestKind::Statutory, "2099-01-01", 41, 10.25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.day);
        const auto table = RateTable(c.kind);
        const Date day = ParseDate(c.day);
        std::size_t holding = 0;
        for (std::size_t i = 0; i < table.size(); ++i)
            if (table[i].Contains(day)) {
                EXPECT_EQ(holding, 0u) << "two rows hold the day";
                holding = i + 1;
            }
        EXPECT_EQ(holding, c.row);
        EXPECT_EQ(table[c.row - 1].Rate, c.rate);
    }
    EXPECT_EQ(FormatDate(EarliestStart(InterestKind::Tax)), "1993-03-01");
    EXPECT_EQ(FormatDate(EarliestStart(InterestKind::Statutory)), "1989-11-01");
    EXPECT_EQ(EarliestStartMessage(InterestKind::Statutory),
              "Program liczy odsetki ustawowe od 1-11-1989r. POPRAW OKRES");
}

}  // namespace
}  // namespace tolvex
