#include "widgets/printing/qt_print_canvas.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

#include "core/report/report_printer.h"
#include "support/recording_message_sink.h"

namespace tolvex {
namespace {

// Sets a variable for one test and puts the old state back.
struct EnvironmentVariable {
    EnvironmentVariable(const char* n, const QByteArray& value)
        : name(n), old(qgetenv(n)), had(qEnvironmentVariableIsSet(n)) {
        qputenv(name, value);
    }
    ~EnvironmentVariable() { had ? qputenv(name, old) : qunsetenv(name); }
    const char* name;
    QByteArray old;
    bool had;
};

class QtPrintCanvasTest : public ::testing::Test {
  protected:
    // Prints a small report as the job `name`, runs `check` on the canvas before it closes (and
    // tells what it has to say), and returns the file written.
    QString PrintSmallReport(const char* name, const std::function<void(QtPrintCanvas&)>& check = {}) {
        QtPrintCanvas canvas(name, carried, &sink);
        ReportPrinter r(canvas);
        r.BeginReport();
        r.PrintTitle("WYNIKI OBLICZEŃ PŁACY");
        r.PrintRow({{"", 5}, {"Płaca brutto: ", 8}, {"3500 zł", 5}});
        r.EndReport();
        if (check) check(canvas);
        return canvas.PdfPath();
    }

    testing::RecordingMessageSink sink;
    PrintFont carried{"Sans Serif", 9};  // handed from job to job
};

TEST_F(QtPrintCanvasTest, ForcedPdfIsWrittenInTheReportTypefaceAndTheUserIsTold) {
    QTemporaryDir dir;
    EnvironmentVariable forced(kPrintToPdfVariable, dir.path().toUtf8());
    const QString path = PrintSmallReport("place", [](QtPrintCanvas& canvas) {
        EXPECT_EQ(canvas.PixelsPerInchY(), 600);
        EXPECT_GT(canvas.PageHeight(), 6000);
    });
    EXPECT_EQ(carried, (PrintFont{"Times New Roman CE", 10, false, false}))
        << "the next job starts with the font left";
    EXPECT_TRUE(path.startsWith(dir.path()));
    EXPECT_TRUE(QFileInfo(path).fileName().startsWith(QStringLiteral("tolvex-place-")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_TRUE(pdf.contains("LiberationSerif")) << "the report typeface falls back to a serif";
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].kind, Message::Kind::Information);
    EXPECT_EQ(sink.messages[0].text, "Wydruk zapisano do pliku:\n" + path.toStdString());
}

TEST_F(QtPrintCanvasTest, WithoutAnyPrinterThePdfGoesToTheDocumentsFolder) {
    QTemporaryDir home;
    EnvironmentVariable noForce(kPrintToPdfVariable, QByteArray());
    EnvironmentVariable homeVar("HOME", home.path().toUtf8());
    EnvironmentVariable xdg("XDG_CONFIG_HOME", home.path().toUtf8());
    bool noPrinter = false;
    const QString planned = QtPrintCanvas::PdfPathFor("kredyt", &noPrinter);
    if (!noPrinter) GTEST_SKIP() << "this system has a default printer";
    EXPECT_TRUE(planned.startsWith(home.path())) << planned.toStdString();
    const QString path = PrintSmallReport("kredyt");
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(sink.Take(), std::vector<std::string>{"Brak drukarki w systemie. Wydruk zapisano do pliku:\n" +
                                                    path.toStdString()});
}

TEST_F(QtPrintCanvasTest, UnwritableFileAbortsTheJobWithAMessage) {
    QTemporaryDir dir;
    const QString blocked = dir.filePath(QStringLiteral("plik"));
    QFile(blocked).open(QIODevice::WriteOnly);  // a file where a folder should be
    EnvironmentVariable forced(kPrintToPdfVariable, blocked.toUtf8());
    PrintSmallReport("place", [&](QtPrintCanvas& canvas) {
        EXPECT_TRUE(canvas.Aborted());
        EXPECT_TRUE(sink.messages.empty()) << "told once the job is over";
    });
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].kind, Message::Kind::Warning);
    EXPECT_TRUE(sink.messages[0].text.starts_with("Nie można zapisać wydruku do pliku:\n"));
}

}  // namespace
}  // namespace tolvex
