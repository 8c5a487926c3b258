#include "loans/loan_schedule.h"

#include <gtest/gtest.h>

#include <random>

#include "core/amount/amount.h"
#include "loans/loan_test_support.h"

namespace tolvex::testing {
namespace {

const char* const kMissing = "Wartość KREDYTU, OKRES i OPROCENTOWANIE muszą być podane do obliczenia rat";
const char* const kRateMissing = "Wartość KREDYTU, OKRES i RATA muszą być podane do obliczenia procentu";
const char* const kTooLate = "Za duży kres pomiędzy uruchomieniem kredytu, a spłata pierwszej raty";
const char* const kBadDate = "Nieodpowiednia data pierwszej raty";

TEST(EqualInstalments, TenThousandAtTwelvePercentOverTwelveMonths) {
    const LoanRun run = RunLoan({});
    ASSERT_EQ(run.outcome.Status, LoanStatus::Computed);
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(run.Written("RataBankowa"), "888,49");
    EXPECT_EQ(run.Written("PierwszaRata"), "888,49");
    // The last instalment takes what the rounded interest parts left over.
    EXPECT_EQ(run.Written("OstatniaRata"), "888,47");
    EXPECT_EQ(run.Written("DoSplaty"), "10 661,86");
    EXPECT_EQ(run.Written("OdsetkiBankowe"), "661,86");
    const LoanSchedule& s = run.outcome.Schedule;
    ASSERT_EQ(s.InstalmentCount, 12);
    ASSERT_EQ(s.Instalments.size(), 12u);
    EXPECT_DOUBLE_EQ(s.RegularInstalment, 888.49);
    for (int k = 2; k <= 11; ++k) EXPECT_DOUBLE_EQ(s.Entry(k).Amount, 888.49) << k;
    EXPECT_NEAR(s.Entry(12).Amount, 888.47, 1e-9);
    EXPECT_EQ(s.Entry(12).Amount, s.LastInstalment);
}

TEST(EqualInstalments, OutputsAreWrittenInTheirOrder) {
    const LoanRun run = RunLoan({});
    std::vector<std::string> names;
    for (const auto& e : run.effects)
        if (e.kind == Effect::Kind::Text) names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string>{"PierwszaRata", "DoSplaty", "OdsetkiBankowe", "RataBankowa",
                                               "OstatniaRata"}));
}

TEST(EqualInstalments, OneInstalmentIsTheWholeLoanWithOneMonthsInterest) {
    struct Case {
        const char* okres;
        int jednostka;
        int labelsVisible;
    } cases[] = {{"1", 1, 0}, {"0,09", 0, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.okres);
        LoanFields in;
        in.okres = c.okres;
        in.jednostka = c.jednostka;
        const LoanRun run = RunLoan(in);
        ASSERT_EQ(run.outcome.Status, LoanStatus::Computed);
        EXPECT_EQ(run.Written("PierwszaRata"), "10 100,00");
        EXPECT_EQ(run.Written("OstatniaRata"), "10 100,00");
        EXPECT_EQ(run.Written("DoSplaty"), "10 100,00");
        EXPECT_EQ(run.Written("OdsetkiBankowe"), "100,00");
        for (const char* name : {"LabelPierwszaRata", "LabelOstatniaRata", "LabelRata", "PierwszaRata",
                                 "OstatniaRata", "RataBankowa"})
            EXPECT_EQ(run.Visible(name), c.labelsVisible) << name;
    }
}

TEST(EqualInstalments, FirstInstalmentInterestByDays) {
    struct Case {
        const char* d0;
        const char* d1;
        const char* first;    // PierwszaRata, or nullptr when refused
        const char* message;  // nullptr when computed
    } cases[] = {
        {"2024-03-10", "2024-04-10", "888,49", nullptr},  // 30 days: a whole month
        {"2024-03-10", "2024-04-05", "871,82", nullptr},  // 25 days
        {"2024-03-10", "2024-03-25", "838,49", nullptr},  // same month: 15 days
        {"2024-03-10", "2024-04-11", nullptr, kTooLate},
        {"2024-01-31", "2024-02-15", "838,49", nullptr},  // last day of January: 15 days
        {"2024-04-30", "2024-05-10", "821,82", nullptr},  // last day of April: 10 days
        {"2080-02-29", "2080-03-15", "841,82", nullptr},  // 2080 is past the leap-year list: 16 days
        {"2023-02-28", "2023-03-10", "821,82", nullptr},  // last day of February 2023: 10 days
        {"2024-02-28", "2024-03-10", "828,49", nullptr},  // not the last day in 2024: 12 days
        {"2024-12-20", "2025-01-15", "871,82", nullptr},  // across the year: 25 days
        {"2024-12-10", "2025-01-15", nullptr, kTooLate},
        {"2024-03-10", "2024-03-10", nullptr, kBadDate},
        {"2024-03-10", "2024-02-01", nullptr, kBadDate},
        {"2024-03-10", "2026-03-05", "871,82", nullptr},  // the years are not compared
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.d0) + " -> " + c.d1);
        LoanFields in;
        in.pelnyMiesiac = false;
        in.dataKredytu = c.d0;
        in.dataPierwszejRaty = c.d1;
        const LoanRun run = RunLoan(in);
        if (c.message) {
            EXPECT_EQ(run.outcome.Status, LoanStatus::DateCheckFailed);
            EXPECT_TRUE(run.outcome.ClearsGrid());
            EXPECT_EQ(run.messages, std::vector<std::string>{c.message});
            EXPECT_EQ(run.Written("PierwszaRata"), "");  // outputs keep their values
            EXPECT_EQ(run.Written("DoSplaty"), "");
        } else {
            EXPECT_EQ(run.outcome.Status, LoanStatus::Computed);
            EXPECT_TRUE(run.messages.empty());
            EXPECT_EQ(run.Written("PierwszaRata"), c.first);
            EXPECT_EQ(run.Written("RataBankowa"), "888,49");
        }
    }
}

