// Dates as the program writes them: "yyyy-MM-dd", the fixed short date format.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace tolvex {

using Date = std::chrono::year_month_day;

std::optional<Date> TryParseDate(std::string_view text);
// Throws ConversionError("'<text>' is not a valid date").
Date ParseDate(std::string_view text);
std::string FormatDate(const Date& date);

// b - a in whole days.
int DaysBetween(const Date& a, const Date& b);
Date AddDays(const Date& date, int days);
Date MakeDate(int year, unsigned month, unsigned day);

}  // namespace tolvex
