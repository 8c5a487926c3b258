#include "pensions/zus_pension.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "core/amount/amount.h"

// Tables name only the fields that differ from the start-up values.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace tolvex::testing {
namespace {

struct ZusFields {
    std::string birth = "1952-12-18", start = "1976-12-21";
    int sex = 0, capitalMode = 0, baseIndexMode = 0, secondPillar = 0, growth = 0, valorization = 0,
        early = 0;
    std::string capital1999 = "0,00", capital = "0,00", base = "1220,89";
    std::string yearsS = "0", monthsS = "0", yearsN = "0", monthsN = "0";
    std::string life = "202,7", salary = "1800", baseIndex = "100", valorizationLabel = "Waloryzacja 0%";
    bool startShown = true;
};

struct ZusRun {
    std::map<std::string, std::string> texts;  // every field's text after the run
    std::map<std::string, bool> visible;       // last visibility set per control
    std::string messages;                      // joined by "|"
    ZusOutcome outcome;
    std::string Text(const std::string& name) const {
        auto it = texts.find(name);
        return it == texts.end() ? "" : it->second;
    }
};

ZusRun RunZus(const ZusFields& in, const ValorizationTable* table = nullptr) {
    MapFieldSource source;
    // clang-format off
    source.texts = {{"DateTimeDataUrodzenia", in.birth}, {"DateTimeDataRozpoczeciaPracy", in.start},
                    {"EditKapitalPoczatkowy1999", in.capital1999}, {"EditKapitalPoczatkowy", in.capital},
                    {"EditKapitalPoczatkowy_mc", "0,00"}, {"EditPodstawaKapitalu", in.base},
                    {"EditLataSkladkowy", in.yearsS}, {"EditMcSkl", in.monthsS}, {"EditLataNieSkl", in.yearsN},
                    {"EditMcNieSkl", in.monthsN}, {"EditSredniCzasZycia", in.life},
                    {"EditPlacaBruttoZus", in.salary}, {"LabelSredniaWaloryzacja", in.valorizationLabel}};
    source.choices = {{"RadioGroupPlec2", in.sex}, {"RadioGroupKapitalPoczatkowy", in.capitalMode},
                      {"RadioGroupWskaznikPodstawy", in.baseIndexMode}, {"RadioGroupCzyOFEII", in.secondPillar},
                      {"Inflacja", in.growth}, {"RadioGroupWaloryzacja", in.valorization},
                      {"CheckBoxWczesnaEmerytura", in.early}};
    // clang-format on
    TextFields fields(source);
    const ZusInputs inputs{
        .startOfWorkShown = in.startShown, .baseIndex = in.baseIndex, .valorization = table};
    ZusRun run;
    run.texts.insert(source.texts.begin(), source.texts.end());
    CalculateZusPension(fields, inputs, run.outcome);
    for (const Effect& e : fields.Effects()) {
        if (e.kind == Effect::Kind::Text) run.texts[e.name] = e.text;
        if (e.kind == Effect::Kind::Visible) run.visible[e.name] = e.visible;
        if (e.kind == Effect::Kind::Message)
            run.messages += (run.messages.empty() ? "" : "|") + e.message.text;
    }
    return run;
}

const auto D = [](const char* text) { return ParseDate(text); };

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

// The whole projections of a man born 1952-12-18 (initial capital computed) and a woman born
// 1975-06-30 (new system, capital typed 8000,00), each in the three valorization modes. Their
// expected texts were worked out independently of this code by reference/zus_reference.py:
// exact rational arithmetic rounded as the program rounds (80-bit intermediates, doubles where
// a value is stored, the program's rounding rule and formats). Its output
// reference/zus_reference.txt, every field and grid cell, is the table compared here.
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

TEST(ZusProjection, PensionsAndBadInput) {
    const char* k209 = "Średni czas życia nie może być <= 0 - liczę dla 209 miesięcy";
    const char* kSkl = "Błędnie napisana liczba lat składkowych";
    const ZusFields old{.birth = "1945-05-10", .base = "2822,66"};
    struct Case {
        const char* label;
        ZusFields in;
        const char *messages, *pension, *pension67;  // nullptr: not computed
    } cases[] = {
        // clang-format off
        // The old system: 24 % of the base amount only with contributory years.
        {"old", {.birth = old.birth, .base = old.base, .yearsS = "30", .monthsS = "4", .yearsN = "2"}, "",
         "Emerytura m-c: 1 830,03zł"},
        {"old, no contributory years", {.birth = old.birth, .base = old.base, .yearsN = "2"}, "",
         "Emerytura m-c: 39,52zł"},
        {"old, W 120,5", {.birth = old.birth, .baseIndexMode = 1, .base = old.base, .yearsS = "30", .baseIndex = "120,5"},
         "", "Emerytura m-c: 2 003,95zł"},
        // Early retirement after 1968: the old system, then the new system's figure replaces it.
        {"early", {.birth = "1970-01-01", .start = "1991-01-01", .early = 1, .yearsS = "10"}, "", "575,28zł", "608,79zł"},
        {"start before birth", {.start = "1950-01-01"}, "Data urodzenia jest starsza od daty podjęcia pracy - popraw"},
        {"start at 5", {.start = "1957-12-18"}, "Nie masz jeszcze 6-ciu lat, a przedszkolaki nie pracują zarobkowo ???? "},
        {"start at 13", {.start = "1965-12-18"}, "Bardzo wcześnie zacząłeś pracować, a co ze szkołą"},
        {"start hidden: not checked", {.start = "1950-01-01", .startShown = false}, "", nullptr, "333,60zł"},
        {"letters", {.capitalMode = 1, .yearsS = "abc"}, kSkl, nullptr, "333,60zł"},
        {"point, negative", {.capitalMode = 1, .yearsS = "1.5", .yearsN = "-3"},
         "Błędnie napisana liczba lat składkowych|Błędnie napisana liczba lat nieskładkowych", nullptr, "333,60zł"},
        {"empty periods count 0", {.capitalMode = 1, .yearsS = "", .monthsS = ""}, "", nullptr, "333,60zł"},
        {"months 12", {.capitalMode = 1, .monthsS = "12", .monthsN = "x"},
         "Liczba miesięcy nie może być > od 11|Błędnie napisana liczba miesięcy nieskładkowych"},
        {"old, months 15", {.birth = old.birth, .monthsN = "15"}, "Liczba miesięcy nie może być > od 11"},
        {"life expectancy 0", {.capital1999 = "50000", .life = "0"}, k209, nullptr, "562,78zł"},
        {"life expectancy -5, computed: the capital keeps the formula", {.capitalMode = 1, .yearsS = "20", .life = "-5"}, k209, nullptr,
         "311,11zł"},
        {"life expectancy empty", {.birth = "1975-06-30", .start = "1995-06-30", .life = ""}, k209, nullptr, "671,67zł"},
        {"start after retirement", {.birth = "1975-06-30", .start = "2041-01-01"}, kStartAfterRetirement.data()},
        {"unreadable capital", {.birth = "1975-06-30", .start = "1995-06-30", .capital = "12 345,67"},
         "Błędnie napisana liczba(separator lub wartość)"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const ZusRun run = RunZus(c.in);
        EXPECT_EQ(run.messages, c.messages);
        if (c.pension) {
            EXPECT_EQ(run.Text("LabelMiesiecznaEmerytura"), c.pension);
        }
        EXPECT_EQ(run.outcome.Projected, c.pension67 != nullptr);
        EXPECT_EQ(run.Text("LabelMiesiecznaEmerytura67"), c.pension67 ? c.pension67 : "");
        for (const auto& [name, text] : run.texts)
            EXPECT_TRUE(text.find("nan") == std::string::npos && text.find("inf") == std::string::npos)
                << name;
    }
    EXPECT_EQ(RunZus({.capitalMode = 1, .yearsS = "abc"}).Text("EditLataSkladkowy"), "0");
    EXPECT_EQ(
        RunZus({.birth = "1975-06-30", .start = "1995-06-30", .capital = "x"}).Text("EditKapitalPoczatkowy"),
        "0,00");
}

}  // namespace
}  // namespace tolvex::testing
