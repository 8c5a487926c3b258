#include <gtest/gtest.h>

#include "core/amount/amount.h"
#include "payroll/salary.h"
#include "payroll_test_support.h"
#include "support/field_list.h"

namespace tolvex {
namespace {

using testing::PageCase;
using testing::WasWritten;

TEST(CalculatePension, NetPensionAndItsBreakdown) {
    // clang-format off
    const std::vector<PageCase> cases{
        {"pension 5000", "EditPlacaBrutto=5000;Edit2=488 zł;Edit22=1073,81 zł",
         "Edit_Zdrowotne=450;EditPodstawaOpodat_Zdrowotne=5 000,00 zł;EditPodstawa_do_Podatku=5 000,00 zł;"
         "Edit_Podatek=300,00 zł;Edit_Netto=4250;EditZdrowotne_Pracownika=0,00;EditKosztPracownika=0,00;"
         "Edit2=0,00 zł;Edit6=450 zł;Edit8=0,00 zł;Edit13=0,00 zł;Edit16=0 zł;Edit20=450 zł;Edit22=450 zł;"
         "Edit23=0 zł;Edit24=450 zł"},
        {"pension 2000 pays no tax", "EditPlacaBrutto=2000",
         "Edit_Zdrowotne=180;Edit_Podatek=0,00 zł;Edit_Netto=1820"},
        {"health paid by both sides", "EditPlacaBrutto=5000;CheckBox13:1",
         "Edit_Netto=4250;Edit6=0,00 zł;Edit22=0 zł"},
        {"net already filled computes nothing", "EditPlacaBrutto=5000;Edit_Netto=4000;Edit22=1073,81 zł",
         "Edit_Netto=4000;Edit_Zdrowotne=0,00;Edit6=0 zł;Edit22=0 zł", {"Edit_Netto"}},
    };
    // clang-format on
    testing::RunPageCases(cases, [](TextFields& fields) {
        AwardState award{true, 5};
        CalculatePension(fields, award);
        EXPECT_FALSE(award.flag);
    });
}

// Its way out and back is driven through the page.
TEST(ToggleHealth, ConversionErrorStopsAndKeepsEarlierWrites) {
    MapFieldSource source = testing::PayrollStartFields();
    testing::Fill(source, "Edit22=100 zł;Edit6=40 zł;Edit20=4O zł;Edit24=300 zł");
    TextFields fields(source);
    ToggleHealth(fields);
    EXPECT_EQ(fields.Messages(), std::vector<std::string>{"Błędy przeliczenia"});
    EXPECT_EQ(fields.Text("Edit22") + "|" + fields.Text("Edit24"), "60|300");
    EXPECT_FALSE(WasWritten(fields, "Dodaj_odejmij_Zdrowotne"));
}

TEST(CalculateAward, BothDirections) {
    // clang-format off
    const std::vector<PageCase> cases{
        {"gross 1000 at 12 %", "EditPlacaBrutto=1000",
         "EditPodstawa_do_Podatku=1 000,00 zł;Edit_Netto=880;Edit_Podatek=120;Edit_Zdrowotne=0,00;"
         "Edit1=0,00 zł;Edit15=0 zł;Edit22=0 zł;Edit24=0 zł", {"EditPlacaBrutto"}},
        {"gross 1234,56 at 32 %", "EditPlacaBrutto=1234,56;EditSkalaPodatkowa=32",
         "EditPodstawa_do_Podatku=1 235,00 zł;Edit_Netto=839,8;Edit_Podatek=395"},
        {"multiple 1,5", "EditPlacaBrutto=1000;EditKrotnoscnagrody=1,5", "Edit_Netto=1320;Edit_Podatek=120"},
        {"net 880 backwards",
         "EditPlacaBrutto=0,00;Edit_Netto=880;EditKrotnoscnagrody=3",
         "EditPlacaBrutto=1000;Edit_Podatek=120;Edit_Netto=880;Edit23=0 zł"},
        {"rate 0 backwards",
         "EditPlacaBrutto=;Edit_Netto=880;EditSkalaPodatkowa=0;Edit2=488 zł",
         "Edit_Podatek=0,00;Edit2=488 zł", {"EditPlacaBrutto", "Edit_Netto", "Edit2", "Edit22"},
         {"Podatek nie może mieć wartosci zerowej"}},
        {"rate 100 backwards",
         "EditPlacaBrutto=0,00;Edit_Netto=880;EditSkalaPodatkowa=100", "",
         {"EditPlacaBrutto", "Edit_Netto", "Edit2"}, {"Błędy przeliczenia"}},
        {"nothing to compute", "EditPlacaBrutto=1000;Edit_Netto=500;Edit2=488 zł",
         "Edit_Netto=500;Edit_Podatek=0,00;Edit2=0,00 zł;Edit16=0 zł", {"EditPlacaBrutto", "Edit_Netto"}},
    };
    // clang-format on
    testing::RunPageCases(cases, [](TextFields& fields) {
        AwardState award{false, 7};
        CalculateAward(fields, award);
        EXPECT_TRUE(award.flag);
    });
}

struct StepCase {
    const char* label;
    bool up;
    const char* multiple;
    const char* net;
    const char* newMultiple;
    const char* newNet;  // nullptr: not written
};

TEST(StepAwardMultiple, RescalesTheNetAward) {
    // clang-format off
    const StepCase cases[] = {
        {"up from 1", true, "1", "880", "1,5", "1320"},       {"down from 1,5", false, "1,5", "1320", "1", "880"},
        {"down from 0,5", false, "0,5", "440", "0,00", "0"},
        {"up from empty", true, "", "880", "0,00", "0"},      {"empty net stays empty", true, "1", "", "1,5", nullptr},
    };
    // clang-format on
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.label);
        MapFieldSource source = testing::PayrollStartFields();
        testing::Fill(source, "EditKrotnoscnagrody=" + std::string(c.multiple) + ";Edit_Netto=" + c.net);
        TextFields fields(source);
        StepAwardMultiple(fields, AwardState{true, 880}, c.up);
        testing::Texts expected{{"EditKrotnoscnagrody", c.newMultiple}};
        if (c.newNet) expected.emplace_back("Edit_Netto", c.newNet);
        EXPECT_EQ(testing::TextWrites(fields), expected);
    }
}

}  // namespace
}  // namespace tolvex
