// The report operations every printout uses: a centred title at the top of the first
// page, then rows of cells and plain lines, top to bottom, with a page break once the
// next line would not fit. Positions are printer dots; widths are tenths of an inch.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/report/print_canvas.h"

namespace tolvex {

struct ReportCell {
    std::string text;
    int width = 0;  // tenths of an inch
};

class ReportPrinter {
  public:
    explicit ReportPrinter(PrintCanvas& canvas) : canvas_(canvas) {}

    void BeginReport();
    void PrintTitle(std::string_view text);
    void PrintRow(const std::vector<ReportCell>& cells);
    void PrintLine(std::string_view text);
    void CheckPageBreak();
    void EndReport();

    // Font helpers for the reports: the report typeface at a size and style, and the
    // style set back to regular at the size the canvas holds.
    void SetFont(int sizePt, bool bold = false, bool underline = false);
    void SetStyleRegular();
    void ProcessMessages() { canvas_.ProcessMessages(); }
    bool Aborted() const { return canvas_.Aborted(); }
    PrintCanvas& Canvas() { return canvas_; }

    // Width in dots of `tenths` tenths of an inch, a half rounded to the even neighbour.
    int DotsOf(long double tenths) const;

    // Layout state of the running job, in printer dots; 16-bit like the job it mirrors.
    std::uint16_t PixelsPerInchY = 0;
    std::uint16_t Spacing = 0;
    std::uint16_t CurrentY = 0;
    std::uint16_t LineHeight = 0;

  private:
    PrintCanvas& canvas_;
};

// Number of characters (not bytes) of a UTF-8 text.
std::size_t CharacterCount(std::string_view text);

}  // namespace tolvex
