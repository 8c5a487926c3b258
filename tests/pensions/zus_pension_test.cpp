#include "pensions/zus_pension.h"

#include <gtest/gtest.h>

#include <fstream>

#include "pensions/zus_test_support.h"
#include "support/conversion_error_text.h"

namespace tolvex::testing {
namespace {

Date D(const char* text) {
    return ParseDate(text);
}

TEST(ZusRegime, BirthAndStartOfWork) {
    using enum ZusRegime;
    struct Case {
        const char *birth, *start;
        bool early, oldSystem;
        ZusRegime regime;
        ZusLayout layout;
    } cases[] = {
        {"1948-12-31", "1968-12-31", false, true, Nothing, ZusLayout::OldSystem},
        // Both 1949–1968 boundaries belong to the initial-capital regime, in the layout too.
        {"1949-01-01", "1969-01-01", false, false, InitialCapital, ZusLayout::InitialCapital},
        {"1968-12-31", "1988-12-31", false, false, InitialCapital, ZusLayout::InitialCapital},
        {"1969-01-01", "1989-06-01", false, false, InitialCapital, ZusLayout::InitialCapital},
        {"1969-01-01", "1990-01-01", false, false, NewSystem, ZusLayout::NewSystem},
        {"1970-05-05", "1989-12-31", false, false, InitialCapital, ZusLayout::InitialCapital},
        {"1949-01-01", "1969-01-01", true, false, Nothing, ZusLayout::InitialCapital},
        {"1955-03-01", "1975-03-01", true, true, Nothing, ZusLayout::InitialCapital},
        {"1970-01-01", "1991-01-01", true, true, NewSystem, ZusLayout::NewSystem},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.birth) + " / " + c.start + (c.early ? " early" : ""));
        EXPECT_EQ(IsOldSystem(D(c.birth), c.early), c.oldSystem);
        EXPECT_EQ(ProjectionRegime(D(c.birth), D(c.start), c.early), c.regime);
        EXPECT_EQ(LayoutFor(D(c.birth), D(c.start)), c.layout);
    }
}

TEST(ZusRegime, InitialCapitalFigures) {
    EXPECT_EQ(AgeIn1998(D("1952-12-18"), D("1976-12-21")), 46);
    EXPECT_EQ(AgeIn1998(D("1952-01-18"), D("1976-12-21")), 47);  // 11 months later
    EXPECT_EQ(AgeIn1998(D("1952-12-18"), D("1977-01-05")), 47);  // a negative difference
    EXPECT_EQ(ServiceYears(20, 2, 7, 0), 23);
    EXPECT_EQ(ServiceYears(20, 2, 10, 9), 24);
    EXPECT_EQ(ProportionalCoefficient(46, 22, false), 72.41);
    for (const auto& [year, p1] : {std::pair{1995, 13}, {1999, 12}, {2005, 7}, {2015, 1}})
        EXPECT_EQ(FirstPhaseYears(year), p1);
    EXPECT_EQ(FormatDate(TwentyYearsOn(D("1880-02-29"))), "1900-02-28");
    EXPECT_EQ(FormatDate(TwentyYearsOn(D("1988-02-29"))), "2008-02-29");
    // "ŚREDNIA" shows 7,73 % while each year multiplies by 1,0754.
    EXPECT_EQ(AverageValorizationCaption(), "Waloryzacja skł. ZUS o 7,73%");
    EXPECT_EQ(AverageValorizationApplied(), 107.54);
}

// Expected texts of the whole projections: worked out independently of this code by
// reference/zus_reference.py (exact rational arithmetic rounded as the program rounds:
// 80-bit intermediates, doubles where a value is stored, the program's rounding rule and
// formats). Its output reference/zus_reference.txt holds every field and grid cell; the
// table below repeats the headline figures.
struct ReferenceCase {
    char person;
    int mode;  // RadioGroupWaloryzacja
    const char *pension, *pension25, *pension67, *capital;
};
constexpr ReferenceCase kReference[] = {
    {'M', 0, "1 005,78zł", "", "1 071,05zł", "Kapitał na koncie 98 372,14zł"},
    {'M', 2, "3 583,64zł", "", "4 217,23zł", "Kapitał na koncie 222 901,25zł"},
    {'M', 1, "3 003,02zł", "", "3 068,29zł", "Kapitał na koncie 164 992,27zł"},
    {'W', 0, "1 232,18zł", "567,38zł", "1 596,18zł", "Kapitał 383 542,75zł"},
    {'W', 2, "5 176,30zł", "1 244,81zł", "9 077,66zł", "Kapitał 2 218 751,86zł"},
    {'W', 1, "1 413,31zł", "748,51zł", "1 777,30zł", "Kapitał 427 973,26zł"},
};

