#include <gtest/gtest.h>

#include "core/amount/amount.h"
#include "core/date/date_step.h"
#include "core/date/date_text.h"
#include "support/conversion_error_text.h"

namespace tolvex {
namespace {

struct StepCase {
    const char* label;
    const char* text;
    DateFieldKind kind;
    StepScale scale;
    int n;
    const char* expectedText;     // nullptr: the text stays
    const char* expectedMessage;  // nullptr: no message
};

constexpr auto D = DateFieldKind::Date;
constexpr auto DT = DateFieldKind::DateTime;
constexpr auto T = DateFieldKind::Time;
using S = StepScale;

TEST(DateStep, StepsFieldTexts) {
    // clang-format off
    const StepCase cases[] = {
        {"January back one month", "2024-01-15", D, S::Month, -1, "2023-12-15", nullptr},
        {"February back 3 months", "2024-02-10", D, S::Month, -3, "2023-11-10", nullptr},
        {"November forward 14 months", "2024-11-05", D, S::Month, 14, "2026-01-05", nullptr},
        {"January forward 23 months", "2024-01-05", D, S::Month, 23, "2025-12-05", nullptr},
        {"29 February a year on", "2024-02-29", D, S::Year, 1, nullptr, "Invalid argument to date encode"},
        {"29 February four years on", "2024-02-29", D, S::Year, 4, "2028-02-29", nullptr},
        {"week back over new year", "2025-01-03", D, S::Week, -1, "2024-12-27", nullptr},
        {"short date written in full", "2025-1-3", D, S::Day, 1, "2025-01-04", nullptr},
        {"year 1 back a year", "0001-06-01", D, S::Year, -1, nullptr, "Invalid argument to date encode"},
        {"last day of the field's years", "5000-12-31", D, S::Day, 1, nullptr, "Invalid argument to date encode"},
        {"into the last day", "5000-12-30", D, S::Day, 1, "5000-12-31", nullptr},
        {"past the last day by the hour", "5000-12-31 23:30:00", DT, S::Hour, 1, nullptr, "Invalid argument to date encode"},
        {"before the first day", "0001-01-01", D, S::Day, -1, nullptr, "Invalid argument to date encode"},
        {"into the first day", "0001-01-02", D, S::Day, -1, "0001-01-01", nullptr},
        {"date and time keeps time", "2024-03-15 10:20:30", DT, S::Month, -1, "2024-02-15 10:20:30", nullptr},
        {"date and time by the hour", "2024-12-31 23:30:00", DT, S::Hour, 1, "2025-01-01 00:30:00", nullptr},
        {"midnight leaves out the time", "2024-12-31 23:59:59", DT, S::Second, 1, "2025-01-01", nullptr},
        {"date field stepped by minutes", "2024-05-01", D, S::Minute, -1, "2024-04-30 23:59:00", nullptr},
        {"date before 1900 by the hour", "1850-05-01 06:00:00", DT, S::Hour, 1, "1850-05-01 07:00:00", nullptr},
        {"clock back over midnight", "00:30:00", T, S::Hour, -1, "23:30:00", nullptr},
        {"clock by 90 minutes", "01:00", T, S::Minute, 90, "02:30:00", nullptr},
        {"clock ignores whole days", "12:00:00", T, S::Day, 1, nullptr, nullptr},
        {"empty text", "", D, S::Day, 1, nullptr, "Select a date or time first"},
        {"not a date", "2024-02-30", D, S::Day, 1, nullptr, "'2024-02-30' is not a valid date"},
        {"not a time", "25:00:00", T, S::Hour, 1, nullptr, "'25:00:00' is not a valid time"},
        {"not a date and time", "2024-01-01 10", DT, S::Day, 1, nullptr, "'2024-01-01 10' is not a valid date and time"},
        {"time in a date field", "10:00:00", D, S::Day, 1, nullptr, "'10:00:00' is not a valid date"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        StepOutcome out = StepFieldText(c.text, c.kind, c.scale, c.n);
        EXPECT_EQ(out.text.value_or("(kept)"), c.expectedText ? c.expectedText : "(kept)");
        EXPECT_EQ(out.message ? out.message->text : "-", c.expectedMessage ? c.expectedMessage : "-");
    }
}

TEST(DateStep, SerialsMatchTheClassicDayCount) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(2024, 1, 31), 45322.0);
    EXPECT_EQ(EncodeDate(1899, 12, 29), -1.0);
    EXPECT_DOUBLE_EQ(EncodeTime(18, 0, 0), 0.75);
    // One millisecond short of midnight rounds into the next day only when written to the ms.
    DateTimeSerial late = EncodeDate(2024, 1, 1) + EncodeTime(23, 59, 59, 999);
    EXPECT_EQ(FormatDateTimeSerial(late), "2024-01-01 23:59:59");
    EXPECT_EQ(FormatDateSerial(late + 0.0000001), "2024-01-02");
}

TEST(DateStep, ParsesEachKindAndRejectsTheOthers) {
    struct Case {
        const char* text;
        const char* asDateTime;  // nullptr: refused
    } cases[] = {
        // clang-format off
        {"2024-02-29", "2024-02-29"}, {"2024-02-29 7:05", "2024-02-29 07:05:00"},
        {" 2024-02-29  07:05:09 ", "2024-02-29 07:05:09"}, {"2024-02-29 24:00", nullptr},
        {"2024-02-29 07:60", nullptr}, {"2024-02-29x", nullptr}, {"7:05 2024-02-29", nullptr},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        if (c.asDateTime)
            EXPECT_EQ(FormatDateTimeSerial(ParseDateTimeSerial(c.text)), c.asDateTime);
        else
            EXPECT_THROW(ParseDateTimeSerial(c.text), ConversionError);
    }
    EXPECT_EQ(FormatTimeSerial(ParseDateTimeSerial("7:05")), "07:05:00");
    EXPECT_EQ(DatePart(ParseDateTimeSerial("7:05")), 0.0);
    EXPECT_THROW(ParseTimeSerial("2024-02-29"), ConversionError);
}

TEST(DateStep, EncodeRefusesDaysThatDoNotExist) {
    struct Case {
        int y, m, d;
    } bad[] = {{2023, 2, 29}, {2024, 4, 31}, {2024, 13, 1}, {2024, 0, 1},
               {0, 1, 1},     {10000, 1, 1}, {2024, 1, 0}};
    for (const auto& c : bad) {
        SCOPED_TRACE(std::to_string(c.y) + "-" + std::to_string(c.m) + "-" + std::to_string(c.d));
        EXPECT_EQ(testing::ConversionErrorText([&] { EncodeDate(c.y, c.m, c.d); }),
                  "Invalid argument to date encode");
    }
    EXPECT_EQ(testing::ConversionErrorText([] { EncodeTime(24, 0, 0); }), "Invalid argument to time encode");
}

TEST(DateText, ParsesWritesAndCountsDays) {
    EXPECT_EQ(FormatDate(ParseDate(" 2024-3-5 ")), "2024-03-05");
    for (const char* bad : {"2023-02-29", "2024-13-01", "2024-00-10", "", "29.02.2024", "2024/02/01"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(TryParseDate(bad));
    }
    EXPECT_EQ(testing::ConversionErrorText([] { ParseDate("abc"); }), "'abc' is not a valid date");
    EXPECT_EQ(DaysBetween(MakeDate(2024, 1, 1), MakeDate(2024, 3, 14)), 73);
    EXPECT_EQ(DaysBetween(MakeDate(2024, 1, 2), MakeDate(2024, 1, 1)), -1);
    EXPECT_EQ(FormatDate(AddDays(MakeDate(2024, 2, 29), 365)), "2025-02-28");
}

}  // namespace
}  // namespace tolvex
