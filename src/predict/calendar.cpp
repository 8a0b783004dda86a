#include "calendar.h"

#include <algorithm>
#include <ctime>
#include <string>

#include "data/convert.h"
#include "data/error.h"

namespace zv {
namespace {

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// Plain digits are read directly (the usual case); anything else goes through parseInt. A text
// that is no number gives -1, which no part of a date accepts. (An optional<int> result here was
// put together on the stack and read back at once, a stalled load on every date of every runner.)
int32_t datePartValue(std::string_view text) {
    if (text.empty() || text.size() > 4) return parseInt(text).value_or(-1);
    int32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return parseInt(text).value_or(-1);
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

bool isValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

LocalDateTime addCalendarMonths(const LocalDateTime& date, int months) {
    int monthIndex = date.year * 12 + (date.month - 1) + months;
    LocalDateTime result = date;
    result.year = monthIndex / 12;
    result.month = monthIndex % 12 + 1;
    int last = daysInMonth(result.year, result.month);
    if (result.day > last) result.day = last;
    return result;
}

bool isLongLayoff(const LocalDateTime& earlier, const LocalDateTime& later) {
    return addCalendarMonths(earlier, 11) < later;
}

std::optional<LocalDateTime> parseDate(std::string_view year, std::string_view month, std::string_view day) {
    const int32_t y = datePartValue(year), m = datePartValue(month), d = datePartValue(day);
    if (!isValidDate(y, m, d)) return std::nullopt;
    return LocalDateTime{y, m, d, 0};
}

LocalDateTime strictDate(std::string_view year, std::string_view month, std::string_view day,
                         std::string_view fieldName, std::string_view wholeText) {
    std::optional<LocalDateTime> date = parseDate(year, month, day);
    if (!date) throw conversionError(std::string(fieldName), Cp932View(wholeText));
    return *date;
}

LocalDateTime localNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return LocalDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                         local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec};
}

std::array<std::string_view, 3> raceDateParts(std::string_view date) {
    auto part = [&](size_t pos, size_t len) { return date.substr(std::min(pos, date.size()), len); };
    return {part(0, 4), part(5, 2), part(8, 2)};
}

}  // namespace zv
