// The printer as the reports see it: a few device capabilities, the document and its
// pages, one current font, text metrics and text output in printer dots.
#pragma once

#include <string>
#include <string_view>

namespace tolvex {

struct PrintFont {
    std::string name;
    int sizePt = 10;
    bool bold = false;
    bool underline = false;

    bool operator==(const PrintFont&) const = default;
};

inline constexpr std::string_view kReportTypeface = "Times New Roman CE";

class PrintCanvas {
  public:
    virtual ~PrintCanvas() = default;

    virtual void BeginDocument() = 0;
    virtual void EndDocument() = 0;
    virtual void NewPage() = 0;
    // True once the job was cancelled or could not start: nothing more may be drawn.
    virtual bool Aborted() const = 0;
    // Lets the system handle pending window messages while a job runs.
    virtual void ProcessMessages() {}

    // Vertical resolution in dots per inch (LOGPIXELSY).
    virtual int PixelsPerInchY() const = 0;
    // Printable area in dots.
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;

    virtual void SetFont(const PrintFont& font) = 0;
    virtual PrintFont Font() const = 0;
    virtual int TextWidth(std::string_view text) const = 0;
    virtual int TextHeight(std::string_view text) const = 0;

    // Text with its top-left corner at (x, y).
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // Text with its top-left corner at (x, y), cut off outside the rectangle.
    virtual void TextRect(int left, int top, int right, int bottom, int x, int y, std::string_view text) = 0;
};

}  // namespace tolvex
