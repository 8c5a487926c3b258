#include "core/amount/amount.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "support/conversion_error_text.h"

namespace tolvex {
namespace {

struct ParseCase {
    const char* text;
    bool ok;
    double value;
};

TEST(ParseAmount, AcceptsOnlyTheProgramsGrammar) {
    const ParseCase cases[] = {
        {"12,5", true, 12.5}, {" 12,5 ", true, 12.5}, {"-3", true, -3},     {"+7", true, 7},
        {"1E3", true, 1000},  {"1e-2", true, 0.01},   {"2,5E+1", true, 25}, {",5", true, 0.5},
        {"5,", true, 5},      {",", true, 0},         {"1e-5000", true, 0}, {"12.5", false, 0},
        {"1 200", false, 0},  {"120 zł", false, 0},   {"", false, 0},       {"   ", false, 0},
        {"abc", false, 0},    {"1,2,3", false, 0},    {"--1", false, 0},    {"1E", false, 0},
        {"E3", false, 0},     {"1E5000", false, 0},   {"\t12", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double v = -1;
        EXPECT_EQ(TryParseAmount(c.text, v), c.ok);
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.value);
        }
    }
    EXPECT_EQ(testing::ConversionErrorText([] { ParseAmount("12.5"); }),
              "'12.5' is not a valid floating point value");
}

TEST(FormatGeneral, ShortestTextUpTo15Digits) {
    const std::pair<double, const char*> cases[] = {
        {3456, "3456"},     {12.5, "12,5"},
        {0, "0"},           {-3.7, "-3,7"},
        {0.1 + 0.2, "0,3"}, {0.00001, "0,00001"},
        {0.000001, "1E-6"}, {123456789012345.0, "123456789012345"},
        {1e16, "1E16"},     {1.0 / 3.0, "0,333333333333333"},
    };
    for (const auto& [v, text] : cases) EXPECT_EQ(FormatGeneral(v), text) << v;
}

TEST(FormatMoney, TwoDecimalsGroupedWithSignificantDigitLimit) {
    struct Case {
        double v;
        int digits;
        const char* text;
    } cases[] = {
        {4314.5, 10, "4 314,50"},
        {0, 10, "0,00"},
        {-1234.5, 10, "-1 234,50"},
        {0.004, 10, "0,00"},
        {0.005, 10, "0,01"},
        {999.995, 10, "1 000,00"},
        {1234567.891, 8, "1 234 567,90"},
        {12345678.123, 8, "12 345 678,00"},
        {12345678901.0, 10, "1,23456789E10"},
        {1e15, 16, "1 000 000 000 000 000,00"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatMoney(c.v, c.digits), c.text) << c.v;
    for (const auto& [v, text] :
         {std::pair{1234567.6, "1 234 568"}, {999.0, "999"}, {0.4, "0"}, {-1500.0, "-1 500"}})
        EXPECT_EQ(FormatWholeGrouped(v), text) << v;
}

TEST(ZlSuffix, AppendAndStripCountCharactersNotBytes) {
    EXPECT_EQ(AppendZlSuffix("58,45"), "58,45 zł");
    for (const auto& [text, bare, valid] :
         {std::tuple{"58,45 zł", "58,45", true}, {"1234", "1", false}, {"ł", "", false}}) {
        bool wasValid = !valid;
        EXPECT_EQ(StripZlSuffix(text, &wasValid), bare);
        EXPECT_EQ(wasValid, valid) << text;
    }
}

TEST(Rounding, ListedPoints) {
    const std::tuple<double, double, double> cases[] = {
        // x, RoundTo2Places, RoundToWholeZloty
        {2.345, 2.35, 2},      {2.344999, 2.34, 2}, {-1.005, -1.00, -1}, {12.5, 12.5, 13},
        {287.49, 287.49, 287}, {-3.7, -3.7, -3},    {42.875, 42.88, 43},
    };
    for (const auto& [x, two, whole] : cases) {
        EXPECT_DOUBLE_EQ(RoundTo2Places(x), two) << x;
        EXPECT_DOUBLE_EQ(RoundToWholeZloty(x), whole) << x;
    }
    EXPECT_DOUBLE_EQ(RoundTo4Places(2.47117595652549), 2.4712);
    EXPECT_DOUBLE_EQ(RoundTo4Places(761.842105263158), 761.8421);
}

// Every grosz amount written with two decimals comes back unchanged as the field shows
// it. (The last sum is stored as a double, so a negative amount may move by one ulp.)
TEST(RoundingProperties, TwoDecimalAmountsAreFixedPoints) {
    for (int cents = -100000; cents <= 100000; ++cents) {
        char text[32];
        std::snprintf(text, sizeof text, "%d,%02d", cents / 100, std::abs(cents % 100));
        if (cents < 0 && cents > -100) std::snprintf(text, sizeof text, "-0,%02d", -cents);
        const double v = ParseAmount(text);
        const double r = RoundTo2Places(v);
        ASSERT_LE(std::fabs(r - v), std::fabs(std::nextafter(v, 0.0) - v)) << text;
        ASSERT_EQ(FormatGeneral(r), FormatGeneral(v)) << text;
        ASSERT_EQ(FormatMoney(r), FormatMoney(v)) << text;
        const std::string t(text);
        ASSERT_EQ(FormatMoney(r).substr(FormatMoney(r).size() - 2), t.substr(t.size() - 2)) << text;
    }
}

// A half grosz goes up for positive amounts and toward zero for negative ones.
TEST(RoundingProperties, HalfGroszDirection) {
    for (int cents = 0; cents < 100000; ++cents) {
        char text[32];
        std::snprintf(text, sizeof text, "%d,%02d5", cents / 100, cents % 100);
        const double v = ParseAmount(text);
        const double up = (cents + 1) / 100.0;
        const double down = cents / 100.0;
        ASSERT_NEAR(RoundTo2Places(v), up, 1e-9) << text;
        ASSERT_NEAR(RoundTo2Places(-v), -down, 1e-9) << "-" << text;
    }
}

}  // namespace
}  // namespace tolvex
