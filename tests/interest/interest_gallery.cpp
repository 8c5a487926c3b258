// Shows the main window on an interest page with sample results, for looking at the
// layout: interest_gallery <page index> [fill]
#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QPushButton>
#include <QTabWidget>

#include "app/main_window.h"
#include "app/qt_message_sink.h"
#include "app/startup.h"
#include "widgets/common/widget_fields.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tolvex::QtMessageSink messages(nullptr);
    tolvex::TKalkulator_Finansowy window(messages);
    messages.SetParent(&window);
    window.Context().execModal = [](QDialog& dialog) {
        dialog.accept();
        return static_cast<int>(QDialog::Accepted);
    };
    tolvex::StartUp(window, QDate(2025, 3, 15));
    window.show();
    window.plec->setCurrentIndex(argc > 1 ? QString(argv[1]).toInt() : 2);
    if (argc > 2) {
        auto set = [&](const char* name, const char* text) {
            tolvex::SetControlText(&window, QString::fromUtf8(name), QString::fromUtf8(text));
        };
        auto press = [&](const char* name) {
            window.findChild<QPushButton*>(QString::fromUtf8(name))->click();
        };
        set("DateTimePocz", "2025-01-01");
        set("EditKwota", "1000");
        set("EditProcent", "5");
        press("Wylicz_Odsetki");
        for (const char* in :
             {"EditMinuty", "EditMetrKwadrat", "EditLitr", "EdithPascal", "EditKonMechaniczny"})
            set(in, "1013,25");
        set("EditCelsiusz", "-273,16");
        for (const char* b :
             {"BitBtnPrzeliczMinuty", "BitBtnPrzeliczpowierzchnie", "BitBtnPrzeliczObjetosc",
              "BitBtnPrzeliczCisnienie", "BitBtnPrzelicz", "BitBtnPrzeliczTemperatureCelsiusza"})
            press(b);
        set("DateTimePocz1", "2005-06-30");
        set("DateTimeKon1", "2025-03-15");
        set("EditKwota1", "123456,78");
        press("WyliczOdsetki_Pod_Ust");
    }
    return app.exec();
}
