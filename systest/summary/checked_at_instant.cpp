#include "checked_at_instant.h"

namespace Velkora {
namespace {

// Reads `count` digits at `at`; nothing when any is not a digit.
std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size())
        return std::nullopt;
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 to the date, in the proleptic Gregorian calendar.
std::int64_t DaysFromEpoch(int year, int month, int day) {
    const int y = month <= 2 ? year - 1 : year;
    const int era = y / 400; // years are 0..9999 here
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<std::int64_t>(era) * 146097 + dayOfEra - 719468;
}

} // namespace

std::optional<std::int64_t> ParseCheckedAtInstant(std::string_view text) {
    // yyyy-mm-ddThh:mm:ss then Z or +hh:mm / -hh:mm
    if (text.size() != 20 && text.size() != 25)
        return std::nullopt;
    if (text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' || text[16] != ':')
        return std::nullopt;
    const auto year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
    const auto hour = Digits(text, 11, 2), minute = Digits(text, 14, 2), second = Digits(text, 17, 2);
    if (!year || !month || !day || !hour || !minute || !second)
        return std::nullopt;
    if (*month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*year, *month) || *hour > 23 ||
        *minute > 59 || *second > 59)
        return std::nullopt;
    int offsetMinutes = 0;
    if (text.size() == 20) {
        if (text[19] != 'Z')
            return std::nullopt;
    } else {
        const char sign = text[19];
        const auto offsetHours = Digits(text, 20, 2), offsetRest = Digits(text, 23, 2);
        if ((sign != '+' && sign != '-') || text[22] != ':' || !offsetHours || !offsetRest ||
            *offsetHours > 23 || *offsetRest > 59)
            return std::nullopt;
        offsetMinutes = (sign == '-' ? -1 : 1) * (*offsetHours * 60 + *offsetRest);
    }
    const std::int64_t local =
        DaysFromEpoch(*year, *month, *day) * 86400 + *hour * 3600 + *minute * 60 + *second;
    return local - static_cast<std::int64_t>(offsetMinutes) * 60;
}

} // namespace Velkora
