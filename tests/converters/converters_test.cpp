#include "converters/converters.h"

#include <gtest/gtest.h>

namespace tolvex {
namespace {

template <const LinearConverter& C>
void Linear(TextFields& f) {
    ConvertLinear(C, f);
}

const char* const kBad = "Błędnie napisana liczba(separator lub wartość)";

// Every text write in order, and every message; the panel's table holds one conversion of each
// temperature scale.
TEST(Converters, WriteTheirResultsInOrder) {
    struct Case {
        void (*convert)(TextFields&);
        const char *input, *text, *writes;  // "Name=text;..."
        const char* message = "";
    } cases[] = {
        // clang-format off
        {Linear<kMinutesConverter>, "EditMinuty", "100", "EditLiczba=1,67"},
        {Linear<kAreaConverter>, "EditMetrKwadrat", "10000",
         "EditAr=100;EditAkr=2,4712;EditMorga=1,7857;EditHektar=1"},
        {Linear<kVolumeConverter>, "EditLitr", "1",
         "EditBarylka=0,0063;EditGalon=0,2642;Editkwarta=1,0567;EditGarniec=0,25;EditBuszel=0,0284"},
        {Linear<kPressureConverter>, "EdithPascal", "1013,25",
         "EditmmSlupaHg=761,8421;EditAtmosfera=1;EditBar=1,0133;EditmmSlupaWody=10,3351;"
         "EditCalSlupaHg=299,9378"},
        {Linear<kPowerConverter>, "EditKonMechaniczny", "100", "EditKW=73,55"},
        {Linear<kVolumeConverter>, "EditLitr", "", ""},
        {Linear<kPowerConverter>, "EditKonMechaniczny", "1.5", "EditKonMechaniczny=", kBad},
        {ConvertFromCelsius, "EditCelsiusz", "-273,16",
         "EditKelvin=0;EditFahrenheit=-459,688;EditReaumer=-218,528;EditRankin=-0,018"},
        {ConvertFromCelsius, "EditCelsiusz", "-273,17", "", "Minimalna temperatura to -273.16 C"},
        {ConvertFromKelvin, "EditKelvin", "-0,01", "", "Najniższa temperatura to 0 K"},
        {ConvertFromFahrenheit, "EditFahrenheit", "212",
         "EditCelsiusz=100;EditKelvin=373,16;EditReaumer=80;EditRankin=671,67"},
        {ConvertFromFahrenheit, "EditFahrenheit", "-459,688",
         "EditCelsiusz=-273,16;EditKelvin=0;EditReaumer=-218,528;EditRankin=-0,018"},
        {ConvertFromFahrenheit, "EditFahrenheit", "-459,7", "", " Najniższa temperatura to -459.866 F"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.input) + " " + c.text);
        MapFieldSource source;
        source.texts[c.input] = c.text;
        TextFields fields(source);
        c.convert(fields);
        std::string writes;
        for (const auto& e : fields.Effects())
            if (e.kind == Effect::Kind::Text) writes += (writes.empty() ? "" : ";") + e.name + "=" + e.text;
        EXPECT_EQ(writes, c.writes);
        EXPECT_EQ(fields.Messages(),
                  *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    }
}

}  // namespace
}  // namespace tolvex
