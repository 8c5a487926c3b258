#include "support/ui_fixture.h"

namespace tolvex::testing {
namespace {

class RatesPageTest : public MainWindowTest {};

TEST_F(RatesPageTest, LockedAtStartUnlockedByEdytuj) {
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
}

TEST_F(RatesPageTest, LockingSumsTheDisabilityPartsAndCopiesTheLabels) {
    Start();
    EXPECT_EQ(Str("Label1Rentowe_proc"), "8,00");
    Press("Edytuj");
    Edit("EditRentowePracownik_Proc")->setText("2");
    Edit("EditZdrowotne_proc")->setText("7,75");
    Press("Zablokuj");
    EXPECT_EQ(Str("Label1Rentowe_proc"), "8,5");
    EXPECT_EQ(Str("Label1Zdrowotne_prc"), "7,75");
    EXPECT_TRUE(Edit("EditRentowePracownik_Proc")->isReadOnly());
    EXPECT_FALSE(Find<QCheckBox>("CheckBox3")->isEnabled());
}

TEST_F(RatesPageTest, UnparsableDisabilityPartStopsTheLockBeforeAnyChange) {
    Start();
    Press("Edytuj");
    Edit("EditRentowePracodawca_Proc")->setText("");
    Press("Zablokuj");
    EXPECT_EQ(Messages(), std::vector<std::string>{"'' is not a valid floating point value"});
    EXPECT_FALSE(Find("Zablokuj")->isHidden());
    EXPECT_FALSE(Edit("EditWypadkowe_proc")->isReadOnly());
}

TEST_F(RatesPageTest, HealthRateChangeCountsBeforeLocking) {
    Start();
    Press("Edytuj");
    Edit("EditZdrowotne_proc")->setText("7,75");
    Edit("EditPlacaBrutto")->setText("5000");
    Press("Wylicz");
    EXPECT_EQ(Str("Edit_Zdrowotne"), "334,37");
}

}  // namespace
}  // namespace tolvex::testing
