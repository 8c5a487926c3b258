#include "loans/raty_kredyt_page.h"

#include <QTableWidget>

#include "support/ui_fixture.h"

namespace tolvex::testing {
namespace {

using Texts = std::vector<std::string>;

class RatyKredytPageTest : public MainWindowTest {
  protected:
    RatyKredytPage* Page() const { return window->TabSheet8; }
    void Choose(const char* group, int item) { Find<RadioGroup>(group)->Button(item)->click(); }
    std::string Cell(int row, int column) const {
        QTableWidgetItem* item = Page()->Siatka->item(row, column);
        return item ? item->text().toStdString() : std::string();
    }
    bool Hidden(const char* name) const { return Find(name)->isHidden(); }
    void Set(const char* name, const char* text) { Edit(name)->setText(QString::fromUtf8(text)); }
    // 10 000 at 12 % over 12 months, instalment mode.
    void EnterLoan(const char* kredyt = "10000", const char* okres = "12", const char* procent = "12") {
        Choose("RadioGroup4", 1);
        Set("KredytBankowy", kredyt);
        Set("OkresBankowyKredytu", okres);
        Set("ProcentBankowy", procent);
    }
};

TEST_F(RatyKredytPageTest, StartValues) {
    Start(QDate(2025, 3, 15));
    EXPECT_EQ(Str("DataKredytu"), "2025-03-15");
    EXPECT_EQ(Str("DataPierwszejRaty"), "2025-04-01");
    const std::pair<const char*, const char*> texts[] = {
        {"KredytBankowy", "0,00"},
        {"OkresBankowyKredytu", "0"},
        {"ProcentBankowy", "0,00"},
        {"EditRata1", ""},
        {"DoSplaty", "0,00"},
        {"OdsetkiBankowe", "0,00"},
        {"PierwszaRata", "0,00"},
        {"OstatniaRata", "0,00"},
        {"RataBankowa", "0,00"},
        {"PrzeliczRaty", "Wylicz raty"},
        {"Label11", "Okres kredytu w latach:"},
        {"DrukujRaty", "Drukuj"},
        {"GroupBox12", "Dane wyjściowe dla kredytu - raty równomierne"},
    };
    for (const auto& [name, text] : texts) EXPECT_EQ(Str(name), text) << name;
    EXPECT_TRUE(Hidden("EditRata1"));
    EXPECT_TRUE(Hidden("LabelRata1"));
    EXPECT_FALSE(Hidden("GroupBox12"));
    EXPECT_EQ(Page()->RadioGroupWylicz->ItemIndex(), 0);
    EXPECT_EQ(Page()->RadioGroup3->ItemIndex(), 0);
    EXPECT_EQ(Page()->RadioGroup4->ItemIndex(), 0);
    EXPECT_TRUE(Page()->CheckBoxZaPelneMiesiace->isChecked());
    EXPECT_TRUE(Page()->DoSplaty->isReadOnly());
    EXPECT_EQ(Page()->DrukujRaty->toolTip().toStdString(),
              "Drukowanie danych wejściowych i wyjściowych kredytu bankowego");
}

TEST_F(RatyKredytPageTest, StartedInDecemberTheFirstInstalmentIsInJanuary) {
    Start(QDate(2024, 12, 20));
    EXPECT_EQ(Str("DataKredytu"), "2024-12-20");
    EXPECT_EQ(Str("DataPierwszejRaty"), "2025-01-01");
}

TEST_F(RatyKredytPageTest, LoanDateMovesTheFirstInstalmentDate) {
    Start();
    Page()->DataKredytu->setText("2024-12-31");
    EXPECT_EQ(Str("DataPierwszejRaty"), "2025-01-01");
    Page()->DataKredytu->setText("2024-02-29");
    EXPECT_EQ(Str("DataPierwszejRaty"), "2024-03-01");
}

TEST_F(RatyKredytPageTest, InstalmentsAndTheGrid) {
    Start(QDate(2024, 3, 10));
    EnterLoan("10000", "24");
    Press("PrzeliczRaty");
    EXPECT_EQ(Str("RataBankowa"), "470,73");
    EXPECT_EQ(Str("PierwszaRata"), "470,73");
    EXPECT_EQ(Str("OstatniaRata"), "470,86");
    EXPECT_EQ(Str("DoSplaty"), "11 297,65");
    EXPECT_EQ(Str("OdsetkiBankowe"), "1 297,65");
    EXPECT_EQ(Page()->Siatka->columnCount(), 5);
    EXPECT_EQ(Page()->Siatka->rowCount(), 16);
    EXPECT_EQ(Cell(1, 1), "2024");
    EXPECT_EQ(Cell(2, 0), "styczeń");
    EXPECT_EQ(Cell(5, 1), "470,73");  // April 2024
    EXPECT_EQ(Cell(4, 3), "470,86");  // March 2026
    EXPECT_EQ(Cell(15, 3), "11 297,65");
    EXPECT_EQ(Cell(15, 4), "");
    EXPECT_EQ(Page()->Schedule().InstalmentCount, 24);
    EXPECT_EQ(Page()->LastLoan().Status, LoanStatus::Computed);
}

TEST_F(RatyKredytPageTest, OneMonthHidesTheInstalmentFields) {
    Start();
    EnterLoan("10000", "1");
    Press("PrzeliczRaty");
    EXPECT_EQ(Str("DoSplaty"), "10 100,00");
    for (const char* name : {"LabelPierwszaRata", "LabelOstatniaRata", "LabelRata", "PierwszaRata",
                             "OstatniaRata", "RataBankowa"})
        EXPECT_TRUE(Hidden(name)) << name;
    Set("OkresBankowyKredytu", "2");
    Press("PrzeliczRaty");
    for (const char* name : {"LabelPierwszaRata", "LabelOstatniaRata", "LabelRata", "PierwszaRata",
                             "OstatniaRata", "RataBankowa"})
        EXPECT_FALSE(Hidden(name)) << name;
}

TEST_F(RatyKredytPageTest, MissingValuesGetTheErrorBox) {
    Start();
    Press("PrzeliczRaty");
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].caption, "Błąd");
    EXPECT_EQ(Messages(),
              Texts{"Wartość KREDYTU, OKRES i OPROCENTOWANIE muszą być podane do obliczenia rat"});
    EnterLoan("10000", "12", "0,0");
    Press("PrzeliczRaty");
    EXPECT_EQ(Messages(),
              Texts{"Wartość KREDYTU, OKRES i OPROCENTOWANIE muszą być podane do obliczenia rat"});
    EXPECT_EQ(Str("DoSplaty"), "0,00");
}