TEST(EqualInstalments, FullMonthIgnoresTheFirstInstalmentDate) {
    LoanFields in;
    in.dataPierwszejRaty = "2020-01-01";
    EXPECT_EQ(RunLoan(in).Written("PierwszaRata"), "888,49");
}

TEST(DecreasingInstalments, PrincipalPartsAddUpAndTheLastTakesTheRest) {
    LoanFields in;
    in.kredyt = "1000";
    in.okres = "3";
    in.typ = 1;
    const LoanRun run = RunLoan(in);
    ASSERT_EQ(run.outcome.Status, LoanStatus::Computed);
    const LoanSchedule& s = run.outcome.Schedule;
    ASSERT_EQ(s.InstalmentCount, 3);
    const double principal[] = {333.33, 333.33, 333.34};
    const double interest[] = {10.00, 6.67, 3.33};
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_NEAR(s.Entry(k).Principal, principal[k - 1], 1e-9);
        EXPECT_NEAR(s.Entry(k).Interest, interest[k - 1], 1e-9);
        EXPECT_DOUBLE_EQ(s.Entry(k).Amount, s.Entry(k).Principal + s.Entry(k).Interest);
    }
    EXPECT_EQ(run.Written("PierwszaRata"), "343,33");
    EXPECT_EQ(run.Written("OstatniaRata"), "336,67");
    EXPECT_EQ(run.Written("DoSplaty"), "1 020,00");
    EXPECT_EQ(run.Written("OdsetkiBankowe"), "20,00");
    EXPECT_EQ(run.Written("RataBankowa"), "");
    EXPECT_EQ(run.Visible("RataBankowa"), 0);
    EXPECT_EQ(run.Visible("LabelRata"), 0);
    EXPECT_EQ(run.Visible("PierwszaRata"), 1);
}

TEST(DecreasingInstalments, DueDatesKeepTheDayAndStayClipped) {
    struct Case {
        const char* d0;
        std::vector<std::string> due;
    } cases[] = {
        {"2024-01-31", {"2024-02-28", "2024-03-28", "2024-04-28", "2024-05-28"}},
        {"2024-03-31", {"2024-04-30", "2024-05-30", "2024-06-30", "2024-07-30"}},
        {"2024-01-29", {"2024-02-28", "2024-03-28", "2024-04-28", "2024-05-28"}},
        {"2024-11-15", {"2024-12-15", "2025-01-15", "2025-02-15", "2025-03-15"}},
        {"2024-12-30", {"2025-01-30", "2025-02-28", "2025-03-28", "2025-04-28"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.d0);
        LoanFields in;
        in.typ = 1;
        in.okres = "4";
        in.dataKredytu = c.d0;
        in.dataPierwszejRaty = "";  // not read for decreasing instalments
        const LoanRun run = RunLoan(in);
        ASSERT_EQ(run.outcome.Status, LoanStatus::Computed);
        std::vector<std::string> due;
        for (const auto& e : run.outcome.Schedule.Instalments) due.push_back(FormatDate(e.DueDate));
        EXPECT_EQ(due, c.due);
    }
}

TEST(LoanInputs, RefusedWithTheErrorBox) {
    struct Case {
        const char* kredyt;
        const char* okres;
        const char* procent;
        int jednostka;
        int typ;
    } cases[] = {
        {"0", "12", "12", 1, 0},
        {"0,00", "12", "12", 1, 1},
        {"1000", "0", "12", 1, 0},
        {"1000", "0,00", "12", 0, 0},
        {"1000", "12", "0", 1, 0},
        {"1000", "12", "0,00", 1, 1},
        // Zero after conversion or no instalment at all would divide by zero.
        {"1000", "12", "0,0", 1, 0},
        {"1000", "12", "0,0", 1, 1},
        {"1000", "0,05", "12", 0, 0},
        {"1000", "0,05", "12", 0, 1},
        {"1000", "0,5", "12", 1, 1},
        {"1000", "-2", "12", 1, 0},
        {"1000", "", "12", 1, 1},
        {"1000", "12", "", 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.kredyt) + " / " + c.okres + " / " + c.procent);
        LoanFields in;
        in.kredyt = c.kredyt;
        in.okres = c.okres;
        in.procent = c.procent;
        in.jednostka = c.jednostka;
        in.typ = c.typ;
        const LoanRun run = RunLoan(in);
        EXPECT_EQ(run.outcome.Status, LoanStatus::Refused);
        ASSERT_EQ(run.boxes.size(), 1u);
        EXPECT_EQ(run.boxes[0].text, kMissing);
        EXPECT_EQ(run.boxes[0].caption, "Błąd");
        EXPECT_EQ(run.effects.size(), 1u);
    }
}

