#include "support/ui_fixture.h"

namespace tolvex::testing {
namespace {

using Texts = std::vector<std::pair<const char*, const char*>>;

class ConvertersPanel : public MainWindowTest {
  protected:
    void SetUp() override { Start(); }
    void ExpectTexts(const Texts& expected) {
        for (const auto& [name, text] : expected) EXPECT_EQ(Str(name), text) << name;
    }
};

TEST_F(ConvertersPanel, ButtonsConvertAndTypingEmptiesTheirResults) {
    struct Case {
        const char *input, *text, *button;
        Texts results;
    } cases[] = {
        // clang-format off
        {"EditMinuty", "90", "BitBtnPrzeliczMinuty", {{"EditLiczba", "1,5"}}},
        {"EditMetrKwadrat", "10000", "BitBtnPrzeliczpowierzchnie", {{"EditAr", "100"}, {"EditHektar", "1"}}},
        {"EditLitr", "1", "BitBtnPrzeliczObjetosc", {{"EditBarylka", "0,0063"}, {"EditBuszel", "0,0284"}}},
        {"EdithPascal", "1013,25", "BitBtnPrzeliczCisnienie", {{"EditmmSlupaHg", "761,8421"},
         {"EditCalSlupaHg", "299,9378"}}},
        {"EditKonMechaniczny", "100", "BitBtnPrzelicz", {{"EditKW", "73,55"}}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        Type(c.input, c.text);
        Press(c.button);
        ExpectTexts(c.results);
        Type(c.input, "2");
        for (const auto& [name, text] : c.results) EXPECT_EQ(Str(name), "") << name;
    }
}

TEST_F(ConvertersPanel, BadInputIsReportedWhenConvertedAndEmptied) {
    Type("EditLitr", "1.5");
    EXPECT_TRUE(Messages().empty());
    Press("BitBtnPrzeliczObjetosc");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Błędnie napisana liczba(separator lub wartość)"});
    EXPECT_EQ(Str("EditLitr"), "");
    EXPECT_EQ(Str("EditGarniec"), "");
    Press("BitBtnPrzeliczObjetosc");  // empty: nothing happens
}

TEST_F(ConvertersPanel, TemperatureInputsEmptyOnlyReaumurAndRankine) {
    Type("EditCelsiusz", "100");
    Press("BitBtnPrzeliczTemperatureCelsiusza");
    ExpectTexts({{"EditKelvin", "373,16"},
                 {"EditFahrenheit", "212"},
                 {"EditReaumer", "80"},
                 {"EditRankin", "671,67"}});
    Type("EditCelsiusz", "5");
    ExpectTexts(
        {{"EditKelvin", "373,16"}, {"EditFahrenheit", "212"}, {"EditReaumer", ""}, {"EditRankin", ""}});

    Type("EditFahrenheit", "32");
    Press("BitBtnPrzeliczTemperatureFahrenheita");
    ExpectTexts(
        {{"EditCelsiusz", "0"}, {"EditKelvin", "273,16"}, {"EditReaumer", "0"}, {"EditRankin", "491,67"}});

    Type("EditKelvin", "-1");
    Press("BitBtnPrzeliczTemperatureKelvina");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Najniższa temperatura to 0 K"});
    EXPECT_EQ(Str("EditKelvin"), "-1");
}

}  // namespace
}  // namespace tolvex::testing
