#include "support/ui_fixture.h"

namespace tolvex::testing {
namespace {

using Texts = std::vector<std::pair<const char*, const char*>>;

class ConvertersPanel : public MainWindowTest {
  protected:
    void SetUp() override { Start(); }
};

TEST_F(ConvertersPanel, ButtonsConvertAndTypingEmptiesTheirResults) {
    struct Case {
        const char *input, *text, *button;
        Texts emptied;  // by typing into the input again
        Texts kept;     // the other temperature inputs
    } cases[] = {
        // clang-format off
        {"EditMinuty", "90", "BitBtnPrzeliczMinuty", {{"EditLiczba", "1,5"}}, {}},
        {"EditMetrKwadrat", "10000", "BitBtnPrzeliczpowierzchnie", {{"EditAr", "100"}, {"EditHektar", "1"}}, {}},
        {"EditLitr", "1", "BitBtnPrzeliczObjetosc", {{"EditBarylka", "0,0063"}, {"EditBuszel", "0,0284"}}, {}},
        {"EdithPascal", "1013,25", "BitBtnPrzeliczCisnienie", {{"EditmmSlupaHg", "761,8421"},
         {"EditCalSlupaHg", "299,9378"}}, {}},
        {"EditKonMechaniczny", "100", "BitBtnPrzelicz", {{"EditKW", "73,55"}}, {}},
        {"EditCelsiusz", "100", "BitBtnPrzeliczTemperatureCelsiusza", {{"EditReaumer", "80"},
         {"EditRankin", "671,67"}}, {{"EditKelvin", "373,16"}, {"EditFahrenheit", "212"}}},
        {"EditKelvin", "0", "BitBtnPrzeliczTemperatureKelvina", {{"EditReaumer", "-218,528"},
         {"EditRankin", "-0,018"}}, {{"EditCelsiusz", "-273,16"}, {"EditFahrenheit", "-459,688"}}},
        {"EditFahrenheit", "32", "BitBtnPrzeliczTemperatureFahrenheita", {{"EditReaumer", "0"},
         {"EditRankin", "491,67"}}, {{"EditCelsiusz", "0"}, {"EditKelvin", "273,16"}}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        Type(c.input, c.text);
        Press(c.button);
        for (const Texts& results : {c.emptied, c.kept})
            for (const auto& [name, text] : results) EXPECT_EQ(Str(name), text) << name;
        Type(c.input, "2");
        for (const auto& [name, text] : c.emptied) EXPECT_EQ(Str(name), "") << name;
        for (const auto& [name, text] : c.kept) EXPECT_EQ(Str(name), text) << name;
    }
}

TEST_F(ConvertersPanel, BadInputIsReportedWhenConvertedAndEmptied) {
    Type("EditLitr", "1.5");
    EXPECT_TRUE(Messages().empty());
    Press("BitBtnPrzeliczObjetosc");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Błędnie napisana liczba(separator lub wartość)"});
    EXPECT_EQ(Strs("EditLitr EditGarniec"), "|");
    Press("BitBtnPrzeliczObjetosc");  // empty: nothing happens
}

}  // namespace
}  // namespace tolvex::testing
