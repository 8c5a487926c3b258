#include "core/report/recording_canvas.h"

#include <algorithm>

#include "core/report/report_printer.h"

namespace tolvex {

namespace {

class ForwardingCanvas : public PrintCanvas {
  public:
    explicit ForwardingCanvas(RecordingCanvas& c) : c_(c) {}
    void BeginDocument() override { c_.BeginDocument(); }
    void EndDocument() override { c_.EndDocument(); }
    void NewPage() override { c_.NewPage(); }
    bool Aborted() const override { return c_.Aborted(); }
    void ProcessMessages() override { c_.ProcessMessages(); }
    int PixelsPerInchY() const override { return c_.PixelsPerInchY(); }
    int PageWidth() const override { return c_.PageWidth(); }
    int PageHeight() const override { return c_.PageHeight(); }
    void SetFont(const PrintFont& f) override { c_.SetFont(f); }
    PrintFont Font() const override { return c_.Font(); }
    int TextWidth(std::string_view t) const override { return c_.TextWidth(t); }
    int TextHeight(std::string_view t) const override { return c_.TextHeight(t); }
    void TextOut(int x, int y, std::string_view t) override { c_.TextOut(x, y, t); }
    void TextRect(int l, int t, int r, int b, int x, int y, std::string_view s) override {
        c_.TextRect(l, t, r, b, x, y, s);
    }

  private:
    RecordingCanvas& c_;
};

int DefaultWidth(const PrintFont& f, std::string_view text, int dpi) {
    return static_cast<int>(CharacterCount(text)) * f.sizePt * dpi / 144;
}
}  // namespace

std::unique_ptr<PrintCanvas> RecordingCanvas::Share() {
    ++shared;
    return std::make_unique<ForwardingCanvas>(*this);
}

void RecordingCanvas::Push(Call::Kind kind) {
    Call c;
    c.kind = kind;
    c.font = font;
    c.page = page_;
    calls.push_back(std::move(c));
}

void RecordingCanvas::BeginDocument() {
    Push(Call::Kind::BeginDocument);
}
void RecordingCanvas::EndDocument() {
    Push(Call::Kind::EndDocument);
}
void RecordingCanvas::ProcessMessages() {
    Push(Call::Kind::ProcessMessages);
}

void RecordingCanvas::NewPage() {
    ++page_;
    Push(Call::Kind::NewPage);
}

void RecordingCanvas::SetFont(const PrintFont& f) {
    font = f;
    Push(Call::Kind::SetFont);
}

int RecordingCanvas::TextWidth(std::string_view text) const {
    return textWidth ? textWidth(font, text) : DefaultWidth(font, text, dpi);
}

int RecordingCanvas::TextHeight(std::string_view text) const {
    return textHeight ? textHeight(font, text) : font.sizePt * dpi / 72;
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
    Call c;
    c.kind = Call::Kind::TextOut;
    c.x = x;
    c.y = y;
    c.text = text;
    c.font = font;
    c.page = page_;
    calls.push_back(std::move(c));
    Drew();
}

void RecordingCanvas::TextRect(int left, int top, int right, int bottom, int x, int y,
                               std::string_view text) {
    Call c;
    c.kind = Call::Kind::TextRect;
    c.x = x;
    c.y = y;
    c.left = left;
    c.top = top;
    c.right = right;
    c.bottom = bottom;
    c.text = text;
    c.font = font;
    c.page = page_;
    calls.push_back(std::move(c));
    Drew();
}

void RecordingCanvas::Drew() {
    if (abortAfterDraws >= 0 && ++draws_ >= abortAfterDraws) aborted_ = true;
}

std::vector<RecordingCanvas::Call> RecordingCanvas::Drawn() const {
    std::vector<Call> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out), [](const Call& c) {
        return c.kind == Call::Kind::TextOut || c.kind == Call::Kind::TextRect;
    });
    return out;
}

std::vector<std::string> RecordingCanvas::DrawnTexts() const {
    std::vector<std::string> out;
    for (const auto& c : Drawn()) out.push_back(c.text);
    return out;
}

int RecordingCanvas::Count(Call::Kind kind) const {
    return static_cast<int>(
        std::count_if(calls.begin(), calls.end(), [kind](const Call& c) { return c.kind == kind; }));
}

}  // namespace tolvex
