#include "core/report/report_printer.h"

#include <gtest/gtest.h>

#include "core/report/recording_canvas.h"

namespace tolvex {
namespace {

using Kind = RecordingCanvas::Call::Kind;

// Text metrics that make the arithmetic easy to follow: 100 dots high, 10 dots a character.
RecordingCanvas FixedMetricsCanvas() {
    RecordingCanvas c;
    c.textHeight = [](const PrintFont&, std::string_view) { return 100; };
    c.textWidth = [](const PrintFont&, std::string_view t) {
        return static_cast<int>(CharacterCount(t)) * 10;
    };
    return c;
}

class ReportPrinterTest : public ::testing::Test {
  protected:
    RecordingCanvas canvas = FixedMetricsCanvas();
    ReportPrinter r{canvas};
};

TEST_F(ReportPrinterTest, At600DpiSpacingIs60AndRowsAre120Apart) {
    r.BeginReport();
    r.PrintTitle("TYTUŁ");
    r.PrintRow({{"a", 5}});
    r.PrintRow({{"b", 5}});
    r.PrintLine("Płaca");  // five characters, six bytes: clipped at a tenth of an inch each
    const auto drawn = canvas.Drawn();
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[0].font, (PrintFont{"Times New Roman CE", 11, true, true}));
    // Lines 160 high (100 and a spacing of 60); the title takes three of them and a spacing.
    EXPECT_EQ(std::tuple(drawn[1].y, drawn[1].bottom, drawn[2].y, drawn[3].right),
              std::tuple(3 * 160 + 60, 540 + 160, 660, 300));
    EXPECT_EQ(drawn[3].font, (PrintFont{"Times New Roman CE", 10, false, false}));
    EXPECT_EQ(r.CurrentY, 900);
}

TEST(ReportPrinter, LineHeightUsesTheFontHeldWhenTheDocumentBegins) {
    RecordingCanvas canvas;  // default metrics: height = size in points at 600 dpi
    canvas.font = PrintFont{"Courier", 12};
    ReportPrinter r(canvas);
    r.BeginReport();
    EXPECT_EQ(r.LineHeight, 12 * 600 / 72 + 60);
    EXPECT_EQ(canvas.calls[0].kind, Kind::BeginDocument);
    EXPECT_EQ(canvas.calls[1].kind, Kind::ProcessMessages);
}

TEST_F(ReportPrinterTest, CellWidthsRoundHalfToEven) {
    struct Case {
        int dpi, tenths, dots;
    } cases[] = {{600, 5, 300}, {96, 1, 10}, {96, 12, 115}, {75, 1, 8}, {75, 3, 22}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dpi << " dpi, " << c.tenths << " tenths");
        canvas = FixedMetricsCanvas();
        canvas.dpi = c.dpi;
        r.BeginReport();
        r.PrintRow({{"x", c.tenths}, {"y", 1}});
        const auto drawn = canvas.Drawn();
        ASSERT_EQ(drawn.size(), 2u);
        EXPECT_EQ(std::pair(drawn[0].right, drawn[1].left), std::pair(c.dots, c.dots));
    }
}

TEST_F(ReportPrinterTest, LongCellIsClippedAtItsEdgeAndEmptyCellOnlyAdvances) {
    r.BeginReport();
    r.PrintRow({{std::string(200, 'N'), 5}, {"", 8}, {"z", 5}});
    const auto drawn = canvas.Drawn();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(std::tuple(drawn[0].right, drawn[1].left, drawn[1].right), std::tuple(300, 300 + 480, 1080));
}

TEST_F(ReportPrinterTest, TitleIsCentredAtTheTopWhateverCurrentY) {
    canvas.textWidth = [](const PrintFont&, std::string_view t) {
        return static_cast<int>(t.size()) * 10 + 1;
    };
    r.BeginReport();
    for (int i = 0; i < 7; ++i) r.PrintRow({{"", 1}});
    r.PrintTitle("ABCD");
    const auto drawn = canvas.Drawn();
    ASSERT_EQ(drawn.size(), 1u);
    // Each half rounded down on its own.
    EXPECT_EQ(std::tuple(drawn[0].kind, drawn[0].x, drawn[0].y),
              std::tuple(Kind::TextOut, 4760 / 2 - 41 / 2, 0));
}

TEST_F(ReportPrinterTest, LinesContinueOnANewPageAtTheTopButRowsNeverBreakIt) {
    canvas.pageHeight = 1000;  // lines at 0, 120, ..., 840: the next would end at 1120
    r.BeginReport();
    for (int i = 0; i < 10; ++i) r.PrintLine("L" + std::to_string(i));
    const auto drawn = canvas.Drawn();
    ASSERT_EQ(drawn.size(), 10u);
    EXPECT_EQ(std::tuple(drawn[7].page, drawn[7].y, drawn[8].page, drawn[8].y), std::tuple(1, 840, 2, 0));
    for (int i = 0; i < 8; ++i) r.PrintRow({{"r", 5}});
    EXPECT_EQ(canvas.Count(Kind::NewPage), 1);
    EXPECT_EQ(r.CurrentY, 240 + 8 * 120);
    r.CheckPageBreak();
    EXPECT_EQ(canvas.Count(Kind::NewPage), 2);
    EXPECT_EQ(r.CurrentY, 0);
}

TEST_F(ReportPrinterTest, AbortedJobDrawsNothingMoreAndIsNeverEnded) {
    canvas.pageHeight = 700;
    canvas.abortAfterDraws = 2;
    r.BeginReport();
    r.PrintTitle("T");
    r.PrintRow({{"a", 5}, {"b", 5}, {"c", 5}});
    for (int i = 0; i < 10; ++i) r.PrintLine("L");
    r.EndReport();
    EXPECT_EQ(canvas.DrawnTexts(), (std::vector<std::string>{"T", "a"}));
    EXPECT_EQ(canvas.Count(Kind::NewPage), 0);
    EXPECT_EQ(canvas.Count(Kind::EndDocument), 0);
}

}  // namespace
}  // namespace tolvex
