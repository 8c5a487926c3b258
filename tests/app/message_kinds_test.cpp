// Which icon a message box carries: the warning for what the user can put right, the
// information icon for a notice, the red icon only for an error no handler caught.
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "app/qt_message_sink.h"
#include "app/tolvex_application.h"
#include "core/report/report_printer.h"
#include "support/ui_fixture.h"
#include "widgets/printing/qt_print_canvas.h"

namespace tolvex::testing {
namespace {

using Kind = Message::Kind;

TEST(QtMessageSinkTest, IconFollowsTheKindAndTextsStay) {
    const std::pair<Kind, QMessageBox::Icon> cases[] = {
        {Kind::Warning, QMessageBox::Warning},
        {Kind::Information, QMessageBox::Information},
        {Kind::Error, QMessageBox::Critical},
    };
    for (const auto& [kind, icon] : cases) {
        QMessageBox::Icon shown = QMessageBox::NoIcon;
        QString text, caption;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            shown = box->icon();
            text = box->text();
            caption = box->windowTitle();
            box->accept();
        });
        QtMessageSink(nullptr).Show("Błędnie napisana liczba", {}, kind);
        EXPECT_EQ(shown, icon);
        EXPECT_EQ(text.toStdString(), "Błędnie napisana liczba");
        EXPECT_EQ(caption.toStdString(), "tolvex");
    }
}

class MessageKindsTest : public MainWindowTest {};

TEST_F(MessageKindsTest, UserErrorsWarnNoticesInformUncaughtErrorsAreCritical) {
    Start();
    Edit("DateTimePocz1")->setText("2022-07-01");
    Edit("EditKwota1")->setText("12x");
    Press("WyliczOdsetki_Pod_Ust");
    ASSERT_FALSE(sink.messages.empty());
    for (const Message& m : sink.messages) EXPECT_EQ(m.kind, Kind::Warning) << m.text;
    Messages();

    QTemporaryDir dir;
    qputenv(kPrintToPdfVariable, dir.path().toUtf8());
    {
        PrintFont carried{"Liberation Serif", 10};
        QtPrintCanvas canvas("place", carried, &sink);
        ReportPrinter printer(canvas);
        printer.BeginReport();
        printer.PrintTitle("WYNIKI");
        printer.EndReport();
    }
    qunsetenv(kPrintToPdfVariable);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].kind, Kind::Information) << sink.messages[0].text;
    Messages();

    struct Throwing : QObject {
        bool event(QEvent*) override { throw std::runtime_error("błąd programu"); }
    } target;
    auto* app = qobject_cast<TolvexApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    app->SetMessageSink(&sink);
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&target, &event);
    app->SetMessageSink(nullptr);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].kind, Kind::Error);
    Messages();
}

}  // namespace
}  // namespace tolvex::testing
