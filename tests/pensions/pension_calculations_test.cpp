// The ZUS pension, its index tables, the pension-fund projections and the printouts, over
// plain fields.
#include <gtest/gtest.h>

#include "core/amount/amount.h"
#include "core/report/recording_canvas.h"
#include "pensions/fund_projection.h"
#include "pensions/pension_printouts.h"
#include "pensions/zus_pension.h"
#include "support/conversion_error_text.h"
#include "support/field_list.h"

// Tables name only the fields that differ from the start-up values.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace tolvex::testing {
namespace {

struct ZusFields {
    std::string birth = "1952-12-18", start = "1976-12-21";
    int capitalMode = 0, baseIndexMode = 0, early = 0;
    std::string capital1999 = "0,00", capital = "0,00", base = "1220,89";
    std::string yearsS = "0", monthsS = "0", yearsN = "0", monthsN = "0";
    std::string life = "202,7", baseIndex = "100";
    bool startShown = true;
};

struct ZusRun {
    MapFieldSource source;
    TextFields fields{source};
    ZusOutcome outcome;
    std::string messages;  // joined by "|"

    explicit ZusRun(const ZusFields& in) {
        // clang-format off
        source.texts = {{"DateTimeDataUrodzenia", in.birth}, {"DateTimeDataRozpoczeciaPracy", in.start},
                        {"EditKapitalPoczatkowy1999", in.capital1999}, {"EditKapitalPoczatkowy", in.capital},
                        {"EditKapitalPoczatkowy_mc", "0,00"}, {"EditPodstawaKapitalu", in.base},
                        {"EditLataSkladkowy", in.yearsS}, {"EditMcSkl", in.monthsS}, {"EditLataNieSkl", in.yearsN},
                        {"EditMcNieSkl", in.monthsN}, {"EditSredniCzasZycia", in.life}, {"EditPlacaBruttoZus", "1800"}};
        source.choices = {{"RadioGroupPlec2", 0}, {"RadioGroupKapitalPoczatkowy", in.capitalMode},
                          {"RadioGroupWskaznikPodstawy", in.baseIndexMode}, {"RadioGroupCzyOFEII", 0},
                          {"Inflacja", 0}, {"RadioGroupWaloryzacja", 0}, {"CheckBoxWczesnaEmerytura", in.early}};
        // clang-format on
        CalculateZusPension(fields, {.startOfWorkShown = in.startShown, .baseIndex = in.baseIndex}, outcome);
        for (const std::string& m : fields.Messages()) messages += (messages.empty() ? "" : "|") + m;
    }
};

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
    // The man of the reference cases has A = 46 and WP = 75,63, and the woman starts in 1995.
    EXPECT_EQ(AgeIn1998(D("1952-01-18"), D("1976-12-21")), 47);  // 11 months later
    EXPECT_EQ(AgeIn1998(D("1952-12-18"), D("1977-01-05")), 47);  // a negative difference
    EXPECT_EQ(ServiceYears(20, 2, 7, 0), 23);
    EXPECT_EQ(ServiceYears(20, 2, 10, 9), 24);
    for (const auto& [year, p1] : {std::pair{1999, 12}, {2005, 7}, {2015, 1}})
        EXPECT_EQ(FirstPhaseYears(year), p1);
    EXPECT_EQ(FormatDate(TwentyYearsOn(D("1880-02-29"))), "1900-02-28");
}

TEST(ZusProjection, PensionsAndBadInput) {
    const char* k209 = "Średni czas życia nie może być <= 0 - liczę dla 209 miesięcy";
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
        const ZusRun run(c.in);
        EXPECT_EQ(run.messages, c.messages);
        EXPECT_EQ(c.pension ? run.fields.Written("LabelMiesiecznaEmerytura") : "",
                  c.pension ? c.pension : "");
        EXPECT_EQ(run.outcome.Projected, c.pension67 != nullptr);
        EXPECT_EQ(run.fields.Written("LabelMiesiecznaEmerytura67"), c.pension67 ? c.pension67 : "");
        for (const Effect& e : run.fields.Effects())
            EXPECT_TRUE(e.text.find("nan") == std::string::npos && e.text.find("inf") == std::string::npos)
                << e.name;
    }
    EXPECT_EQ(ZusRun({.capitalMode = 1, .yearsS = "abc"}).fields.Written("EditLataSkladkowy"), "0");
    EXPECT_EQ(ZusRun({.birth = "1975-06-30", .start = "1995-06-30", .capital = "x"})
                  .fields.Written("EditKapitalPoczatkowy"),
              "0,00");
}

// ---- index tables ------------------------------------------------------------------------

