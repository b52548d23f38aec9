#include "text/CivilTime.h"

namespace {

// The Gregorian calendar repeats every 400 years, 146097 days, counted here
// from 0000-03-01 so that the leap day ends each year.
constexpr std::int64_t yearsPerEra = 400;
constexpr std::int64_t daysPerEra = 146097;
constexpr std::int64_t daysFrom0000March1To1970 = 719468;
// The other factors are those of the calendar itself: 365 days a year, a leap
// day every 4 years but every 100th, and months from March whose lengths
// repeat every 5 months, 153 days.
constexpr std::int64_t monthsFromMarch = 10; // March..December, before the year's number changes
constexpr int yearDigits = 4;
constexpr int fieldDigits = 2;
constexpr int decimalBase = 10;

// Floor division, so that times before 1970 fall on the day they belong to.
std::int64_t floorDiv(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t quotient = value / divisor;
    return (value % divisor < 0) ? quotient - 1 : quotient;
}

std::int64_t daysFromCivil(std::int64_t year, int month, int day)
{
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t era = floorDiv(y, yearsPerEra);
    const std::int64_t yearOfEra = y - era * yearsPerEra;
    const std::int64_t shiftedMonth = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * daysPerEra + dayOfEra - daysFrom0000March1To1970;
}

void appendDigits(std::string& text, std::int64_t value, int digits)
{
    char buffer[yearDigits];
    for (int i = digits - 1; i >= 0; --i) {
        buffer[i] = static_cast<char>('0' + value % decimalBase);
        value /= decimalBase;
    }
    text.append(buffer, static_cast<std::size_t>(digits));
}

bool readDigits(std::string_view text, std::size_t first, int digits, std::int64_t& value)
{
    value = 0;
    for (std::size_t i = first; i < first + static_cast<std::size_t>(digits); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        value = value * decimalBase + (text[i] - '0');
    }
    return true;
}

} // namespace

bool isLeapYear(std::int64_t year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int daysInMonth(std::int64_t year, int month)
{
    constexpr int lengths[monthsPerYear] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return (month == 2 && isLeapYear(year)) ? 29 : lengths[month - 1];
}

DateTime dateTimeFromSeconds(std::int64_t secondsSince1970)
{
    const std::int64_t days = floorDiv(secondsSince1970, secondsPerDay);
    // From the remainder: days * secondsPerDay may pass the 64-bit range.
    std::int64_t secondOfDay = secondsSince1970 % secondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += secondsPerDay;
    }
    const std::int64_t z = days + daysFrom0000March1To1970;
    const std::int64_t era = floorDiv(z, daysPerEra);
    const std::int64_t dayOfEra = z - era * daysPerEra;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    DateTime time;
    time.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    time.month = static_cast<int>(shiftedMonth < monthsFromMarch ? shiftedMonth + 3 : shiftedMonth - 9);
    time.year = yearOfEra + era * yearsPerEra + (time.month <= 2 ? 1 : 0);
    time.hour = static_cast<int>(secondOfDay / (secondsPerMinute * minutesPerHour));
    time.minute = static_cast<int>(secondOfDay / secondsPerMinute % minutesPerHour);
    time.second = static_cast<int>(secondOfDay % secondsPerMinute);
    return time;
}

std::int64_t secondsFromDateTime(const DateTime& time)
{
    return daysFromCivil(time.year, time.month, time.day) * secondsPerDay
        + (std::int64_t{time.hour} * minutesPerHour + time.minute) * secondsPerMinute + time.second;
}

void appendDateTime(std::string& text, const DateTime& time)
{
    appendDigits(text, time.year, yearDigits);
    text += '-';
    appendDigits(text, time.month, fieldDigits);
    text += '-';
    appendDigits(text, time.day, fieldDigits);
    text += ' ';
    appendDigits(text, time.hour, fieldDigits);
    text += ':';
    appendDigits(text, time.minute, fieldDigits);
    text += ':';
    appendDigits(text, time.second, fieldDigits);
}

bool parseDateTime(std::string_view text, DateTime& time)
{
    // Where each separator and number sits in "YYYY-MM-DD hh:mm:ss".
    constexpr const char* pattern = "0000-00-00 00:00:00";
    if (text.size() != dateTimeTextLength) {
        return false;
    }
    for (std::size_t i = 0; i < dateTimeTextLength; ++i) {
        if (pattern[i] != '0' && text[i] != pattern[i]) {
            return false;
        }
    }
    std::int64_t month = 0;
    std::int64_t day = 0;
    std::int64_t hour = 0;
    std::int64_t minute = 0;
    std::int64_t second = 0;
    if (!readDigits(text, 0, yearDigits, time.year) || !readDigits(text, 5, fieldDigits, month)
        || !readDigits(text, 8, fieldDigits, day) || !readDigits(text, 11, fieldDigits, hour)
        || !readDigits(text, 14, fieldDigits, minute) || !readDigits(text, 17, fieldDigits, second)) {
        return false;
    }
    if (time.year < firstShownYear || month < 1 || month > monthsPerYear || hour >= hoursPerDay
        || minute >= minutesPerHour || second >= secondsPerMinute) {
        return false;
    }
    time.month = static_cast<int>(month);
    if (day < 1 || day > daysInMonth(time.year, time.month)) {
        return false;
    }
    time.day = static_cast<int>(day);
    time.hour = static_cast<int>(hour);
    time.minute = static_cast<int>(minute);
    time.second = static_cast<int>(second);
    return true;
}
