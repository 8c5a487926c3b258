#include "converters/converters.h"

#include "core/amount/amount.h"

namespace tolvex {
namespace {

constexpr std::string_view kBadNumber = "Błędnie napisana liczba(separator lub wartość)";

constexpr ConverterOutput kMinutes[] = {{"EditLiczba", 0.0166666666666666667L, 2}};
constexpr ConverterOutput kArea[] = {
    {"EditAr", 0.01L, 4},
    {"EditAkr", 0.000247117595652549102L, 4},
    {"EditMorga", 0.000178571428571428571L, 4},
    {"EditHektar", 0.0001L, 4},
};
constexpr ConverterOutput kVolume[] = {
    {"EditBarylka", 0.00629056154081517626L, 4}, {"EditGalon", 0.264172052637295909L, 4},
    {"Editkwarta", 1.05668826079573487L, 4},     {"EditGarniec", 0.25L, 4},
    {"EditBuszel", 0.0283775933927881752L, 4},
};
constexpr ConverterOutput kPressure[] = {
    {"EditmmSlupaHg", 0.751879699248120301L, 4},
    {"EditAtmosfera", 0.000986923266716012830L, 4},
    {"EditBar", 0.001L, 4},
    {"EditmmSlupaWody", 0.0101999999673600001L, 4},
    {"EditCalSlupaHg", 0.296015629625244213L, 4},
};
constexpr ConverterOutput kPower[] = {{"EditKW", 0.735499L, 2}};

double Rounded(long double value, int places) {
    const double v = static_cast<double>(value);
    return places == 2 ? RoundTo2Places(v) : RoundTo4Places(v);
}

double R4(long double value) {
    return RoundTo4Places(static_cast<double>(value));
}

void Put(TextFields& fields, std::string_view name, double value) {
    fields.Write(name, FormatGeneral(value));
}

// The input's number; false when the input is empty or was reported and emptied.
bool ReadInput(TextFields& fields, std::string_view name, double& value) {
    const std::string text = fields.Text(name);
    if (text.empty()) return false;
    if (TryParseAmount(text, value)) return true;
    fields.Show(std::string(kBadNumber));
    fields.Write(name, "");
    return false;
}

}  // namespace

const LinearConverter kMinutesConverter{"EditMinuty", kMinutes};
const LinearConverter kAreaConverter{"EditMetrKwadrat", kArea};
const LinearConverter kVolumeConverter{"EditLitr", kVolume};
const LinearConverter kPressureConverter{"EdithPascal", kPressure};
const LinearConverter kPowerConverter{"EditKonMechaniczny", kPower};

void ConvertLinear(const LinearConverter& converter, TextFields& fields) {
    double input = 0;
    if (!ReadInput(fields, converter.Input, input)) return;
    for (const auto& out : converter.Outputs) Put(fields, out.Field, Rounded(input * out.Factor, out.Places));
}

// The limits compare as the typed text reads, so the limit itself is accepted.
void ConvertFromCelsius(TextFields& fields) {
    double c = 0;
    if (!ReadInput(fields, "EditCelsiusz", c)) return;
    if (c < -273.16) return fields.Show(std::string(kCelsiusLimitMessage));
    Put(fields, "EditKelvin", R4(c + 273.16L));
    const double f = R4(1.8L * c + 32);
    Put(fields, "EditFahrenheit", f);
    Put(fields, "EditReaumer", R4(0.8L * c));
    Put(fields, "EditRankin", R4(f + 459.67L));
}

void ConvertFromKelvin(TextFields& fields) {
    double k = 0;
    if (!ReadInput(fields, "EditKelvin", k)) return;
    if (k < 0) return fields.Show(std::string(kKelvinLimitMessage));
    const double c = R4(k - 273.16L);
    Put(fields, "EditCelsiusz", c);
    const double f = R4(1.8L * c + 32);
    Put(fields, "EditFahrenheit", f);
    Put(fields, "EditReaumer", R4(0.8L * c));
    Put(fields, "EditRankin", R4(f + 459.67L));
}

void ConvertFromFahrenheit(TextFields& fields) {
    double f = 0;
    if (!ReadInput(fields, "EditFahrenheit", f)) return;
    if (f < -459.688) return fields.Show(std::string(kFahrenheitLimitMessage));
    const double c = R4((f - 32) * 0.555555555555555556L);
    Put(fields, "EditCelsiusz", c);
    Put(fields, "EditKelvin", R4(273.16L + c));
    Put(fields, "EditReaumer", R4(0.8L * c));
    Put(fields, "EditRankin", R4(459.67L + f));
}

}  // namespace tolvex