TEST_F(RatyKredytPageTest, NegativeRateIsReportedAndWrittenBack) {
    Start();
    EnterLoan("-10000", "12", "-12");
    Press("PrzeliczRaty");
    EXPECT_EQ(Messages(), (Texts{"TO NIE JEST KREDYT A WKŁAD BANKOWY - TEŻ MOŻNA LICZYĆ",
                                 "PROCENT NIE MOŻE BYĆ UJEMNY"}));
    EXPECT_EQ(Str("ProcentBankowy"), "12");
    EXPECT_EQ(Str("RataBankowa"), "-888,49");
}

TEST_F(RatyKredytPageTest, FailedDateCheckClearsTheGridAndKeepsTheOutputs) {
    Start(QDate(2024, 3, 10));
    EnterLoan();
    Press("PrzeliczRaty");
    ASSERT_EQ(Cell(5, 1), "888,49");
    Page()->CheckBoxZaPelneMiesiace->setChecked(false);
    Page()->DataPierwszejRaty->setText("2024-04-11");
    Set("KredytBankowy", "20000");
    Press("PrzeliczRaty");
    EXPECT_EQ(Messages(), Texts{"Za duży kres pomiędzy uruchomieniem kredytu, a spłata pierwszej raty"});
    EXPECT_EQ(Str("RataBankowa"), "888,49");
    for (int row = 0; row < 16; ++row)
        for (int column = 1; column < Page()->Siatka->columnCount(); ++column)
            EXPECT_EQ(Cell(row, column), "");
    EXPECT_EQ(Cell(2, 0), "styczeń");
    EXPECT_DOUBLE_EQ(Page()->Schedule().Entry(1).Amount, 888.49);  // the last good schedule stays
    Page()->DataPierwszejRaty->setText("2024-04-05");
    Press("PrzeliczRaty");
    EXPECT_EQ(Str("PierwszaRata"), "1 743,65");  // 25 days of 200,00
}

