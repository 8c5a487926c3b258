#include "pensions/fund_pages.h"

#include "core/amount/amount.h"
#include "support/ui_fixture.h"
#include "widgets/common/radio_group.h"

namespace tolvex::testing {
namespace {

using Texts = std::vector<std::string>;

class FundPagesTest : public MainWindowTest {
  protected:
    void Slide(const char* name, int value) { Find<QSlider>(name)->setValue(value); }
    bool Shown(const char* name) const { return Find(name)->isVisibleTo(Find(name)->parentWidget()); }
    std::string Cell(const char* grid, int column, int row) const {
        return FundPage::Cell(Find<QTableWidget>(grid), column, row).toStdString();
    }
};

TEST_F(FundPagesTest, StartValuesAndTrackBars) {
    Start();
    const std::pair<const char*, const char*> texts[] = {
        {"WynagrodzenieBrutto", "1800"},
        {"DateTimeRokRozpoczecia", "1976-12-21"},
        {"Prowizja", "4"},
        {"Oplata", "0"},
        {"Zysk", "1"},
        {"Wzrost", "0"},
        {"UstawionyWiek", "15 lat"},
        {"UstawionyOkres", "5 lat"},
        {"SkladkaSrednia", "0,00"},
        {"SkladkaMiesieczna", "0,00"},
        {"KwotaPoczatkowa", "0,00"},
        {"DateTimeRokPrzystapienia", "2003-01-01"},
        {"ProwizjaFE", "8"},
        {"OplataZE", "0"},
        {"ZyskFE", "10"},
        {"InflacjaRoczna", "0"},
        {"UstawionyWiek1", "15 lat"},
        {"UstawionyOkres1", "10 lat"},
    };
    for (const auto& [name, text] : texts) EXPECT_EQ(Str(name), text) << name;
    for (const char* name : {"Wplacono", "Kapital", "LabelEmeryt_mc", "MiesiecznaEmerytura", "Wplacono1",
                             "Kapital1", "LabelEmeryt_mc1", "MiesiecznaEmerytura1"})
        EXPECT_FALSE(Shown(name)) << name;
    EXPECT_FALSE(Find("Drukuj")->isEnabled() || Find("Drukuj2")->isEnabled());
    for (const auto& [bar, value, label, text] : {std::tuple{"TrackBarWiek", 22, "UstawionyWiek", "22 lata"},
                                                  {"TrackBarLata", 35, "UstawionyOkres", "35 lat"},
                                                  {"TrackBarWiek1", 60, "UstawionyWiek1", "60 lat"},
                                                  {"TrackBarLata1", 1, "UstawionyOkres1", "1 rok"}}) {
        Slide(bar, value);
        EXPECT_EQ(Str(label), text);
    }
    EXPECT_EQ(Find<QSlider>("TrackBarLata1")->maximum(), 45);
}

// The F2 and F3 cases of the projection tests, entered as a user would.
TEST_F(FundPagesTest, BothProjectionsAndTheTotalsOnTheSecondPillarPage) {
    Start();
    Type("WynagrodzenieBrutto", "2500");
    for (const auto& [name, text] : {std::pair{"Oplata", "1"}, {"Zysk", "5"}, {"Wzrost", "3"}})
        Type(name, text);
    Edit("DateTimeRokRozpoczecia")->setText("2005-03-01");
    Slide("TrackBarWiek", 30);
    Slide("TrackBarLata", 20);
    Press("PrzeliczOFE");
    EXPECT_EQ(Str("Kapital"), "Kapitał 178 920 zł");
    EXPECT_EQ(Str("MiesiecznaEmerytura"), "738 zł");
    EXPECT_EQ(Cell("Tabelka", 2, 0), "PŁACA");
    EXPECT_EQ(Cell("Tabelka", 4, 38), "178920");
    EXPECT_EQ(Find<QTableWidget>("Tabelka")->rowCount(), 38);
    EXPECT_TRUE(Shown("Wplacono") && Shown("MiesiecznaEmerytura"));
    Find<RadioGroup>("RadioGroupPlec")->Button(1)->click();
    EXPECT_FALSE(Shown("Wplacono") || Shown("MiesiecznaEmerytura"));

    Find<RadioGroup>("RadioGroupPlec1")->Button(1)->click();
    Type("SkladkaSrednia", "2400");
    EXPECT_EQ(Str("SkladkaMiesieczna"), "200");
    Type("KwotaPoczatkowa", "1000");
    for (const auto& [name, text] : {std::pair{"OplataZE", "2"}, {"ZyskFE", "6"}, {"InflacjaRoczna", "3"}})
        Type(name, text);
    Edit("DateTimeRokPrzystapienia")->setText("2010-01-01");
    Slide("TrackBarWiek1", 40);
    Slide("TrackBarLata1", 15);
    Press("PrzeliczFE");
    EXPECT_EQ(Str("Kapital1"), "Kapitał 99 313 zł");
    EXPECT_EQ(Str("MiesiecznaEmerytura1"), "541 zł");
    EXPECT_EQ(Cell("Tabelka1", 3, 21), "99312,68");
    EXPECT_TRUE(Shown("Kapital1"));
    // The third pillar's totals go to the second-pillar page too; its salaries stay.
    EXPECT_EQ(Str("Wplacono"), "Wplacono składki 51400 zł");
    EXPECT_EQ(Str("Kapital"), "Zebrany kapitał FE wynosi 99312,68 zł");
    const FundProjectionRows& rows = window->TabSheet6->Rows();
    EXPECT_EQ(&rows, &window->TabSheet7->Rows());
    EXPECT_EQ(rows.Paid[1], 3400);
    EXPECT_EQ(rows.Salary[1], 2500);
    EXPECT_EQ(Cell("Tabelka", 4, 38), "178920");
}

TEST_F(FundPagesTest, BadTextInEveryField) {
    Start();
    for (const char* name :
         {"WynagrodzenieBrutto", "Prowizja", "Oplata", "Zysk", "Wzrost", "SkladkaSrednia",
          "SkladkaMiesieczna", "KwotaPoczatkowa", "ProwizjaFE", "OplataZE", "ZyskFE", "InflacjaRoczna"}) {
        SCOPED_TRACE(name);
        for (QWidget* w = Find(name); w; w = w->parentWidget())
            if (qobject_cast<FundPage*>(w)) window->plec->setCurrentWidget(w);
        Type(name, "x");
        EXPECT_EQ(Messages(), Texts{"Błędnie napisana liczba "});
        EXPECT_EQ(Str(name), "");
        Leave(name);
        EXPECT_EQ(Str(name), "0,00");
        Click(name);
        EXPECT_EQ(Str(name), "");
    }
    // Spin fields come back within their range when left.
    for (const auto& [name, typed, kept] : {std::tuple{"ZyskFE", "1E300", "200"}, {"OplataZE", "-3", "0"}}) {
        Edit(name)->setText(typed);
        Leave(name);
        EXPECT_EQ(Str(name), kept);
    }
}

TEST_F(FundPagesTest, ResultsBeyondTheNumbersGiveAMessage) {
    Start();
    Press("PrzeliczOFE");
    Edit("WynagrodzenieBrutto")->setText("1E300");
    Edit("Wzrost")->setText("100");
    Press("PrzeliczOFE");
    EXPECT_EQ(Messages(), Texts{std::string(kOutOfRangeMessage)});
    EXPECT_FALSE(Shown("Kapital") || Shown("MiesiecznaEmerytura"));
    EXPECT_EQ(Find<QTableWidget>("Tabelka")->rowCount(), 53);  // the last good grid stays

    // A monthly contribution whose year is beyond the numbers is refused.
    Edit("SkladkaMiesieczna")->setText("1E308");
    EXPECT_EQ(Messages(), Texts{std::string(kOutOfRangeMessage)});
    EXPECT_EQ(Str("SkladkaMiesieczna"), "");
    EXPECT_EQ(Str("SkladkaSrednia"), "0,00");
}

// Each keystroke used to rewrite the field being typed in, so "1000," became "1000" and
// the decimals were lost.
TEST_F(FundPagesTest, TypedDecimalsAreKept) {
    Start();
    Type("SkladkaSrednia", "1000,5");
    EXPECT_EQ(Str("SkladkaSrednia"), "1000,5");
    EXPECT_EQ(Str("SkladkaMiesieczna"), "83,375");
    Type("SkladkaMiesieczna", "100,25");
    EXPECT_EQ(Str("SkladkaSrednia"), "1203");
    Type("KwotaPoczatkowa", "1500,50");
    EXPECT_EQ(Str("KwotaPoczatkowa"), "1500,50");
    Leave("KwotaPoczatkowa");
    EXPECT_EQ(Str("KwotaPoczatkowa"), "1500,5");
}

}  // namespace
}  // namespace tolvex::testing
