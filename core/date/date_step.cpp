#include "core/date/date_step.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/amount/amount.h"
#include "core/date/date_text.h"

namespace tolvex {
namespace {

constexpr long long kMsPerDay = 86'400'000;
constexpr int kMinYear = 1;
constexpr int kMaxYear = 9999;
static_assert(kMinYear <= kFirstFieldYear && kLastFieldYear <= kMaxYear);

const std::chrono::sys_days kDayZero{std::chrono::year{1899} / 12 / 30};

[[noreturn]] void ThrowDateEncode() {
    throw ConversionError(std::string(kDateEncodeError));
}

// Whole days and the milliseconds into the last one, rounded to the millisecond.
struct Split {
    long long days;
    long long ms;
};
Split SplitSerial(DateTimeSerial v) {
    long double whole = std::floor(static_cast<long double>(v));
    long long days = static_cast<long long>(whole);
    long long ms = std::llround((static_cast<long double>(v) - whole) * kMsPerDay);
    if (ms >= kMsPerDay) {
        ++days;
        ms -= kMsPerDay;
    }
    return {days, ms};
}

void CheckInRange(DateTimeSerial v) {
    if (!WithinFieldYears(v)) ThrowDateEncode();
}

void SkipBlanks(std::string_view text, size_t& i) {
    while (i < text.size() && text[i] == ' ') ++i;
}

bool ReadDigits(std::string_view text, size_t& i, int maxDigits, int& value) {
    size_t start = i;
    value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && static_cast<int>(i - start) < maxDigits)
        value = value * 10 + (text[i++] - '0');
    return i > start;
}

// "h:mm" or "h:mm:ss" from position i to the end of the text.
std::optional<DateTimeSerial> TryParseTimeAt(std::string_view text, size_t i) {
    SkipBlanks(text, i);
    int h = 0, m = 0, s = 0;
    if (!ReadDigits(text, i, 2, h) || i >= text.size() || text[i++] != ':') return std::nullopt;
    if (!ReadDigits(text, i, 2, m)) return std::nullopt;
    if (i < text.size() && text[i] == ':') {
        ++i;
        if (!ReadDigits(text, i, 2, s)) return std::nullopt;
    }
    SkipBlanks(text, i);
    if (i != text.size() || h > 23 || m > 59 || s > 59) return std::nullopt;
    return EncodeTime(h, m, s);
}

std::optional<DateTimeSerial> TryParseDateSerial(std::string_view text) {
    auto d = TryParseDate(text);
    if (!d) return std::nullopt;
    return EncodeDate(static_cast<int>(d->year()), static_cast<int>(static_cast<unsigned>(d->month())),
                      static_cast<int>(static_cast<unsigned>(d->day())));
}

[[noreturn]] void ThrowNotValid(std::string_view text, const char* what) {
    throw ConversionError("'" + std::string(text) + "' is not a valid " + what);
}

}  // namespace

DateFieldKind KindOfField(bool hasCalendar, bool hasClock) {
    if (!hasClock) return DateFieldKind::Date;
    return hasCalendar ? DateFieldKind::DateTime : DateFieldKind::Time;
}

DateTimeSerial EncodeDate(int year, int month, int day) {
    if (year < kMinYear || year > kMaxYear) ThrowDateEncode();
    if (month < 1 || month > 12 || day < 1 || day > 31) ThrowDateEncode();
    std::chrono::year_month_day ymd{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                    std::chrono::day{static_cast<unsigned>(day)}};
    if (!ymd.ok()) ThrowDateEncode();
    return static_cast<DateTimeSerial>((std::chrono::sys_days{ymd} - kDayZero).count());
}

bool WithinFieldYears(DateTimeSerial v) {
    return v >= EncodeDate(kFirstFieldYear, 1, 1) && v < EncodeDate(kLastFieldYear, 12, 31) + 1;
}

DateTimeSerial EncodeTime(int hour, int minute, int second, int msec) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 ||
        msec > 999)
        throw ConversionError("Invalid argument to time encode");
    long long ms = ((hour * 60LL + minute) * 60LL + second) * 1000LL + msec;
    return static_cast<DateTimeSerial>(static_cast<long double>(ms) / kMsPerDay);
}