std::vector<SalaryGridRow> Rows(int n, const char* firstYear = "") {
    std::vector<SalaryGridRow> rows(static_cast<size_t>(n));
    rows[0].year = firstYear;
    return rows;
}

TEST(SalaryIndex, FirstYearFillsYearsAndAverages) {
    const AverageSalaryTable table = BuiltInAverageSalaries();
    struct Case {
        int n;
        const char* first;
        bool filled;
        const char *year2, *average1, *average9, *averageLast;
    } cases[] = {
        {20, "2002", true, "2003", "25598,52", "38699,76", "40794,24"},  // 2010, then 2011 for good
        {10, "1950", true, "1951", "6612", "16176", "17436"},
        {10, "2003", true, "2004", "", "", ""},  // not looked up: averages stay
        {10, "", false, "", "", "", ""},
        {10, "20o2", false, "", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.n) + " / " + c.first);
        std::vector<SalaryGridRow> rows = Rows(c.n, c.first);
        EXPECT_EQ(FillSalaryYears(rows, table), c.filled);
        EXPECT_EQ(std::tuple(rows[1].year, rows[0].average, rows[8].average, rows.back().average),
                  std::tuple(c.year2, c.average1, c.average9, c.averageLast));
    }
}

// Doubled salaries (200) are checked through the dialog.
TEST(SalaryIndex, BaseIndexOf20RowsAndBadCells) {
    std::vector<SalaryGridRow> rows = Rows(10);
    EXPECT_EQ(ComputeBaseIndex(rows), 100) << "empty salaries are the averages";
    rows = Rows(20);
    rows[0] = {"", "3000", "2000"};  // 150 % once, 100 % nineteen times
    EXPECT_EQ(ComputeBaseIndex(rows), 102.5);
    rows = Rows(10);
    rows[0].average = "1000";
    rows[3] = {"", "1.5", "1000"};
    EXPECT_EQ(ConversionErrorText([&] { ComputeBaseIndex(rows); }),
              "'1.5' is not a valid floating point value");
    EXPECT_EQ(rows[0].salary, "1000");  // rows before the bad one keep their copies
    rows[3] = {"", "1000", "0"};
    EXPECT_EQ(ConversionErrorText([&] { ComputeBaseIndex(rows); }), kAverageNotPositive);
}

// How the grid is filled for a person is checked with the whole projections and the dialog.
TEST(Valorization, StoreAndLookup) {
    std::vector<std::pair<std::string, std::string>> rows = {{"1999", "115,6"}, {"2000", ""}, {"2001", "0"}};
    ValorizationTable table;
    EXPECT_EQ(table.Index(1), 100);  // never stored
    table.Store(ReadValorizationRows(rows));
    EXPECT_EQ(std::vector<double>({table.Index(1), table.Index(2), table.Index(3), table.Index(4)}),
              std::vector<double>({115.6, 100, 0, 100}));
    rows[2].second = "abc";
    EXPECT_EQ(ConversionErrorText([&] { ReadValorizationRows(rows); }),
              "'abc' is not a valid floating point value");
    rows[2] = {"x", "1"};
    EXPECT_EQ(ConversionErrorText([&] { ReadValorizationRows(rows); }), "'x' is not a valid integer value");
}

// ---- pension funds ---------------------------------------------------------------------

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
            Fill(source, list);
        error = ConversionErrorText([&] {
            grid = third ? ProjectThirdPillar(fields, secondPage, rows) : ProjectSecondPillar(fields, rows);
        });
    }
    std::string Column(size_t c) const {
        std::string out;
        for (size_t r = 1; r < grid.size(); ++r) out += (r > 1 ? " " : "") + grid[r][c];
        return out;
    }
};

