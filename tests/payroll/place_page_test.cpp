#include <QSpinBox>
#include <QTest>

#include "payroll/place_page.h"
#include "support/ui_fixture.h"
#include "widgets/common/spin_button.h"

namespace tolvex::testing {
namespace {

using Texts = std::vector<std::string>;

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
    std::string TaxYearTexts() {
        return Strs(
            "EditKosztyUzyskPrzychodu EditUlgaPodatkowa EditSkalaPodatkowa EditPlacaMinimalna "
            "EditMinimalnaStawka_godz");
    }
};

TEST_F(PlacePageTest, TaxYearOfTodayThenOfTheChosenYearAndCostType) {
    Start(QDate(2021, 6, 1));
    auto* spin = Find<QSpinBox>("SpinEditJakiRok");
    EXPECT_EQ(spin->value(), 2021);
    // 2021 keeps the design texts of both minimum-wage fields.
    EXPECT_EQ(TaxYearTexts(), "250|43,76|17|4666 zł|27,77 zł");
    EXPECT_EQ(Str("ComboBoxJakieKoszty"), "Podstawowe");
    EXPECT_EQ(Strs("EditPlacaBrutto EditPodstawaOpodat_Zdrowotne EditPodstawa_do_Podatku Edit_Netto "
                   "Edit_Zdrowotne Edit_Podatek"),
              "0,00|0,00|0,00|0,00|0,00|0,00");

    Edit("EditUlgaPodatkowa")->setText("77");
    ChooseYear("19");  // below 1999 while typing: nothing written
    EXPECT_EQ(Str("EditUlgaPodatkowa"), "77");
    QTest::keyClicks(spin, "99");
    EXPECT_EQ(Str("EditUlgaPodatkowa"), "32,90");
    ChooseYear("2024");
    Find<QComboBox>("ComboBoxJakieKoszty")->setCurrentIndex(1);
    EXPECT_EQ(TaxYearTexts(), "300|300|12|3 600 zł|23,50 zł");
    ChooseYear("2009");
    EXPECT_EQ(TaxYearTexts(), "139,06|46,33|18|1 276 zł|??,? zł");
    ChooseYear("2150");
    spin->clearFocus();
    EXPECT_EQ(spin->value(), 2099);
    spin->stepBy(1);
    EXPECT_EQ(spin->value(), 2099);
    spin->setValue(1999);
    spin->stepBy(-1);
    EXPECT_EQ(spin->value(), 1999);
}

TEST_F(PlacePageTest, SalaryFillsBothPagesHealthTogglesAndHalfPostPayScalesAgain) {
    Start();
    SetGross("5000");
    Press("Wylicz");
    EXPECT_EQ(Strs("Edit_Netto EditKosztPracownika EditNettoZaGodzine"), "3738,19|6 019,00 zł|22,25");
    // The health toggle takes the health cell out of the "Skł. ZUS" totals and puts it back.
    const auto cells = [this] { return Strs("Edit6 Edit20 Edit22 Edit24 Dodaj_odejmij_Zdrowotne"); };
    const std::string filled = cells();
    const char* healthControls = "Edit6 LabelZdrowotne Label1Zdrowotne_prc Edit13 Edit20";
    Press("Dodaj_odejmij_Zdrowotne");
    EXPECT_EQ(cells(), "388,31 zł|0 zł|685,5 zł|1704,5 zł|Ze zdrowotnym");
    ExpectShown(healthControls, false);
    Press("Dodaj_odejmij_Zdrowotne");
    EXPECT_EQ(cells(), filled);
    ExpectShown(healthControls, true);

    Find<QComboBox>("ComboBoxEtat")->setEditText("4/8");
    SetGross("3500");
    Press("Wylicz");
    // The net is written after the part-time gross, whose change wipes the net.
    EXPECT_EQ(Strs("EditPlacaBrutto Edit_Netto"), "1750|1374,16");
    Click("EditPlacaBrutto");  // empties the net, so the next press scales the gross again
    Press("Wylicz");
    EXPECT_EQ(Strs("EditBruttoCalyEtat EditPlacaBrutto"), "1750|875");
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

TEST_F(PlacePageTest, AllowancesPanel) {
    Start();
    auto* dodatki = Find<QGroupBox>("GroupBox1Dodatki");
    EXPECT_FALSE(dodatki->isEnabled());
    EXPECT_TRUE(dodatki->isFlat());
    Press("CheckBoxDodatkiPotracenia");
    EXPECT_TRUE(dodatki->isEnabled());
    EXPECT_TRUE(Find<QGroupBox>("GroupBoxPotracenia")->isEnabled());

    Edit("EditNagrody")->setText("150");
    Click("EditNagrody");
    EXPECT_EQ(Str("EditNagrody"), "");
    Leave("EditNagrody");
    EXPECT_EQ(Str("EditNagrody"), "0,00");
    Type("EditPremia", "12.5");
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Str("EditPremia"), "5");

    Edit("EditPremia")->setText("10");
    Choose("RadioGroupJakaPremia", 1);
    EXPECT_EQ(Str("LabelPremia"), "Premia(zł)");
    SetGross("4990");  // with a bonus of 10 zł, the salary of 5000
    Press("Wylicz");
    EXPECT_EQ(Str("Edit_Netto"), "3738,19");
    Press("CheckBoxDodatkiPotracenia");
    EXPECT_FALSE(dodatki->isEnabled());
    EXPECT_EQ(Str("EditPremia"), "10");
}

TEST_F(PlacePageTest, PensionAndAward) {
    Start();
    SetGross("5000");
    Press("WyliczEmeryture");
    EXPECT_EQ(Str("Edit_Netto"), "4250");

    SetGross("1000");
    Press("WyliczJubil");
    EXPECT_EQ(Str("Edit_Netto"), "880");
    auto* spin = Find<SpinButton>("SpinButtonKrotnosc");
    spin->Up()->click();
    spin->Up()->click();
    EXPECT_EQ(Strs("EditKrotnoscnagrody Edit_Netto"), "2|1760");
    // Backward: the typed net stays shown next to the gross it gives, and a step has no net to scale.
    Fill("EditPlacaBrutto=0,00;Edit_Netto=880");
    Press("WyliczJubil");
    EXPECT_EQ(Strs("EditPlacaBrutto Edit_Netto"), "1000|880");
    spin->Up()->click();
    EXPECT_EQ(Strs("EditKrotnoscnagrody Edit_Netto"), "2,5|0");

    // A salary leaves the award flag down.
    SetGross("5000");
    Press("Wylicz");
    spin->Down()->click();
    EXPECT_EQ(Messages(), Texts{"To nie jest nagroda"});
    EXPECT_EQ(Str("EditKrotnoscnagrody"), "2,5");
}

}  // namespace
}  // namespace tolvex::testing
