#include "widgets/printing/qt_print_canvas.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "widgets/common/qt_text.h"

namespace tolvex {

namespace {

// The report typeface is not shipped with free systems: print it in the metric-
// compatible serif, or in any serif the system has.
void SubstituteReportTypeface() {
    static const bool done = [] {
        QFont::insertSubstitutions(Q(kReportTypeface),
                                   {QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"),
                                    QStringLiteral("DejaVu Serif"), QStringLiteral("Serif")});
        return true;
    }();
    (void)done;
}

QString UniqueFileIn(const QDir& dir, const QString& base) {
    QString path = dir.filePath(base + QStringLiteral(".pdf"));
    for (int i = 2; QFileInfo::exists(path); ++i)
        path = dir.filePath(base + QStringLiteral("-%1.pdf").arg(i));
    return path;
}

}  // namespace

QFont QtPrintCanvas::ToQFont(const PrintFont& f) {
    SubstituteReportTypeface();
    QFont q(Q(f.name));
    if (f.name == kReportTypeface) q.setStyleHint(QFont::Serif);
    if (f.sizePt > 0) q.setPointSize(f.sizePt);
    q.setBold(f.bold);
    q.setUnderline(f.underline);
    return q;
}

QString QtPrintCanvas::PdfPathFor(const std::string& reportName, bool* noPrinter) {
    const QString forced = qEnvironmentVariable(kPrintToPdfVariable);
    const bool none = forced.isEmpty() && QPrinterInfo::defaultPrinter().isNull();
    if (noPrinter) *noPrinter = none;
    if (forced.isEmpty() && !none) return {};
    QString folder = forced;
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    QDir dir(folder);
    dir.mkpath(QStringLiteral("."));
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    return UniqueFileIn(dir, QStringLiteral("tolvex-%1-%2").arg(Q(reportName), stamp));
}

QtPrintCanvas::QtPrintCanvas(const std::string& reportName, PrintFont& carriedFont, MessageSink* messages)
    : font_(carriedFont), carried_(carriedFont), messages_(messages) {
    pdfPath_ = PdfPathFor(reportName, &noPrinter_);
    if (pdfPath_.isEmpty()) {
        printer_ = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    } else {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(pdfPath_);
        // A laser printer's resolution and border on an A4 sheet.
        printer_->setResolution(600);
        printer_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                            QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter));
    }
    printer_->setDocName(QStringLiteral("TOLVEX - %1").arg(Q(reportName)));
}

QtPrintCanvas::~QtPrintCanvas() {
    // A job that was never ended (cancelled) still has to release the device.
    if (painter_.isActive()) painter_.end();
    if (messages_)
        for (const auto& m : notices_) messages_->Show(m);
}

void QtPrintCanvas::BeginDocument() {
    if (painter_.begin(printer_.get())) {
        painter_.setFont(ToQFont(font_));
        return;
    }
    failed_ = true;
    notices_.push_back(Message{
        pdfPath_.isEmpty() ? std::string("Nie można rozpocząć wydruku na drukarce domyślnej.")
                           : "Nie można zapisać wydruku do pliku:\n" + S(QDir::toNativeSeparators(pdfPath_)),
        {},
        Message::Kind::Warning});
}

void QtPrintCanvas::EndDocument() {
    if (!painter_.isActive()) return;
    painter_.end();
    if (pdfPath_.isEmpty()) return;
    const std::string path = S(QDir::toNativeSeparators(pdfPath_));
    notices_.push_back(Message{noPrinter_ ? "Brak drukarki w systemie. Wydruk zapisano do pliku:\n" + path
                                          : "Wydruk zapisano do pliku:\n" + path,
                               {},
                               Message::Kind::Information});
}

void QtPrintCanvas::NewPage() {
    if (painter_.isActive()) printer_->newPage();
}

bool QtPrintCanvas::Aborted() const {
    return failed_ || printer_->printerState() == QPrinter::Aborted;
}

void QtPrintCanvas::ProcessMessages() {
    QCoreApplication::processEvents();
}

int QtPrintCanvas::PixelsPerInchY() const {
    return printer_->logicalDpiY();
}
int QtPrintCanvas::PageWidth() const {
    return printer_->width();
}
int QtPrintCanvas::PageHeight() const {
    return printer_->height();
}

void QtPrintCanvas::SetFont(const PrintFont& font) {
    font_ = font;
    carried_ = font;
    if (painter_.isActive()) painter_.setFont(ToQFont(font_));
}

int QtPrintCanvas::TextWidth(std::string_view text) const {
    return QFontMetrics(ToQFont(font_), printer_.get()).horizontalAdvance(Q(text));
}

int QtPrintCanvas::TextHeight(std::string_view) const {
    return QFontMetrics(ToQFont(font_), printer_.get()).height();
}

void QtPrintCanvas::TextOut(int x, int y, std::string_view text) {
    if (!painter_.isActive()) return;
    painter_.drawText(x, y + painter_.fontMetrics().ascent(), Q(text));
}

void QtPrintCanvas::TextRect(int left, int top, int right, int bottom, int x, int y, std::string_view text) {
    if (!painter_.isActive()) return;
    painter_.save();
    painter_.setClipRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
    painter_.drawText(x, y + painter_.fontMetrics().ascent(), Q(text));
    painter_.restore();
}

}  // namespace tolvex