// Worked out by hand from the rules, a year at a time as the grid shows it. A projection that
// stops leaves the rows of the last one that finished (Capital[1] = 7 here).
TEST(FundProjection, CasesAndBadInputs) {
    const char* const kNone = "(no error)";
    const struct {
        bool third;
        const char* changes;
        size_t column;  // of the grid's year rows, joined; or of one `row`
        int row;
        const char *cells, *pension;                      // cells nullptr: not checked
        const char *error = "(no error)", *message = "";  // kNone
    } cases[] = {
        // 12 x (1000 - 1500) x 7,3 %: negative contributions, a negative pension.
        {false, "WynagrodzenieBrutto=1000;EditKosztyUzyskPrzychodu=1500", 3, 1, "-438", "-270 zł"},
        // Phase 2 recomputes year 1 and runs to year 3, where phase 3 begins.
        {false, "DateTimeRokRozpoczecia=2015-01-01", 5, 1, "2,3", "579 zł"},
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
        {false, "EditKosztyUzyskPrzychodu=250 zł", 0, 0, nullptr, nullptr, kNone,
         "Koszty uzyskania przychodu w zakładce \"Płace\" nie są liczbą"},
        {false, "WynagrodzenieBrutto=", 0, 0, nullptr, nullptr, "'' is not a valid floating point value"},
        {false, "Zysk=abc", 0, 0, nullptr, nullptr, "'abc' is not a valid floating point value"},
        // Spin values stay within their range, so 1E300 % is 100 %: the salary doubles each year.
        {false, "WynagrodzenieBrutto=1E300;Wzrost=1E300", 0, 0, nullptr, nullptr, kOutOfRangeMessage.data()},
        {true, "SkladkaSrednia=1E300;ZyskFE=500", 0, 0, nullptr, nullptr, kOutOfRangeMessage.data()},
        {true, "KwotaPoczatkowa=x", 0, 0, nullptr, nullptr, "'x' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.changes);
        FundProjectionRows rows;
        rows.EnsureYear(1);
        rows.Capital[1] = 7;
        const Projection run(c.third, c.changes, rows);
        EXPECT_EQ(run.error, c.error);
        const auto messages = run.fields.Messages();
        EXPECT_EQ(messages.empty() ? "" : messages.front(), std::string(c.message));
        EXPECT_EQ(rows.Capital[1] == 7, run.error != kNone);
        if (!c.cells) continue;
        EXPECT_EQ(c.row ? run.grid.at(c.row).at(c.column) : run.Column(c.column), c.cells);
        EXPECT_EQ(run.fields.Written(c.third ? "MiesiecznaEmerytura1" : "MiesiecznaEmerytura"), c.pension);
    }
}

// ---- printouts --------------------------------------------------------------------------

using Kind = RecordingCanvas::Call::Kind;

FundProjectionRows RowsOf(int years) {
    FundProjectionRows rows;
    rows.EnsureYear(years);
    return rows;
}

RecordingCanvas Printed(const PensionReport& report) {
    RecordingCanvas canvas;
    ReportPrinter printer(canvas);
    PrintPensionReport(printer, report);
    return canvas;
}

// The reports of the pages' own projections are checked through the pages.
class FundReportTest : public ::testing::Test {
  protected:
    MapFieldSource source;
    void SetUp() override {
        Fill(source, "RadioGroupPlec:0;TrackBarWiek:40;RadioGroupPlec1:1;TrackBarWiek1:40");
    }
    PensionReport Prepare(Pillar pillar, const FundProjectionRows& rows) {
        TextFields fields(source);
        return PrepareFundReport(pillar, fields, 2005, rows);
    }
};

TEST_F(FundReportTest, TableStopsAtTheRetirementAgeNotAt67) {
    // Joining at 40, a woman gets 60 − 40 + 1 rows and a man 65 − 40 + 1, never more than held.
    const std::tuple<Pillar, int, int, size_t> cases[] = {
        {Pillar::Second, 1, 27, 21}, {Pillar::Third, 0, 27, 26}, {Pillar::Second, 0, 10, 10}};
    for (const auto& [pillar, woman, held, printed] : cases) {
        source.choices[pillar == Pillar::Second ? "RadioGroupPlec" : "RadioGroupPlec1"] = woman;
        EXPECT_EQ(Prepare(pillar, RowsOf(held)).table.size(), printed + 1) << held;
    }
}

TEST_F(FundReportTest, CommissionThatIsNoNumberStopsBeforeTheJob) {
    source.texts["Prowizja"] = "abc";
    EXPECT_EQ(ConversionErrorText([&] { Prepare(Pillar::Second, RowsOf(27)); }),
              "'abc' is not a valid floating point value");
}

TEST_F(FundReportTest, LongTableBreaksPagesAndNoLineFallsOffThePaper) {
    // Around a page's worth of rows, the section gaps must never push a heading off the paper.
    source.choices["TrackBarWiek"] = 15;
    for (int held = 20; held <= 51; ++held) {
        const RecordingCanvas p = Printed(Prepare(Pillar::Second, RowsOf(held)));
        for (const auto& c : p.Drawn()) ASSERT_LT(c.y, p.pageHeight) << held << " " << c.text;
        EXPECT_EQ(p.Count(Kind::EndDocument), 1);
    }
    EXPECT_EQ(Printed(Prepare(Pillar::Second, RowsOf(53))).Pages(), 2);
}

class ZusReportTest : public ::testing::Test {
  protected:
    MapFieldSource source;
    ZusGrid grid;
    void SetUp() override {
        Fill(source,
             "DateTimeDataUrodzenia=1968-12-31;EditSredniCzasZycia=200;EditLataSkladkowy=10;EditMcSkl=4;"
             "EditLataNieSkl=1;EditMcNieSkl=9;EditPlacaBruttoZus=3000;EditKapitalPoczatkowy=8 000,00;"
             "LabelSredniaWaloryzacja=Waloryzacja skł. ZUS o 7,73%;EditKapitalPoczatkowy_mc=40,00;"
             "LabelMiesiecznaEmerytura=2 000,00zł;RadioGroupPlec2:0;CheckBoxWczesnaEmerytura:0;"
             "RadioGroupCzyOFEII:0;Inflacja:3;RadioGroupKapitalPoczatkowy:1;RadioGroupWskaznikPodstawy:0;"
             "RadioGroupWaloryzacja:0");
        // Year 3 holds the last capital; year 4 is a row the retirement year cut.
        grid.Rows = {{"1", "1999", "3000", "4039,2", "4343,76", "8 000,00", "40,00"},
                     {"2", "2000", "3060", "8159,18", "", "", ""},
                     {"3", "2001", "3121,2", "12361,57", "40000", "8 000,00", "40,00"},
                     {"4", "2002", "", "", "", "", ""}};
    }
    std::optional<PensionReport> Prepare(std::string_view baseIndex = "100") {
        TextFields fields(source);
        return PrepareZusReport(fields, grid, baseIndex);
    }
    std::vector<std::string> Lines() {
        const auto report = Prepare("120,5");
        EXPECT_TRUE(report);
        std::vector<std::string> lines = report->afterTable;
        lines.insert(lines.end(), report->inputLines.begin(), report->inputLines.end());
        lines.insert(lines.end(), report->outputLines.begin(), report->outputLines.end());
        return lines;
    }
};

TEST_F(ZusReportTest, TitleByBirthAndEarlyRetirementAndRowsWithoutCapitalPrintNothing) {
    const char* old = "WYNIKI OBLICZEŃ EMERYTURY DLA URODZONYCH PRZED 01.01.1949 R. LUB WCZESNA EMERYTURA";
    const char* between = "WYNIKI OBLICZEŃ EMERYTURY ZUS DLA URODZONYCH POMIĘDZY 1949 A 1969 ROKIEM";
    const std::tuple<const char*, int, const char*> cases[] = {
        {"1948-12-31", 0, old},
        {"1949-01-01", 0, between},
        {"1949-01-01", 1, old},
        {"1968-12-31", 1, old},
        {"1969-01-01", 1, "WYNIKI OBLICZEŃ EMERYTURY ZUS DLA URODZONYCH PO 1968 ROKU"},
        {"1968-12-31", 0, between},  // the fixture's, printed below
    };
    for (const auto& [birth, early, title] : cases) {
        source.texts["DateTimeDataUrodzenia"] = birth;
        source.choices["CheckBoxWczesnaEmerytura"] = early;
        EXPECT_EQ(Prepare()->title, title) << birth << early;
    }
    const RecordingCanvas p = Printed(*Prepare());
    const auto t = p.DrawnTexts();
    EXPECT_EQ(std::vector<std::string>(t.begin() + 1, t.begin() + 9),
              (std::vector<std::string>{"LP", "LATA", "PŁACA(zł)", "SKŁADKI(zł)", "KAPITAŁ(zł)",
                                        "KAP. POCZ.(zł)", "KAP. POCZ./MC(zł)", "1"}));
    // Rows 2 and 4 draw nothing but still take their line: row 3 sits two row steps below row 1.
    EXPECT_EQ(t.at(15) + "|" + t.at(22), "3|Emerytura ze składek = 200");
    EXPECT_EQ(p.Drawn()[15].y - p.Drawn()[8].y, 2 * 120);
}

TEST_F(ZusReportTest, LinesOfTheBetweenVariant) {
    EXPECT_EQ(
        Lines(),
        (std::vector<std::string>{
            "Emerytura ze składek = 200",
            "Na składkę emerytalną przekazywane jest z płacy brutto : 11,22% do 1 V 2011r. i 16,22% "
            "po tym okresie",
            "Płeć :Mężczyzna", "Data urodzenia: 1968-12-31",
            "Średni okres trwania dalszego życia :200 miesięcy", "Okres składkowy: 10 lat(a) i 4 miesięcy",
            "Okres nieskładkowy: 1 lat(a) i 9 miesięcy", "Startowe wynagrodzenie brutto : 3000 zł",
            "Roczny przyrost płacy: 3%", "Wskaźnik podstawy kapitału : 100%",
            "Składki i kapitał nie są waloryzowane", "Całkowity kapitał początkowy: 8 000,00zł",
            "Kapitał początkowy/m-c: 40,00", "Emerytura ze składek: 200zł", "2 000,00zł"}));
}

TEST_F(ZusReportTest, LinesThatDependOnTheChoices) {
    // Beside the lines each choice brings, the count of lines shows which ones it leaves out.
    const std::tuple<const char*, size_t, std::vector<std::string>> cases[] = {
        {"DateTimeDataUrodzenia=1960-01-01;RadioGroupCzyOFEII:1;RadioGroupWskaznikPodstawy:1;"
         "RadioGroupWaloryzacja:2",
         15,
         {"Na składkę emerytalną przekazywane jest z płacy brutto : 18,52%",
          "Wskaźnik podstawy kapitału : 120,5",
          "Składki i kapitał są waloryzowane wg średniej waloryzacji z lat 1999-2010: Waloryzacja skł. ZUS o "
          "7,73%"}},
        {"DateTimeDataUrodzenia=1960-01-01;RadioGroupKapitalPoczatkowy:0;RadioGroupWaloryzacja:1;"
         "RadioGroupPlec2:1",
         13,
         {"Składki i kapitał są waloryzowane wskaźnikiem waloryzacji za każdy rok", "Płeć :Kobieta"}},
        {"DateTimeDataUrodzenia=1975-06-30;RadioGroupCzyOFEII:1;RadioGroupWaloryzacja:2",
         9,
         {"Na składkę emerytalną przekazywane jest z płacy brutto : 11,22% do 1 V 2011r. i 16,22% po tym "
          "okresie",
          "Składki są waloryzowane wg średniej waloryzacji z lat 1999-2008: Waloryzacja skł. ZUS o 7,73%"}},
        {"DateTimeDataUrodzenia=1975-06-30;RadioGroupWaloryzacja:0", 9, {"Składki nie są waloryzowane"}},
        {"DateTimeDataUrodzenia=1975-06-30;RadioGroupWaloryzacja:1",
         9,
         {"Składki są waloryzowane wskaźnikiem waloryzacji za każdy rok"}},
    };
    for (const auto& [changes, count, present] : cases) {
        SetUp();
        Fill(source, changes);
        const auto lines = Lines();
        EXPECT_EQ(lines.size(), count) << changes;
        for (const std::string& line : present)
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << changes << " " << line;
    }
}

// Early retirement takes the same report (the titles above).
TEST_F(ZusReportTest, OldSystemReportUsesLataI) {
    source.texts["DateTimeDataUrodzenia"] = "1945-05-10";
    source.texts["LabelMiesiecznaEmerytura"] = "Emerytura m-c: 1 830,03zł";
    const auto t = Printed(*Prepare()).DrawnTexts();
    EXPECT_EQ(std::vector<std::string>(t.begin() + 1, t.end()),
              (std::vector<std::string>{
                  "Płeć :Mężczyzna", "Data urodzenia: 1945-05-10", "Okres składkowy: 10 lata i 4 miesięcy",
                  "Okres nieskładkowy: 1 lata i 9 miesięcy", "Emerytura m-c: 1 830,03zł"}));
}

TEST_F(ZusReportTest, PensionFromContributionsAndBadInput) {
    // E = last capital / life expectancy to the grosz; 0 or less counts 209 months, as the
    // calculation does, so there is no division by zero: 40000 / 209 = 191,387…
    const std::pair<const char*, const char*> cases[] = {
        {"300", "133,33"}, {"0", "191,39"}, {"", "191,39"}, {"-5", "191,39"}};
    for (const auto& [life, pension] : cases) {
        source.texts["EditSredniCzasZycia"] = life;
        EXPECT_EQ(Prepare()->afterTable.front(), "Emerytura ze składek = " + std::string(pension)) << life;
    }
    source.texts["EditSredniCzasZycia"] = "1.5";
    EXPECT_EQ(ConversionErrorText([&] { Prepare(); }), "'1.5' is not a valid floating point value");
    source.texts["EditSredniCzasZycia"] = "200";
    source.texts["DateTimeDataUrodzenia"] = "1960-02-30";
    EXPECT_EQ(ConversionErrorText([&] { Prepare(); }), "'1960-02-30' is not a valid date");
    source.texts["DateTimeDataUrodzenia"] = "1960-02-29";
    for (auto& row : grid.Rows) row[4].clear();
    EXPECT_FALSE(Prepare()) << "no capital in the grid: nothing to print";
}

}  // namespace
}  // namespace tolvex::testing
