// The print canvas of the program: the system's default printer with its default
// settings, no dialog, no preview. Where the system has no printer, or where
// TOLVEX_PRINT_TO_PDF names a folder, the job becomes a PDF file and the user is told
// where it went. What the canvas has to tell is shown when it is released, once the job
// is over and the window is usable again.
#pragma once

#include <QPainter>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "core/fields/messages.h"
#include "core/report/print_canvas.h"

class QPrinter;

namespace tolvex {

inline constexpr char kPrintToPdfVariable[] = "TOLVEX_PRINT_TO_PDF";

class QtPrintCanvas : public PrintCanvas {
  public:
    // `carriedFont` is the font the previous job left, updated as this one changes it;
    // `reportName` names the PDF file. `messages` may be null.
    QtPrintCanvas(const std::string& reportName, PrintFont& carriedFont, MessageSink* messages);
    ~QtPrintCanvas() override;

    void BeginDocument() override;
    void EndDocument() override;
    void NewPage() override;
    bool Aborted() const override;
    void ProcessMessages() override;
    int PixelsPerInchY() const override;
    int PageWidth() const override;
    int PageHeight() const override;
    void SetFont(const PrintFont& font) override;
    PrintFont Font() const override { return font_; }
    int TextWidth(std::string_view text) const override;
    int TextHeight(std::string_view text) const override;
    void TextOut(int x, int y, std::string_view text) override;
    void TextRect(int left, int top, int right, int bottom, int x, int y, std::string_view text) override;

    // The PDF file this job writes, or empty when it goes to a printer.
    const QString& PdfPath() const { return pdfPath_; }

    // Where a job named `reportName` would be written now: empty for the default printer.
    static QString PdfPathFor(const std::string& reportName, bool* noPrinter = nullptr);
    // The Qt font for a report font; the report typeface falls back to a serif.
    static QFont ToQFont(const PrintFont& font);

  private:
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    PrintFont font_;
    PrintFont& carried_;
    MessageSink* messages_;
    std::vector<Message> notices_;
    QString pdfPath_;
    bool noPrinter_ = false;
    bool failed_ = false;
};

}  // namespace tolvex