TEST_F(RatyKredytPageTest, PeriodLimit) {
    Start();
    struct Case {
        int unit;
        const char* typed;
        const char* after;
        bool refused;
    } cases[] = {
        {0, "50", "50", false}, {0, "51", "0", true}, {1, "600", "600", false}, {1, "601", "0", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Choose("RadioGroup4", c.unit);
        Type("OkresBankowyKredytu", QString::fromUtf8(c.typed));
        EXPECT_EQ(Str("OkresBankowyKredytu"), c.after);
        EXPECT_EQ(Messages(), c.refused ? Texts{"Okres kredytu musi być <= 50 lat"} : Texts{});
    }
    // 600 months are far more than 50 years.
    Type("OkresBankowyKredytu", "600");
    Choose("RadioGroup4", 0);
    EXPECT_EQ(Messages(), Texts{"Okres kredytu musi być <= 50 lat"});
    EXPECT_EQ(Str("OkresBankowyKredytu"), "0");
    EXPECT_EQ(Str("Label11"), "Okres kredytu w latach:");
    Choose("RadioGroup4", 1);
    EXPECT_EQ(Str("Label11"), "Okres kredytu w miesiącach:");
}

TEST_F(RatyKredytPageTest, FiftyYearsFillTheWholeSchedule) {
    Start();
    Set("KredytBankowy", "300000");
    Set("OkresBankowyKredytu", "50");
    Set("ProcentBankowy", "6");
    Press("PrzeliczRaty");
    EXPECT_EQ(Page()->Schedule().InstalmentCount, 600);
    EXPECT_EQ(Page()->Siatka->columnCount(), 53);
}

TEST_F(RatyKredytPageTest, TypeOfLoanSwitchesCaptionsAndResetsOutputs) {
    Start();
    EnterLoan();
    Press("PrzeliczRaty");
    ASSERT_EQ(Str("DoSplaty"), "10 661,86");
    Choose("RadioGroup3", 1);
    EXPECT_EQ(Str("GroupBoxDaneWejsciowe"), "Dane wejściowe dla kredytu - raty malejące");
    EXPECT_EQ(Str("GroupBox12"), "Dane wyjściowe dla kredytu - raty malejące");
    for (const char* name : {"RataBankowa", "LabelRata", "DataPierwszejRaty", "Label16"})
        EXPECT_TRUE(Hidden(name)) << name;
    for (const char* name : {"DoSplaty", "OdsetkiBankowe", "PierwszaRata", "OstatniaRata", "RataBankowa"})
        EXPECT_EQ(Str(name), "0,00") << name;
    Press("PrzeliczRaty");
    EXPECT_EQ(Str("PierwszaRata"), "933,33");
    EXPECT_EQ(Str("DoSplaty"), "10 650,00");
    Choose("RadioGroup3", 0);
    EXPECT_EQ(Str("GroupBox12"), "Dane wyjściowe dla kredytu - raty równomierne");
    for (const char* name : {"RataBankowa", "LabelRata", "DataPierwszejRaty", "Label16"})
        EXPECT_FALSE(Hidden(name)) << name;
    EXPECT_EQ(Str("DoSplaty"), "0,00");
}

TEST_F(RatyKredytPageTest, RateMode) {
    Start();
    Type("ProcentBankowy", "7");
    Choose("RadioGroupWylicz", 1);
    EXPECT_FALSE(Hidden("EditRata1"));
    EXPECT_FALSE(Hidden("LabelRata1"));
    EXPECT_TRUE(Hidden("GroupBox12"));
    EXPECT_TRUE(Hidden("Siatka"));
    EXPECT_EQ(Str("PrzeliczRaty"), "Wylicz %");
    EXPECT_EQ(Str("ProcentBankowy"), "");
    EXPECT_TRUE(Page()->ProcentBankowy->isReadOnly());
    EXPECT_EQ(Page()->ProcentBankowy->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(Page()->ProcentBankowy->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(Page()->RadioGroup3->ItemIndex(), 1);
    Choose("RadioGroup3", 0);  // forced back
    EXPECT_EQ(Page()->RadioGroup3->ItemIndex(), 1);

    Choose("RadioGroup4", 1);
    Set("KredytBankowy", "12000");
    Set("OkresBankowyKredytu", "12");
    Set("EditRata1", "1120");
    Press("PrzeliczRaty");
    EXPECT_EQ(Str("ProcentBankowy"), "12");
    Set("EditRata1", "0");
    Press("PrzeliczRaty");
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].caption, "Błąd");
    EXPECT_EQ(Messages(), Texts{"Wartość KREDYTU, OKRES i RATA muszą być podane do obliczenia procentu"});

    Choose("RadioGroupWylicz", 0);
    EXPECT_TRUE(Hidden("EditRata1"));
    EXPECT_FALSE(Hidden("GroupBox12"));
    EXPECT_FALSE(Hidden("Siatka"));
    EXPECT_EQ(Str("PrzeliczRaty"), "Wylicz raty");
    EXPECT_EQ(Str("ProcentBankowy"), "");
    EXPECT_FALSE(Page()->ProcentBankowy->isReadOnly());
    EXPECT_EQ(Page()->ProcentBankowy->palette().color(QPalette::Text), QColor(Qt::black));
}

TEST_F(RatyKredytPageTest, AmountFieldsCheckClearAndFill) {
    Start();
    Set("KredytBankowy", "12.5");
    EXPECT_EQ(Messages(), Texts{"Błędnie napisana liczba "});
    EXPECT_EQ(Str("KredytBankowy"), "");
    Leave("KredytBankowy");
    EXPECT_EQ(Str("KredytBankowy"), "0,00");
    Click("OkresBankowyKredytu");
    EXPECT_EQ(Str("OkresBankowyKredytu"), "");
    Leave("OkresBankowyKredytu");
    EXPECT_EQ(Str("OkresBankowyKredytu"), "0");
    Choose("RadioGroupWylicz", 1);
    Type("EditRata1", "x");
    EXPECT_EQ(Messages(), Texts{"Błędnie napisana liczba "});
    Leave("EditRata1");
    EXPECT_EQ(Str("EditRata1"), "");
}

}  // namespace
}  // namespace tolvex::testing
