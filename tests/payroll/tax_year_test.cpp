#include "payroll/tax_year.h"

#include <gtest/gtest.h>

#include "payroll_test_support.h"

namespace tolvex {
namespace {

using testing::Texts;

enum class Action { Year, CostType, StartUp };

// A year chosen with increased costs, and a switch to them, are driven through the page.
TEST(TaxYear, WritesTheTextsOfTheYearInOrder) {
    constexpr auto Y = Action::Year, C = Action::CostType, S = Action::StartUp;
    struct Case {
        const char* label;
        Action action;
        int year, costType;
        const char* expected[5];  // relief, rate, minimum wage, hourly rate, costs; nullptr: not written
    } cases[] = {
        // clang-format off
        {"2030 takes the 2025 row", Y, 2030, 0, {"300", "12", "4 666 zł", "27,77 zł", "250"}},
        {"typed cost type keeps the costs", Y, 2024, -1, {"300", "12", "4 300 zł", "26,00 zł", nullptr}},
        {"below 1999 writes nothing", Y, 1998, 0, {}},
        {"below 1999 cost type writes nothing", C, 1998, 1, {}},
        {"2001 cost type writes costs only", C, 2001, 1, {nullptr, nullptr, nullptr, nullptr, "115,70"}},
        {"2002 typed cost type gives basic", C, 2002, -1, {nullptr, nullptr, nullptr, nullptr, "96,26"}},
        {"2010 typed cost type", C, 2010, -1, {"46,33", "18", nullptr, nullptr, nullptr}},
        {"2016 cost type", C, 2016, 0, {"46,33", "18", "1 850 zł", "??? zł", "111,25"}},
        {"2021 cost type", C, 2021, 1, {"43,76", "17", "2 800 zł", "18,30 zł", "300"}},
        {"2019 cost type as the table", C, 2019, 0, {"46,33", "18", "2 250 zł", "14,70 zł", "111,25"}},
        {"start-up 2000", S, 2000, 0, {}},
        {"start-up 2001 keeps the hourly rate", S, 2001, 0, {"41,11", "19", "760 zł", nullptr, "92,56"}},
        {"start-up 2016", S, 2016, 0, {"46,33", "18", "1 850 zł", nullptr, "111,25"}},
        {"start-up 2018", S, 2018, 0, {"46,33", "18", "2 100 zł", "13,70 zł", "111,25"}},
        {"start-up 2021", S, 2021, 0, {"43,76", "17", nullptr, nullptr, "250"}},
        // clang-format on
    };
    const char* names[5] = {"EditUlgaPodatkowa", "EditSkalaPodatkowa", "EditPlacaMinimalna",
                            "EditMinimalnaStawka_godz", "EditKosztyUzyskPrzychodu"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        MapFieldSource source;
        TextFields fields(source);
        if (c.action == Action::Year) WriteYearChange(fields, c.year, c.costType);
        if (c.action == Action::CostType) WriteCostTypeChange(fields, c.year, c.costType);
        if (c.action == Action::StartUp) WriteStartUpTaxYear(fields, c.year);
        Texts expected;
        for (int i = 0; i < 5; ++i)
            if (c.expected[i]) expected.emplace_back(names[i], c.expected[i]);
        EXPECT_EQ(testing::TextWrites(fields), expected);
    }
}

TEST(TaxYear, RowsCoverEveryYearFrom1999) {
    EXPECT_EQ(YearDefaultsFor(1998), nullptr);
    for (int year = 1999; year <= 2099; ++year) {
        const YearDefaults* row = YearDefaultsFor(year);
        ASSERT_NE(row, nullptr) << year;
        EXPECT_EQ(row->year, std::min(year, 2025));
    }
}

}  // namespace
}  // namespace tolvex
