#include "loans/raty_kredyt_page.h"

#include "support/ui_fixture.h"

namespace tolvex::testing {
namespace {

using Texts = std::vector<std::string>;

class RatyKredytPageTest : public MainWindowTest {
  protected:
    RatyKredytPage* Page() const { return window->TabSheet8; }
    void Choose(const char* group, int item) { Find<RadioGroup>(group)->Button(item)->click(); }
    void Set(const char* name, const char* text) { Edit(name)->setText(QString::fromUtf8(text)); }
    bool Hidden(const char* name) const { return Find(name)->isHidden(); }
    std::string Cell(int row, int column) const {
        QTableWidgetItem* item = Page()->Siatka->item(row, column);
        return item ? item->text().toStdString() : std::string();
    }
    void EnterLoan(const char* kredyt, const char* okres) {
        Choose("RadioGroup4", 1);
        Set("KredytBankowy", kredyt);
        Set("OkresBankowyKredytu", okres);
        Set("ProcentBankowy", "12");
    }
};

TEST_F(RatyKredytPageTest, StartValuesAndLoanDate) {
    Start(QDate(2024, 12, 20));
    EXPECT_EQ(Str("DataKredytu"), "2024-12-20");
    EXPECT_EQ(Str("DataPierwszejRaty"), "2025-01-01");
    for (const char* name : {"KredytBankowy", "ProcentBankowy", "DoSplaty", "PierwszaRata", "RataBankowa"})
        EXPECT_EQ(Str(name), "0,00") << name;
    EXPECT_EQ(Str("OkresBankowyKredytu"), "0");
    EXPECT_EQ(Str("PrzeliczRaty"), "Wylicz raty");
    EXPECT_TRUE(Hidden("EditRata1") && Hidden("LabelRata1"));
    EXPECT_FALSE(Hidden("GroupBox12"));
    EXPECT_TRUE(Page()->CheckBoxZaPelneMiesiace->isChecked());
    Page()->DataKredytu->setText("2024-02-29");
    EXPECT_EQ(Str("DataPierwszejRaty"), "2024-03-01");
}

TEST_F(RatyKredytPageTest, GridFilledThenClearedByARefusedFirstDate) {
    Start(QDate(2024, 3, 10));
    EnterLoan("10000", "24");
    Press("PrzeliczRaty");
    EXPECT_EQ(Str("RataBankowa"), "470,73");
    ASSERT_EQ(Page()->Siatka->columnCount(), 5);
    EXPECT_EQ(Cell(15, 3), "11 297,65");
    EXPECT_EQ(Page()->Schedule().InstalmentCount, 24);

    Page()->CheckBoxZaPelneMiesiace->setChecked(false);
    Page()->DataPierwszejRaty->setText("2024-04-11");
    Set("KredytBankowy", "20000");
    Press("PrzeliczRaty");
    EXPECT_EQ(Messages(), Texts{"Za duży kres pomiędzy uruchomieniem kredytu, a spłata pierwszej raty"});
    EXPECT_EQ(Str("RataBankowa"), "470,73");  // the outputs stay
    for (int row = 0; row < 16; ++row)
        for (int column = 1; column < 5; ++column) EXPECT_EQ(Cell(row, column), "");
    EXPECT_EQ(Page()->Schedule().InstalmentCount, 24);  // the last good schedule stays
}

TEST_F(RatyKredytPageTest, PeriodLimitAndUnit) {
    Start();
    for (const auto& [unit, typed, after] :
         {std::tuple{0, "50", "50"}, {0, "51", "0"}, {1, "600", "600"}, {1, "601", "0"}}) {
        SCOPED_TRACE(typed);
        Choose("RadioGroup4", unit);
        Type("OkresBankowyKredytu", QString::fromUtf8(typed));
        EXPECT_EQ(Str("OkresBankowyKredytu"), after);
        EXPECT_EQ(Messages(),
                  std::string(after) == "0" ? Texts{"Okres kredytu musi być <= 50 lat"} : Texts{});
    }
    Type("OkresBankowyKredytu", "600");
    Set("DoSplaty", "1,00");
    Choose("RadioGroup4", 0);  // 600 years
    EXPECT_EQ(Messages(), Texts{"Okres kredytu musi być <= 50 lat"});
    EXPECT_EQ(Str("OkresBankowyKredytu"), "0");
    EXPECT_EQ(Str("DoSplaty"), "0,00");
    EXPECT_EQ(Str("Label11"), "Okres kredytu w latach:");
    Choose("RadioGroup4", 1);
    EXPECT_EQ(Str("Label11"), "Okres kredytu w miesiącach:");
}

TEST_F(RatyKredytPageTest, DecreasingInstalmentsSwitchCaptions) {
    Start();
    Choose("RadioGroup3", 1);
    EXPECT_EQ(Str("GroupBoxDaneWejsciowe"), "Dane wejściowe dla kredytu - raty malejące");
    EXPECT_EQ(Str("GroupBox12"), "Dane wyjściowe dla kredytu - raty malejące");
    for (const char* name : {"RataBankowa", "LabelRata", "DataPierwszejRaty", "Label16"})
        EXPECT_TRUE(Hidden(name));
    EnterLoan("10000", "12");
    Press("PrzeliczRaty");
    EXPECT_EQ(Str("PierwszaRata"), "933,33");
    EXPECT_EQ(Str("DoSplaty"), "10 650,00");
    Choose("RadioGroup3", 0);
    EXPECT_EQ(Str("GroupBox12"), "Dane wyjściowe dla kredytu - raty równomierne");
    for (const char* name : {"RataBankowa", "LabelRata", "DataPierwszejRaty", "Label16"})
        EXPECT_FALSE(Hidden(name));
    EXPECT_EQ(Str("DoSplaty"), "0,00");
}

TEST_F(RatyKredytPageTest, RateMode) {
    Start();
    Choose("RadioGroupWylicz", 1);
    EXPECT_FALSE(Hidden("EditRata1") || Hidden("LabelRata1"));
    EXPECT_TRUE(Hidden("GroupBox12") && Hidden("Siatka"));
    EXPECT_EQ(Str("PrzeliczRaty"), "Wylicz %");
    EXPECT_EQ(Str("ProcentBankowy"), "");
    EXPECT_TRUE(Page()->ProcentBankowy->isReadOnly());
    EXPECT_EQ(Page()->ProcentBankowy->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(Page()->ProcentBankowy->palette().color(QPalette::Text), QColor(Qt::red));
    Choose("RadioGroup3", 0);  // forced back
    EXPECT_EQ(Page()->RadioGroup3->ItemIndex(), 1);
    EnterLoan("12000", "12");
    Set("EditRata1", "1120");
    Press("PrzeliczRaty");
    EXPECT_EQ(Str("ProcentBankowy"), "12");

    Choose("RadioGroupWylicz", 0);
    EXPECT_TRUE(Hidden("EditRata1"));
    EXPECT_FALSE(Hidden("GroupBox12") || Hidden("Siatka"));
    EXPECT_EQ(Str("PrzeliczRaty"), "Wylicz raty");
    EXPECT_EQ(Str("ProcentBankowy"), "");
    EXPECT_FALSE(Page()->ProcentBankowy->isReadOnly());
    EXPECT_EQ(Page()->ProcentBankowy->palette().color(QPalette::Text), QColor(Qt::black));
}

}  // namespace
}  // namespace tolvex::testing
