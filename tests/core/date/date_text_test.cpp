#include "core/date/date_text.h"

#include <gtest/gtest.h>

#include "core/amount/amount.h"
#include "support/conversion_error_text.h"

namespace tolvex {
namespace {

TEST(DateText, ParsesAndWritesYearMonthDay) {
    EXPECT_EQ(FormatDate(ParseDate("2024-02-29")), "2024-02-29");
    EXPECT_EQ(FormatDate(ParseDate(" 2024-3-5 ")), "2024-03-05");
    for (const char* bad :
         {"2023-02-29", "2024-13-01", "2024-00-10", "", "29.02.2024", "2024-02-29x", "2024/02/01"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(TryParseDate(bad));
    }
    EXPECT_EQ(testing::ConversionErrorText([] { ParseDate("abc"); }), "'abc' is not a valid date");
}

TEST(DateText, DayArithmetic) {
    EXPECT_EQ(DaysBetween(MakeDate(2024, 1, 1), MakeDate(2024, 3, 14)), 73);
    EXPECT_EQ(FormatDate(AddDays(MakeDate(2024, 2, 29), 365)), "2025-02-28");
    EXPECT_EQ(DaysBetween(MakeDate(2024, 1, 2), MakeDate(2024, 1, 1)), -1);
}

}  // namespace
}  // namespace tolvex
