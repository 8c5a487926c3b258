#include "support/ui_fixture.h"

namespace tolvex::testing {
namespace {

class RatesPageTest : public MainWindowTest {};

TEST_F(RatesPageTest, EdytujUnlocksAndZablokujLocksWithTheNewRates) {
    Start();
    // Locked: rates read-only without a frame, boxes disabled, only "Edytuj" shown. The OFE gross
    // stays open and the disability sum is always computed.
    const auto expectLocked = [this](bool locked) {
        EXPECT_EQ(Edit("EditWypadkowe_proc")->isReadOnly(), locked);
        EXPECT_EQ(Edit("EditWypadkowe_proc")->hasFrame(), !locked);
        EXPECT_EQ(Edit("EditZUS_OFE")->isReadOnly(), locked);
        EXPECT_EQ(Edit("EditRentowePracownik_Proc")->isReadOnly(), locked);
        for (const char* box : {"CheckBox1", "CheckBox14"})
            EXPECT_EQ(Find<QCheckBox>(box)->isEnabled(), !locked);
        EXPECT_EQ(Find("Edytuj")->isHidden(), !locked);
        EXPECT_EQ(Find("Zablokuj")->isHidden(), locked);
        EXPECT_FALSE(Edit("EditBRUTTO_OFE")->isReadOnly());
        EXPECT_TRUE(Edit("EditRentowe_proc")->isReadOnly());
    };
    expectLocked(true);
    EXPECT_TRUE(Find<QCheckBox>("CheckBox8")->isChecked());
    Press("Edytuj");
    expectLocked(false);
    Fill("EditRentowePracownik_Proc=2;EditZdrowotne_proc=7,50");
    Press("Zablokuj");
    // The disability sum and the health rate are written as numbers, the other labels as typed.
    for (const auto& [name, text] : {std::pair{"EditRentowe_proc", "8,5"},
                                     {"Label1Rentowe_proc", "8,5"},
                                     {"Label1Zdrowotne_prc", "7,5"},
                                     {"Label1Wypadkowe_proc", "1,67"},
                                     {"Label1FGSP_proc", "0,10"}})
        EXPECT_EQ(Str(name), text) << name;
    expectLocked(true);
}

TEST_F(RatesPageTest, UnparsableDisabilityPartStopsTheLockBeforeAnyChange) {
    Start();
    Press("Edytuj");
    for (const char* part : {"EditRentowePracownik_Proc", "EditRentowePracodawca_Proc"}) {
        SCOPED_TRACE(part);
        const QString typed = Text(part);
        Edit(part)->setText("1.5");
        Press("Zablokuj");
        EXPECT_EQ(Messages(), std::vector<std::string>{"'1.5' is not a valid floating point value"});
        EXPECT_EQ(Str("EditRentowe_proc"), "8,00");
        EXPECT_FALSE(Find("Zablokuj")->isHidden());
        EXPECT_FALSE(Edit("EditWypadkowe_proc")->isReadOnly());
        Edit(part)->setText(typed);
    }
}

}  // namespace
}  // namespace tolvex::testing
