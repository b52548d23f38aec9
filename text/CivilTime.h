#pragma once
// Proleptic Gregorian dates and times of day in UTC, counted in seconds from
// 1970-01-01, and their "YYYY-MM-DD hh:mm:ss" text.
#include <cstdint>
#include <string>
#include <string_view>

struct DateTime {
    std::int64_t year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

constexpr int secondsPerMinute = 60;
constexpr int minutesPerHour = 60;
constexpr int hoursPerDay = 24;
constexpr int monthsPerYear = 12;
constexpr std::int64_t secondsPerDay = std::int64_t{secondsPerMinute} * minutesPerHour * hoursPerDay;
// The years the text form has room for.
constexpr std::int64_t firstShownYear = 1;
constexpr std::int64_t lastShownYear = 9999;
// Characters of "YYYY-MM-DD hh:mm:ss".
constexpr std::size_t dateTimeTextLength = 19;

bool isLeapYear(std::int64_t year);
int daysInMonth(std::int64_t year, int month);

// Any second a signed 64-bit count reaches, before 1970 as well.
DateTime dateTimeFromSeconds(std::int64_t secondsSince1970);
std::int64_t secondsFromDateTime(const DateTime& time);

// Appends "YYYY-MM-DD hh:mm:ss"; the year takes four digits.
void appendDateTime(std::string& text, const DateTime& time);

// Reads exactly "YYYY-MM-DD hh:mm:ss" of a real date in years 0001 to 9999;
// false for anything else.
bool parseDateTime(std::string_view text, DateTime& time);
