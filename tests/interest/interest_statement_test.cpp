#include "interest/interest_statement.h"

#include <gtest/gtest.h>

#include "core/amount/amount.h"
#include "core/report/recording_canvas.h"

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
    ASSERT_EQ(result.Segments.size(), 3u);
    Print();
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 1u + 3 + 3);
    EXPECT_EQ(lines[0], (std::vector<std::string>{"LP", "OD", "DO", "ILOŚĆ DNI", "PROCENT", "ODSETKI"}));
    const std::vector<std::string> rows[] = {
        {"1", "2022-07-01", "2022-07-07", "7", "15,00", FormatMoney(result.Segments[0].Interest)},
        {"2", "2022-07-08", "2022-09-07", "62", "16,00", "271,78"},
        {"3", "2022-09-08", "2022-09-20", FormatGeneral(result.Segments[2].Days), "16,50",
         FormatMoney(result.Segments[2].Interest)},
    };
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(lines[1 + i], rows[i]);
    }
    EXPECT_EQ(lines[4], std::vector<std::string>{std::string(134, '-')});
    const std::string sum = FormatMoney(result.InterestSum);
    EXPECT_TRUE(sum.ends_with(",00")) << "the whole-złoty sum, never the unrounded one: " << sum;
    EXPECT_EQ(lines[5], (std::vector<std::string>{"RAZEM ODSETKI", sum}));
    EXPECT_EQ(lines[6],
              (std::vector<std::string>{"RAZEM ZOBOWIĄZANIE", FormatMoney(10000 + result.InterestSum)}));
    EXPECT_EQ(canvas.Count(Kind::EndDocument), 1);
}

TEST_F(InterestStatementTest, TitleNamesTheKindPeriodAndAmountAsTyped) {
    struct Case {
        InterestKind kind;
        const char* title;
    };
    const Case cases[] = {
        {InterestKind::Tax,
         "ODSETKI PODATKOWE za okres: od  2022-07-01  do  2022-07-05  wyliczone dla sumy 1234,50 zł"},
        {InterestKind::Statutory,
         "ODSETKI USTAWOWE za okres: od  2022-07-01  do  2022-07-05  wyliczone dla sumy 1234,50 zł"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        canvas = RecordingCanvas();
        Calculate(c.kind, "2022-07-01", "2022-07-05", "1234,5");
        fields.amountText = "1234,50";
        Print();
        const auto drawn = canvas.Drawn();
        ASSERT_FALSE(drawn.empty());
        EXPECT_EQ(drawn[0].kind, Kind::TextOut);
        EXPECT_EQ(drawn[0].text, c.title);
    }
}

TEST_F(InterestStatementTest, OneSegmentRowRunsBetweenTheUsersDates) {
    Calculate(InterestKind::Statutory, "2016-03-10", "2016-04-20", "500");
    Print();
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 1u + 1 + 3);
    EXPECT_EQ(lines[1][0], "1");
    EXPECT_EQ(lines[1][1], "2016-03-10");
    EXPECT_EQ(lines[1][2], "2016-04-20");
    EXPECT_EQ(lines[1][4], "5,00");
}

TEST_F(InterestStatementTest, CellsAndFontsSitWhereTheLayoutPutsThem) {
    Calculate(InterestKind::Tax, "2022-07-01", "2022-09-20", "10000,00");
    Print();
    const auto drawn = canvas.Drawn();
    const auto& lp = drawn[1];
    EXPECT_EQ(lp.text, "LP");
    EXPECT_EQ(lp.x, 240);
    EXPECT_EQ(lp.font, (PrintFont{"Times New Roman CE", 9, true, true}));
    const auto& firstNumber = drawn[7];
    EXPECT_EQ(firstNumber.text, "1");
    EXPECT_EQ(firstNumber.font, (PrintFont{"Times New Roman CE", 9, false, false}));
    const auto& interest = drawn[12];
    EXPECT_EQ(interest.left, (4 + 4 + 12 * 4) * 60);
    const auto& rule = drawn[drawn.size() - 5];
    EXPECT_EQ(rule.right, 240 + 3600) << "the rule is cut off at its cell edge";
    EXPECT_EQ(rule.font, (PrintFont{"Times New Roman CE", 10, true, false}));
    const auto& total = drawn[drawn.size() - 3];
    EXPECT_EQ(total.left, (8 + 12 * 4) * 60);
}

TEST_F(InterestStatementTest, LongStatementContinuesOnNewPages) {
    Calculate(InterestKind::Statutory, "1989-11-01", "2023-01-31", "100");
    ASSERT_EQ(result.Segments.size(), 41u);
    canvas.pageHeight = 2000;
    Print();
    EXPECT_GE(canvas.Count(Kind::NewPage), 2);
    EXPECT_EQ(canvas.Count(Kind::ProcessMessages), 1 + 41) << "after the document begins and before each row";
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 1u + 41 + 3);
    EXPECT_EQ(lines[41][0], "41");
    EXPECT_EQ(lines[41][2], "2023-01-31");
    for (const auto& c : canvas.Drawn()) EXPECT_LE(c.bottom, 2000);
}

TEST_F(InterestStatementTest, TotalsNeverFallBelowThePage) {
    Calculate(InterestKind::Tax, "2022-07-01", "2022-09-20", "10000,00");
    // Title, headings and three rows fill the page: the check after the last row still
    // passes, but the totals would end below the printable area.
    canvas.pageHeight = 3 * 143 + 60 + 4 * 120 + 143 + 10;
    Print();
    for (const auto& c : canvas.Drawn()) {
        SCOPED_TRACE(c.text);
        EXPECT_LE(c.bottom, canvas.pageHeight);
    }
    EXPECT_EQ(canvas.Drawn().back().text, FormatMoney(10000 + result.InterestSum));
}

TEST_F(InterestStatementTest, NothingIsPrintedBeforeAnyCalculation) {
    fields = {InterestKind::Tax, "2025-03-15", "2025-03-15", "0,00"};
    Print();
    EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(InterestStatementTest, AmountThatDoesNotConvertClosesTheJob) {
    struct Case {
        const char* amount;
        const char* start;
        const char* message;
        int lines;
    };
    const Case cases[] = {
        {"", "2022-07-01", "'' is not a valid floating point value", 1 + 3 + 2},
        {"12,3x", "2022-07-01", "'12,3x' is not a valid floating point value", 1 + 3 + 2},
        {"100", "1.07.2022", "'1.07.2022' is not a valid date", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.amount);
        canvas = RecordingCanvas();
        Calculate(InterestKind::Tax, "2022-07-01", "2022-09-20", "10000,00");
        fields.amountText = c.amount;
        fields.startText = c.start;
        try {
            Print();
            ADD_FAILURE() << "no conversion error";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        EXPECT_EQ(canvas.Count(Kind::EndDocument), 1);
        EXPECT_EQ(Lines().size(), static_cast<std::size_t>(c.lines));
    }
}

}  // namespace
}  // namespace tolvex
