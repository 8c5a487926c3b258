#include "loans/loan_schedule.h"

#include <gtest/gtest.h>

#include "core/amount/amount.h"
#include "loans/loan_test_support.h"
#include "support/conversion_error_text.h"

namespace tolvex::testing {
namespace {

const char* const kMissing = "!Wartość KREDYTU, OKRES i OPROCENTOWANIE muszą być podane do obliczenia rat";

TEST(CalculateLoan, WritesAndMessages) {
    const char* noRate = "!Wartość KREDYTU, OKRES i RATA muszą być podane do obliczenia procentu";
    struct Case {
        LoanFields in;
        // PierwszaRata, DoSplaty, OdsetkiBankowe, RataBankowa (equal only), OstatniaRata; in rate
        // mode ProcentBankowy.
        const char *writes, *messages;
    } cases[] = {
        // clang-format off
        // The last instalment takes what the rounded interest parts left over.
        {{}, "888,49 | 10 661,86 | 661,86 | 888,49 | 888,47", ""},
        {{.okres = "1"}, "10 100,00 | 10 100,00 | 100,00 | 10 100,00 | 10 100,00", ""},
        {{.kredyt = "1000", .okres = "3", .typ = 1}, "343,33 | 1 020,00 | 20,00 | 336,67", ""},
        {{.kredyt = "300000", .okres = "360", .procent = "7,5", .typ = 1},
         "2 708,33 | 638 438,87 | 338 438,87 | 839,75", ""},
        // 599 parts of 0,17 would overshoot 100 zł (last -1,84): parts of 0,16, the last 4,16.
        {{.kredyt = "100", .okres = "600", .procent = "5", .typ = 1}, "0,58 | 230,20 | 130,20 | 4,18", ""},
        // 599 x 0,17 just reaches 101,83: the rounded part stays.
        {{.kredyt = "101,83", .okres = "600", .typ = 1}, "1,19 | 407,35 | 305,52 | 0,00", ""},
        // The positive rate is written back before the outputs.
        {{.kredyt = "-1000", .okres = "2", .procent = "-12,5", .typ = 1},
         "12,5 | -510,42 | -1 015,63 | -15,63 | -505,21",
         "TO NIE JEST KREDYT A WKŁAD BANKOWY - TEŻ MOŻNA LICZYĆ | PROCENT NIE MOŻE BYĆ UJEMNY"},
        {{.kredyt = "0"}, "", kMissing},
        {{.okres = "0,00"}, "", kMissing},
        {{.procent = "0", .typ = 1}, "", kMissing},
        // Would divide by zero: a zero rate in another spelling, a period without an instalment.
        {{.procent = "0,0"}, "", kMissing},
        {{.okres = "0,05", .jednostka = 0}, "", kMissing},
        {{.okres = "-2", .typ = 1}, "", kMissing},
        {{.okres = "601"}, "", "Okres kredytu musi być <= 50 lat"},
        {{.kredyt = "100000", .okres = "20", .jednostka = 0, .typ = 1, .wylicz = 1, .rata1 = "1000"},
         "7", ""},
        {{.kredyt = "0", .typ = 1, .wylicz = 1, .rata1 = "1120"}, "", noRate},
        {{.kredyt = "12000", .typ = 1, .wylicz = 1, .rata1 = ""}, "", noRate},  // no first instalment
        {{.kredyt = "0,0", .typ = 1, .wylicz = 1, .rata1 = "1120"}, "", noRate},
        {{.okres = "0,05", .jednostka = 0, .typ = 1, .wylicz = 1, .rata1 = "1120"}, "", noRate},
        {{.typ = 0, .wylicz = 1, .rata1 = "1120"}, "",
         "Nie można liczyć oprocentowania dla rat równomiernych"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in.kredyt + " / " + c.in.okres + " / " + c.in.procent + " / " + c.in.rata1);
        const LoanRun run = RunLoan(c.in);
        EXPECT_EQ(run.Writes(), c.writes);
        EXPECT_EQ(run.Messages(), c.messages);
        EXPECT_EQ(run.outcome.FillsGrid(), c.in.wylicz == 0 && *c.writes);
    }
}

TEST(CalculateLoan, TextThatDoesNotConvertStopsWithItsMessage) {
    EXPECT_EQ(ConversionErrorText([] { RunLoan({.kredyt = "10.000"}); }),
              "'10.000' is not a valid floating point value");
    // Rate mode reads months as a whole number.
    EXPECT_EQ(ConversionErrorText([] { RunLoan({.okres = "12,5", .typ = 1, .wylicz = 1, .rata1 = "1120"}); }),
              "'12,5' is not a valid integer value");
}

// 10 000 at 12 %: a month's interest is 100,00, a day's 3,33.
TEST(CalculateLoan, FirstInstalmentInterestByDays) {
    struct Case {
        const char *d0, *d1, *first;  // or the message
    } cases[] = {
        {"2024-03-10", "2024-04-10", "888,49"},  // 30 days
        {"2024-03-10", "2024-04-05", "871,82"},  // 25 days
        {"2024-03-10", "2024-03-25", "838,49"},  // 15 days
        {"2024-01-31", "2024-02-15", "838,49"},  // from the last day of January: 15 days
        {"2080-02-29", "2080-03-15", "841,82"},  // 2080 is not a listed leap year: 16 days
        {"2023-02-28", "2023-03-10", "821,82"},  // a last day: 10 days
        {"2024-02-28", "2024-03-10", "828,49"},  // not a last day in 2024: 12 days
        {"2024-12-10", "2025-01-15", "Za duży kres pomiędzy uruchomieniem kredytu, a spłata pierwszej raty"},
        {"2024-03-10", "2024-03-10", "Nieodpowiednia data pierwszej raty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.d0) + " -> " + c.d1);
        const LoanRun run = RunLoan({.pelnyMiesiac = false, .dataKredytu = c.d0, .dataPierwszejRaty = c.d1});
        const bool refused = std::string(c.first).size() > 10;
        EXPECT_EQ(run.outcome.ClearsGrid(), refused);
        EXPECT_EQ(run.Messages(), refused ? c.first : "");
        EXPECT_EQ(run.Written("PierwszaRata"), refused ? "" : c.first);
    }
}

TEST(CalculateLoan, PeriodCountsAndOneMonthHidesTheLabels) {
    const std::tuple<const char*, int, int, bool> cases[] = {{"1", 1, 1, false},    {"0,09", 0, 1, true},
                                                             {"2", 1, 2, true},     {"50", 0, 600, true},
                                                             {"600", 1, 600, true}, {"1,5", 0, 18, true}};
    for (const auto& [okres, jednostka, count, visible] : cases) {
        SCOPED_TRACE(okres);
        const LoanRun run = RunLoan({.okres = okres, .jednostka = jednostka});
        EXPECT_EQ(run.outcome.Schedule.InstalmentCount, count);
        std::string shown;  // the three outputs and their labels
        for (const auto& e : run.effects)
            if (e.kind == Effect::Kind::Visible) shown += e.visible ? "+" : "-";
        EXPECT_EQ(shown, visible ? "++++++" : "------");
    }
    EXPECT_TRUE(PeriodAboveLimit("50,01", PeriodUnit::Years));
    EXPECT_FALSE(PeriodAboveLimit("abc", PeriodUnit::Years));
}

// The 31st falls due on the 30th even in a month of 31 days; the printout's 30-year loan shows
// a day cut to 28 in February staying cut.
TEST(CalculateLoan, DueDatesOfDecreasingInstalments) {
    const LoanRun run = RunLoan({.kredyt = "1000", .okres = "2", .typ = 1, .dataKredytu = "2024-07-31"});
    EXPECT_EQ(FormatDate(run.outcome.Schedule.Entry(1).DueDate), "2024-08-30");
}

}  // namespace
}  // namespace tolvex::testing
