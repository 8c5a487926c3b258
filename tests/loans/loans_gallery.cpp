// Shows the "Raty-kredyt" page filled in, for looking at it: `loans_gallery` for the
// instalments, `loans_gallery rate` for rate mode, `loans_gallery decreasing` for
// decreasing instalments over 30 years.
#include <QApplication>
#include <QDate>
#include <QDialog>

#include "app/main_window.h"
#include "app/qt_message_sink.h"
#include "app/startup.h"
#include "loans/raty_kredyt_page.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    tolvex::QtMessageSink messages(nullptr);
    tolvex::TKalkulator_Finansowy window(messages);
    messages.SetParent(&window);
    window.Context().execModal = [](QDialog&) { return static_cast<int>(QDialog::Accepted); };
    tolvex::StartUp(window, QDate(2024, 3, 10));
    window.plec->setCurrentWidget(window.TabSheet8);
    window.show();
    auto* page = window.TabSheet8;
    page->KredytBankowy->setText("250000");
    page->ProcentBankowy->setText("7,5");
    if (mode == "rate") {
        page->RadioGroupWylicz->Button(1)->click();
        page->RadioGroup4->Button(1)->click();
        page->OkresBankowyKredytu->setText("120");
        page->EditRata1->setText("3645,83");
    } else if (mode == "decreasing") {
        page->RadioGroup3->Button(1)->click();
        page->OkresBankowyKredytu->setText("30");
    } else {
        page->RadioGroup4->Button(1)->click();
        page->OkresBankowyKredytu->setText("24");
    }
    page->PrzeliczRaty->click();
    return app.exec();
}
