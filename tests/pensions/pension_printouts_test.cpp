#include "pensions/pension_printouts.h"

#include <gtest/gtest.h>

#include "core/report/recording_canvas.h"
#include "support/conversion_error_text.h"

namespace tolvex::testing {
namespace {

using Kind = RecordingCanvas::Call::Kind;

// Rows of a projection with recognisable numbers: year k pays 100·k and holds 1000·k.
FundProjectionRows RowsOf(int years) {
    FundProjectionRows rows;
    rows.EnsureYear(years);
    for (int k = 1; k <= years; ++k) {
        rows.Salary[k] = 2000 + k;
        rows.Paid[k] = 100.0 * k;
        rows.Capital[k] = 1000.0 * k + 0.5;
    }
    return rows;
}

struct Printed {
    RecordingCanvas canvas;
    explicit Printed(const PensionReport& report) {
        ReportPrinter printer(canvas);
        PrintPensionReport(printer, report);
    }
    std::vector<std::string> Texts() const { return canvas.DrawnTexts(); }
    bool Drew(const std::string& text) const {
        const auto t = Texts();
        return std::find(t.begin(), t.end(), text) != t.end();
    }
    int XOf(const std::string& text) const {
        for (const auto& c : canvas.Drawn())
            if (c.text == text) return c.x;
        return -1;
    }
};

class FundReportTest : public ::testing::Test {
  protected:
    MapFieldSource source;
    void SetUp() override {
        source.texts = {{"WynagrodzenieBrutto", "2500"},
                        {"Zysk", "5"},
                        {"Wzrost", "3"},
                        {"UstawionyOkres", "20 lat"},
                        {"Kapital", "Kapitał 178 920 zł"},
                        {"MiesiecznaEmerytura", "738 zł"},
                        {"Prowizja", "4"},
                        {"ZyskFE", "6"},
                        {"InflacjaRoczna", "3"},
                        {"UstawionyOkres1", "15 lat"},
                        {"Kapital1", "Kapitał 99 313 zł"},
                        {"MiesiecznaEmerytura1", "541 zł"},
                        {"ProwizjaFE", "8"}};
        source.choices = {
            {"RadioGroupPlec", 0}, {"TrackBarWiek", 40}, {"RadioGroupPlec1", 1}, {"TrackBarWiek1", 40}};
    }
    PensionReport Prepare(Pillar pillar, const FundProjectionRows& rows, int firstYear = 2005) {
        TextFields fields(source);
        return PrepareFundReport(pillar, fields, firstYear, rows);
    }
};

TEST_F(FundReportTest, TableStopsAtTheRetirementAgeNotAt67) {
    // A man joining at 40 is projected for 27 years (to 67) but 65 − 40 + 1 rows are printed;
    // a woman of the third pillar 60 − 40 + 1. Rows never run past what the projection holds.
    const std::tuple<Pillar, int, int, size_t> cases[] = {
        {Pillar::Second, 0, 27, 26}, {Pillar::Second, 1, 27, 21}, {Pillar::Third, 1, 21, 21},
        {Pillar::Third, 0, 26, 26},  {Pillar::Second, 0, 10, 10},
    };
    for (const auto& [pillar, woman, held, printed] : cases) {
        source.choices[pillar == Pillar::Second ? "RadioGroupPlec" : "RadioGroupPlec1"] = woman;
        const PensionReport report = Prepare(pillar, RowsOf(held));
        EXPECT_EQ(report.table.size(), printed + 1) << held;
    }
}

TEST_F(FundReportTest, SecondPillarReportLineByLine) {
    const Printed p(Prepare(Pillar::Second, RowsOf(27)));
    const auto t = p.Texts();
    EXPECT_EQ(t.front(), "WYNIKI OBLICZEŃ EMERYTURY II FILAR");
    EXPECT_EQ(std::vector<std::string>(t.begin() + 1, t.begin() + 7),
              (std::vector<std::string>{"LP", "LATA", "PŁACA BR.(zł)", "WPŁATY(zł)", "KAPITAŁ(zł)",
                                        "PROWIZJA(%)"}));
    // Row 26: year 2005 − 1 + 26, salary in the general format, money and commission with 2 decimals.
    const auto row26 = std::find(t.begin(), t.end(), "26");
    ASSERT_NE(row26, t.end());
    EXPECT_EQ(std::vector<std::string>(row26, row26 + 6),
              (std::vector<std::string>{"26", "2030", "2026", "2 600,00", "26 000,50", "4,00"}));
    EXPECT_EQ(std::vector<std::string>(t.end() - 8, t.end()),
              (std::vector<std::string>{"   DANE WEJŚCIOWE DO OBLICZEŃ ", "   Wynagrodzenie brutto : 2500 zł",
                                        "   Realny zysk w skali roku OFE: 5%",
                                        "   Wzrost wynagrodzenia w skali roku: 3%",
                                        "   Okres w latach pobierania emerytury: 20 lat", "  DANE WYJŚCIOWE",
                                        "  Zebrany kapitał:  178 920 zł", "   Wysokość emerytury: 738 zł"}));
    EXPECT_FALSE(p.Drew("27"));
    EXPECT_EQ(p.canvas.Count(Kind::ProcessMessages), 1 + 26) << "after the document begins, then every row";
}

TEST_F(FundReportTest, ThirdPillarHasNoSalaryColumnAndStartsFurtherRight) {
    const Printed second(Prepare(Pillar::Second, RowsOf(27)));
    const Printed third(Prepare(Pillar::Third, RowsOf(21), 2010));
    // 600 dots per inch: the empty lead cell is 1,6 or 2,4 inches wide.
    EXPECT_EQ(second.XOf("LP"), 960);
    EXPECT_EQ(third.XOf("LP"), 1440);
    EXPECT_FALSE(third.Drew("PŁACA BR.(zł)"));
    EXPECT_TRUE(third.Drew("8,00"));
    const auto t = third.Texts();
    EXPECT_EQ(
        std::vector<std::string>(t.end() - 7, t.end()),
        (std::vector<std::string>{"   DANE WEJŚCIOWE DO OBLICZEŃ ", "   Realny zysk w skali roku FE: 6%",
                                  "   Inflacja w skali roku: 3%",
                                  "   Okres w latach pobierania emerytury: 15 lat", "  DANE WYJŚCIOWE",
                                  "  Zebrany kapitał: Kapitał 99 313 zł", "  Wysokość emerytury: 541 zł"}));
}

TEST_F(FundReportTest, CommissionThatIsNoNumberStopsBeforeTheJob) {
    source.texts["Prowizja"] = "abc";
    EXPECT_EQ(ConversionErrorText([&] { Prepare(Pillar::Second, RowsOf(27)); }),
              "'abc' is not a valid floating point value");
}

TEST_F(FundReportTest, LongTableBreaksPagesAndNoLineFallsOffThePaper) {
    // Every table length around a page's worth of rows: the section gaps must never push a
    // heading below the page's edge.
    source.choices["TrackBarWiek"] = 15;
    for (int held = 20; held <= 51; ++held) {
        Printed p(Prepare(Pillar::Second, RowsOf(held)));
        for (const auto& c : p.canvas.Drawn()) ASSERT_LT(c.y, p.canvas.pageHeight) << held << " " << c.text;
        EXPECT_EQ(p.canvas.Count(Kind::EndDocument), 1);
    }
    Printed p(Prepare(Pillar::Second, RowsOf(53)));
    EXPECT_EQ(p.canvas.Pages(), 2);
}

// ---- ZUS --------------------------------------------------------------------------------

TEST(ZusReportFor, BirthYearAndEarlyRetirement) {
    const std::tuple<int, bool, ZusReportKind> cases[] = {
        {1948, false, ZusReportKind::OldSystem},          {1949, true, ZusReportKind::OldSystem},
        {1968, true, ZusReportKind::OldSystem},           {1949, false, ZusReportKind::Between1949And1968},
        {1968, false, ZusReportKind::Between1949And1968}, {1969, false, ZusReportKind::After1968},
        {1969, true, ZusReportKind::After1968},
    };
    for (const auto& [year, early, kind] : cases) EXPECT_EQ(ZusReportFor(year, early), kind) << year << early;
}

class ZusReportTest : public ::testing::Test {
  protected:
    MapFieldSource source;
    ZusGrid grid;
    void SetUp() override {
        source.texts = {{"DateTimeDataUrodzenia", "1968-12-31"},
                        {"EditSredniCzasZycia", "200"},
                        {"EditLataSkladkowy", "10"},
                        {"EditMcSkl", "4"},
                        {"EditLataNieSkl", "1"},
                        {"EditMcNieSkl", "9"},
                        {"EditPlacaBruttoZus", "3000"},
                        {"LabelSredniaWaloryzacja", "Waloryzacja skł. ZUS o 7,73%"},
                        {"EditKapitalPoczatkowy", "8 000,00"},
                        {"EditKapitalPoczatkowy_mc", "40,00"},
                        {"LabelMiesiecznaEmerytura", "2 000,00zł"}};
        source.choices = {{"RadioGroupPlec2", 0},
                          {"CheckBoxWczesnaEmerytura", 0},
                          {"RadioGroupCzyOFEII", 0},
                          {"Inflacja", 3},
                          {"RadioGroupKapitalPoczatkowy", 1},
                          {"RadioGroupWskaznikPodstawy", 0},
                          {"RadioGroupWaloryzacja", 0}};
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

TEST_F(ZusReportTest, TitleByBirthYearAndRowsWithoutCapitalPrintNothing) {
    const std::pair<const char*, const char*> cases[] = {
        {"1968-12-31", "WYNIKI OBLICZEŃ EMERYTURY ZUS DLA URODZONYCH POMIĘDZY 1949 A 1969 ROKIEM"},
        {"1969-01-01", "WYNIKI OBLICZEŃ EMERYTURY ZUS DLA URODZONYCH PO 1968 ROKU"},
        {"1948-12-31", "WYNIKI OBLICZEŃ EMERYTURY DLA URODZONYCH PRZED 01.01.1949 R. LUB WCZESNA EMERYTURA"},
    };
    for (const auto& [birth, title] : cases) {
        source.texts["DateTimeDataUrodzenia"] = birth;
        EXPECT_EQ(Prepare()->title, title);
    }
    source.texts["DateTimeDataUrodzenia"] = "1968-12-31";
    const Printed p(*Prepare());
    const auto t = p.Texts();
    EXPECT_EQ(std::vector<std::string>(t.begin() + 1, t.begin() + 9),
              (std::vector<std::string>{"LP", "LATA", "PŁACA(zł)", "SKŁADKI(zł)", "KAPITAŁ(zł)",
                                        "KAP. POCZ.(zł)", "KAP. POCZ./MC(zł)", "1"}));
    EXPECT_FALSE(p.Drew("2000") || p.Drew("8159,18") || p.Drew("2002"));
    // The empty rows still take their line: row 3 sits three row steps below row 1.
    EXPECT_EQ(p.canvas.Drawn()[15].text, "3");
    EXPECT_EQ(p.canvas.Drawn()[15].y - p.canvas.Drawn()[8].y, 2 * 120);
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
    struct Case {
        const char* birth;
        std::map<std::string, int> choices;
        std::vector<std::string> present, absent;
    };
    const Case cases[] = {
        {"1960-01-01",
         {{"RadioGroupCzyOFEII", 1}, {"RadioGroupWskaznikPodstawy", 1}, {"RadioGroupWaloryzacja", 2}},
         {"Na składkę emerytalną przekazywane jest z płacy brutto : 18,52%",
          "Wskaźnik podstawy kapitału : 120,5",
          "Składki i kapitał są waloryzowane wg średniej waloryzacji z lat 1999-2010: Waloryzacja skł. ZUS o "
          "7,73%"},
         {}},
        {"1960-01-01",
         {{"RadioGroupKapitalPoczatkowy", 0}, {"RadioGroupWaloryzacja", 1}, {"RadioGroupPlec2", 1}},
         {"Składki i kapitał są waloryzowane wskaźnikiem waloryzacji za każdy rok", "Płeć :Kobieta"},
         {"Okres składkowy: 10 lat(a) i 4 miesięcy"}},
        {"1975-06-30",
         {{"RadioGroupCzyOFEII", 1}, {"RadioGroupWaloryzacja", 2}},
         {"Na składkę emerytalną przekazywane jest z płacy brutto : 11,22% do 1 V 2011r. i 16,22% po tym "
          "okresie",
          "Składki są waloryzowane wg średniej waloryzacji z lat 1999-2008: Waloryzacja skł. ZUS o 7,73%"},
         {"Okres składkowy: 10 lat(a) i 4 miesięcy", "Wskaźnik podstawy kapitału : 100%",
          "Całkowity kapitał początkowy: 8 000,00zł", "Emerytura ze składek: 200zł"}},
        {"1975-06-30", {{"RadioGroupWaloryzacja", 0}}, {"Składki nie są waloryzowane"}, {}},
        {"1975-06-30",
         {{"RadioGroupWaloryzacja", 1}},
         {"Składki są waloryzowane wskaźnikiem waloryzacji za każdy rok"},
         {}},
    };
    for (const Case& c : cases) {
        SetUp();
        source.texts["DateTimeDataUrodzenia"] = c.birth;
        for (const auto& [name, choice] : c.choices) source.choices[name] = choice;
        const auto lines = Lines();
        for (const std::string& line : c.present)
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << c.birth << " " << line;
        for (const std::string& line : c.absent)
            EXPECT_EQ(std::find(lines.begin(), lines.end(), line), lines.end()) << c.birth << " " << line;
    }
}

TEST_F(ZusReportTest, OldSystemReportUsesLataI) {
    const std::pair<const char*, int> cases[] = {{"1945-05-10", 0}, {"1960-01-01", 1}};
    for (const auto& [birth, early] : cases) {
        source.texts["DateTimeDataUrodzenia"] = birth;
        source.choices["CheckBoxWczesnaEmerytura"] = early;
        source.texts["LabelMiesiecznaEmerytura"] = "Emerytura m-c: 1 830,03zł";
        const Printed p(*Prepare());
        const auto t = p.Texts();
        EXPECT_EQ(std::vector<std::string>(t.begin() + 1, t.end()),
                  (std::vector<std::string>{"Płeć :Mężczyzna", std::string("Data urodzenia: ") + birth,
                                            "Okres składkowy: 10 lata i 4 miesięcy",
                                            "Okres nieskładkowy: 1 lata i 9 miesięcy",
                                            "Emerytura m-c: 1 830,03zł"}));
    }
}

TEST_F(ZusReportTest, PensionFromContributionsAndBadInput) {
    // E = last capital / life expectancy to the grosz; 0 or less counts 209 months, as the
    // calculation does, so there is no division by zero: 40000 / 209 = 191,387…
    const std::pair<const char*, const char*> cases[] = {
        {"200", "Emerytura ze składek = 200"},   {"300", "Emerytura ze składek = 133,33"},
        {"0", "Emerytura ze składek = 191,39"},  {"", "Emerytura ze składek = 191,39"},
        {"-5", "Emerytura ze składek = 191,39"},
    };
    for (const auto& [life, line] : cases) {
        source.texts["EditSredniCzasZycia"] = life;
        EXPECT_EQ(Prepare()->afterTable.front(), line) << life;
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
