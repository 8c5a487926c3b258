// A print canvas that draws nothing and records every call with its arguments, with a
// configurable resolution, page size and text metrics; it can also play a cancelled job.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/report/print_canvas.h"

namespace tolvex {

class RecordingCanvas : public PrintCanvas {
  public:
    struct Call {
        enum class Kind { BeginDocument, EndDocument, NewPage, ProcessMessages, SetFont, TextOut, TextRect };
        Kind kind = Kind::BeginDocument;
        int x = 0, y = 0;                              // TextOut, TextRect: top-left corner of the text
        int left = 0, top = 0, right = 0, bottom = 0;  // TextRect: clipping rectangle
        std::string text;
        PrintFont font;  // SetFont: the new font; TextOut, TextRect: the font drawn with
        int page = 1;    // page the call happened on
    };

    // 600 dpi, an A4 sheet less a small unprintable border.
    int dpi = 600;
    int pageWidth = 4760;
    int pageHeight = 6814;
    // Default metrics: each character half the font size wide, the line one size high.
    std::function<int(const PrintFont&, std::string_view)> textWidth;
    std::function<int(const PrintFont&, std::string_view)> textHeight;
    // After this many drawn texts the job counts as cancelled (negative: never).
    int abortAfterDraws = -1;

    PrintFont font{"Arial", 10, false, false};
    std::vector<Call> calls;

    void BeginDocument() override;
    void EndDocument() override;
    void NewPage() override;
    bool Aborted() const override { return aborted_; }
    void ProcessMessages() override;
    int PixelsPerInchY() const override { return dpi; }
    int PageWidth() const override { return pageWidth; }
    int PageHeight() const override { return pageHeight; }
    void SetFont(const PrintFont& f) override;
    PrintFont Font() const override { return font; }
    int TextWidth(std::string_view text) const override;
    int TextHeight(std::string_view text) const override;
    void TextOut(int x, int y, std::string_view text) override;
    void TextRect(int left, int top, int right, int bottom, int x, int y, std::string_view text) override;

    void Abort() { aborted_ = true; }
    // A canvas that hands every call on to this one, for code that owns the canvas it
    // prints on (a canvas factory); this recorder must outlive it.
    std::unique_ptr<PrintCanvas> Share();
    int shared = 0;  // how many canvases Share() has made

    // Convenience views for tests.
    std::vector<Call> Drawn() const;  // TextOut and TextRect calls, in order
    std::vector<std::string> DrawnTexts() const;
    int Count(Call::Kind kind) const;
    int Pages() const { return page_; }

  private:
    void Drew();
    void Push(Call::Kind kind);

    bool aborted_ = false;
    int page_ = 1;
    int draws_ = 0;
};

}  // namespace tolvex
