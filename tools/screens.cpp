// Saves a picture of every page of the main window, for looking at the layout:
//   tolvex_screens <dir> [yyyy-MM-dd]
// Runs on any Qt platform; under Xvfb it draws as on a desktop.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>

#include "app/main_window.h"
#include "app/platform_translations.h"
#include "app/startup.h"
#include "info/informacja_dialog.h"
#include "pensions/emeryt_zus_page.h"
#include "support/recording_message_sink.h"
#include "widgets/common/radio_group.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tolvex::InstallPolishPlatformTexts(app);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    const QDate today =
        argc > 2 ? QDate::fromString(QString::fromLatin1(argv[2]), Qt::ISODate) : QDate(2025, 3, 15);
    QDir().mkpath(dir);
    tolvex::testing::RecordingMessageSink sink;
    tolvex::TKalkulator_Finansowy window(sink);
    window.Context().execModal = [](QDialog& d) {
        d.accept();
        return 1;
    };
    tolvex::StartUp(window, today);
    window.BuildDeferredControls();  // controls of every page looked up by name
    window.show();
    auto save = [&](const QString& name) {
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        window.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    };
    for (int i = 0; i < window.plec->count(); ++i) {
        window.plec->setCurrentIndex(i);
        save(QStringLiteral("page%1-%2").arg(i + 1).arg(window.plec->widget(i)->objectName()));
    }
    // The payroll page after a calculation with the panel switched on.
    window.plec->setCurrentIndex(0);
    window.findChild<QCheckBox*>(QStringLiteral("CheckBoxDodatkiPotracenia"))->click();
    window.findChild<QLineEdit*>(QStringLiteral("EditPremia"))->setText(QStringLiteral("10"));
    window.findChild<QLineEdit*>(QStringLiteral("EditRata"))->setText(QStringLiteral("250"));
    window.findChild<QLineEdit*>(QStringLiteral("EditPlacaBrutto"))->setText(QStringLiteral("5000"));
    window.findChild<QPushButton*>(QStringLiteral("Wylicz"))->click();
    save(QStringLiteral("payroll-panel"));
    window.plec->setCurrentIndex(1);
    save(QStringLiteral("zus-after"));
    // Interest split over three rate periods, and a decreasing-instalment loan.
    auto setText = [&](const char* name, const char* text) {
        window.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
    };
    auto press = [&](const char* name) {
        window.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
    };
    setText("DateTimePocz", "2024-01-01");
    setText("EditKwota", "1000");
    setText("EditProcent", "5");
    press("Wylicz_Odsetki");
    window.plec->setCurrentIndex(2);
    save(QStringLiteral("interest-bank"));
    setText("DateTimePocz1", "2022-07-01");
    setText("DateTimeKon1", "2022-10-15");
    setText("EditKwota1", "10000");
    press("WyliczOdsetki_Pod_Ust");
    window.plec->setCurrentIndex(3);
    save(QStringLiteral("interest-tax"));
    setText("KredytBankowy", "120000");
    setText("OkresBankowyKredytu", "3");
    setText("ProcentBankowy", "7,5");
    window.findChild<tolvex::RadioGroup*>(QStringLiteral("RadioGroup3"))->Button(1)->click();
    press("PrzeliczRaty");
    window.plec->setCurrentIndex(7);
    save(QStringLiteral("loan-decreasing"));
    // Both fund projections, the third pillar after the second.
    for (const auto& [name, text] : {std::pair{"WynagrodzenieBrutto", "2500"},
                                     {"Prowizja", "4"},
                                     {"Oplata", "1"},
                                     {"Zysk", "5"},
                                     {"Wzrost", "3"},
                                     {"DateTimeRokRozpoczecia", "2005-03-01"}})
        setText(name, text);
    window.findChild<QSlider*>(QStringLiteral("TrackBarWiek"))->setValue(30);
    window.findChild<QSlider*>(QStringLiteral("TrackBarLata"))->setValue(20);
    press("PrzeliczOFE");
    window.plec->setCurrentIndex(5);
    save(QStringLiteral("fund-second-pillar"));
    window.findChild<tolvex::RadioGroup*>(QStringLiteral("RadioGroupPlec1"))->Button(1)->click();
    for (const auto& [name, text] : {std::pair{"SkladkaSrednia", "2400"},
                                     {"KwotaPoczatkowa", "1000"},
                                     {"ProwizjaFE", "8"},
                                     {"OplataZE", "2"},
                                     {"ZyskFE", "6"},
                                     {"InflacjaRoczna", "3"},
                                     {"DateTimeRokPrzystapienia", "2010-01-01"}})
        setText(name, text);
    window.findChild<QSlider*>(QStringLiteral("TrackBarWiek1"))->setValue(40);
    window.findChild<QSlider*>(QStringLiteral("TrackBarLata1"))->setValue(15);
    press("PrzeliczFE");
    window.plec->setCurrentIndex(6);
    save(QStringLiteral("fund-third-pillar"));
    window.plec->setCurrentIndex(5);
    save(QStringLiteral("fund-second-pillar-after-third"));
    window.InformacjaForm->show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    window.InformacjaForm->grab().save(dir + QStringLiteral("/informacja.png"));
    window.InformacjaForm->hide();
    auto saveWindow = [&](QWidget& w, const QString& name) {
        w.show();
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        w.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
        w.hide();
    };

    // The ZUS page in its three layouts, each after a calculation, and its three dialogs.
    tolvex::EmerytZusPage& zus = *window.TabSheet9;
    window.plec->setCurrentWidget(&zus);
    auto choose = [&](tolvex::RadioGroup* group, int item) { group->Button(item)->click(); };
    zus.DateTimeDataUrodzenia->setText(QStringLiteral("1945-05-10"));
    setText("EditLataSkladkowy", "30");
    setText("EditMcSkl", "4");
    setText("EditLataNieSkl", "2");
    press("PrzeliczZUS");
    save(QStringLiteral("zus-old-system"));
    zus.DateTimeDataUrodzenia->setText(QStringLiteral("1952-12-18"));
    choose(zus.RadioGroupKapitalPoczatkowy, 1);
    setText("EditLataNieSkl", "1");
    setText("EditMcNieSkl", "9");
    zus.Inflacja->setValue(3);
    press("PrzeliczZUS");
    save(QStringLiteral("zus-initial-capital"));
    choose(zus.RadioGroupPlec2, 1);
    zus.DateTimeDataUrodzenia->setText(QStringLiteral("1975-06-30"));
    setText("EditKapitalPoczatkowy", "8000,00");
    setText("EditPlacaBruttoZus", "3000");
    zus.Inflacja->setValue(2);
    choose(zus.RadioGroupWaloryzacja, 2);
    press("PrzeliczZUS");
    save(QStringLiteral("zus-new-system"));
    window.TabelaWynagrodzen->StringGridTabelaWynagrodzen->item(1, 1)->setText(QStringLiteral("1990"));
    window.TabelaWynagrodzen->StringGridTabelaWynagrodzen->setCurrentCell(1, 2);
    window.TabelaWynagrodzen->ZapamietajClick();
    saveWindow(*window.TabelaWynagrodzen, QStringLiteral("zus-dialog-10"));
    window.TabelaWynagrodzen20->CheckBoxWprowadzWskaznik->click();
    saveWindow(*window.TabelaWynagrodzen20, QStringLiteral("zus-dialog-20"));
    choose(zus.RadioGroupWaloryzacja, 1);
    saveWindow(*window.TabelaWaloryzacyjna, QStringLiteral("zus-dialog-valorization"));

    // Qt's own texts: a text field's context menu, and the three kinds of message box.
    QMenu* menu =
        window.findChild<QLineEdit*>(QStringLiteral("EditPlacaBruttoZus"))->createStandardContextMenu();
    saveWindow(*menu, QStringLiteral("context-menu"));
    delete menu;
    const std::pair<QMessageBox::Icon, const char*> boxes[] = {
        {QMessageBox::Warning, "Błędnie napisana liczba(separator lub wartość)"},
        {QMessageBox::Information, "Wydruk zapisano do pliku:\n/home/jan/Dokumenty/tolvex-kredyt.pdf"},
        {QMessageBox::Critical, "Nieoczekiwany błąd programu"}};
    for (const auto& [icon, text] : boxes) {
        QMessageBox box(icon, QStringLiteral("tolvex"), QString::fromUtf8(text), QMessageBox::Ok, &window);
        saveWindow(box, QStringLiteral("message-%1").arg(static_cast<int>(icon)));
    }
    return 0;
}