ZusRun RunReferenceCase(char person, int mode) {
    const bool woman = person == 'W';
    ZusFields in{.birth = woman ? "1975-06-30" : "1952-12-18",
                 .start = woman ? "1995-06-30" : "1976-12-21",
                 .sex = woman,
                 .capitalMode = !woman,
                 .growth = woman ? 2 : 3,
                 .valorization = mode};
    if (woman) {
        in.capital = "8000,00", in.life = "245,3", in.salary = "3000";
    } else {
        in.yearsS = "22", in.yearsN = "1", in.monthsN = "9";
    }
    if (mode == 2) in.valorizationLabel = AverageValorizationCaption();  // the mode's click wrote it
    // "TAK": the dialog as it opens for the person, stored with "Zapisz"; the woman's 13
    // indices typed from the helper grid, the other rows left empty.
    const ValorizationGridFill fill =
        FillValorizationGrid(woman ? 1975 : 1952, !woman, woman, woman ? 1995 : 1976);
    std::vector<std::pair<std::string, std::string>> rows;
    for (int r = 1; r <= fill.rows; ++r)
        rows.emplace_back(
            std::to_string(1998 + r),
            woman ? (r <= 13 ? FormatGeneral(BuiltInValorization(r)) : "") : fill.indexColumn[r - 1]);
    ValorizationTable table;
    table.Store(ReadValorizationRows(rows));
    return RunZus(in, &table);
}

std::string Shown(const ZusRun& run, const std::string& name) {
    const auto& rows = run.outcome.Grid.Rows;
    if (name == "messages") return run.messages.empty() ? "none" : run.messages;
    if (name == "Tabelka2.RowCount") return std::to_string(rows.size() + 1);
    int r = 0, c = 0;
    if (std::sscanf(name.c_str(), "Tabelka2[%d][%d]", &r, &c) == 2)
        return r >= 1 && r <= static_cast<int>(rows.size()) ? rows[r - 1][c] : "(no row)";
    if (name.ends_with(".visible")) {
        auto it = run.visible.find(name.substr(0, name.size() - 8));
        return it == run.visible.end() || it->second ? "true" : "false";
    }
    return run.Text(name);
}

