#include "payroll/tax_year.h"

#include <gtest/gtest.h>

#include "payroll_test_support.h"

namespace tolvex {
namespace {

using testing::Texts;

enum class Action { Year, CostType, StartUp };

struct YearCase {
    const char* label;
    Action action;
    int year;
    int costType;
    Texts expected;  // every write, in order
};

std::string Label(Action a) {
    return a == Action::Year ? "year" : a == Action::CostType ? "cost type" : "start-up";
}

TEST(TaxYear, WritesTheTextsOfTheYearInOrder) {
    const YearCase cases[] = {
        {"2009 with increased costs",
         Action::Year,
         2009,
         1,
         {{"EditUlgaPodatkowa", "46,33"},
          {"EditSkalaPodatkowa", "18"},
          {"EditPlacaMinimalna", "1 276 zł"},
          {"EditMinimalnaStawka_godz", "??,? zł"},
          {"EditKosztyUzyskPrzychodu", "139,06"}}},
        {"2030 takes the 2025 row",
         Action::Year,
         2030,
         0,
         {{"EditUlgaPodatkowa", "300"},
          {"EditSkalaPodatkowa", "12"},
          {"EditPlacaMinimalna", "4 666 zł"},
          {"EditMinimalnaStawka_godz", "27,77 zł"},
          {"EditKosztyUzyskPrzychodu", "250"}}},
        {"typed cost type keeps the costs",
         Action::Year,
         2024,
         -1,
         {{"EditUlgaPodatkowa", "300"},
          {"EditSkalaPodatkowa", "12"},
          {"EditPlacaMinimalna", "4 300 zł"},
          {"EditMinimalnaStawka_godz", "26,00 zł"}}},
        {"below 1999 writes nothing", Action::Year, 1998, 0, {}},
        {"2024 switched to increased",
         Action::CostType,
         2024,
         1,
         {{"EditUlgaPodatkowa", "300"},
          {"EditSkalaPodatkowa", "12"},
          {"EditPlacaMinimalna", "3 600 zł"},
          {"EditMinimalnaStawka_godz", "23,50 zł"},
          {"EditKosztyUzyskPrzychodu", "300"}}},
        {"2040 cost type uses the last rows",
         Action::CostType,
         2040,
         0,
         {{"EditUlgaPodatkowa", "300"},
          {"EditSkalaPodatkowa", "12"},
          {"EditPlacaMinimalna", "3 600 zł"},
          {"EditMinimalnaStawka_godz", "23,50 zł"},
          {"EditKosztyUzyskPrzychodu", "250"}}},
        {"2001 cost type writes costs only",
         Action::CostType,
         2001,
         1,
         {{"EditKosztyUzyskPrzychodu", "115,70"}}},
        {"2002 typed cost type gives basic",
         Action::CostType,
         2002,
         -1,
         {{"EditKosztyUzyskPrzychodu", "96,26"}}},
        {"2010 typed cost type",
         Action::CostType,
         2010,
         -1,
         {{"EditUlgaPodatkowa", "46,33"}, {"EditSkalaPodatkowa", "18"}}},
        {"2016 cost type",
         Action::CostType,
         2016,
         0,
         {{"EditUlgaPodatkowa", "46,33"},
          {"EditSkalaPodatkowa", "18"},
          {"EditPlacaMinimalna", "1 850 zł"},
          {"EditMinimalnaStawka_godz", "??? zł"},
          {"EditKosztyUzyskPrzychodu", "111,25"}}},
        {"2021 cost type",
         Action::CostType,
         2021,
         1,
         {{"EditUlgaPodatkowa", "43,76"},
          {"EditSkalaPodatkowa", "17"},
          {"EditPlacaMinimalna", "2 800 zł"},
          {"EditMinimalnaStawka_godz", "18,30 zł"},
          {"EditKosztyUzyskPrzychodu", "300"}}},
        {"2019 cost type as the table",
         Action::CostType,
         2019,
         0,
         {{"EditUlgaPodatkowa", "46,33"},
          {"EditSkalaPodatkowa", "18"},
          {"EditPlacaMinimalna", "2 250 zł"},
          {"EditMinimalnaStawka_godz", "14,70 zł"},
          {"EditKosztyUzyskPrzychodu", "111,25"}}},
        {"start-up 2000", Action::StartUp, 2000, 0, {}},
        {"start-up 2001 keeps the hourly rate",
         Action::StartUp,
         2001,
         0,
         {{"EditUlgaPodatkowa", "41,11"},
          {"EditSkalaPodatkowa", "19"},
          {"EditPlacaMinimalna", "760 zł"},
          {"EditKosztyUzyskPrzychodu", "92,56"}}},
        {"start-up 2016",
         Action::StartUp,
         2016,
         0,
         {{"EditUlgaPodatkowa", "46,33"},
          {"EditSkalaPodatkowa", "18"},
          {"EditPlacaMinimalna", "1 850 zł"},
          {"EditKosztyUzyskPrzychodu", "111,25"}}},
        {"start-up 2018",
         Action::StartUp,
         2018,
         0,
         {{"EditUlgaPodatkowa", "46,33"},
          {"EditSkalaPodatkowa", "18"},
          {"EditPlacaMinimalna", "2 100 zł"},
          {"EditMinimalnaStawka_godz", "13,70 zł"},
          {"EditKosztyUzyskPrzychodu", "111,25"}}},
        {"start-up 2021",
         Action::StartUp,
         2021,
         0,
         {{"EditUlgaPodatkowa", "43,76"}, {"EditSkalaPodatkowa", "17"}, {"EditKosztyUzyskPrzychodu", "250"}}},
        {"start-up 2031",
         Action::StartUp,
         2031,
         0,
         {{"EditUlgaPodatkowa", "300"},
          {"EditSkalaPodatkowa", "12"},
          {"EditPlacaMinimalna", "4 666 zł"},
          {"EditMinimalnaStawka_godz", "27,77 zł"},
          {"EditKosztyUzyskPrzychodu", "250"}}},
    };
    for (const YearCase& c : cases) {
        SCOPED_TRACE(std::string(c.label) + " (" + Label(c.action) + ")");
        MapFieldSource source;
        TextFields fields(source);
        if (c.action == Action::Year) WriteYearChange(fields, c.year, c.costType);
        if (c.action == Action::CostType) WriteCostTypeChange(fields, c.year, c.costType);
        if (c.action == Action::StartUp) WriteStartUpTaxYear(fields, c.year);
        Texts written;
        for (const Effect& e : fields.Effects()) written.emplace_back(e.name, e.text);
        EXPECT_EQ(written, c.expected);
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
