#include "pensions/fund_pages.h"

#include "core/amount/amount.h"
#include "support/ui_fixture.h"
#include "widgets/common/radio_group.h"
#include "widgets/common/spin_edit.h"

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
    std::string shown;
    for (const char* name : {"WynagrodzenieBrutto", "DateTimeRokRozpoczecia", "Prowizja", "Oplata", "Zysk",
                             "Wzrost", "UstawionyWiek", "UstawionyOkres", "SkladkaSrednia",
                             "SkladkaMiesieczna", "KwotaPoczatkowa", "DateTimeRokPrzystapienia", "ProwizjaFE",
                             "OplataZE", "ZyskFE", "InflacjaRoczna", "UstawionyWiek1", "UstawionyOkres1"})
        shown += Str(name) + "|";
    EXPECT_EQ(shown,
              "1800|1976-12-21|4|0|1|0|15 lat|5 lat|0,00|0,00|0,00|2003-01-01|8|0|10|0|15 lat|10 lat|");
    for (const char* name : {"Wplacono", "Kapital", "LabelEmeryt_mc", "MiesiecznaEmerytura", "Wplacono1",
                             "Kapital1", "LabelEmeryt_mc1", "MiesiecznaEmerytura1"})
        EXPECT_FALSE(Shown(name)) << name;
    // clang-format off
    for (const auto& [bar, value, label, text] : {std::tuple{"TrackBarWiek", 22, "UstawionyWiek", "22 lata"},
            {"TrackBarLata", 35, "UstawionyOkres", "35 lat"}, {"TrackBarWiek1", 60, "UstawionyWiek1", "60 lat"},
            {"TrackBarLata1", 1, "UstawionyOkres1", "1 rok"}}) {
        // clang-format on
        Slide(bar, value);
        EXPECT_EQ(Str(label), text);
    }
}

// The F2 and F3 cases of the projection tests, through the pages.
TEST_F(FundPagesTest, BothProjectionsAndTheTotalsOnTheSecondPillarPage) {
    Start();
    // clang-format off
    for (const auto& [name, text] : {std::pair{"WynagrodzenieBrutto", "2500"}, {"Oplata", "1"}, {"Zysk", "5"},
                                     {"Wzrost", "3"}, {"DateTimeRokRozpoczecia", "2005-03-01"}}) Edit(name)->setText(text);
    // clang-format on
    Slide("TrackBarWiek", 30);
    Slide("TrackBarLata", 20);
    Press("PrzeliczOFE");
    EXPECT_EQ(Str("Kapital"), "Kapitał 178 920 zł");
    EXPECT_EQ(Str("MiesiecznaEmerytura"), "738 zł");
    EXPECT_EQ(Cell("Tabelka", 2, 0) + Cell("Tabelka", 4, 38), "PŁACA178920");
    EXPECT_TRUE(Shown("Wplacono") && Shown("MiesiecznaEmerytura"));
    Find<RadioGroup>("RadioGroupPlec")->Button(1)->click();
    EXPECT_FALSE(Shown("Wplacono") || Shown("MiesiecznaEmerytura"));

    Find<RadioGroup>("RadioGroupPlec1")->Button(1)->click();
    // clang-format off
    for (const auto& [name, text] : {std::pair{"SkladkaSrednia", "2400"}, {"KwotaPoczatkowa", "1000"},
            {"OplataZE", "2"}, {"ZyskFE", "6"}, {"InflacjaRoczna", "3"}, {"DateTimeRokPrzystapienia", "2010-01-01"}})
        Edit(name)->setText(text);
    // clang-format on
    Slide("TrackBarWiek1", 40);
    Slide("TrackBarLata1", 15);
    EXPECT_EQ(Str("SkladkaMiesieczna"), "200");
    Press("PrzeliczFE");
    EXPECT_EQ(Shown("Kapital1") ? Str("Kapital1") : "hidden", "Kapitał 99 313 zł");
    EXPECT_EQ(Str("MiesiecznaEmerytura1"), "541 zł");
    EXPECT_EQ(Cell("Tabelka1", 3, 21), "99312,68");
    // The third pillar's totals go to the second-pillar page too; its salaries stay.
    EXPECT_EQ(Str("Wplacono"), "Wplacono składki 51400 zł");
    EXPECT_EQ(Str("Kapital"), "Zebrany kapitał FE wynosi 99312,68 zł");
    const FundProjectionRows& rows = window->TabSheet6->Rows();
    EXPECT_EQ(&rows, &window->TabSheet7->Rows());
    EXPECT_EQ(rows.Paid[1], 3400);
    EXPECT_EQ(rows.Salary[1], 2500);
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
    Find<SpinEdit>("ZyskFE")->UpButton()->click();  // the arrows keep the range too
    Find<SpinEdit>("OplataZE")->UpButton()->click();
    EXPECT_EQ(Str("ZyskFE") + "|" + Str("OplataZE"), "200|1");
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