TEST(ZusProjection, MatchesTheIndependentReference) {
    for (const ReferenceCase& c : kReference) {
        SCOPED_TRACE(std::string(1, c.person) + " mode " + std::to_string(c.mode));
        const ZusRun run = RunReferenceCase(c.person, c.mode);
        EXPECT_EQ(run.Text("LabelMiesiecznaEmerytura"), c.pension);
        EXPECT_EQ(run.Text("LabelMiesiecznaEmerytura25"), c.pension25);
        EXPECT_EQ(run.Text("LabelMiesiecznaEmerytura67"), c.pension67);
        EXPECT_EQ(run.Text("Kapital2"), c.capital);
    }
    std::ifstream file(TOLVEX_ZUS_REFERENCE);
    ASSERT_TRUE(file) << TOLVEX_ZUS_REFERENCE;
    const char* modes[] = {"NIE", "TAK", "ŚREDNIA"};
    ZusRun run;
    std::string line, section;
    bool finalState = false;
    int compared = 0;
    while (std::getline(file, line)) {
        if (line.starts_with("## case ")) {
            section = line;
            const int mode = static_cast<int>(
                std::find_if(modes, modes + 3, [&](const char* m) { return line.ends_with(m); }) - modes);
            run = RunReferenceCase(line[8], mode);
            finalState = false;
        } else if (line == "# final state after the button press:") {
            finalState = true;
        } else if (finalState && !line.empty() && line[0] != '#') {
            const size_t eq = line.find(" = ");
            std::string expected = line.substr(eq + 3);
            if (expected.starts_with('"')) expected = expected.substr(1, expected.size() - 2);
            EXPECT_EQ(Shown(run, line.substr(0, eq)), expected) << section << ": " << line;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 1239);
}

TEST(ZusProjection, OldSystemPension) {
    struct Case {
        ZusFields in;
        const char* pension;
    } cases[] = {
        // p1 = 24 % of the base amount only with contributory years.
        {{.birth = "1945-05-10", .base = "2822,66", .yearsS = "30", .monthsS = "4", .yearsN = "2"},
         "Emerytura m-c: 1 830,03zł"},
        {{.birth = "1945-05-10", .base = "2822,66", .yearsN = "2"}, "Emerytura m-c: 39,52zł"},
        {{.birth = "1945-05-10", .baseIndexMode = 1, .base = "2822,66", .yearsS = "30", .baseIndex = "120,5"},
         "Emerytura m-c: 2 003,95zł"},
        // Born after 1968 with early retirement: the old system, then the new-system projection,
        // whose figure at 65 replaces the old-system one.
        {{.birth = "1970-01-01", .start = "1991-01-01", .early = 1, .base = "2822,66", .yearsS = "10"},
         "575,28zł"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pension);
        const ZusRun run = RunZus(c.in);
        EXPECT_EQ(run.Text("LabelMiesiecznaEmerytura"), c.pension);
        EXPECT_EQ(run.Text("LabelPodstawaKapitalu"), "Kwota bazowa");
        EXPECT_EQ(run.outcome.Projected, c.in.early == 1);
        EXPECT_EQ(run.messages, "");
    }
}

TEST(ZusProjection, BadInputGetsItsMessage) {
    const char* kYears = "Błędnie napisana liczba lat składkowych";
    const char* kMonths = "Liczba miesięcy nie może być > od 11";
    const char* k209 = "Średni czas życia nie może być <= 0 - liczę dla 209 miesięcy";
    struct Case {
        const char* label;
        ZusFields in;
        const char *messages, *pension67;  // nullptr: no projection
    } cases[] = {
        {"start before birth",
         {.start = "1950-01-01"},
         "Data urodzenia jest starsza od daty podjęcia pracy - popraw"},
        {"start at 5",
         {.start = "1957-12-18"},
         "Nie masz jeszcze 6-ciu lat, a przedszkolaki nie pracują zarobkowo ???? "},
        {"start at 13", {.start = "1965-12-18"}, "Bardzo wcześnie zacząłeś pracować, a co ze szkołą"},
        {"start hidden: not checked", {.start = "1950-01-01", .startShown = false}, "", "333,60zł"},
        {"letters", {.capitalMode = 1, .yearsS = "abc"}, kYears, "333,60zł"},
        {"point",
         {.capitalMode = 1, .yearsS = "1.5", .monthsN = "-2"},
         "Błędnie napisana liczba lat składkowych|Błędnie napisana liczba miesięcy nieskładkowych",
         "333,60zł"},
        {"negative years",
         {.capitalMode = 1, .yearsN = "-3"},
         "Błędnie napisana liczba lat nieskładkowych",
         "333,60zł"},
        {"empty periods count 0", {.capitalMode = 1, .yearsS = "", .monthsS = ""}, "", "333,60zł"},
        {"months 12",
         {.capitalMode = 1, .monthsS = "12", .monthsN = "x"},
         "Liczba miesięcy nie może być > od 11|Błędnie napisana liczba miesięcy nieskładkowych"},
        {"old system months", {.birth = "1940-01-01", .monthsN = "15"}, kMonths},
        {"life expectancy 0", {.capital1999 = "50000", .life = "0"}, k209, "562,78zł"},
        {"life expectancy -5, computed", {.capitalMode = 1, .yearsS = "20", .life = "-5"}, k209, "843,28zł"},
        {"life expectancy empty",
         {.birth = "1975-06-30", .start = "1995-06-30", .life = ""},
         k209,
         "671,67zł"},
        {"start after retirement",
         {.birth = "1975-06-30", .start = "2041-01-01"},
         kStartAfterRetirement.data()},
        {"unreadable capital",
         {.birth = "1975-06-30", .start = "1995-06-30", .capital = "12 345,67"},
         "Błędnie napisana liczba(separator lub wartość)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const ZusRun run = RunZus(c.in);
        EXPECT_EQ(run.messages, c.messages);
        EXPECT_EQ(run.outcome.Projected, c.pension67 != nullptr);
        EXPECT_EQ(run.Text("LabelMiesiecznaEmerytura67"), c.pension67 ? c.pension67 : "");
        for (const auto& [name, text] : run.texts) {
            EXPECT_EQ(text.find("nan"), std::string::npos) << name;
            EXPECT_EQ(text.find("inf"), std::string::npos) << name;
        }
    }
    EXPECT_EQ(RunZus({.capitalMode = 1, .yearsS = "abc"}).Text("EditLataSkladkowy"), "0");
    EXPECT_EQ(
        RunZus({.birth = "1975-06-30", .start = "1995-06-30", .capital = "x"}).Text("EditKapitalPoczatkowy"),
        "0,00");
    EXPECT_EQ(ConversionErrorText([] { RunZus({.salary = "1.5"}); }),
              "'1.5' is not a valid floating point value");
}

}  // namespace
}  // namespace tolvex::testing