TEST(LoanInputs, NegativeAmountAndRateAreReportedAndTheCalculationGoesOn) {
    LoanFields in;
    in.kredyt = "-1000";
    in.procent = "-12,5";
    in.typ = 1;
    in.okres = "2";
    const LoanRun run = RunLoan(in);
    EXPECT_EQ(run.outcome.Status, LoanStatus::Computed);
    EXPECT_EQ(run.messages, (std::vector<std::string>{"TO NIE JEST KREDYT A WKŁAD BANKOWY - TEŻ MOŻNA LICZYĆ",
                                                      "PROCENT NIE MOŻE BYĆ UJEMNY"}));
    for (const auto& m : run.boxes) EXPECT_EQ(m.caption, "");
    EXPECT_EQ(run.effects[2].name, "ProcentBankowy");
    EXPECT_EQ(run.effects[2].text, "12,5");
    // The negative amount is kept: a deposit of 1000 earning 12,5 %.
    EXPECT_EQ(run.Written("PierwszaRata"), "-510,42");
    EXPECT_EQ(run.Written("DoSplaty"), "-1 015,63");
}

TEST(LoanInputs, TextThatDoesNotConvertStopsWithTheConversionMessage) {
    LoanFields in;
    in.kredyt = "10.000";
    try {
        RunLoan(in);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'10.000' is not a valid floating point value");
    }
}

TEST(LoanPeriod, FiftyYearsOrSixHundredMonthsAtMost) {
    struct Case {
        const char* okres;
        PeriodUnit unit;
        bool aboveLimit;
        int instalments;  // 0: refused by the calculation too
    } cases[] = {
        {"50", PeriodUnit::Years, false, 600},   {"51", PeriodUnit::Years, true, 0},
        {"50,01", PeriodUnit::Years, true, 600}, {"49,99", PeriodUnit::Years, false, 599},
        {"600", PeriodUnit::Months, false, 600}, {"601", PeriodUnit::Months, true, 0},
        {"1,5", PeriodUnit::Years, false, 18},   {"abc", PeriodUnit::Years, false, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.okres);
        EXPECT_EQ(PeriodAboveLimit(c.okres, c.unit), c.aboveLimit);
        if (c.instalments < 0) continue;
        for (int typ : {0, 1}) {
            LoanFields in;
            in.okres = c.okres;
            in.jednostka = static_cast<int>(c.unit);
            in.typ = typ;
            const LoanRun run = RunLoan(in);
            if (c.instalments == 0) {
                EXPECT_EQ(run.messages, std::vector<std::string>{"Okres kredytu musi być <= 50 lat"});
                EXPECT_EQ(run.outcome.Status, LoanStatus::Refused);
            } else {
                EXPECT_EQ(run.outcome.Schedule.InstalmentCount, c.instalments);
                EXPECT_EQ(run.outcome.Schedule.Instalments.size(), static_cast<size_t>(c.instalments));
            }
        }
    }
}

