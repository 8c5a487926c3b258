// Prints every report of the running program, for looking at them:
// TOLVEX_PRINT_TO_PDF=<folder> print_gallery   (without it: the default printer, or a
// PDF in the documents folder where the system has none). Messages go to stdout, or
// with --boxes to the program's own message boxes.
#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QPushButton>
#include <QSlider>
#include <cstdio>

#include "app/main_window.h"
#include "app/qt_message_sink.h"
#include "app/startup.h"
#include "widgets/common/radio_group.h"
#include "widgets/common/widget_fields.h"

namespace {

class PrintingSink : public tolvex::MessageSink {
  public:
    using MessageSink::Show;
    void Show(const tolvex::Message& m) override {
        std::printf("[%d] %s\n", static_cast<int>(m.kind), m.text.c_str());
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool boxes = argc > 1 && QString::fromLatin1(argv[1]) == QStringLiteral("--boxes");
    PrintingSink printed;
    tolvex::QtMessageSink shown(nullptr);
    tolvex::MessageSink& messages = boxes ? static_cast<tolvex::MessageSink&>(shown) : printed;
    tolvex::TKalkulator_Finansowy window(messages);
    shown.SetParent(&window);
    window.Context().execModal = [](QDialog& dialog) {
        dialog.accept();
        return static_cast<int>(QDialog::Accepted);
    };
    tolvex::StartUp(window, QDate(2025, 3, 15));
    window.BuildDeferredControls();  // controls of every page looked up by name
    window.show();
    QApplication::processEvents();
    auto set = [&](const char* name, const char* text) {
        tolvex::SetControlText(&window, QString::fromUtf8(name), QString::fromUtf8(text));
    };
    auto press = [&](const char* name) { window.findChild<QPushButton*>(QString::fromUtf8(name))->click(); };
    auto choose = [&](const char* name, int item) {
        window.findChild<tolvex::RadioGroup*>(QString::fromUtf8(name))->Button(item)->click();
    };

    if (boxes) {
        window.plec->setCurrentIndex(3);
        set("DateTimePocz1", "2022-07-01");
        set("DateTimeKon1", "2022-09-20");
        set("EditKwota1", "10000");
        press("WyliczOdsetki_Pod_Ust");
        press("Drukuj1");
        return 0;
    }
    set("EditNazwiskoImie", "Jan Kowalski");
    set("EditPlacaBrutto", "6543,21");
    press("Wylicz");
    if (qEnvironmentVariableIsSet("TOLVEX_GALLERY_FIELDS"))
        for (const char* n :
             {"Edit_Podatek", "EditPodstawaOpodat_Zdrowotne", "Edit2", "Edit6", "Edit22", "Edit_Netto"})
            std::printf("%s = %s\n", n,
                        tolvex::ControlText(&window, QString::fromUtf8(n)).toUtf8().constData());
    press("DrukujPlace");

    set("DateTimePocz1", "2005-06-30");
    set("DateTimeKon1", "2025-03-15");
    set("EditKwota1", "123456,78");
    press("WyliczOdsetki_Pod_Ust");
    press("Drukuj1");

    choose("RadioGroup3", 1);
    set("KredytBankowy", "300000");
    set("OkresBankowyKredytu", "30");
    set("ProcentBankowy", "7,5");
    press("PrzeliczRaty");
    press("DrukujRaty");

    choose("RadioGroup3", 0);
    set("KredytBankowy", "10000");
    set("OkresBankowyKredytu", "2");
    set("ProcentBankowy", "12");
    press("PrzeliczRaty");
    press("DrukujRaty");

    // Both fund projections, the second pillar from 15 so its table runs over a page.
    window.findChild<QSlider*>(QStringLiteral("TrackBarWiek"))->setValue(15);
    set("WynagrodzenieBrutto", "4500");
    press("PrzeliczOFE");
    press("Drukuj");
    set("SkladkaSrednia", "2400");
    window.findChild<QSlider*>(QStringLiteral("TrackBarWiek1"))->setValue(30);
    press("PrzeliczFE");
    press("Drukuj2");

    // The ZUS reports: initial capital with computed periods, the new system, the old system.
    choose("RadioGroupKapitalPoczatkowy", 1);
    set("EditLataNieSkl", "1");
    press("PrzeliczZUS");
    press("Drukuj_ZUS");
    set("DateTimeDataUrodzenia", "1975-06-30");
    set("EditKapitalPoczatkowy", "8000,00");
    set("EditPlacaBruttoZus", "3000");
    choose("RadioGroupWaloryzacja", 2);
    press("PrzeliczZUS");
    press("Drukuj_ZUS");
    set("DateTimeDataUrodzenia", "1945-05-10");
    set("EditLataSkladkowy", "30");
    set("EditMcSkl", "4");
    press("PrzeliczZUS");
    press("Drukuj_ZUS");
    return 0;
}
