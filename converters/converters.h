// The unit converters: each reads its input field, and on success writes its result
// fields in order (FormatGeneral after 2- or 4-place rounding).
#pragma once

#include <span>
#include <string_view>

#include "core/fields/text_fields.h"

namespace tolvex {

struct ConverterOutput {
    std::string_view Field;
    long double Factor;  // the input is multiplied by it
    int Places;          // 2 or 4
};

struct LinearConverter {
    std::string_view Input;
    std::span<const ConverterOutput> Outputs;
};

extern const LinearConverter kMinutesConverter;   // EditMinuty -> EditLiczba
extern const LinearConverter kAreaConverter;      // EditMetrKwadrat -> ar, akr, morga, ha
extern const LinearConverter kVolumeConverter;    // EditLitr -> baryłka, galon, kwarta, garniec, buszel
extern const LinearConverter kPressureConverter;  // EdithPascal -> mm Hg, atmosfera, bar, m wody, cal Hg
extern const LinearConverter kPowerConverter;     // EditKonMechaniczny -> EditKW

// An empty input does nothing; a bad one is reported and emptied.
void ConvertLinear(const LinearConverter& converter, TextFields& fields);

// Temperature: the two other scales are written before Réaumur and Rankine, because
// writing an input scale empties those two.
void ConvertFromCelsius(TextFields& fields);
void ConvertFromKelvin(TextFields& fields);
void ConvertFromFahrenheit(TextFields& fields);

inline constexpr std::string_view kCelsiusLimitMessage = "Minimalna temperatura to -273.16 C";
inline constexpr std::string_view kKelvinLimitMessage = "Najniższa temperatura to 0 K";
inline constexpr std::string_view kFahrenheitLimitMessage = " Najniższa temperatura to -459.866 F";

}  // namespace tolvex
