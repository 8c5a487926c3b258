#include "loans/raty_kredyt_page.h"

#include "support/ui_fixture.h"

namespace tolvex::testing {
namespace {

using Texts = std::vector<std::string>;

class RatyKredytPageTest : public MainWindowTest {
  protected:
    RatyKredytPage* Page() const { return window->TabSheet8; }
    std::string Cell(int row, int column) const {
        QTableWidgetItem* item = Page()->Siatka->item(row, column);
        return item ? item->text().toStdString() : std::string();
    }
    void EnterLoan(const char* kredyt, const char* okres) {
        Fill("RadioGroup4:1;KredytBankowy=" + std::string(kredyt) + ";OkresBankowyKredytu=" + okres +
             ";ProcentBankowy=12");
    }
};

TEST_F(RatyKredytPageTest, StartValuesAndLoanDate) {
    Start(QDate(2024, 12, 20));
    EXPECT_EQ(Strs("DataKredytu DataPierwszejRaty"), "2024-12-20|2025-01-01");
    ExpectShown("EditRata1 LabelRata1", false);
    Page()->DataKredytu->setText("2024-02-29");
    EXPECT_EQ(Str("DataPierwszejRaty"), "2024-03-01");
}

TEST_F(RatyKredytPageTest, GridFilledThenClearedByARefusedFirstDate) {
    Start(QDate(2024, 3, 10));
    EnterLoan("10000", "24");
    Press("PrzeliczRaty");
    ASSERT_EQ(Page()->Siatka->columnCount(), 5);
    EXPECT_EQ(Cell(15, 3), "11 297,65");

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
    EXPECT_EQ(Strs("OkresBankowyKredytu DoSplaty Label11"), "0|0,00|Okres kredytu w latach:");
    Choose("RadioGroup4", 1);
    EXPECT_EQ(Str("Label11"), "Okres kredytu w miesiącach:");
}

TEST_F(RatyKredytPageTest, LoanKindSwitchesCaptionsAndClearsTheOutputs) {
    Start();
    EnterLoan("10000", "12");
    for (const auto& [kind, word, first] :
         {std::tuple{1, "malejące", "933,33"}, {0, "równomierne", "888,49"}}) {
        SCOPED_TRACE(word);
        Choose("RadioGroup3", kind);
        EXPECT_EQ(Str("DoSplaty"), "0,00");
        EXPECT_EQ(Str("GroupBoxDaneWejsciowe"), std::string("Dane wejściowe dla kredytu - raty ") + word);
        EXPECT_EQ(Str("GroupBox12"), std::string("Dane wyjściowe dla kredytu - raty ") + word);
        ExpectShown("RataBankowa LabelRata DataPierwszejRaty Label16", kind == 0);
        Press("PrzeliczRaty");
        EXPECT_EQ(Str("PierwszaRata"), first);
    }
}

TEST_F(RatyKredytPageTest, RateMode) {
    Start();
    for (const bool rate : {true, false}) {
        SCOPED_TRACE(rate);
        Choose("RadioGroupWylicz", rate ? 1 : 0);
        ExpectShown("EditRata1 LabelRata1", rate);
        ExpectShown("GroupBox12 Siatka", !rate);
        EXPECT_EQ(Str("PrzeliczRaty"), rate ? "Wylicz %" : "Wylicz raty");
        EXPECT_EQ(Str("ProcentBankowy"), "");
        // The rate is a result: read-only, skipped by Tab, red.
        EXPECT_EQ(Page()->ProcentBankowy->isReadOnly(), rate);
        EXPECT_EQ(Page()->ProcentBankowy->focusPolicy(), rate ? Qt::ClickFocus : Qt::StrongFocus);
        EXPECT_EQ(Page()->ProcentBankowy->palette().color(QPalette::Text),
                  QColor(rate ? Qt::red : Qt::black));
        if (!rate) continue;
        Choose("RadioGroup3", 0);  // forced back
        EXPECT_EQ(Page()->RadioGroup3->ItemIndex(), 1);
        Fill("RadioGroup4:1;KredytBankowy=12000;OkresBankowyKredytu=12;EditRata1=1120");
        Press("PrzeliczRaty");
        EXPECT_EQ(Str("ProcentBankowy"), "12");
    }
}

}  // namespace
}  // namespace tolvex::testing
