#include "core/amount/amount.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace tolvex {
namespace {

std::string NotValidFloat(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid floating point value";
}

// A value as decimal digits: 0.d1d2d3... x 10^exponent, the way the classic
// float-to-text routines see it (18 digits from the extended value, then
// rounded half away from zero to the precision asked for).
struct Decimal {
    bool negative = false;
    std::string digits;  // no leading zeros; empty means zero
    int exponent = 0;

    static Decimal From(long double v) {
        Decimal d;
        if (v == 0) return d;
        d.negative = std::signbit(v);
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.17Le", std::fabs(v));
        // buf: d.ddddddddddddddddde[+-]xx
        std::string s(buf);
        auto e = s.find('e');
        d.digits = s.substr(0, 1) + s.substr(2, e - 2);
        d.exponent = std::stoi(s.substr(e + 1)) + 1;
        d.TrimTrailingZeros();
        return d;
    }

    void TrimTrailingZeros() {
        while (!digits.empty() && digits.back() == '0') digits.pop_back();
        if (digits.empty()) exponent = 0;
    }

    // Keeps `count` significant digits (count may be <= 0), half away from zero.
    void RoundToDigits(int count) {
        if (static_cast<int>(digits.size()) <= count) return;
        if (count < 0) {
            digits.clear();
            exponent = 0;
            return;
        }
        bool up = digits[count] >= '5';
        digits.resize(count);
        if (up) {
            int i = count - 1;
            while (i >= 0 && digits[i] == '9') digits[i--] = '0';
            if (i < 0) {
                digits.insert(digits.begin(), '1');
                ++exponent;
                digits.pop_back();
                if (count == 0) digits = "1";
            } else {
                ++digits[i];
            }
        }
        TrimTrailingZeros();
    }

    char Digit(int i) const { return i >= 0 && i < static_cast<int>(digits.size()) ? digits[i] : '0'; }
};

std::string GroupThousands(const std::string& intDigits) {
    std::string out;
    int n = static_cast<int>(intDigits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += kThousandsSeparator;
        out += intDigits[i];
    }
    return out;
}

std::string Exponential(const Decimal& d) {
    std::string out = d.negative ? "-" : "";
    out += d.digits[0];
    if (d.digits.size() > 1) {
        out += kDecimalSeparator;
        out += d.digits.substr(1);
    }
    out += 'E';
    out += std::to_string(d.exponent - 1);
    return out;
}

// Fixed point with `decimals` places; the digits are already rounded.
std::string Fixed(const Decimal& d, int decimals, bool grouped) {
    std::string intDigits;
    for (int i = 0; i < d.exponent; ++i) intDigits += d.Digit(i);
    if (intDigits.empty()) intDigits = "0";
    std::string frac;
    for (int i = 0; i < decimals; ++i) frac += d.Digit(d.exponent + i);
    std::string out = (d.negative && !d.digits.empty()) ? "-" : "";
    out += grouped ? GroupThousands(intDigits) : intDigits;
    if (decimals > 0) out += kDecimalSeparator + frac;
    return out;
}

double RoundScaled(double x, long double scale, long double step) {
    const double intPart = std::trunc(x);
    const double frac = x - intPart;
    const double scaled = static_cast<double>(frac * scale + 0.000001L);
    const double rounded = std::nearbyint(scaled);  // ties to even under the default mode
    const double part = static_cast<double>(rounded * step);
    return static_cast<double>(static_cast<long double>(intPart) + part);
}

}  // namespace

void RequireFinite(double value);

bool TryParseAmount(std::string_view text, double& value) {
    size_t i = 0, n = text.size();
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::string normal;
    bool anyDigitOrSeparator = false;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
        normal += text[i++];
        anyDigitOrSeparator = true;
    }
    if (i < n && text[i] == kDecimalSeparator) {
        anyDigitOrSeparator = true;
        normal += '.';
        ++i;
        while (i < n && text[i] >= '0' && text[i] <= '9') normal += text[i++];
    }
    if (!anyDigitOrSeparator) return false;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        std::string exp = "e";
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) exp += text[i++];
        size_t start = i;
        while (i < n && text[i] >= '0' && text[i] <= '9') exp += text[i++];
        if (i == start) return false;
        normal += exp;
    }
    while (i < n && text[i] == ' ') ++i;
    if (i != n) return false;
    if (normal.empty() || normal[0] == '.' || normal[0] == 'e') normal.insert(normal.begin(), '0');
    if (normal.back() == '.') normal.pop_back();
    if (normal.find(".e") != std::string::npos) normal.erase(normal.find(".e"), 1);

    long double v = 0;
    auto [ptr, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), v);
    if (ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is not a number the program can hold.
        auto mantissaIsZero = normal.find_first_not_of("0.") == normal.find('e');
        if (!mantissaIsZero && normal.find("e-") == std::string::npos) return false;
        v = 0;
    } else if (ec != std::errc() || ptr != normal.data() + normal.size()) {
        return false;
    }
    if (std::fabs(v) > DBL_MAX) return false;
    value = static_cast<double>(negative ? -v : v);
    return true;
}

double ParseAmount(std::string_view text) {
    double v = 0;
    if (!TryParseAmount(text, v)) throw ConversionError(NotValidFloat(text));
    return v;
}

bool IsAmount(std::string_view text) {
    double v;
    return TryParseAmount(text, v);
}

void RequireFinite(double value) {
    if (!std::isfinite(value)) throw ConversionError(std::string(kOutOfRangeMessage));
}

std::string FormatGeneral(double value) {
    RequireFinite(value);
    Decimal d = Decimal::From(value);
    d.RoundToDigits(15);
    if (d.digits.empty()) return "0";
    if (d.exponent > 15 || d.exponent < -4) return Exponential(d);
    int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.exponent);
    return Fixed(d, decimals, false);
}

std::string FormatMoney(double value, int significantDigits) {
    RequireFinite(value);
    Decimal d = Decimal::From(value);
    d.RoundToDigits(significantDigits);
    if (d.exponent > significantDigits) return Exponential(d);
    // At most two decimals survive, then the text is padded to exactly two.
    d = Decimal::From(value);
    d.RoundToDigits(std::min(significantDigits, d.exponent + 2));
    return Fixed(d, 2, true);
}

std::string FormatWholeGrouped(double value) {
    RequireFinite(value);
    Decimal d = Decimal::From(value);
    d.RoundToDigits(std::min(18, d.exponent));
    return Fixed(d, 0, true);
}

std::string AppendZlSuffix(std::string_view text) {
    return std::string(text) + std::string(kZlSuffix);
}

std::string StripZlSuffix(std::string_view text, bool* suffixWasValid) {
    // Walk back three UTF-8 code points.
    size_t end = text.size();
    for (int cp = 0; cp < 3 && end > 0; ++cp) {
        --end;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    }
    if (suffixWasValid) *suffixWasValid = text.substr(end) == kZlSuffix;
    return std::string(text.substr(0, end));
}

double RoundTo2Places(double x) {
    return RoundScaled(x, 100.0L, 0.01L);
}

double RoundTo4Places(double x) {
    return RoundScaled(x, 10000.0L, 0.0001L);
}

double RoundToWholeZloty(double x) {
    const double intPart = std::trunc(x);
    const double frac = x - intPart;
    const double k = std::nearbyint(static_cast<double>(frac * 100.0L + 0.000001L));
    return k < 50 ? intPart : intPart + 1;
}

}  // namespace tolvex
