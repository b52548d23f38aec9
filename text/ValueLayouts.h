#pragma once
// How FILETIME, DOS date and time and GUID values are laid out in their bytes.
#include <cstddef>
#include <cstdint>

constexpr int decimalBase = 10;

// FILETIME counts 100-nanosecond ticks from 1601-01-01.
constexpr std::int64_t fileTimeTicksPerSecond = 10000000;
constexpr std::size_t fileTimeFractionDigits = 7;
constexpr std::int64_t secondsFrom1601To1970 = 11644473600;

// DOS date and time: the time word, then the date word.
constexpr std::size_t dosWordSize = 2;
struct DosField {
    unsigned shift;
    unsigned width;
};
constexpr DosField dosSecondsField{0, 5}; // seconds / 2
constexpr DosField dosMinuteField{5, 6};
constexpr DosField dosHourField{11, 5};
constexpr DosField dosDayField{0, 5};
constexpr DosField dosMonthField{5, 4};
constexpr DosField dosYearField{9, 7}; // years from 1980
constexpr unsigned dosSecondsStep = 2;
constexpr std::int64_t dosFirstYear = 1980;

constexpr unsigned dosField(unsigned word, DosField field)
{
    return (word >> field.shift) & ((1U << field.width) - 1);
}
constexpr unsigned dosFieldBits(unsigned value, DosField field)
{
    return value << field.shift;
}

// A GUID: three numbers of 4, 2 and 2 bytes in the byte order, then 8 bytes
// as they are, the first 2 of them apart in the text.
constexpr std::size_t guidSize = 16;
constexpr std::size_t guidOrderedFields[] = {4, 2, 2};
constexpr std::size_t guidNodeSize = 6;
