#include "core/report/report_printer.h"

#include <cmath>

namespace tolvex {

std::size_t CharacterCount(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

int ReportPrinter::DotsOf(long double tenths) const {
    // nearbyint rounds a half to the even neighbour in the default rounding mode.
    return static_cast<int>(std::nearbyint(PixelsPerInchY * (tenths * 0.1L)));
}

void ReportPrinter::BeginReport() {
    PixelsPerInchY = static_cast<std::uint16_t>(canvas_.PixelsPerInchY());
    Spacing = static_cast<std::uint16_t>(PixelsPerInchY / 10);
    CurrentY = 0;
    canvas_.BeginDocument();
    canvas_.ProcessMessages();
    LineHeight = static_cast<std::uint16_t>(canvas_.TextHeight("X") + Spacing);
}

void ReportPrinter::PrintTitle(std::string_view text) {
    SetFont(10);
    const PrintFont body = canvas_.Font();
    SetFont(11, true, true);
    if (!canvas_.Aborted()) {
        const int x = canvas_.PageWidth() / 2 - canvas_.TextWidth(text) / 2;
        canvas_.TextOut(x, 0, text);
    }
    CurrentY = static_cast<std::uint16_t>(CurrentY + 3 * LineHeight + Spacing);
    canvas_.SetFont(body);
}

void ReportPrinter::PrintRow(const std::vector<ReportCell>& cells) {
    int x = 0;
    const int top = CurrentY;
    const int bottom = top + LineHeight;
    for (const auto& cell : cells) {
        const int w = DotsOf(cell.width);
        if (!cell.text.empty() && !canvas_.Aborted())
            canvas_.TextRect(x, top, x + w, bottom, x, top, cell.text);
        x += w;
    }
    CurrentY = static_cast<std::uint16_t>(CurrentY + 2 * Spacing);
}

void ReportPrinter::PrintLine(std::string_view text) {
    const int w = DotsOf(static_cast<long double>(CharacterCount(text)));
    const int top = CurrentY;
    if (!canvas_.Aborted()) canvas_.TextRect(0, top, w, top + LineHeight, 0, top, text);
    CurrentY = static_cast<std::uint16_t>(CurrentY + 2 * Spacing);
    CheckPageBreak();
}

void ReportPrinter::CheckPageBreak() {
    if (canvas_.PageHeight() < CurrentY + LineHeight) {
        CurrentY = 0;
        if (!canvas_.Aborted()) canvas_.NewPage();
    }
}

void ReportPrinter::EndReport() {
    if (!canvas_.Aborted()) canvas_.EndDocument();
}

void ReportPrinter::SetFont(int sizePt, bool bold, bool underline) {
    canvas_.SetFont(PrintFont{std::string(kReportTypeface), sizePt, bold, underline});
}

void ReportPrinter::SetStyleRegular() {
    PrintFont f = canvas_.Font();
    f.bold = false;
    f.underline = false;
    canvas_.SetFont(f);
}

}  // namespace tolvex
