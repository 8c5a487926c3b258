#include "core/date/date_text.h"

#include <cstdio>

#include "core/amount/amount.h"

namespace tolvex {
namespace {

bool ReadNumber(std::string_view text, size_t& i, int maxDigits, int& value) {
    size_t start = i;
    value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && static_cast<int>(i - start) < maxDigits)
        value = value * 10 + (text[i++] - '0');
    return i > start;
}

}  // namespace

std::optional<Date> TryParseDate(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    int y, m, d;
    if (!ReadNumber(text, i, 4, y) || i >= text.size() || text[i++] != '-') return std::nullopt;
    if (!ReadNumber(text, i, 2, m) || i >= text.size() || text[i++] != '-') return std::nullopt;
    if (!ReadNumber(text, i, 2, d)) return std::nullopt;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i != text.size()) return std::nullopt;
    Date date{std::chrono::year{y}, std::chrono::month{static_cast<unsigned>(m)},
              std::chrono::day{static_cast<unsigned>(d)}};
    if (!date.ok() || y < 1) return std::nullopt;
    return date;
}

Date ParseDate(std::string_view text) {
    if (auto d = TryParseDate(text)) return *d;
    throw ConversionError("'" + std::string(text) + "' is not a valid date");
}

std::string FormatDate(const Date& date) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return buf;
}

int DaysBetween(const Date& a, const Date& b) {
    return (std::chrono::sys_days{b} - std::chrono::sys_days{a}).count();
}

Date AddDays(const Date& date, int days) {
    return Date{std::chrono::sys_days{date} + std::chrono::days{days}};
}

Date MakeDate(int year, unsigned month, unsigned day) {
    return Date{std::chrono::year{year}, std::chrono::month{month}, std::chrono::day{day}};
}

}  // namespace tolvex
