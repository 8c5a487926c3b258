#include "payroll/contribution_rates.h"

#include <gtest/gtest.h>

#include "core/amount/amount.h"
#include "payroll_test_support.h"

namespace tolvex {
namespace {

TEST(ContributionRates, LockWritesTheDisabilitySumAndTheRateLabels) {
    const char* names[] = {"EditRentowe_proc",    "Label1Wypadkowe_proc", "Label1Emerytalne_proc",
                           "Label1Rentowe_proc",  "Label1Chorobowe_proc", "Label1Fundusz_proc",
                           "Label1Zdrowotne_prc", "Label1FGSP_proc"};
    struct Case {
        const char* label;
        testing::Texts inputs;
        std::vector<const char*> texts;  // written to `names`, in that order
    } cases[] = {
        {"defaults", {}, {"8", "1,67", "19,52", "8", "2,45", "2,45", "9", "0,10"}},
        {"employee part 2, health 7,75",
         {{"EditRentowePracownik_Proc", "2"}, {"EditZdrowotne_proc", "7,75"}},
         {"8,5", "1,67", "19,52", "8,5", "2,45", "2,45", "7,75", "0,10"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        MapFieldSource source = testing::PayrollStartFields();
        testing::Set(source, c.inputs);
        TextFields fields(source);
        WriteLockedRates(fields);
        testing::Texts written, expected;
        for (const Effect& e : fields.Effects()) written.emplace_back(e.name, e.text);
        for (size_t i = 0; i < c.texts.size(); ++i) expected.emplace_back(names[i], c.texts[i]);
        EXPECT_EQ(written, expected);
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
