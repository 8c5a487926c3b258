// Amount texts: how the program turns the text of a field into a number and back.
// Decimal separator ",", thousands separator " ", suffix " zł"; never the system locale.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tolvex {

// A text that does not convert. what() is the program's message, ready to show.
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::string_view kZlSuffix = " zł";
inline constexpr char kDecimalSeparator = ',';
inline constexpr char kThousandsSeparator = ' ';

// Optional blanks, optional sign, digits, optional "," and digits, optional exponent,
// optional blanks. Anything else throws ConversionError
// ("'<text>' is not a valid floating point value").
double ParseAmount(std::string_view text);
bool TryParseAmount(std::string_view text, double& value);
bool IsAmount(std::string_view text);

// A result too large for the program's numbers (infinite or undefined after an overflow)
// cannot be written: the formats below throw ConversionError with this message instead.
inline constexpr std::string_view kOutOfRangeMessage =
    "Wynik poza zakresem liczb programu. Podaj mniejsze wartości.";

// Shortest text with at most 15 significant digits, no grouping: 287, 12,5, 1E-6.
std::string FormatGeneral(double value);
// Two decimals, thousands grouped, at most `significantDigits` significant digits
// (10 unless a caller says otherwise): 3 456,00.
std::string FormatMoney(double value, int significantDigits = 10);
// Whole number with thousands grouped and no decimals: 1 234 568.
std::string FormatWholeGrouped(double value);

std::string AppendZlSuffix(std::string_view text);
// Removes the last three characters (code points). `suffixWasValid` tells whether they
// were exactly " zł"; the caller reports "nieprawidłowowa konwersja" when they were not.
std::string StripZlSuffix(std::string_view text, bool* suffixWasValid = nullptr);
inline constexpr std::string_view kBadSuffixMessage = "nieprawidłowowa konwersja";

// The three rounding rules: Int(x) + R(Frac(x) * scale + 0.000001) / scale, R half to even.
double RoundTo2Places(double x);
double RoundTo4Places(double x);
double RoundToWholeZloty(double x);

// p % of x, computed in extended precision and stored as a double.
inline double PercentOf(double percent, double x) {
    return static_cast<double>(static_cast<long double>(percent) * x * 0.01L);
}

}  // namespace tolvex
