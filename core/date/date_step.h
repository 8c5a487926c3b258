// Date-and-time values as day serials (days since 1899-12-30 plus the fraction of the
// day), the texts the date field writes for them, and the field's step arithmetic.
// Serials count linearly on both sides of day 0, so adding a fraction of a day moves
// forward in time before 1899 too.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/fields/messages.h"

namespace tolvex {

using DateTimeSerial = double;

enum class StepScale { Year = 0, Month, Week, Day, Hour, Minute, Second };

// What a field holds, decided by its picker buttons: no clock means a date, a clock
// with a calendar a date and time, a clock alone a time of day.
enum class DateFieldKind { Date, DateTime, Time };
DateFieldKind KindOfField(bool hasCalendar, bool hasClock);

struct DateParts {
    int year = 0;
    int month = 0;
    int day = 0;
};
struct TimeParts {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int msec = 0;
};

// Years 1 to 9999; anything else throws ConversionError(kDateEncodeError).
inline constexpr std::string_view kDateEncodeError = "Invalid argument to date encode";
DateTimeSerial EncodeDate(int year, int month, int day);

// The years a date field and its calendar offer. A date outside them would open a calendar
// that cannot show it, so steps stop at their ends.
inline constexpr int kFirstFieldYear = 1;
inline constexpr int kLastFieldYear = 5000;
bool WithinFieldYears(DateTimeSerial v);
// Throws ConversionError("Invalid argument to time encode").
DateTimeSerial EncodeTime(int hour, int minute, int second, int msec = 0);
DateParts DecodeDate(DateTimeSerial v);
TimeParts DecodeTime(DateTimeSerial v);
// Whole days (rounded to the millisecond, so 23:59:59.9999 counts as the next day).
DateTimeSerial DatePart(DateTimeSerial v);
DateTimeSerial TimePart(DateTimeSerial v);

std::string FormatDateSerial(DateTimeSerial v);      // "yyyy-MM-dd"
std::string FormatTimeSerial(DateTimeSerial v);      // "hh:mm:ss", whole days ignored
std::string FormatDateTimeSerial(DateTimeSerial v);  // "yyyy-MM-dd hh:mm:ss", time left out at midnight

// Each throws ConversionError("'<text>' is not a valid date" / "... time" / "... date and time").
DateTimeSerial ParseDateSerial(std::string_view text);
DateTimeSerial ParseTimeSerial(std::string_view text);
// A date, a date followed by a time, or a time alone (day 0).
DateTimeSerial ParseDateTimeSerial(std::string_view text);
DateTimeSerial ParseFieldText(std::string_view text, DateFieldKind kind);

// The change one step of n units makes to v. Year and Month rebuild the date with the
// same day and time of day, so a day missing from the target month throws
// ConversionError(kDateEncodeError).
DateTimeSerial StepDelta(DateTimeSerial v, StepScale scale, int n);

struct StepOutcome {
    std::optional<std::string> text;  // the new text, when the step changes it
    std::optional<Message> message;
};
// One press of an arrow on a field holding `text`: back with a negative n. A date beyond
// the field's years is refused with kDateEncodeError.
StepOutcome StepFieldText(std::string_view text, DateFieldKind kind, StepScale scale, int n);

}  // namespace tolvex
