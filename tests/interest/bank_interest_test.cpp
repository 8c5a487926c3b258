#include "interest/bank_interest.h"

#include <gtest/gtest.h>

#include "core/amount/amount.h"
#include "support/conversion_error_text.h"

namespace tolvex {
namespace {

BankInterestInput Input(const char* s, const char* e, const char* rate, const char* amount,
                        BankInterestMode mode = BankInterestMode::Annual) {
    return {ParseDate(s), ParseDate(e), rate, amount, mode};
}

TEST(BankInterest, ResultsAndSentence) {
    const auto daily = BankInterestMode::Daily;
    struct Case {
        BankInterestInput in;
        const char *days, *odsetki, *laczna;
    } cases[] = {
        {Input("2025-01-01", "2025-01-11", "0,1", "1000", daily), "10 dni", "10 zł", "1 010,00 zł"},
        {Input("2025-05-05", "2025-05-05", "5", "1000"), "0 dni", "0,00 zł", "1 000,00 zł"},
        {Input("2025-05-05", "2025-05-06", "36,5", "1000"), "1 dzień", "1,00 zł", "1 001,00 zł"},
        // Daily thousands are not grouped.
        {Input("2025-01-01", "2025-01-03", "100", "1234,5", daily), "2 dni", "2469 zł", "3 703,50 zł"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.odsetki);
        const auto r = CalculateBankInterest(c.in);
        EXPECT_EQ(r.Message, "");
        EXPECT_EQ(r.Odsetki, c.odsetki);
        EXPECT_EQ(r.Laczna, c.laczna);
        EXPECT_EQ(r.Sentence, std::string("Odsetki liczone ") +
                                  (c.in.Mode == daily ? "dziennie" : "w skali roku") + " za " + c.days +
                                  " wynoszą " + c.odsetki + ". Łączna kwota z odsetkami za  " + c.days +
                                  " wynosi " + c.laczna);
    }
}

// The page shows the date message; the rate is read first, so its conversion error wins.
TEST(BankInterest, RateIsReadBeforeTheDatesAreChecked) {
    EXPECT_EQ(testing::ConversionErrorText(
                  [] { CalculateBankInterest(Input("2025-01-02", "2025-01-01", "5%", "abc")); }),
              "'5%' is not a valid floating point value");
}

}  // namespace
}  // namespace tolvex
