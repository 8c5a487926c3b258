#include "info/informacja_dialog.h"

#include <QLabel>
#include "app/startup.h"
#include "info/informacja_page.h"
#include "info/link_label.h"
#include "info/maker.h"
#include "support/ui_fixture.h"

namespace tolvex::testing {
namespace {

class InformacjaTest : public MainWindowTest {
  protected:
    void Record() {
        window->Context().openUrl = [this](const QString& a) { opened.push_back(a.toStdString()); };
    }
    std::vector<std::string> opened;
};

TEST_F(InformacjaTest, LinksOpenThroughTheShellAndRestoreTheirCaptions) {
    Start();
    Record();
    TInformacja& dialog = *window->InformacjaForm;
    InformacjaPage& page = *window->Informacja;
    emit page.LabelInternet->clicked();
    emit page.LabelPoczta->clicked();
    dialog.LabelInternetClick();
    dialog.LabelPocztaClick();
    const std::string mail = "mailto:autor@tolvex.example";
    EXPECT_EQ(opened, (std::vector<std::string>{maker::kProgramPage.toStdString(), mail,
                                                "http://www.tolvex.example", mail}));
    EXPECT_EQ(
        std::tuple(page.LabelInternet->text(), page.LabelPoczta->text(), dialog.LabelInternet->text(),
                   dialog.LabelPoczta->text()),
        std::tuple(maker::kHomePage, maker::kMail, QString("https://www.tolvex.example"), maker::kMail));
}

TEST_F(InformacjaTest, OnlyOkResetsThePanel) {
    window = std::make_unique<TKalkulator_Finansowy>(sink);
    Press("CheckBoxDodatkiPotracenia");
    window->InformacjaForm->reject();
    EXPECT_TRUE(Find<QGroupBox>("GroupBox1Dodatki")->isEnabled());
    Choose("RadioGroupJakaPremia", 1);
    window->InformacjaForm->BitBtn1Click();
    EXPECT_FALSE(Find<QCheckBox>("CheckBoxDodatkiPotracenia")->isChecked());
    EXPECT_FALSE(Find<QGroupBox>("GroupBox1Dodatki")->isEnabled());
    EXPECT_EQ(Find<RadioGroup>("RadioGroupJakaPremia")->ItemIndex(), 0);
    EXPECT_EQ(Str("LabelPremia"), "Premia(%)");
}

TEST_F(InformacjaTest, InformationWindowComesBeforeTheMainWindow) {
    bool mainShownWhenAsked = true;
    window = std::make_unique<TKalkulator_Finansowy>(sink);
    window->Context().execModal = [&](QDialog& d) {
        mainShownWhenAsked = window->isVisible();
        EXPECT_EQ(&d, window->InformacjaForm.get());
        return 1;
    };
    StartUp(*window, QDate(2025, 3, 15));
    EXPECT_FALSE(mainShownWhenAsked);
}

// Regression: the window advertised programs that do not exist, with an invented street address
// and telephone number. It says what the program is, its version and licence, and links.
TEST_F(InformacjaTest, InformationWindowSaysWhatTheProgramIs) {
    Start();
    QString all;
    for (const QLabel* l : window->InformacjaForm->findChildren<QLabel*>())
        all += l->text() + QLatin1Char('\n');
    for (const QString& expected : {QStringLiteral("TOLVEX"), QStringLiteral("Wersja ") + maker::kVersion,
                                    QStringLiteral("GNU GPL w wersji 3"), maker::kMail, maker::kHomePage})
        EXPECT_TRUE(all.contains(expected)) << expected.toStdString();
    for (const char* invented : {"ul. ", "tel.", "Inne programy"})
        EXPECT_FALSE(all.contains(QString::fromUtf8(invented))) << invented;
    EXPECT_EQ(Str("Label17"), "wer. " + maker::kVersion.toStdString());
}

}  // namespace
}  // namespace tolvex::testing