TEST(RateMode, RateFromTheFirstDecreasingInstalment) {
    struct Case {
        const char* kredyt;
        const char* okres;
        int jednostka;
        const char* rata1;
        const char* procent;
    } cases[] = {
        {"12000", "12", 1, "1120", "12"},
        {"12000", "1", 0, "1120", "12"},
        {"100000", "20", 0, "1000", "7"},  // (1000 - 416,67) * 1200 / 100000, rounded
        {"1000", "3", 1, "343,33", "12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rata1);
        LoanFields in;
        in.wylicz = 1;
        in.typ = 1;
        in.kredyt = c.kredyt;
        in.okres = c.okres;
        in.jednostka = c.jednostka;
        in.rata1 = c.rata1;
        in.procent = "";
        const LoanRun run = RunLoan(in);
        EXPECT_EQ(run.outcome.Status, LoanStatus::RateComputed);
        EXPECT_TRUE(run.messages.empty());
        ASSERT_EQ(run.effects.size(), 1u);
        EXPECT_EQ(run.Written("ProcentBankowy"), c.procent);
    }
}

TEST(RateMode, RefusalsAndMessages) {
    struct Case {
        const char* kredyt;
        const char* okres;
        int jednostka;
        const char* rata1;
        int typ;
        const char* message;
        const char* caption;
    } cases[] = {
        {"0", "12", 1, "1120", 1, kRateMissing, "Błąd"},
        {"12000", "0,00", 1, "1120", 1, kRateMissing, "Błąd"},
        {"12000", "12", 1, "0", 1, kRateMissing, "Błąd"},
        {"12000", "12", 1, "", 1, kRateMissing, "Błąd"},        // no first instalment given
        {"0,0", "12", 1, "1120", 1, kRateMissing, "Błąd"},      // would divide by the amount
        {"12000", "0,05", 0, "1120", 1, kRateMissing, "Błąd"},  // no instalment
        {"12000", "12", 1, "1120", 0, "Nie można liczyć oprocentowania dla rat równomiernych", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.kredyt) + " / " + c.okres + " / " + c.rata1);
        LoanFields in;
        in.wylicz = 1;
        in.typ = c.typ;
        in.kredyt = c.kredyt;
        in.okres = c.okres;
        in.jednostka = c.jednostka;
        in.rata1 = c.rata1;
        const LoanRun run = RunLoan(in);
        EXPECT_EQ(run.outcome.Status, LoanStatus::Refused);
        ASSERT_EQ(run.boxes.size(), 1u);
        EXPECT_EQ(run.boxes[0].text, c.message);
        EXPECT_EQ(run.boxes[0].caption, c.caption);
        EXPECT_EQ(run.effects.size(), 1u);
    }
}

TEST(RateMode, PeriodInMonthsMustBeWhole) {
    LoanFields in;
    in.wylicz = 1;
    in.typ = 1;
    in.okres = "12,5";
    in.rata1 = "1120";
    EXPECT_THROW(RunLoan(in), ConversionError);
}

TEST(FirstDayOfNextMonth, RollsDecemberIntoJanuary) {
    EXPECT_EQ(FormatDate(FirstDayOfNextMonth(MakeDate(2024, 12, 31))), "2025-01-01");
    EXPECT_EQ(FormatDate(FirstDayOfNextMonth(MakeDate(2024, 1, 31))), "2024-02-01");
    EXPECT_EQ(FormatDate(FirstDayOfNextMonth(MakeDate(2024, 2, 1))), "2024-03-01");
}

// Many random loans: the invariants every schedule must keep.
TEST(LoanProperties, SchedulesAddUp) {
    std::mt19937 rng(20241206);
    std::uniform_int_distribution<int> grosze(1, 200'000'000);
    std::uniform_int_distribution<int> rate(1, 3000);  // 0,01 % to 30 %
    std::uniform_int_distribution<int> count(1, 600);
    for (int trial = 0; trial < 1500; ++trial) {
        LoanFields in;
        in.kredyt = FormatGeneral(grosze(rng) / 100.0);
        in.procent = FormatGeneral(rate(rng) / 100.0);
        in.okres = std::to_string(count(rng));
        in.typ = trial % 2;
        SCOPED_TRACE(in.kredyt + " / " + in.okres + " / " + in.procent + " / " + std::to_string(in.typ));
        const LoanRun run = RunLoan(in);
        ASSERT_EQ(run.outcome.Status, LoanStatus::Computed);
        const LoanSchedule& s = run.outcome.Schedule;
        ASSERT_EQ(s.Instalments.size(), s.InstalmentCount);
        long double principal = 0, amounts = 0;
        for (const auto& e : s.Instalments) {
            principal += e.Principal;
            amounts += e.Amount;
        }
        if (in.typ == 1) {
            EXPECT_EQ(principal, static_cast<long double>(ParseAmount(in.kredyt)));
        }
        EXPECT_NEAR(static_cast<double>(amounts), s.Total, 1e-6);
        EXPECT_EQ(FormatMoney(static_cast<double>(amounts)), run.Written("DoSplaty"));
        EXPECT_EQ(s.Entry(1).Amount, s.FirstInstalment);
        EXPECT_EQ(s.Entry(s.InstalmentCount).Amount, s.LastInstalment);
    }
}

}  // namespace
}  // namespace tolvex::testing
