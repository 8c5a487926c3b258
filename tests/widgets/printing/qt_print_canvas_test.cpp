#include "widgets/printing/qt_print_canvas.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QTemporaryDir>

#include "core/report/report_printer.h"
#include "support/recording_message_sink.h"

namespace tolvex {
namespace {

class EnvironmentVariable {
  public:
    EnvironmentVariable(const char* name, const QByteArray& value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value);
    }
    ~EnvironmentVariable() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

  private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

void PrintSmallReport(PrintCanvas& canvas) {
    ReportPrinter r(canvas);
    r.BeginReport();
    r.PrintTitle("WYNIKI OBLICZEŃ PŁACY");
    r.PrintRow({{"", 5}, {"Płaca brutto: ", 8}, {"3500 zł", 5}});
    r.EndReport();
}

TEST(QtPrintCanvas, ForcedPdfIsWrittenInTheReportTypefaceAndTheUserIsTold) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EnvironmentVariable forced(kPrintToPdfVariable, dir.path().toUtf8());
    testing::RecordingMessageSink sink;
    PrintFont carried{"Sans Serif", 9};
    QString path;
    {
        QtPrintCanvas canvas("place", carried, &sink);
        path = canvas.PdfPath();
        EXPECT_TRUE(path.startsWith(dir.path()));
        EXPECT_TRUE(QFileInfo(path).fileName().startsWith(QStringLiteral("tolvex-place-")));
        EXPECT_EQ(canvas.PixelsPerInchY(), 600);
        EXPECT_GT(canvas.PageHeight(), 6000);
        PrintSmallReport(canvas);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_TRUE(pdf.contains("LiberationSerif")) << "the report typeface falls back to a serif";
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].kind, Message::Kind::Information);
    EXPECT_EQ(sink.messages[0].text, "Wydruk zapisano do pliku:\n" + path.toStdString());
    EXPECT_EQ(carried, (PrintFont{"Times New Roman CE", 10, false, false}))
        << "the next job starts with the font left";
}

TEST(QtPrintCanvas, WithoutAnyPrinterThePdfGoesToTheDocumentsFolder) {
    QTemporaryDir home;
    EnvironmentVariable noForce(kPrintToPdfVariable, QByteArray());
    EnvironmentVariable homeVar("HOME", home.path().toUtf8());
    EnvironmentVariable xdg("XDG_CONFIG_HOME", home.path().toUtf8());
    bool noPrinter = false;
    QString path = QtPrintCanvas::PdfPathFor("kredyt", &noPrinter);
    if (!noPrinter) GTEST_SKIP() << "this system has a default printer";
    EXPECT_TRUE(path.startsWith(home.path())) << path.toStdString();

    testing::RecordingMessageSink sink;
    PrintFont carried{"Sans Serif", 9};
    {
        QtPrintCanvas canvas("kredyt", carried, &sink);
        PrintSmallReport(canvas);
        path = canvas.PdfPath();
    }
    EXPECT_TRUE(QFileInfo::exists(path));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text,
              "Brak drukarki w systemie. Wydruk zapisano do pliku:\n" + path.toStdString());
}

TEST(QtPrintCanvas, UnwritableFileAbortsTheJobWithAMessage) {
    QTemporaryDir dir;
    const QString blocked = dir.filePath(QStringLiteral("plik"));
    QFile(blocked).open(QIODevice::WriteOnly);  // a file where a folder should be
    EnvironmentVariable forced(kPrintToPdfVariable, blocked.toUtf8());
    testing::RecordingMessageSink sink;
    PrintFont carried{"Sans Serif", 9};
    {
        QtPrintCanvas canvas("place", carried, &sink);
        PrintSmallReport(canvas);
        EXPECT_TRUE(canvas.Aborted());
        EXPECT_TRUE(sink.messages.empty()) << "told once the job is over";
    }
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].kind, Message::Kind::Error);
    EXPECT_TRUE(sink.messages[0].text.starts_with("Nie można zapisać wydruku do pliku:\n"));
}

}  // namespace
}  // namespace tolvex
