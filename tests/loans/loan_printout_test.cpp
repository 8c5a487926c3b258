#include "loans/loan_printout.h"

#include <gtest/gtest.h>

#include "core/amount/amount.h"
#include "core/report/recording_canvas.h"
#include "loan_test_support.h"
#include "support/conversion_error_text.h"

namespace tolvex {
namespace {

using Kind = RecordingCanvas::Call::Kind;
using testing::LoanFields;
using testing::RunLoan;

class LoanPrintoutTest : public ::testing::Test {
  protected:
    // Calculates the loan as the page would and leaves its outputs in the fields the printout reads.
    void Calculate() {
        const auto run = RunLoan(loan);
        ASSERT_TRUE(run.outcome.FillsGrid()) << run.Messages();
        schedule = run.outcome.Schedule;
        source = run.source;
        for (const char* out : {"DoSplaty", "OdsetkiBankowe", "PierwszaRata", "OstatniaRata", "RataBankowa"})
            source.texts[out] = run.Written(out).empty() ? "0,00" : run.Written(out);
    }
    void Print() {
        TextFields fields(source);
        ReportPrinter r(canvas);
        PrintLoanReport(
            r, fields,
            LoanUnitWord(static_cast<PeriodUnit>(loan.jednostka), source.texts["OkresBankowyKredytu"]),
            schedule);
    }
    std::vector<RecordingCanvas::Call> Rows() const {
        std::vector<RecordingCanvas::Call> rows;
        for (const auto& c : canvas.Drawn())
            if (c.kind == Kind::TextRect) rows.push_back(c);
        return rows;
    }

    LoanFields loan;
    LoanSchedule schedule;
    MapFieldSource source;
    RecordingCanvas canvas;
};

TEST(LoanUnitWord, FollowsTheNumberAsTyped) {
    // Years 0, months 1.
    const std::tuple<int, const char*, const char*> cases[] = {
        {0, "1", "rok"},      {1, "5", "miesięcy"},  {0, "1,5", "lat"}, {0, "2", "lata"},
        {0, "4", "lata"},     {0, "5", "lat"},       {0, "12", "lat"},  {1, "1", "miesiąc"},
        {1, "3", "miesiące"}, {1, "24", "miesięcy"}, {0, "1,0", "lat"},
    };
    for (const auto& [unit, period, word] : cases)
        EXPECT_EQ(LoanUnitWord(static_cast<PeriodUnit>(unit), period), word) << unit << " " << period;
}

TEST_F(LoanPrintoutTest, EqualInstalmentsPrintTenLinesAtFixedDotsAndNoTable) {
    loan = {.okres = "30", .jednostka = 0};
    Calculate();
    Print();
    const auto drawn = canvas.Drawn();
    ASSERT_EQ(drawn.size(), 11u);
    EXPECT_EQ(drawn[0].text, "PODSTAWOWE DANE KREDYTU-raty równomierne");
    const std::string texts[] = {
        "Wysokość pobranego kredytu : 10000 zł",
        "Okres kredytu : 30lat",
        "Oprocentowanie kredytu : 12 %",
        "Data pobrania kredytu : 2024-03-10",
        "Pierwsza rata : 2024-04-01",
        "Do spłaty : " + source.texts["DoSplaty"] + " zł",
        "Odsetki od kredytu : " + source.texts["OdsetkiBankowe"] + " zł",
        "Pierwsza rata bankowa : " + source.texts["PierwszaRata"] + " zł",
        "Ostatnia rata bankowa : " + source.texts["OstatniaRata"] + " zł",
        "Pozostałe raty bankowe : " + source.texts["RataBankowa"] + " zł",
    };
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(std::tuple(drawn[1 + i].text, drawn[1 + i].kind, drawn[1 + i].x, drawn[1 + i].y),
                  std::tuple(texts[i], Kind::TextOut, 200, 300 + 100 * i));
    EXPECT_EQ(canvas.font, (PrintFont{"Times New Roman CE", 8, false, false}))
        << "the body goes on at 8 points";
    EXPECT_EQ(canvas.Count(Kind::EndDocument), 1);
}

TEST_F(LoanPrintoutTest, ThirtyYearDecreasingLoanPrints360RowsOverSeveralPages) {
    loan = {.kredyt = "300000", .okres = "30", .procent = "7,5", .jednostka = 0, .typ = 1};
    loan.dataKredytu = "2024-01-31";
    Calculate();
    ASSERT_EQ(schedule.InstalmentCount, 360);
    Print();
    EXPECT_EQ(canvas.Drawn()[0].text, "PODSTAWOWE DANE KREDYTU-raty malejące");
    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 6u + 360 * 6);
    EXPECT_EQ(rows[6].font, (PrintFont{"Times New Roman CE", 9, false, false}));
    // Row k: number, principal, interest, amount, balance, due date.
    const auto row = [&](int k) {
        std::vector<std::string> cells;
        for (int i = 0; i < 6; ++i) cells.push_back(rows[6 * k + i].text);
        return cells;
    };
    EXPECT_EQ(row(1),
              (std::vector<std::string>{"1", "833,33", "1 875,00", "2 708,33", "299 166,67", "2024-02-28"}));
    EXPECT_EQ(row(360), (std::vector<std::string>{"360", "834,53", "5,22", "839,75", "0,00", "2054-01-28"}));
    EXPECT_GE(canvas.Pages(), 5);
    for (const auto& c : canvas.Drawn()) EXPECT_LE(c.bottom, canvas.pageHeight);
    EXPECT_EQ(canvas.Count(Kind::ProcessMessages), 1 + 360);
    EXPECT_EQ(canvas.Count(Kind::EndDocument), 1);
}

TEST_F(LoanPrintoutTest, BadLoanAmountOrNoDecreasingScheduleListsNoRows) {
    loan.typ = 1;
    Calculate();
    source.texts["KredytBankowy"] = "10 000";
    EXPECT_EQ(testing::ConversionErrorText([this] { Print(); }),
              "'10 000' is not a valid floating point value");
    EXPECT_EQ(Rows().size(), 6u) << "the headings, no schedule row";
    loan.typ = 0;
    Calculate();  // equal instalments printed as decreasing
    source.choices["RadioGroup3"] = 1;
    Print();
    EXPECT_EQ(Rows().size(), 12u) << "the headings twice";
    EXPECT_EQ(canvas.Count(Kind::EndDocument), 2);
}

}  // namespace
}  // namespace tolvex
