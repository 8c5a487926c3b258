#include "loans/loan_schedule.h"

#include <gtest/gtest.h>

#include <random>

#include "core/amount/amount.h"
#include "loans/loan_test_support.h"
#include "support/conversion_error_text.h"

namespace tolvex::testing {
namespace {

const char* const kMissing = "!Wartość KREDYTU, OKRES i OPROCENTOWANIE muszą być podane do obliczenia rat";
const char* const kTooLate = "Za duży kres pomiędzy uruchomieniem kredytu, a spłata pierwszej raty";

TEST(CalculateLoan, Outputs) {
    struct Case {
        LoanFields in;
        const char *first, *last, *total, *regular, *messages;
    } cases[] = {
        // The last instalment takes what the rounded interest parts left over.
        {{}, "888,49", "888,47", "10 661,86", "888,49", ""},
        {{.okres = "1"}, "10 100,00", "10 100,00", "10 100,00", "10 100,00", ""},
        {{.kredyt = "1000", .okres = "3", .typ = 1}, "343,33", "336,67", "1 020,00", "", ""},
        // clang-format off
        {{.kredyt = "300000", .okres = "360", .procent = "7,5", .typ = 1}, "2 708,33", "839,75", "638 438,87", "", ""},
        // 599 parts of 0,17 would overshoot 100 zł (last -1,84): parts of 0,16, the last 4,16.
        {{.kredyt = "100", .okres = "600", .procent = "5", .typ = 1}, "0,58", "4,18", "230,20", "", ""},
        // 599 x 0,17 just reaches 101,83: the rounded part stays.
        {{.kredyt = "101,83", .okres = "600", .typ = 1}, "1,19", "0,00", "407,35", "", ""},
        {{.kredyt = "-1000", .okres = "2", .procent = "-12,5", .typ = 1},
         "-510,42", "-505,21", "-1 015,63", "",
         "TO NIE JEST KREDYT A WKŁAD BANKOWY - TEŻ MOŻNA LICZYĆ|PROCENT NIE MOŻE BYĆ UJEMNY"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in.kredyt + " / " + c.in.okres);
        const LoanRun run = RunLoan(c.in);
        EXPECT_EQ(run.Messages(), c.messages);
        EXPECT_EQ(run.Written("PierwszaRata"), c.first);
        EXPECT_EQ(run.Written("OstatniaRata"), c.last);
        EXPECT_EQ(run.Written("DoSplaty"), c.total);
        EXPECT_EQ(run.Written("RataBankowa"), c.regular);
    }
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
        {"2024-03-10", "2024-04-11", kTooLate},
        {"2024-12-10", "2025-01-15", kTooLate},
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

TEST(CalculateLoan, RefusedInputs) {
    struct Case {
        LoanFields in;
        const char* message;
    } cases[] = {
        {{.kredyt = "0"}, kMissing},
        {{.okres = "0,00"}, kMissing},
        {{.procent = "0", .typ = 1}, kMissing},
        // Would divide by zero: a zero rate in another spelling, a period without an instalment.
        {{.procent = "0,0"}, kMissing},
        {{.okres = "0,05", .jednostka = 0}, kMissing},
        {{.okres = "-2", .typ = 1}, kMissing},
        {{.okres = "601"}, "Okres kredytu musi być <= 50 lat"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in.kredyt + " / " + c.in.okres + " / " + c.in.procent);
        const LoanRun run = RunLoan(c.in);
        EXPECT_EQ(run.outcome.Status, LoanStatus::Refused);
        EXPECT_EQ(run.Messages(), c.message);
        EXPECT_EQ(run.effects.size(), 1u);
    }
}

TEST(CalculateLoan, NegativeRateIsWrittenBackBeforeTheOutputs) {
    const LoanRun run = RunLoan({.procent = "-12,5"});
    ASSERT_GE(run.effects.size(), 2u);
    EXPECT_EQ(run.effects[1].name + "=" + run.effects[1].text, "ProcentBankowy=12,5");
    // Text that does not convert stops the calculation with its message.
    EXPECT_EQ(ConversionErrorText([] { RunLoan({.kredyt = "10.000"}); }),
              "'10.000' is not a valid floating point value");
}

TEST(CalculateLoan, PeriodCountsAndOneMonthHidesTheLabels) {
    for (const auto& [okres, jednostka, count, visible] : {std::tuple{"1", 1, 1, false},
                                                           {"0,09", 0, 1, true},
                                                           {"2", 1, 2, true},
                                                           {"50", 0, 600, true},
                                                           {"600", 1, 600, true},
                                                           {"1,5", 0, 18, true}}) {
        SCOPED_TRACE(okres);
        const LoanRun run = RunLoan({.okres = okres, .jednostka = jednostka});
        EXPECT_EQ(run.outcome.Schedule.InstalmentCount, count);
        EXPECT_FALSE(PeriodAboveLimit(okres, static_cast<PeriodUnit>(jednostka)));
        int seen = 0;
        for (const auto& e : run.effects)
            if (e.kind == Effect::Kind::Visible) {
                EXPECT_EQ(e.visible, visible) << e.name;
                ++seen;
            }
        EXPECT_EQ(seen, 6);
    }
    EXPECT_TRUE(PeriodAboveLimit("50,01", PeriodUnit::Years));  // 51 and 601: the page's test
    EXPECT_FALSE(PeriodAboveLimit("abc", PeriodUnit::Years));
}

TEST(CalculateLoan, DecreasingScheduleAndDueDates) {
    const LoanRun run = RunLoan({.kredyt = "1000", .okres = "4", .typ = 1, .dataKredytu = "2024-01-31"});
    const LoanSchedule& s = run.outcome.Schedule;
    ASSERT_EQ(s.InstalmentCount, 4);
    const double interest[] = {10, 7.5, 5, 2.5};
    const char* due[] = {"2024-02-28", "2024-03-28", "2024-04-28", "2024-05-28"};  // a cut day stays cut
    for (int k = 1; k <= 4; ++k) {
        EXPECT_DOUBLE_EQ(s.Entry(k).Principal, 250);
        EXPECT_DOUBLE_EQ(s.Entry(k).Interest, interest[k - 1]);
        EXPECT_EQ(FormatDate(s.Entry(k).DueDate), due[k - 1]);
    }
    const LoanRun three = RunLoan({.kredyt = "1000", .okres = "3", .typ = 1, .dataKredytu = "2024-03-31"});
    EXPECT_EQ(FormatDate(three.outcome.Schedule.Entry(3).DueDate), "2024-06-30");
}

TEST(CalculateLoan, RateMode) {
    const char* missing = "!Wartość KREDYTU, OKRES i RATA muszą być podane do obliczenia procentu";
    struct Case {
        LoanFields in;
        const char *procent, *messages;
    } cases[] = {
        // clang-format off
        {{.kredyt = "12000", .typ = 1, .wylicz = 1, .rata1 = "1120"}, "12", ""},
        {{.kredyt = "12000", .okres = "1", .jednostka = 0, .typ = 1, .wylicz = 1, .rata1 = "1120"}, "12", ""},
        {{.kredyt = "100000", .okres = "20", .jednostka = 0, .typ = 1, .wylicz = 1, .rata1 = "1000"},
         "7", ""},
        {{.kredyt = "0", .typ = 1, .wylicz = 1, .rata1 = "1120"}, "", missing},
        {{.kredyt = "12000", .typ = 1, .wylicz = 1, .rata1 = ""}, "", missing},  // no first instalment
        {{.kredyt = "0,0", .typ = 1, .wylicz = 1, .rata1 = "1120"}, "", missing},
        {{.okres = "0,05", .jednostka = 0, .typ = 1, .wylicz = 1, .rata1 = "1120"}, "", missing},
        {{.typ = 0, .wylicz = 1, .rata1 = "1120"}, "",
         "Nie można liczyć oprocentowania dla rat równomiernych"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in.kredyt + " / " + c.in.okres + " / " + c.in.rata1);
        const LoanRun run = RunLoan(c.in);
        EXPECT_EQ(run.Written("ProcentBankowy"), c.procent);
        EXPECT_EQ(run.Messages(), c.messages);
    }
    EXPECT_THROW(RunLoan({.okres = "12,5", .typ = 1, .wylicz = 1, .rata1 = "1120"}), ConversionError);
}

TEST(CalculateLoan, RandomSchedulesAddUp) {
    // Tiny loans over long periods first: a part rounded up would overshoot them.
    std::vector<LoanFields> loans = {{.kredyt = "5", .okres = "599", .procent = "1", .typ = 1},
                                     {.kredyt = "0,5", .okres = "360", .typ = 1}};
    std::mt19937 rng(20241206);
    std::uniform_int_distribution<int> grosze(1, 200'000'000), rate(1, 3000), count(1, 600);
    for (int trial = 0; trial < 1500; ++trial)
        loans.push_back({.kredyt = FormatGeneral(grosze(rng) / (trial % 3 ? 100.0 : 10'000.0)),
                         .okres = std::to_string(count(rng)),
                         .procent = FormatGeneral(rate(rng) / 100.0),
                         .typ = trial % 2});
    for (const LoanFields& in : loans) {
        SCOPED_TRACE(in.kredyt + " / " + in.okres + " / " + in.procent + " / " + std::to_string(in.typ));
        const LoanRun run = RunLoan(in);
        const LoanSchedule& s = run.outcome.Schedule;
        ASSERT_EQ(s.Instalments.size(), s.InstalmentCount);
        long double principal = 0, amounts = 0;
        for (const auto& e : s.Instalments) principal += e.Principal, amounts += e.Amount;
        if (in.typ == 1) {
            EXPECT_NEAR(static_cast<double>(principal), ParseAmount(in.kredyt), 1e-6);
            for (const auto& e : s.Instalments) ASSERT_GE(RoundTo2Places(e.Amount), 0);
        }
        EXPECT_NEAR(static_cast<double>(amounts), s.Total, 1e-6);
        EXPECT_EQ(FormatMoney(static_cast<double>(amounts)), run.Written("DoSplaty"));
    }
}

}  // namespace
}  // namespace tolvex::testing
