#include "payroll/contribution_rates.h"

#include <gtest/gtest.h>

#include "core/amount/amount.h"
#include "payroll_test_support.h"

namespace tolvex {
namespace {

struct LockCase {
    const char* label;
    testing::Texts inputs;
    testing::Texts expected;
};

TEST(ContributionRates, LockWritesTheDisabilitySumAndTheRateLabels) {
    // clang-format off
    const LockCase cases[] = {
        {"defaults", {},
         {{"EditRentowe_proc", "8"}, {"Label1Wypadkowe_proc", "1,67"}, {"Label1Emerytalne_proc", "19,52"},
          {"Label1Rentowe_proc", "8"}, {"Label1Chorobowe_proc", "2,45"}, {"Label1Fundusz_proc", "2,45"},
          {"Label1Zdrowotne_prc", "9"}, {"Label1FGSP_proc", "0,10"}}},
        {"employee part 2, health 7,75", {{"EditRentowePracownik_Proc", "2"}, {"EditZdrowotne_proc", "7,75"}},
         {{"EditRentowe_proc", "8,5"}, {"Label1Wypadkowe_proc", "1,67"}, {"Label1Emerytalne_proc", "19,52"},
          {"Label1Rentowe_proc", "8,5"}, {"Label1Chorobowe_proc", "2,45"}, {"Label1Fundusz_proc", "2,45"},
          {"Label1Zdrowotne_prc", "7,75"}, {"Label1FGSP_proc", "0,10"}}},
    };
    // clang-format on
    for (const LockCase& c : cases) {
        SCOPED_TRACE(c.label);
        MapFieldSource source = testing::PayrollStartFields();
        testing::Set(source, c.inputs);
        TextFields fields(source);
        WriteLockedRates(fields);
        testing::Texts written;
        for (const Effect& e : fields.Effects()) written.emplace_back(e.name, e.text);
        EXPECT_EQ(written, c.expected);
    }
}

TEST(ContributionRates, BadDisabilityPartStopsBeforeAnyWrite) {
    for (const char* field : {"EditRentowePracownik_Proc", "EditRentowePracodawca_Proc"}) {
        SCOPED_TRACE(field);
        MapFieldSource source = testing::PayrollStartFields();
        source.texts[field] = "1.5";
        TextFields fields(source);
        EXPECT_THROW(WriteLockedRates(fields), ConversionError);
        EXPECT_TRUE(fields.Effects().empty());
    }
}

}  // namespace
}  // namespace tolvex
