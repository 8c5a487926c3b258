#include "interest/tax_interest.h"

#include <gtest/gtest.h>

#include <random>

#include "core/amount/amount.h"
#include "interest/interest_export.h"

namespace tolvex {
namespace {

const auto D = [](const char* text) { return ParseDate(text); };

std::string Ungrouped(std::string money) {
    std::erase(money, ' ');
    return money;
}

TEST(RateTables, RowsAreContiguousWithOneOpenRowLast) {
    for (InterestKind kind : {InterestKind::Tax, InterestKind::Statutory}) {
        const auto rows = RateTable(kind);
        ASSERT_EQ(rows.size(), 41u);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(i + 1);
            EXPECT_NE(rows[i].Rate, 0);
            ASSERT_EQ(rows[i].To.has_value(), i + 1 < rows.size());
            if (!rows[i].To) continue;
            EXPECT_LE(rows[i].From, *rows[i].To);
            EXPECT_EQ(AddDays(*rows[i].To, 1), rows[i + 1].From);
        }
    }
}

TEST(TaxInterest, SegmentInterestIsRoundedToTheGrosz) {
    EXPECT_EQ(SegmentInterest(10000, 7, 15), 28.77);  // 28,767...
    EXPECT_EQ(SegmentInterest(1000, 365, 13), 130);   // a whole year of 365 days, also in leap years
}

TEST(TaxInterest, GridRowsAndSums) {
    const std::string l(kGridSeparator);
    struct Case {
        const char *start, *end;
        double amount;
        const char* before;  // the sum before rounding to whole złoty
        std::vector<InterestGridRow> rows;
    } cases[] = {
        // 2022-09-08 .. 2022-10-01 with the end date counted.
        {"2022-07-01",
         "2022-10-01",
         10000,
         "409,04",
         {{"1", "15", "7", "28,77"},
          {"2", "16", "62", "271,78"},
          {"3", "16,5", "24", "108,49"},
          {l, l, l, l},
          {"Razem", "", "", "409,00"}}},
        // One period fills one row with the whole złoty sum. Row 34 (8 %): one day of 57 031,25
        // earns exactly 12,50.
        {"2015-01-01", "2015-01-01", 57031.25, "12,50", {{"", "8", "1", "13,00"}}},
        {"2015-01-01", "2015-01-01", 56985.625, "12,49", {{"", "8", "1", "12,00"}}},
        // Open last row, end date counted: 31 days.
        {"2023-01-01", "2023-01-31", 1000, "14,01", {{"", "16,5", "31", "14,00"}}},
        {"2022-09-08", "2122-09-07", 100, "1 651,08", {{"", "16,5", "36524", "1 651,00"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        const auto out = CalculateTaxInterest(InterestKind::Tax, D(c.start), D(c.end), c.amount);
        ASSERT_FALSE(out.Refused());
        EXPECT_EQ(TaxInterestGridRows(out.Result, InterestKind::Tax), c.rows);
        EXPECT_EQ(FormatMoney(out.Result.SumBeforeRounding), c.before);
        EXPECT_EQ(out.Result.TotalDue, c.amount + out.Result.InterestSum);
        // The export is the grid as a spreadsheet opens it: no rule, amounts not grouped.
        std::string csv = "\xEF\xBB\xBFNr;%;Ile dni;Odsetki\r\n";
        for (const auto& row : c.rows)
            if (row[0] != l) csv += row[0] + ";" + row[1] + ";" + row[2] + ";" + Ungrouped(row[3]) + "\r\n";
        const GridExportData data = InterestExport(out.Result, InterestKind::Tax);
        EXPECT_EQ(ToCsv(data.Table), csv);
        EXPECT_EQ(data.Chart.Panels.at(0).Series.at(0).Y.size(), out.Result.Segments.size());
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
        {tax, "2005-06-30", "2005-06-30", ""},
        {statutory, "1989-11-01", "1989-11-01", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        const auto out = CalculateTaxInterest(c.kind, D(c.start), D(c.end), 1000);
        EXPECT_EQ(out.Message, c.message);
        EXPECT_EQ(out.Result.Empty(), out.Refused());
        EXPECT_TRUE(!out.Refused() || TaxInterestGridRows(out.Result, c.kind).empty());
    }
}

TEST(TaxInterest, StatutoryFrom1989AcrossEveryPeriod) {
    const auto out = CalculateTaxInterest(InterestKind::Statutory, D("1989-11-01"), D("2023-06-30"), 100);
    const auto grid = TaxInterestGridRows(out.Result, InterestKind::Statutory);
    ASSERT_EQ(grid.size(), 43u);
    EXPECT_EQ(grid[0], (InterestGridRow{"1", "120", "61", "20,05"}));  // November and December 1989
    EXPECT_EQ(grid[21][1], "12,25");
    EXPECT_EQ(grid[40], (InterestGridRow{"41", "10,25", "296", "8,31"}));
    EXPECT_EQ(grid[42][0], "Razem");
}

// Whatever the range, its days add up to end - start + 1, each segment lies in its own
// period, and the sums are the rounded sums of the rounded segment interests.
TEST(TaxInterest, RandomRangesCountEveryDayOnce) {
    std::mt19937 random(20260101);
    std::uniform_int_distribution<int> offset(0, 13000), length(0, 6000), cents(0, 10'000'000);
    for (InterestKind kind : {InterestKind::Tax, InterestKind::Statutory}) {
        const auto table = RateTable(kind);
        for (int i = 0; i < 2000; ++i) {
            const Date s = AddDays(table[0].From, offset(random));
            const Date e = AddDays(s, length(random));
            const double amount = cents(random) / 100.0;
            SCOPED_TRACE(FormatDate(s) + " .. " + FormatDate(e));
            const auto out = CalculateTaxInterest(kind, s, e, amount);
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
