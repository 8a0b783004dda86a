// Calendar dates with a time of day, as the engine compares them: race dates, past race dates
// and "now" for a past race whose date is blank. Months are added on the calendar, with the day
// clamped to the end of a shorter month (31 Jan + 1 month = 28 or 29 Feb).
#pragma once

#include <array>
#include <compare>
#include <optional>
#include <string_view>

namespace zv {

struct LocalDateTime {
    int year = 0;
    int month = 0;        // 1..12
    int day = 0;          // 1..31
    int secondOfDay = 0;  // 0..86399; 0 for a race date

    friend auto operator<=>(const LocalDateTime&, const LocalDateTime&) = default;
};

// True for a date that exists on the proleptic Gregorian calendar, years 1..9999.
bool isValidDate(int year, int month, int day);

// The date plus the given number of calendar months (may be negative); the day is clamped.
LocalDateTime addCalendarMonths(const LocalDateTime& date, int months);

// More than eleven months lie between the two: earlier + 11 months is before later.
bool isLongLayoff(const LocalDateTime& earlier, const LocalDateTime& later);

// A date from its year, month and day texts; nothing when a text is not a number or the day does
// not exist.
std::optional<LocalDateTime> parseDate(std::string_view year, std::string_view month, std::string_view day);

// A date from its year, month and day texts, converted strictly: a text that is not a number, or
// a day that does not exist, throws a conversion error naming fieldName and quoting wholeText.
LocalDateTime strictDate(std::string_view year, std::string_view month, std::string_view day,
                         std::string_view fieldName, std::string_view wholeText);

// The year, month and day texts of a race date as its header shows it ("2010/05/02(日)"); each
// as much of it as there is.
std::array<std::string_view, 3> raceDateParts(std::string_view date);

// The local date and time of the system clock; for the program's edges, which pass it on.
LocalDateTime localNow();

}  // namespace zv
