#include "interest/interest_statement.h"

#include <gtest/gtest.h>

#include "core/amount/amount.h"
#include "core/report/recording_canvas.h"
#include "support/conversion_error_text.h"

namespace tolvex {
namespace {

using Kind = RecordingCanvas::Call::Kind;

class InterestStatementTest : public ::testing::Test {
  protected:
    void Calculate(InterestKind kind, const char* start, const char* end, const char* amount) {
        fields = {kind, start, end, amount};
        const auto outcome =
            CalculateTaxInterest(kind, ParseDate(start), ParseDate(end), ParseAmount(amount));
        ASSERT_FALSE(outcome.Refused()) << outcome.Message;
        result = outcome.Result;
    }
    void Print() {
        ReportPrinter r(canvas);
        PrintInterestStatement(r, result, fields);
    }
    // The drawn texts of each table row (from "LP" on, cells left to right), keyed by y and page.
    std::vector<std::vector<std::string>> Lines() const {
        std::vector<std::vector<std::string>> lines;
        int y = -1, page = 0;
        for (const auto& c : canvas.Drawn()) {
            if (c.kind != Kind::TextRect) continue;
            if (c.y != y || c.page != page) lines.emplace_back();
            y = c.y;
            page = c.page;
            lines.back().push_back(c.text);
        }
        return lines;
    }

    TaxInterestResult result;
    InterestStatementFields fields;
    RecordingCanvas canvas;
};

TEST_F(InterestStatementTest, ThreeSegmentTaxRangeRunsFromTheUsersStartToTheUsersEnd) {
    Calculate(InterestKind::Tax, "2022-07-01", "2022-09-20", "10000,00");
    // On the short page title, headings and three rows fill it: the check after the last row
    // still passes, but the totals would end below the printable area.
    for (const int height : {canvas.pageHeight, 3 * 143 + 60 + 4 * 120 + 143 + 10}) {
        SCOPED_TRACE(height);
        canvas = RecordingCanvas();
        canvas.pageHeight = height;
        Print();
        using Line = std::vector<std::string>;
        // The sums are whole złoty, never the unrounded 359,32.
        EXPECT_EQ(Lines(), (std::vector<Line>{{"LP", "OD", "DO", "ILOŚĆ DNI", "PROCENT", "ODSETKI"},
                                              {"1", "2022-07-01", "2022-07-07", "7", "15,00", "28,77"},
                                              {"2", "2022-07-08", "2022-09-07", "62", "16,00", "271,78"},
                                              {"3", "2022-09-08", "2022-09-20", "13", "16,50", "58,77"},
                                              {std::string(134, '-')},
                                              {"RAZEM ODSETKI", "359,00"},
                                              {"RAZEM ZOBOWIĄZANIE", "10 359,00"}}));
        for (const auto& c : canvas.Drawn()) EXPECT_LE(c.bottom, height) << c.text;
    }
    EXPECT_EQ(canvas.Count(Kind::EndDocument), 1);
    const auto drawn = canvas.Drawn();
    EXPECT_EQ(drawn[0].text,
              "ODSETKI PODATKOWE za okres: od  2022-07-01  do  2022-09-20  wyliczone dla sumy 10000,00 zł");
    EXPECT_EQ(drawn[7].font, (PrintFont{"Times New Roman CE", 9, false, false})) << drawn[7].text;
    EXPECT_EQ(drawn[drawn.size() - 5].right, drawn[1].x + 3600) << "the rule is cut off at its cell edge";
    EXPECT_EQ(drawn[drawn.size() - 3].left, drawn[12].left) << "the sum stands under the interest column";
}

// The statutory table gives the rates; the title shows the amount as typed.
TEST_F(InterestStatementTest, LongStatementContinuesOnNewPages) {
    Calculate(InterestKind::Statutory, "1989-11-01", "2023-01-31", "100");
    fields.amountText = "100,0";
    ASSERT_EQ(result.Segments.size(), 41u);
    canvas.pageHeight = 2000;
    Print();
    EXPECT_EQ(canvas.Drawn().at(0).text,
              "ODSETKI USTAWOWE za okres: od  1989-11-01  do  2023-01-31  wyliczone dla sumy 100,0 zł");
    EXPECT_GE(canvas.Count(Kind::NewPage), 2);
    EXPECT_EQ(canvas.Count(Kind::ProcessMessages), 1 + 41) << "after the document begins and before each row";
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 1u + 41 + 3);
    EXPECT_EQ(lines[1], (std::vector<std::string>{"1", "1989-11-01", "1989-12-31", "61", "120,00", "20,05"}));
    EXPECT_EQ(lines[41][0] + " " + lines[41][2], "41 2023-01-31");
    for (const auto& c : canvas.Drawn()) EXPECT_LE(c.bottom, 2000);
}

TEST_F(InterestStatementTest, NothingIsPrintedBeforeAnyCalculation) {
    fields = {InterestKind::Tax, "2025-03-15", "2025-03-15", "0,00"};
    Print();
    EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(InterestStatementTest, TextThatDoesNotConvertClosesTheJob) {
    const std::tuple<const char*, const char*, const char*, std::size_t> cases[] = {
        {"12,3x", "2022-07-01", "'12,3x' is not a valid floating point value", 1 + 3 + 2},
        {"100", "1.07.2022", "'1.07.2022' is not a valid date", 1}};
    for (const auto& [amount, start, message, lines] : cases) {
        SCOPED_TRACE(message);
        canvas = RecordingCanvas();
        Calculate(InterestKind::Tax, "2022-07-01", "2022-09-20", "10000,00");
        fields.amountText = amount;
        fields.startText = start;
        EXPECT_EQ(testing::ConversionErrorText([this] { Print(); }), message);
        EXPECT_EQ(canvas.Count(Kind::EndDocument), 1);
        EXPECT_EQ(Lines().size(), lines);
    }
}

}  // namespace
}  // namespace tolvex
