#include "support/ui_fixture.h"

namespace tolvex::testing {
namespace {

class RatesPageTest : public MainWindowTest {};

TEST_F(RatesPageTest, EdytujUnlocksAndZablokujLocksWithTheNewRates) {
    Start();
    auto* rate = Edit("EditWypadkowe_proc");
    EXPECT_TRUE(rate->isReadOnly());
    EXPECT_FALSE(rate->hasFrame());
    EXPECT_FALSE(Find<QCheckBox>("CheckBox1")->isEnabled());
    EXPECT_TRUE(Find<QCheckBox>("CheckBox8")->isChecked());
    EXPECT_TRUE(Find("Zablokuj")->isHidden());
    EXPECT_FALSE(Edit("EditBRUTTO_OFE")->isReadOnly());
    EXPECT_TRUE(Edit("EditZUS_OFE")->isReadOnly());

    Press("Edytuj");
    EXPECT_FALSE(rate->isReadOnly());
    EXPECT_TRUE(rate->hasFrame());
    EXPECT_TRUE(Find<QCheckBox>("CheckBox14")->isEnabled());
    EXPECT_FALSE(Edit("EditZUS_OFE")->isReadOnly());
    EXPECT_TRUE(Edit("EditRentowe_proc")->isReadOnly());
    EXPECT_TRUE(Find("Edytuj")->isHidden());
    EXPECT_FALSE(Find("Zablokuj")->isHidden());

    Fill("EditRentowePracownik_Proc=2;EditZdrowotne_proc=7,50");
    Press("Zablokuj");
    // The disability sum and the health rate are written as numbers, the other labels as typed.
    for (const auto& [name, text] : {std::pair{"EditRentowe_proc", "8,5"},
                                     {"Label1Rentowe_proc", "8,5"},
                                     {"Label1Zdrowotne_prc", "7,5"},
                                     {"Label1Wypadkowe_proc", "1,67"},
                                     {"Label1FGSP_proc", "0,10"}})
        EXPECT_EQ(Str(name), text) << name;
    EXPECT_TRUE(rate->isReadOnly());
    EXPECT_TRUE(Edit("EditRentowePracownik_Proc")->isReadOnly());
    EXPECT_FALSE(Find<QCheckBox>("CheckBox3")->isEnabled());
    EXPECT_TRUE(Edit("EditZUS_OFE")->isReadOnly());
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
