#include "pensions/fund_projection.h"

#include <gtest/gtest.h>

#include "core/amount/amount.h"
#include "support/conversion_error_text.h"

namespace tolvex::testing {
namespace {

// A page's fields as "Name=text" and "Name:choice" entries separated by ";".
constexpr std::string_view kSecondPillarStart =
    "WynagrodzenieBrutto=1800;DateTimeRokRozpoczecia=1976-12-21;Prowizja=4;Oplata=0;Zysk=1;Wzrost=0;"
    "EditKosztyUzyskPrzychodu=250;RadioGroupPlec:0;TrackBarWiek:15;TrackBarLata:5";
constexpr std::string_view kThirdPillarStart =
    "SkladkaSrednia=0,00;KwotaPoczatkowa=0,00;DateTimeRokPrzystapienia=2003-01-01;ProwizjaFE=8;OplataZE=0;"
    "ZyskFE=10;InflacjaRoczna=0;RadioGroupPlec1:0;TrackBarWiek1:15;TrackBarLata1:10";

// One projection over the page's start values changed by `changes`.
struct Projection {
    MapFieldSource source, secondSource;
    TextFields fields{source}, secondPage{secondSource};
    FundGrid grid;
    std::string error;

    Projection(bool third, std::string_view changes, FundProjectionRows& rows) {
        for (std::string_view list : {third ? kThirdPillarStart : kSecondPillarStart, changes})
            while (!list.empty()) {
                const std::string_view entry = list.substr(0, list.find(';'));
                list.remove_prefix(std::min(list.size(), entry.size() + 1));
                const size_t at = entry.find_first_of("=:");
                const std::string name(entry.substr(0, at)), value(entry.substr(at + 1));
                if (entry[at] == '=')
                    source.texts[name] = value;
                else
                    source.choices[name] = std::stoi(value);
            }
        error = ConversionErrorText([&] {
            grid = third ? ProjectThirdPillar(fields, secondPage, rows) : ProjectSecondPillar(fields, rows);
        });
    }
    // Column c of the grid's year rows, joined by blanks.
    std::string Column(size_t c) const {
        std::string out;
        for (size_t r = 1; r < grid.size(); ++r) out += (r > 1 ? " " : "") + grid[r][c];
        return out;
    }
};

std::string Sequence(int first, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += (i ? " " : "") + std::to_string(first + i);
    return out;
}

TEST(FundProjection, YearCountsAndWords) {
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {std::to_string(SecondPillarYears(15)), "53"}, {std::to_string(SecondPillarYears(60)), "8"},
        {std::to_string(FirstPhaseLength(1976)), "13"}, {std::to_string(FirstPhaseLength(1999)), "13"},
        {std::to_string(FirstPhaseLength(2005)), "7"}, {std::to_string(FirstPhaseLength(2015)), "1"},
        {std::to_string(ThirdPillarYears(15, false)), "51"}, {std::to_string(ThirdPillarYears(60, true)), "1"},
        {YearsText(12, YearsOf::Age), "12 lata"}, {YearsText(22, YearsOf::Age), "22 lata"},
        {YearsText(15, YearsOf::Age), "15 lat"}, {YearsText(1, YearsOf::Payment), "1 rok"},
        {YearsText(3, YearsOf::Payment), "3 lata"}, {YearsText(35, YearsOf::Payment), "35 lat"},
    };
    // clang-format on
    for (const auto& [actual, expected] : cases) EXPECT_EQ(actual, expected);
}

// The cases F2 and F3: every text, cell and row below was worked out independently from
// the rules alone by reference/funds_reference.py (exact arithmetic rounded as the program
// rounds, cross-checked under other precision readings); its output, funds_reference.txt,
// lies beside it. F3 runs after F2 on the same rows.
TEST(FundProjection, WholeProjectionsMatchTheReference) {
    FundProjectionRows rows;
    const Projection f2(
        false,
        "WynagrodzenieBrutto=2500;DateTimeRokRozpoczecia=2005-03-01;Prowizja=4;Oplata=1;Zysk=5;"
        "Wzrost=3;EditKosztyUzyskPrzychodu=250;TrackBarWiek:30;TrackBarLata:20",
        rows);
    const Projection f3(
        true,
        "RadioGroupPlec1:1;SkladkaSrednia=2400;KwotaPoczatkowa=1000;TrackBarWiek1:40;"
        "TrackBarLata1:15;DateTimeRokPrzystapienia=2010-01-01;ProwizjaFE=8;OplataZE=2;ZyskFE=6;"
        "InflacjaRoczna=3",
        rows);
    // clang-format off
    const std::pair<const TextFields&, std::pair<const char*, const char*>> texts[] = {
        {f2.fields, {"UstawionyWiek", "30 lat"}}, {f2.fields, {"UstawionyOkres", "20 lat"}},
        {f2.fields, {"Wplacono", "Wpłacono 65 636 zł"}}, {f2.fields, {"Kapital", "Kapitał 178 920 zł"}},
        {f2.fields, {"MiesiecznaEmerytura", "738 zł"}}, {f3.fields, {"MiesiecznaEmerytura1", "541 zł"}},
        {f3.fields, {"UstawionyWiek1", "40 lat"}}, {f3.fields, {"UstawionyOkres1", "15 lat"}},
        {f3.fields, {"Wplacono1", "Wpłacono 51 400 zł"}}, {f3.fields, {"Kapital1", "Kapitał 99 313 zł"}},
        {f3.secondPage, {"Wplacono", "Wplacono składki 51400 zł"}},
        {f3.secondPage, {"Kapital", "Zebrany kapitał FE wynosi 99312,68 zł"}},
    };
    // clang-format on
    for (const auto& [page, text] : texts) EXPECT_EQ(page.Written(text.first), text.second) << text.first;
    ASSERT_EQ(f2.grid.size(), 39u);
    ASSERT_EQ(f3.grid.size(), 22u);
    EXPECT_EQ(f2.grid[0], (std::vector<std::string>{"Lp", "ROK", "PŁACA", "WPŁATY", "KAPITAŁ", "%SKŁ."}));
    EXPECT_EQ(f3.grid[0], (std::vector<std::string>{"LP", "LATA", "WPŁATY", "KAPITAŁ"}));
    // clang-format off
    const std::tuple<const Projection&, size_t, std::string> columns[] = {
        {f2, 0, Sequence(1, 38)},
        {f2, 1, Sequence(2005, 38)},
        {f2, 2, "2500 2575 2652 2732 2814 2898 3075 3167 3360 3461 3565 3672 3782 3895 4012 4132 4256 4384 4516 "
                "4651 4791 4935 5083 5235 5392 5554 5721 5893 6070 6252 6440 6633 6832 7037 7248 7465 7689 7920"},
        {f2, 3, "1971 4008 6112 8286 10532 12852 13632 14437 15482 16561 17675 18825 20012 21237 22501 23805 "
                "25151 26540 27973 29452 30978 32552 34176 35851 37579 39361 41199 43095 45051 47068 49148 51293 "
                "53505 55785 58136 60560 63059 65636"},
        {f2, 4, "1987 4139 6467 8982 11695 14618 16135 17753 19694 21766 23977 26335 28848 31525 34375 37409 "
                "40636 44068 47716 51592 55710 60082 64723 69648 74872 80412 86286 92511 99108 106096 113497 "
                "121334 129630 138410 147701 157530 167926 178920"},
        {f2, 5, "7,3 7,3 7,3 7,3 7,3 7,3 2,3 2,3 2,8 2,8 2,8 2,8 2,8 2,8 2,8 2,8 2,8 2,8 2,8 2,8 2,8 2,8 2,8 2,8 "
                "2,8 2,8 2,8 2,8 2,8 2,8 2,8 2,8 2,8 2,8 2,8 2,8 2,8 2,8"},
        {f3, 0, Sequence(1, 21)},
        {f3, 1, Sequence(2010, 21)},
        {f3, 2, "3400 5800 8200 10600 13000 15400 17800 20200 22600 25000 27400 29800 32200 34600 37000 39400 "
                "41800 44200 46600 49000 51400"},
        {f3, 3, "3315,68 5925,32 8691,53 11623,72 14731,84 18026,44 21518,72 25220,54 29144,47 33303,83 37712,75 "
                "42386,21 47340,08 52591,18 58157,35 64057,49 70311,63 76941,02 83968,18 91416,97 99312,68"},
    };
    // clang-format on
    for (const auto& [run, c, expected] : columns) EXPECT_EQ(run.Column(c), expected) << "column " << c;
    // The rows hold what the grids show; the third pillar leaves the salaries alone.
    EXPECT_EQ(rows.Capital[21], 99312.68);
    EXPECT_EQ(rows.Salary[38], 7920);
}

// Worked out by hand from the rules, a year at a time as the grid shows it.
TEST(FundProjection, Cases) {
    const struct {
        bool third;
        const char* changes;
        size_t column;  // of the grid's year rows, joined; or of one `row`
        int row;
        const char *cells, *pension;
    } cases[] = {
        // 12 x (1000 - 1500) x 7,3 %: negative contributions, a negative pension.
        {false, "WynagrodzenieBrutto=1000;EditKosztyUzyskPrzychodu=1500", 3, 1, "-438", "-270 zł"},
        // Phase 2 recomputes year 1 and runs to year 3, where phase 3 begins.
        {false, "DateTimeRokRozpoczecia=2015-01-01", 5, 1, "2,3", "579 zł"},
        {false, "DateTimeRokRozpoczecia=2015-06-30", 5, 3, "2,8", "579 zł"},
        // 8 years < 13: the later phases run past the grid; the totals are year 8's.
        {false, "TrackBarWiek:60", 5, 0, "7,3 7,3 7,3 7,3 7,3 7,3 7,3 7,3", "182 zł"},
        // 50 276 / 420 months = 119,70.
        {false, "TrackBarLata:35", 4, 53, "50276", "120 zł"},
        {true, "SkladkaSrednia=1200;TrackBarWiek1:60", 3, 0, "1214,4 2550,24 4019,66 5636,03 7414,03 9369,83",
         "78 zł"},
        // Every later year pays 1100, and Paid counts 1000 of it.
        {true, "SkladkaSrednia=1000;InflacjaRoczna=10;ProwizjaFE=0;ZyskFE=0;TrackBarWiek1:60", 3, 0,
         "1000 2100 3200 4300 5400 6500", "54 zł"},
        {true, "SkladkaSrednia=1000;InflacjaRoczna=10;ProwizjaFE=0;ZyskFE=0;TrackBarWiek1:60", 2, 0,
         "1000 2000 3000 4000 5000 6000", "54 zł"},
        // A woman joining at 60 has one year, with the starting amount.
        {true, "SkladkaSrednia=100;KwotaPoczatkowa=900;RadioGroupPlec1:1;TrackBarWiek1:60", 3, 0, "1012",
         "8 zł"},
        // A man joining at 15 pays 51 years; 51 000 / 540 months = 94,44.
        {true, "SkladkaSrednia=1000;ZyskFE=0;ProwizjaFE=0;TrackBarLata1:45", 0, 51, "51", "94 zł"},
    };
    for (const auto& c : cases) {
        FundProjectionRows rows;
        const Projection run(c.third, c.changes, rows);
        ASSERT_EQ(run.error, "(no error)") << c.changes;
        EXPECT_EQ(c.row ? run.grid.at(c.row).at(c.column) : run.Column(c.column), c.cells) << c.changes;
        EXPECT_EQ(run.fields.Written(c.third ? "MiesiecznaEmerytura1" : "MiesiecznaEmerytura"), c.pension)
            << c.changes;
    }
}

TEST(FundProjection, BadInputs) {
    const struct {
        bool third;
        const char *changes, *error, *message;
    } cases[] = {
        {false, "EditKosztyUzyskPrzychodu=250 zł", "(no error)",
         "Koszty uzyskania przychodu w zakładce \"Płace\" nie są liczbą"},
        {false, "WynagrodzenieBrutto=", "'' is not a valid floating point value", ""},
        {false, "Zysk=abc", "'abc' is not a valid floating point value", ""},
        // Spin values stay within their range, so 1E300 % is 100 %: the salary doubles each year.
        {false, "WynagrodzenieBrutto=1E300;Wzrost=1E300", kOutOfRangeMessage.data(), ""},
        {true, "SkladkaSrednia=1E300;ZyskFE=500", kOutOfRangeMessage.data(), ""},
        {true, "KwotaPoczatkowa=x", "'x' is not a valid floating point value", ""},
    };
    for (const auto& c : cases) {
        FundProjectionRows rows;
        rows.EnsureYear(1);
        rows.Capital[1] = 7;
        const Projection run(c.third, c.changes, rows);
        EXPECT_EQ(run.error, c.error) << c.changes;
        const auto messages = run.fields.Messages();
        EXPECT_EQ(messages.empty() ? "" : messages.front(), std::string(c.message)) << c.changes;
        // A projection that stops leaves the rows of the last one that finished.
        EXPECT_EQ(rows.Capital[1] == 7, run.error != "(no error)") << c.changes;
    }
}

}  // namespace
}  // namespace tolvex::testing
