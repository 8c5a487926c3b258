// The print buttons of every page, through the main window's canvas factory.
#include <QSignalBlocker>
#include <QSlider>

#include "core/report/recording_canvas.h"
#include "support/ui_fixture.h"

namespace tolvex::testing {
namespace {

using Kind = RecordingCanvas::Call::Kind;

class PrintButtonsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        Start();
        window->Context().makePrintCanvas = [this](const std::string& name) {
            jobs.push_back(name);
            windowEnabledAtJob.push_back(window->isEnabled());
            return canvas.Share();
        };
    }
    bool Drew(const std::string& text) const {
        const auto texts = canvas.DrawnTexts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    // Sets a text without the field's own change checks, as a stale value would stand.
    void Put(const char* name, const char* text) {
        QSignalBlocker quiet(Edit(name));
        Edit(name)->setText(QString::fromUtf8(text));
    }

    RecordingCanvas canvas;
    std::vector<std::string> jobs;
    std::vector<bool> windowEnabledAtJob;  // could the main window take input as each job began
};

TEST_F(PrintButtonsTest, PayslipPrintsTheCalculatedSalary) {
    Type("EditPlacaBrutto", "5000");
    Press("Wylicz");
    Messages();
    Press("DrukujPlace");
    EXPECT_EQ(jobs, std::vector<std::string>{"place"});
    EXPECT_TRUE(Drew("Wypłata: " + Str("Edit_Netto") + " zł"));
    EXPECT_EQ(canvas.Count(Kind::EndDocument), 1);
}

// The statement prints with the window disabled, only for the kind it was calculated for.
TEST_F(PrintButtonsTest, InterestStatementNeedsACalculationOfTheChosenKind) {
    Press("Drukuj1");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Najpierw wylicz odsetki"});
    Fill("DateTimePocz1=2022-07-01;DateTimeKon1=2022-09-20");
    Type("EditKwota1", "10000");
    Press("WyliczOdsetki_Pod_Ust");
    // Tax segments must not be printed against the statutory table's periods and rates.
    Choose("RadioGroup2", 1);
    Press("Drukuj1");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Najpierw wylicz odsetki"});
    EXPECT_TRUE(jobs.empty());
    Choose("RadioGroup2", 0);
    Press("Drukuj1");
    EXPECT_EQ(jobs, std::vector<std::string>{"odsetki"});
    EXPECT_EQ(windowEnabledAtJob, std::vector<bool>{false});
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(
        Drew("ODSETKI PODATKOWE za okres: od  2022-07-01  do  2022-09-20  wyliczone dla sumy 10000 zł"));
    EXPECT_TRUE(Drew(Str("EditSumaOdsetek").substr(0, Str("EditSumaOdsetek").size() - 4)));

    Put("EditKwota1", "");
    Press("Drukuj1");
    EXPECT_EQ(Messages(), std::vector<std::string>{"'' is not a valid floating point value"});
    EXPECT_EQ(canvas.Count(Kind::EndDocument), 2) << "the stopped job is closed";
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(PrintButtonsTest, LoanPrintoutListsTheDecreasingSchedule) {
    Fill("RadioGroup3:1;RadioGroup4:1;KredytBankowy=1000;OkresBankowyKredytu=3;ProcentBankowy=12");
    Press("PrzeliczRaty");
    Press("DrukujRaty");
    EXPECT_EQ(jobs, std::vector<std::string>{"kredyt"});
    EXPECT_EQ(windowEnabledAtJob, std::vector<bool>{false});
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(Drew("Okres kredytu : 3miesiące"));
    EXPECT_TRUE(Drew("333,34")) << "the last principal part";
}

TEST_F(PrintButtonsTest, FundReportsPrintOnlyTheShownProjection) {
    for (const char* button : {"Drukuj", "Drukuj2", "Drukuj_ZUS"}) {
        Press(button);
        EXPECT_EQ(Messages(), std::vector<std::string>{"Najpierw przelicz emeryturę"}) << button;
    }
    Press("PrzeliczOFE");
    Press("Drukuj");
    EXPECT_EQ(jobs, std::vector<std::string>{"emerytura-fundusz"});
    // Any change hides the results, and what is not shown is not printed.
    Find<QSlider>("TrackBarWiek")->setValue(40);
    Press("Drukuj");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Najpierw przelicz emeryturę"});
    Press("PrzeliczFE");
    Messages();
    Press("Drukuj2");
    EXPECT_EQ(jobs.size(), 2u);
}

TEST_F(PrintButtonsTest, ZusReportFollowsTheLastCalculation) {
    Press("PrzeliczZUS");
    Messages();
    Press("Drukuj_ZUS");
    EXPECT_EQ(jobs, std::vector<std::string>{"emerytura-zus"});
    EXPECT_TRUE(Drew(Str("LabelMiesiecznaEmerytura")));
    // A life expectancy that is no number stops before a job begins: none is left open.
    Put("EditSredniCzasZycia", "abc");
    Press("Drukuj_ZUS");
    EXPECT_EQ(Messages(), std::vector<std::string>{"'abc' is not a valid floating point value"});
    EXPECT_EQ(jobs.size(), 1u);
    // A new birth date clears the projection; the old system prints once calculated.
    Edit("DateTimeDataUrodzenia")->setText("1945-05-10");
    Press("Drukuj_ZUS");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Najpierw przelicz emeryturę"});
    Press("PrzeliczZUS");
    Messages();
    Press("Drukuj_ZUS");
    EXPECT_EQ(jobs.size(), 2u);
    EXPECT_TRUE(Drew("WYNIKI OBLICZEŃ EMERYTURY DLA URODZONYCH PRZED 01.01.1949 R. LUB WCZESNA EMERYTURA"));
    EXPECT_EQ(canvas.Count(Kind::EndDocument), 2);
}

}  // namespace
}  // namespace tolvex::testing
