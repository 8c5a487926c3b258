// Shows the date field in its configurations, or one of its dialogs, for screenshots:
//   tolvex_datetime_gallery [fields | calendar <date> | clock <time> | increment]
#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QTimer>
#include <cstdio>

#include "widgets/common/qt_text.h"
#include "widgets/datetime/form_calendar.h"
#include "widgets/datetime/form_clock.h"
#include "widgets/datetime/form_set_increment.h"
#include "widgets/datetime/tdatetimedlg.h"

namespace {

class PrintingSink : public tolvex::MessageSink {
  public:
    using MessageSink::Show;
    void Show(const tolvex::Message& m) override { std::fprintf(stderr, "message: %s\n", m.text.c_str()); }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PrintingSink sink;
    tolvex::UiContext ctx;
    ctx.messages = &sink;
    ctx.execModal = [](QDialog& d) { return d.exec(); };
    const QString mode = argc > 1 ? QString::fromUtf8(argv[1]) : QStringLiteral("fields");
    const std::string value = argc > 2 ? argv[2] : "";

    if (mode == "calendar") {
        auto* dlg = new tolvex::TFormCalendar(ctx);
        if (!value.empty()) dlg->SetDate(tolvex::ParseDateTimeSerial(value));
        dlg->show();
        return app.exec();
    }
    if (mode == "clock") {
        auto* dlg = new tolvex::TFormClock(ctx);
        dlg->SetDateTime(value.empty() ? 0 : tolvex::ParseDateTimeSerial(value));
        dlg->show();
        return app.exec();
    }
    if (mode == "increment") {
        auto* dlg = new tolvex::TFormSetIncrement;
        dlg->SetScale(3);
        dlg->SetStep(1);
        dlg->show();
        return app.exec();
    }

    using B = tolvex::TButtonOption;
    QWidget window;
    window.setWindowTitle("TDateTimeDlg");
    auto* form = new QFormLayout(&window);
    struct Config {
        const char* caption;
        tolvex::TButtonOptions buttons;
        bool editor;
        const char* text;
    } configs[] = {
        {"Data (okno główne):", B::btnCalendar | B::btnIncrement, false, "2025-03-15"},
        {"Kalendarz:", B::btnCalendar, false, "2025-03-15"},
        {"Data i czas:", B::btnCalendar | B::btnClock | B::btnIncrement, true, "2025-03-15 10:10:30"},
        {"Zegar:", B::btnClock | B::btnIncrement, true, "10:10:30"},
        {"Bez przycisków:", tolvex::TButtonOptions(), true, "2025-03-15"},
    };
    tolvex::TDateTimeDlg* first = nullptr;
    for (const auto& c : configs) {
        auto* f = new tolvex::TDateTimeDlg(ctx, &window);
        f->SetButtons(c.buttons);
        f->SetEnableEditor(c.editor);
        f->setText(QString::fromUtf8(c.text));
        form->addRow(QString::fromUtf8(c.caption), f);
        if (!first) first = f;
    }
    auto* big = new tolvex::TDateTimeDlg(ctx, &window);
    big->ConfigureAsMainWindowDate(tolvex::TIncrementScale::Day);
    QFont font = big->font();
    font.setPointSize(font.pointSize() * 2);
    big->setFont(font);
    big->setText("2025-03-15");
    form->addRow(QString::fromUtf8("Duża czcionka:"), big);
    window.resize(360, 240);
    window.show();
    first->setFocus();
    return app.exec();
}
