#include <QSpinBox>
#include <QTest>

#include "payroll/place_page.h"
#include "support/ui_fixture.h"
#include "widgets/common/radio_group.h"
#include "widgets/common/spin_button.h"

namespace tolvex::testing {
namespace {

class PlacePageTest : public MainWindowTest {
  protected:
    // As typed: the field is replaced, which also wipes an earlier net result.
    void SetGross(const QString& text) {
        Edit("EditPlacaBrutto")->clear();
        Edit("EditPlacaBrutto")->setText(text);
    }
    void ChooseYear(const QString& typed) {
        auto* spin = Find<QSpinBox>("SpinEditJakiRok");
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, typed);
    }
    void ChooseCostType(int index) { Find<QComboBox>("ComboBoxJakieKoszty")->setCurrentIndex(index); }
    std::vector<std::string> TaxYearTexts() {
        return {Str("EditKosztyUzyskPrzychodu"), Str("EditUlgaPodatkowa"), Str("EditSkalaPodatkowa"),
                Str("EditPlacaMinimalna"), Str("EditMinimalnaStawka_godz")};
    }
};

using Texts = std::vector<std::string>;

TEST_F(PlacePageTest, StartUpWritesTheTaxYearOfToday) {
    struct Case {
        QDate today;
        Texts expected;  // costs, relief, rate, minimum wage, hourly rate
    } cases[] = {
        {QDate(2025, 3, 15), {"250", "300", "12", "4 666 zł", "27,77 zł"}},
        {QDate(2024, 12, 31), {"250", "300", "12", "4 300 zł", "26,00 zł"}},
        {QDate(2021, 6, 1), {"250", "43,76", "17", "4666 zł", "27,77 zł"}},
        {QDate(2000, 6, 1), {"", "", "", "4666 zł", "27,77 zł"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.today.toString().toStdString());
        Start(c.today);
        EXPECT_EQ(Find<QSpinBox>("SpinEditJakiRok")->value(), c.today.year());
        EXPECT_EQ(TaxYearTexts(), c.expected);
        EXPECT_EQ(Str("ComboBoxJakieKoszty"), "Podstawowe");
        for (const char* name : {"EditPlacaBrutto", "EditPodstawaOpodat_Zdrowotne", "EditPodstawa_do_Podatku",
                                 "Edit_Netto", "Edit_Zdrowotne", "Edit_Podatek"})
            EXPECT_EQ(Str(name), "0,00") << name;
    }
}

TEST_F(PlacePageTest, YearAndCostTypeFillTheRowAndTheYearIsClamped) {
    Start();
    Edit("EditUlgaPodatkowa")->setText("77");
    auto* spin = Find<QSpinBox>("SpinEditJakiRok");
    ChooseYear("19");  // below 1999 while typing: nothing written
    EXPECT_EQ(Str("EditUlgaPodatkowa"), "77");
    QTest::keyClicks(spin, "99");
    EXPECT_EQ(Str("EditUlgaPodatkowa"), "32,90");
    ChooseCostType(1);
    ChooseYear("2009");
    EXPECT_EQ(TaxYearTexts(), (Texts{"139,06", "46,33", "18", "1 276 zł", "??,? zł"}));
    ChooseCostType(0);
    ChooseYear("2024");
    ChooseCostType(1);
    EXPECT_EQ(TaxYearTexts(), (Texts{"300", "300", "12", "3 600 zł", "23,50 zł"}));
    ChooseYear("2150");
    spin->clearFocus();
    EXPECT_EQ(spin->value(), 2099);
    spin->stepBy(1);
    EXPECT_EQ(spin->value(), 2099);
    spin->setValue(1999);
    spin->stepBy(-1);
    EXPECT_EQ(spin->value(), 1999);
}

TEST_F(PlacePageTest, StartUpValuesAreNotValidatedBeforeTheWindowIsShown) {
    window = std::make_unique<TKalkulator_Finansowy>(sink);
    Edit("EditUlgaPodatkowa")->setText("abc");
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PlacePageTest, SalaryFillsPayrollAndContributionPages) {
    Start();
    SetGross("5000");
    Press("Wylicz");
    const std::pair<const char*, const char*> expected[] = {{"Edit_Netto", "3738,19"},
                                                            {"EditPodstawa_do_Podatku", "4 065,00 zł"},
                                                            {"Edit2", "488 zł"},
                                                            {"Edit22", "1073,81 zł"},
                                                            {"EditKosztPracownika", "6 019,00 zł"},
                                                            {"EditNettoZaGodzine", "22,25"}};
    for (const auto& [name, text] : expected) EXPECT_EQ(Str(name), text) << name;
    // An unticked employee box shows zero but keeps the net.
    Press("Edytuj");
    Find<QCheckBox>("CheckBox2")->click();
    SetGross("5000");
    Press("Wylicz");
    EXPECT_EQ(Str("Edit2"), "0,00 zł");
    EXPECT_EQ(Str("Edit_Netto"), "3738,19");
}

TEST_F(PlacePageTest, GrossAndNetWorkAsAPair) {
    Start();
    Click("EditPlacaBrutto");
    EXPECT_EQ(Str("EditPlacaBrutto"), "");
    Type("EditPlacaBrutto", "abc");
    EXPECT_EQ(Messages(), Texts(3, "Błędnie napisana liczba(separator lub wartość)"));
    EXPECT_EQ(Str("EditPlacaBrutto"), "");
    Leave("EditPlacaBrutto");
    EXPECT_EQ(Str("EditPlacaBrutto"), "0,00");
    SetGross("5000");
    Press("Wylicz");
    Type("EditPlacaBrutto", "6000");
    EXPECT_EQ(Str("Edit_Netto"), "");
    Edit("Edit_Netto")->setText("3000");
    Click("Edit_Netto");
    EXPECT_EQ(Str("EditPlacaBrutto"), "0,00");
}

TEST_F(PlacePageTest, AllowancesPanelSwitchAndBonusUnit) {
    Start();
    auto* dodatki = Find<QGroupBox>("GroupBox1Dodatki");
    EXPECT_FALSE(dodatki->isEnabled());
    EXPECT_TRUE(dodatki->isFlat());
    Press("CheckBoxDodatkiPotracenia");
    EXPECT_TRUE(dodatki->isEnabled());
    EXPECT_TRUE(Find<QGroupBox>("GroupBoxPotracenia")->isEnabled());

    Edit("EditPremia")->setText("10");
    Find<RadioGroup>("RadioGroupJakaPremia")->Button(1)->click();
    EXPECT_EQ(Str("LabelPremia"), "Premia(zł)");
    EXPECT_EQ(Str("EditPremia"), "10");
    SetGross("4990");  // with a bonus of 10 zł, the salary of 5000
    Press("Wylicz");
    EXPECT_EQ(Str("Edit_Netto"), "3738,19");
    Press("CheckBoxDodatkiPotracenia");
    EXPECT_FALSE(dodatki->isEnabled());
    EXPECT_EQ(Str("EditPremia"), "10");
}

TEST_F(PlacePageTest, PanelFieldsClearOnClickAndRefillOnExit) {
    Start();
    Press("CheckBoxDodatkiPotracenia");
    Edit("EditNagrody")->setText("150");
    Click("EditNagrody");
    EXPECT_EQ(Str("EditNagrody"), "");
    Leave("EditNagrody");
    EXPECT_EQ(Str("EditNagrody"), "0,00");
    Type("EditPremia", "12.5");
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Str("EditPremia"), "5");
}

TEST_F(PlacePageTest, PensionHealthToggleAndAward) {
    Start();
    SetGross("5000");
    Press("WyliczEmeryture");
    EXPECT_EQ(Str("Edit_Netto"), "4250");
    const Texts before{Str("Edit22"), Str("Edit20"), Str("Edit24")};
    Press("Dodaj_odejmij_Zdrowotne");
    EXPECT_EQ(Str("Dodaj_odejmij_Zdrowotne"), "Ze zdrowotnym");
    EXPECT_TRUE(Find("Edit6")->isHidden());
    Press("Dodaj_odejmij_Zdrowotne");
    EXPECT_FALSE(Find("Edit6")->isHidden());
    EXPECT_EQ((Texts{Str("Edit22"), Str("Edit20"), Str("Edit24")}), before);

    SetGross("1000");
    Press("WyliczJubil");
    EXPECT_EQ(Str("Edit_Netto"), "880");
    auto* spin = Find<SpinButton>("SpinButtonKrotnosc");
    spin->Up()->click();
    spin->Up()->click();
    EXPECT_EQ(Str("EditKrotnoscnagrody"), "2");
    EXPECT_EQ(Str("Edit_Netto"), "1760");
    // Backward: the typed net stays shown next to the gross it gives.
    Edit("EditPlacaBrutto")->setText("0,00");
    Edit("Edit_Netto")->setText("880");
    Press("WyliczJubil");
    EXPECT_EQ(Str("EditPlacaBrutto"), "1000");
    EXPECT_EQ(Str("Edit_Netto"), "880");

    SetGross("5000");
    Press("Wylicz");
    spin->Down()->click();
    EXPECT_EQ(Messages(), Texts{"To nie jest nagroda"});
}

}  // namespace
}  // namespace tolvex::testing
