// Pictures of the copy, CSV and chart menu of every result grid and of each chart window,
// with the CSV files beside them, for looking at what leaves the program:
//   tolvex_export_shots <dir>
// Meant for Xvfb: the context menus are real popups, so the whole screen is saved.
#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include "app/main_window.h"
#include "app/platform_translations.h"
#include "app/startup.h"
#include "pensions/emeryt_zus_page.h"
#include "support/recording_message_sink.h"
#include "widgets/common/radio_group.h"
#include "widgets/export/grid_export.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tolvex::InstallPolishPlatformTexts(app);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("export-shots");
    QDir().mkpath(dir);
    tolvex::testing::RecordingMessageSink sink;
    tolvex::TKalkulator_Finansowy window(sink);
    window.Context().execModal = [](QDialog& d) {
        d.accept();
        return 1;
    };
    QString savePath;
    window.Context().chooseSaveFile = [&](const QString&, const QString&) { return savePath; };
    tolvex::StartUp(window, QDate(2025, 3, 15));
    window.BuildDeferredControls();  // controls of every page looked up by name
    window.move(0, 0);
    window.show();
    const auto settle = [] {
        for (int i = 0; i < 10; ++i) QApplication::processEvents();
    };
    const auto setText = [&](const char* name, const char* text) {
        window.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
    };
    const auto press = [&](const char* name) {
        window.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
    };
    const auto choose = [&](const char* group, int item) {
        window.findChild<tolvex::RadioGroup*>(QString::fromLatin1(group))->Button(item)->click();
    };
    const auto screen = [&](const QString& name) {
        settle();
        QGuiApplication::primaryScreen()->grabWindow(0).save(dir + QLatin1Char('/') + name + ".png");
    };
    // Right-click in the grid at `cell`, save the screen with the menu open, then the chart
    // window, its PNG and the CSV.
    const auto shoot = [&](const char* gridName, int row, int column, const QString& name) {
        auto* grid = window.findChild<QTableWidget*>(QString::fromLatin1(gridName));
        window.plec->setCurrentWidget(grid->parentWidget());
        settle();
        grid->setCurrentCell(row, column);
        const QPoint at = grid->visualRect(grid->model()->index(row, column)).center();
        QTimer::singleShot(400, [&] {
            screen(name + "-menu");
            if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &event);
        // The texts the grid shows, to check the CSV against.
        QFile shown(dir + QLatin1Char('/') + name + "-grid.txt");
        if (shown.open(QIODevice::WriteOnly)) {
            for (int r = 0; r < grid->rowCount(); ++r) {
                QStringList cells;
                for (int c = 0; c < grid->columnCount(); ++c)
                    cells << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
                shown.write((cells.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8());
            }
        }
        auto* e = grid->findChild<tolvex::GridExport*>(QString::fromLatin1(gridName) + "Eksport");
        savePath = dir + QLatin1Char('/') + name + ".csv";
        e->ZapiszCsv->trigger();
        e->Wykres->trigger();
        QWidget* chart = e->OpenChart();
        chart->move(20, 20);
        settle();
        chart->grab().save(dir + QLatin1Char('/') + name + "-chart-window.png");
        savePath = dir + QLatin1Char('/') + name + "-chart.png";
        chart->findChild<QPushButton*>("ZapiszPng")->click();
        chart->close();
        settle();
    };

    choose("RadioGroup3", 1);
    choose("RadioGroup4", 0);
    setText("KredytBankowy", "200000");
    setText("OkresBankowyKredytu", "20");
    setText("ProcentBankowy", "7,5");
    press("PrzeliczRaty");
    shoot("Siatka", 5, 2, "loan-decreasing");
    choose("RadioGroup3", 0);
    setText("KredytBankowy", "200000");
    setText("OkresBankowyKredytu", "20");
    setText("ProcentBankowy", "7,5");
    press("PrzeliczRaty");
    shoot("Siatka", 5, 2, "loan-equal");

    setText("DateTimePocz1", "2015-01-01");
    setText("DateTimeKon1", "2025-03-15");
    setText("EditKwota1", "10000");
    press("WyliczOdsetki_Pod_Ust");
    shoot("StringGrid1", 2, 3, "interest");

    for (const auto& [name, text] : {std::pair{"WynagrodzenieBrutto", "2500"},
                                     {"Oplata", "1"},
                                     {"Zysk", "5"},
                                     {"Wzrost", "3"},
                                     {"DateTimeRokRozpoczecia", "2005-03-01"}})
        setText(name, text);
    window.findChild<QSlider*>(QStringLiteral("TrackBarWiek"))->setValue(30);
    window.findChild<QSlider*>(QStringLiteral("TrackBarLata"))->setValue(20);
    press("PrzeliczOFE");
    shoot("Tabelka", 3, 2, "fund-second-pillar");

    choose("RadioGroupPlec1", 1);
    for (const auto& [name, text] : {std::pair{"SkladkaSrednia", "2400"},
                                     {"KwotaPoczatkowa", "1000"},
                                     {"OplataZE", "2"},
                                     {"ZyskFE", "6"},
                                     {"InflacjaRoczna", "3"},
                                     {"DateTimeRokPrzystapienia", "2010-01-01"}})
        setText(name, text);
    window.findChild<QSlider*>(QStringLiteral("TrackBarWiek1"))->setValue(40);
    window.findChild<QSlider*>(QStringLiteral("TrackBarLata1"))->setValue(15);
    press("PrzeliczFE");
    shoot("Tabelka1", 3, 2, "fund-third-pillar");

    tolvex::EmerytZusPage& zus = *window.TabSheet9;
    window.plec->setCurrentWidget(&zus);
    zus.RadioGroupKapitalPoczatkowy->Button(1)->click();
    setText("EditLataNieSkl", "1");
    setText("EditMcNieSkl", "9");
    zus.Inflacja->setValue(3);
    press("PrzeliczZUS");
    shoot("Tabelka2", 4, 4, "zus");

    // A save into a folder that does not exist: the message as the program's box shows it.
    savePath = QStringLiteral("/brak-folderu/emerytura-zus.csv");
    window.findChild<tolvex::GridExport*>(QStringLiteral("Tabelka2Eksport"))->ZapiszCsv->trigger();
    if (!sink.messages.empty()) {
        const tolvex::Message& m = sink.messages.back();
        QMessageBox box(QMessageBox::Warning, QString::fromStdString(m.caption),
                        QString::fromStdString(m.text), QMessageBox::Ok, &window);
        box.show();
        settle();
        box.grab().save(dir + QStringLiteral("/save-failed-message.png"));
    }
    return 0;
}
