#include "payroll/salary.h"

#include <gtest/gtest.h>

#include "payroll_test_support.h"

namespace tolvex {
namespace {

// Full panel: B = 4000 + 10 % + 100 + 250,5 + 300 + 200 + 150 + 50 + 25,25 + 24,25 = 5500.
// Acc 91,85; Pen 19,52 % / 2 = 536,80; DisE 82,50; DisF 357,50; Sick 134,75; Lab 134,75; Fgsp 5,50.
// Z = 134,75 + 82,50 + 536,80 = 754,05; H = 4745,95; health 9 % = 427,1355 -> 427,14.
// P = 5500 - 250 - 754,05 -> 4496; tax 12 % - 300 = 239,52 -> 240; N = 4745,95 - 427,14 - 240 - 900
// deducted = 3178,81. Employee column 536,8 + 82,5 + 134,75 + 427,14 = 1181,19; employer 1120,9;
// together 2302,09. Cost 5500 + 1120,9 = 6620,90; per hour 3178,81 / 168 = 18,92.
TEST(CalculateSalary, GrossToNet) {
    // clang-format off
    const std::vector<testing::PageCase> cases{
        {"gross 5000", "EditPlacaBrutto=5000",
         "EditBruttoCalyEtat=5000;EditPlacaBrutto=5000;EditPodstawaOpodat_Zdrowotne=4 314,50 zł;"
         "Edit_Zdrowotne=388,31;EditPodstawa_do_Podatku=4 065,00 zł;Edit_Podatek=188;Edit_Netto=3738,19;"
         "Edit1=0,00 zł;Edit2=488 zł;Edit3=75 zł;Edit4=122,5 zł;Edit5=0,00 zł;Edit6=388,31 zł;Edit7=0,00 zł;"
         "Edit8=83,5 zł;Edit9=488 zł;Edit10=325 zł;Edit11=0,00 zł;Edit12=122,5 zł;Edit13=0,00 zł;"
         "Edit14=0,00 zł;Edit15=83,5 zł;Edit16=976 zł;Edit17=400 zł;Edit18=122,5 zł;Edit19=122,5 zł;"
         "Edit20=388,31 zł;Edit21=0 zł;Edit22=1073,81 zł;Edit23=1019 zł;Edit24=2092,81 zł;"
         "EditKosztPracownika=6 019,00 zł;EditNettoZaGodzine=22,25", {"EditPlacaBrutto"}},
        {"gross 12000 hits the health cap", "EditPlacaBrutto=12000",
         "Edit_Zdrowotne=769,43;Edit_Podatek=913;Edit_Netto=8672,37"},
        {"3500 on a half post", "EditPlacaBrutto=3500;ComboBoxEtat=4/8",
         "EditBruttoCalyEtat=3500;EditPlacaBrutto=1750;Edit4=42,88 zł;EditPodstawa_do_Podatku=1 260,00 zł;"
         "Edit_Podatek=0;Edit_Netto=1374,16;EditNettoZaGodzine=16,36"},
        {"unknown post text counts as full time", "EditPlacaBrutto=5000;ComboBoxEtat=pół",
         "Edit_Netto=3738,19;EditNettoZaGodzine=22,25", {"EditPlacaBrutto"}},
        {"gross 0 writes only the breakdown", "EditPlacaBrutto=0,00",
         "Edit2=0 zł;Edit1=0,00 zł;Edit22=0 zł;Edit23=0 zł;Edit24=0 zł;EditKosztPracownika=0,00 zł;"
         "EditNettoZaGodzine=0",
         {"EditBruttoCalyEtat", "EditPodstawaOpodat_Zdrowotne", "Edit_Zdrowotne", "EditPodstawa_do_Podatku",
          "Edit_Podatek", "Edit_Netto"}},
        {"typed net pay wins over a gross pay", "EditPlacaBrutto=5000;Edit_Netto=100",
         "Edit_Netto=100;Edit2=0 zł", {"EditBruttoCalyEtat", "Edit_Netto"}},
        {"health paid by both sides shows zero", "EditPlacaBrutto=5000;CheckBox13:1",
         "Edit_Netto=3738,19;Edit6=0 zł;Edit13=0 zł;Edit22=685,5 zł"},
        {"employee pension unticked keeps the net", "EditPlacaBrutto=5000;CheckBox2:0",
         "Edit_Netto=3738,19;Edit2=0,00 zł;Edit16=488 zł;Edit22=585,81 zł"},
        {"health rate 7,75", "EditPlacaBrutto=5000;EditZdrowotne_proc=7,75",
         "Edit_Zdrowotne=334,37;Edit_Netto=3792,13;Edit6=334,37 zł"},
        {"panel values ignored while unticked", "EditPlacaBrutto=5000;EditPremia=10;EditKomornik=500",
         "Edit_Netto=3738,19"},
        {"bonus in zloty",
         "EditPlacaBrutto=4990;EditPremia=10;CheckBoxDodatkiPotracenia:1;RadioGroupJakaPremia:1",
         "EditBruttoCalyEtat=4990;Edit_Netto=3738,19;EditKosztPracownika=6 019,00 zł"},
        {"full panel",
         "EditPlacaBrutto=4000;EditPremia=10;EditSzkodliwe=100;EditNadgodziny=250,5;EditZaUrlop=300;"
         "EditZaChorobe=200;EditNagrody=150;EditDodatek1=50;EditDodatek2=25,25;EditDodatek3=24,25;"
         "EditUbezpieczenie=50;EditRata=300;EditSkladka=20;EditSkladkaZw=15,5;EditKomornik=500;"
         "EditPotracenia1=10;EditPotracenia2=4,5;EditPotracenia3=0;EditPotracenia4=0,00;"
         "CheckBoxDodatkiPotracenia:1",
         "EditBruttoCalyEtat=4000;EditPodstawaOpodat_Zdrowotne=4 745,95 zł;Edit_Zdrowotne=427,14;"
         "EditPodstawa_do_Podatku=4 496,00 zł;Edit_Podatek=240;Edit_Netto=3178,81;Edit2=536,8 zł;"
         "Edit8=91,85 zł;Edit10=357,5 zł;Edit22=1181,19 zł;Edit23=1120,9 zł;Edit24=2302,09 zł;"
         "EditKosztPracownika=6 620,90 zł;EditNettoZaGodzine=18,92", {"EditPlacaBrutto"}},
        // A field that does not convert stops the calculation where it is read.
        {"bad tax rate", "EditPlacaBrutto=5000;EditSkalaPodatkowa=12%", "", {"EditBruttoCalyEtat"},
         {"'12%' is not a valid floating point value"}},
        {"bad sickness rate", "EditPlacaBrutto=5000;EditChorobowe_proc=2.45", "EditBruttoCalyEtat=5000",
         {"EditPodstawaOpodat_Zdrowotne"}, {"'2.45' is not a valid floating point value"}},
        {"bad deduction",
         "EditPlacaBrutto=5000;EditKomornik=x;CheckBoxDodatkiPotracenia:1",
         "EditPodstawa_do_Podatku=4 065,00 zł", {"Edit_Podatek"},
         {"'x' is not a valid floating point value"}},
    };
    // clang-format on
    testing::RunPageCases(cases, [](TextFields& fields) {
        AwardState award{true, 5};
        CalculateSalary(fields, award);
        EXPECT_FALSE(award.flag);
        EXPECT_EQ(award.netPerMultiple, 0);
    });
}

}  // namespace
}  // namespace tolvex
