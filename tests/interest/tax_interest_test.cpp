#include "interest/tax_interest.h"

#include <gtest/gtest.h>

#include <random>

#include "core/amount/amount.h"

namespace tolvex {
namespace {

Date D(const char* text) {
    return ParseDate(text);
}

TEST(RateTables, RowsAreContiguousWithOneOpenRowLast) {
    for (InterestKind kind : {InterestKind::Tax, InterestKind::Statutory}) {
        const auto rows = RateTable(kind);
        ASSERT_EQ(rows.size(), 41u);
        EXPECT_LE(rows.size(), kMaxInterestTableRows);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(i + 1);
            EXPECT_NE(rows[i].Rate, 0);
            if (i + 1 == rows.size()) {
                EXPECT_FALSE(rows[i].To);
                continue;
            }
            ASSERT_TRUE(rows[i].To);
            EXPECT_LE(rows[i].From, *rows[i].To);
            EXPECT_EQ(AddDays(*rows[i].To, 1), rows[i + 1].From);
        }
    }
}

TEST(TaxInterest, ThreeSegmentsFromJuly2022) {
    auto out = CalculateTaxInterest(InterestKind::Tax, D("2022-07-01"), D("2022-10-01"), 10000);
    ASSERT_FALSE(out.Refused());
    const auto& r = out.Result;
    EXPECT_EQ(r.FirstPeriod, 39);
    EXPECT_EQ(r.LastPeriod, 41);
    ASSERT_EQ(r.Segments.size(), 3u);
    // 2022-09-08 .. 2022-10-01 with the end date counted.
    EXPECT_EQ(r.Segment(39).Days, 7);
    EXPECT_EQ(r.Segment(40).Days, 62);
    EXPECT_EQ(r.Segment(41).Days, 24);
    EXPECT_EQ(r.Segment(40).Interest, 271.78);
    EXPECT_EQ(FormatMoney(r.SumBeforeRounding), "409,04");
    EXPECT_EQ(r.InterestSum, 409);
    EXPECT_EQ(r.TotalDue, 10409);

    const std::string line = "_____________";
    EXPECT_EQ(TaxInterestGridRows(r, InterestKind::Tax),
              (std::vector<InterestGridRow>{{"1", "15", "7", "28,77"},
                                            {"2", "16", "62", "271,78"},
                                            {"3", "16,5", "24", "108,49"},
                                            {line, line, line, line},
                                            {"Razem", "", "", "409,00"}}));
}

TEST(TaxInterest, SegmentInterestIsRoundedToTheGrosz) {
    EXPECT_EQ(SegmentInterest(10000, 7, 15), 28.77);  // 28,767...
    EXPECT_EQ(SegmentInterest(1000, 365, 13), 130);   // a whole year of 365 days, also in leap years
    EXPECT_EQ(SegmentInterest(0, 100, 16), 0);
}

TEST(TaxInterest, OnePeriodFillsOneRowWithTheWholeZlotySum) {
    struct Case {
        const char *start, *end;
        double amount;
        InterestGridRow row;
        const char* before;
    } cases[] = {
        // Row 34 (8 %): one day of 57 031,25 earns exactly 12,50, shown as 13,00.
        {"2015-01-01", "2015-01-01", 57031.25, {"", "8", "1", "13,00"}, "12,50"},
        {"2015-01-01", "2015-01-01", 56985.625, {"", "8", "1", "12,00"}, "12,49"},
        // Open last row, end date counted: 31 days.
        {"2023-01-01", "2023-01-31", 1000, {"", "16,5", "31", "14,00"}, "14,01"},
        {"2022-09-08", "2122-09-07", 100, {"", "16,5", "36524", "1 651,00"}, "1 651,08"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        auto out = CalculateTaxInterest(InterestKind::Tax, D(c.start), D(c.end), c.amount);
        ASSERT_FALSE(out.Refused());
        EXPECT_EQ(out.Result.FirstPeriod, out.Result.LastPeriod);
        EXPECT_EQ(FormatMoney(out.Result.SumBeforeRounding), c.before);
        EXPECT_EQ(TaxInterestGridRows(out.Result, InterestKind::Tax), std::vector<InterestGridRow>{c.row});
        EXPECT_EQ(out.Result.TotalDue, c.amount + out.Result.InterestSum);
    }
}

TEST(TaxInterest, DateChecksComeInTheirOrder) {
    const auto tax = InterestKind::Tax, statutory = InterestKind::Statutory;
    const char* range = "Niepoprawny zakres dat. POPRAW OKRES";
    const char* from2005 = "Program liczy odsetki podatkowe od 30-06-2005r. POPRAW OKRES";
    struct Case {
        InterestKind kind;
        const char *start, *end, *message;
    } cases[] = {
        {tax, "1993-02-28", "1990-01-01", "Program liczy odsetki podatkowe od 1-03-1993r. POPRAW OKRES"},
        {tax, "1993-03-01", "1993-02-28", range},
        {tax, "1993-03-01", "2010-01-01", from2005},
        {tax, "2005-06-29", "2005-06-29", from2005},
        {tax, "2023-01-02", "2023-01-01", range},
        {tax, "2005-06-30", "2005-06-30", ""},
        {statutory, "1989-10-31", "1989-12-01", "Program liczy odsetki ustawowe od 1-11-1989r. POPRAW OKRES"},
        {statutory, "1993-03-01", "1993-02-28", range},
        {statutory, "1989-11-01", "1989-11-01", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        auto out = CalculateTaxInterest(c.kind, D(c.start), D(c.end), 1000);
        EXPECT_EQ(out.Message, c.message);
        EXPECT_EQ(out.Result.Empty(), out.Refused());
        EXPECT_TRUE(!out.Refused() || TaxInterestGridRows(out.Result, c.kind).empty());
    }
}

TEST(TaxInterest, StatutoryFrom1989AcrossEveryPeriod) {
    auto out = CalculateTaxInterest(InterestKind::Statutory, D("1989-11-01"), D("2023-06-30"), 100);
    ASSERT_FALSE(out.Refused());
    const auto& r = out.Result;
    EXPECT_EQ(r.FirstPeriod, 1);
    EXPECT_EQ(r.LastPeriod, 41);
    EXPECT_EQ(r.Segment(1).Days, 61);  // November and December 1989
    EXPECT_EQ(r.Segment(2).Days, 31);
    EXPECT_EQ(r.Segment(41).Days, DaysBetween(D("2022-09-08"), D("2023-06-30")) + 1);
    const auto grid = TaxInterestGridRows(r, InterestKind::Statutory);
    ASSERT_EQ(grid.size(), 43u);
    EXPECT_EQ(grid[0][1], "120");
    EXPECT_EQ(grid[21][1], "12,25");
    EXPECT_EQ(grid[40][0], "41");
    EXPECT_EQ(grid[42][0], "Razem");
}

// Whatever the range, its days add up to end - start + 1, each segment lies in its own
// period, and the sums are the rounded sums of the rounded segment interests.
TEST(TaxInterest, RandomRangesCountEveryDayOnce) {
    std::mt19937 random(20260101);
    for (InterestKind kind : {InterestKind::Tax, InterestKind::Statutory}) {
        const auto table = RateTable(kind);
        const Date first = table[0].From;
        std::uniform_int_distribution<int> offset(0, 13000), length(0, 6000);
        std::uniform_int_distribution<int> cents(0, 10'000'000);
        for (int i = 0; i < 2000; ++i) {
            const Date s = AddDays(first, offset(random));
            const Date e = AddDays(s, length(random));
            const double amount = cents(random) / 100.0;
            SCOPED_TRACE(FormatDate(s) + " .. " + FormatDate(e));
            auto out = CalculateTaxInterest(kind, s, e, amount);
            ASSERT_FALSE(out.Refused()) << out.Message;
            const auto& r = out.Result;
            ASSERT_EQ(r.Segments.size(), r.LastPeriod - r.FirstPeriod + 1u);
            EXPECT_TRUE(table[r.FirstPeriod - 1].Contains(s));
            EXPECT_TRUE(table[r.LastPeriod - 1].Contains(e));
            double days = 0;
            long double sum = 0;
            for (std::uint16_t k = r.FirstPeriod; k <= r.LastPeriod; ++k) {
                const auto& seg = r.Segment(k);
                EXPECT_GT(seg.Days, 0);
                EXPECT_EQ(seg.Interest, SegmentInterest(amount, seg.Days, table[k - 1].Rate));
                days += seg.Days;
                sum += seg.Interest;
            }
            EXPECT_EQ(days, DaysBetween(s, e) + 1);
            EXPECT_EQ(r.SumBeforeRounding, RoundTo2Places(static_cast<double>(sum)));
            EXPECT_NEAR(r.InterestSum, r.SumBeforeRounding, 0.5 + 1e-9);
        }
    }
}

}  // namespace
}  // namespace tolvex