DateParts DecodeDate(DateTimeSerial v) {
    std::chrono::year_month_day ymd{kDayZero + std::chrono::days{SplitSerial(v).days}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

TimeParts DecodeTime(DateTimeSerial v) {
    long long ms = SplitSerial(v).ms;
    return {static_cast<int>(ms / 3'600'000), static_cast<int>(ms / 60'000 % 60),
            static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

DateTimeSerial DatePart(DateTimeSerial v) {
    return static_cast<DateTimeSerial>(SplitSerial(v).days);
}

DateTimeSerial TimePart(DateTimeSerial v) {
    return static_cast<DateTimeSerial>(static_cast<long double>(SplitSerial(v).ms) / kMsPerDay);
}

std::string FormatDateSerial(DateTimeSerial v) {
    DateParts d = DecodeDate(v);
    return FormatDate(MakeDate(d.year, static_cast<unsigned>(d.month), static_cast<unsigned>(d.day)));
}

std::string FormatTimeSerial(DateTimeSerial v) {
    TimeParts t = DecodeTime(v);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return buf;
}

std::string FormatDateTimeSerial(DateTimeSerial v) {
    if (SplitSerial(v).ms == 0) return FormatDateSerial(v);
    return FormatDateSerial(v) + " " + FormatTimeSerial(v);
}

DateTimeSerial ParseDateSerial(std::string_view text) {
    if (auto v = TryParseDateSerial(text)) return *v;
    ThrowNotValid(text, "date");
}

DateTimeSerial ParseTimeSerial(std::string_view text) {
    if (auto v = TryParseTimeAt(text, 0)) return *v;
    ThrowNotValid(text, "time");
}

DateTimeSerial ParseDateTimeSerial(std::string_view text) {
    if (auto v = TryParseDateSerial(text)) return *v;
    if (auto v = TryParseTimeAt(text, 0)) return *v;
    // A date, at least one blank, a time.
    size_t i = 0;
    SkipBlanks(text, i);
    size_t blank = text.find(' ', i);
    if (blank != std::string_view::npos) {
        auto date = TryParseDateSerial(text.substr(0, blank));
        auto time = TryParseTimeAt(text, blank);
        if (date && time) return *date + *time;
    }
    ThrowNotValid(text, "date and time");
}

DateTimeSerial ParseFieldText(std::string_view text, DateFieldKind kind) {
    switch (kind) {
        case DateFieldKind::Date:
            return ParseDateSerial(text);
        case DateFieldKind::Time:
            return ParseTimeSerial(text);
        case DateFieldKind::DateTime:
            break;
    }
    return ParseDateTimeSerial(text);
}

DateTimeSerial StepDelta(DateTimeSerial v, StepScale scale, int n) {
    switch (scale) {
        case StepScale::Year:
        case StepScale::Month: {
            DateParts d = DecodeDate(v);
            int year = d.year;
            int month = d.month;
            if (scale == StepScale::Year) {
                year += n;
            } else {
                int m = month + n;
                if (m > 0) {
                    year += (m - 1) / 12;
                    if (m > 12) m = m % 12;
                    if (m == 0) m = 12;
                } else {
                    year -= (std::abs(m) + 12) / 12;
                    m = 12 - (std::abs(m) % 12);
                }
                month = m;
            }
            DateTimeSerial rebuilt = EncodeDate(year, month, d.day) + TimePart(v);
            return rebuilt - v;
        }
        case StepScale::Week:
            return 7.0 * n;
        case StepScale::Day:
            return n;
        case StepScale::Hour:
            return static_cast<DateTimeSerial>(n / 24.0L);
        case StepScale::Minute:
            return static_cast<DateTimeSerial>(n / 1440.0L);
        case StepScale::Second:
            return static_cast<DateTimeSerial>(n / 86400.0L);
    }
    return 0;
}

StepOutcome StepFieldText(std::string_view text, DateFieldKind kind, StepScale scale, int n) {
    if (text.empty()) {
        return {std::nullopt, Message{"Select a date or time first", {}, Message::Kind::Information}};
    }
    try {
        DateTimeSerial v = ParseFieldText(text, kind);
        DateTimeSerial d = StepDelta(v, scale, n);
        if (kind != DateFieldKind::Time) {
            DateTimeSerial result = ParseDateTimeSerial(text) + d;
            CheckInRange(result);
            return {FormatDateTimeSerial(result), std::nullopt};
        }
        // A time of day alone wraps round midnight; whole days cannot move it.
        if (std::fabs(d) >= 1) return {};
        DateTimeSerial t = v + d;
        if (t < 0) t += 1;
        return {FormatTimeSerial(t), std::nullopt};
    } catch (const ConversionError& e) {
        return {std::nullopt, Message{e.what(), {}, Message::Kind::Warning}};
    }
}

}  // namespace tolvex
