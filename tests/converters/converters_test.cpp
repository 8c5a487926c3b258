#include "converters/converters.h"

#include <gtest/gtest.h>

namespace tolvex {
namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

struct Run {
    Writes writes;
    std::vector<std::string> messages;
};

Run Convert(void (*convert)(TextFields&), const char* input, const char* text) {
    MapFieldSource source;
    source.texts[input] = text;
    TextFields fields(source);
    convert(fields);
    Run run;
    for (const auto& e : fields.Effects())
        if (e.kind == Effect::Kind::Text) run.writes.emplace_back(e.name, e.text);
    run.messages = fields.Messages();
    return run;
}

void Minutes(TextFields& f) {
    ConvertLinear(kMinutesConverter, f);
}
void Area(TextFields& f) {
    ConvertLinear(kAreaConverter, f);
}
void Volume(TextFields& f) {
    ConvertLinear(kVolumeConverter, f);
}
void Pressure(TextFields& f) {
    ConvertLinear(kPressureConverter, f);
}
void Power(TextFields& f) {
    ConvertLinear(kPowerConverter, f);
}

struct Case {
    const char* name;
    void (*convert)(TextFields&);
    const char* input;
    const char* text;
    Writes writes;
    std::vector<std::string> messages;
};

void Check(const Case& c) {
    SCOPED_TRACE(c.name);
    Run run = Convert(c.convert, c.input, c.text);
    EXPECT_EQ(run.writes, c.writes);
    EXPECT_EQ(run.messages, c.messages);
}

TEST(Converters, UnitConvertersWriteTheirResultsInOrder) {
    const Case cases[] = {
        {"90 min", Minutes, "EditMinuty", "90", {{"EditLiczba", "1,5"}}, {}},
        {"100 min", Minutes, "EditMinuty", "100", {{"EditLiczba", "1,67"}}, {}},
        {"10000 m2",
         Area,
         "EditMetrKwadrat",
         "10000",
         {{"EditAr", "100"}, {"EditAkr", "2,4712"}, {"EditMorga", "1,7857"}, {"EditHektar", "1"}},
         {}},
        {"1 litre",
         Volume,
         "EditLitr",
         "1",
         {{"EditBarylka", "0,0063"},
          {"EditGalon", "0,2642"},
          {"Editkwarta", "1,0567"},
          {"EditGarniec", "0,25"},
          {"EditBuszel", "0,0284"}},
         {}},
        {"1013,25 hPa",
         Pressure,
         "EdithPascal",
         "1013,25",
         {{"EditmmSlupaHg", "761,8421"},
          {"EditAtmosfera", "1"},
          {"EditBar", "1,0133"},
          {"EditmmSlupaWody", "10,3351"},
          {"EditCalSlupaHg", "299,9378"}},
         {}},
        {"100 KM", Power, "EditKonMechaniczny", "100", {{"EditKW", "73,55"}}, {}},
        {"empty input", Volume, "EditLitr", "", {}, {}},
        {"bad input",
         Power,
         "EditKonMechaniczny",
         "1.5",
         {{"EditKonMechaniczny", ""}},
         {"Błędnie napisana liczba(separator lub wartość)"}},
    };
    for (const auto& c : cases) Check(c);
}

TEST(Converters, TemperatureScalesAndLimits) {
    const char* bad = "Błędnie napisana liczba(separator lub wartość)";
    const Case cases[] = {
        {"0 C",
         ConvertFromCelsius,
         "EditCelsiusz",
         "0",
         {{"EditKelvin", "273,16"}, {"EditFahrenheit", "32"}, {"EditReaumer", "0"}, {"EditRankin", "491,67"}},
         {}},
        {"100 C",
         ConvertFromCelsius,
         "EditCelsiusz",
         "100",
         {{"EditKelvin", "373,16"},
          {"EditFahrenheit", "212"},
          {"EditReaumer", "80"},
          {"EditRankin", "671,67"}},
         {}},
        {"-273,16 C",
         ConvertFromCelsius,
         "EditCelsiusz",
         "-273,16",
         {{"EditKelvin", "0"},
          {"EditFahrenheit", "-459,688"},
          {"EditReaumer", "-218,528"},
          {"EditRankin", "-0,018"}},
         {}},
        {"-273,17 C",
         ConvertFromCelsius,
         "EditCelsiusz",
         "-273,17",
         {},
         {"Minimalna temperatura to -273.16 C"}},
        {"bad C", ConvertFromCelsius, "EditCelsiusz", "x", {{"EditCelsiusz", ""}}, {bad}},
        {"0 K",
         ConvertFromKelvin,
         "EditKelvin",
         "0",
         {{"EditCelsiusz", "-273,16"},
          {"EditFahrenheit", "-459,688"},
          {"EditReaumer", "-218,528"},
          {"EditRankin", "-0,018"}},
         {}},
        {"-0,01 K", ConvertFromKelvin, "EditKelvin", "-0,01", {}, {"Najniższa temperatura to 0 K"}},
        {"32 F",
         ConvertFromFahrenheit,
         "EditFahrenheit",
         "32",
         {{"EditCelsiusz", "0"}, {"EditKelvin", "273,16"}, {"EditReaumer", "0"}, {"EditRankin", "491,67"}},
         {}},
        {"212 F",
         ConvertFromFahrenheit,
         "EditFahrenheit",
         "212",
         {{"EditCelsiusz", "100"}, {"EditKelvin", "373,16"}, {"EditReaumer", "80"}, {"EditRankin", "671,67"}},
         {}},
        {"-459,688 F",
         ConvertFromFahrenheit,
         "EditFahrenheit",
         "-459,688",
         {{"EditCelsiusz", "-273,16"},
          {"EditKelvin", "0"},
          {"EditReaumer", "-218,528"},
          {"EditRankin", "-0,018"}},
         {}},
        {"-459,7 F",
         ConvertFromFahrenheit,
         "EditFahrenheit",
         "-459,7",
         {},
         {" Najniższa temperatura to -459.866 F"}},
        {"empty F", ConvertFromFahrenheit, "EditFahrenheit", "", {}, {}},
    };
    for (const auto& c : cases) Check(c);
}

}  // namespace
}  // namespace tolvex
