// The decimal numbers of the settings and of the Insert Characters dialog
// against a reading in 64-bit arithmetic: blanks, a sign, digits up to the
// first non-digit, held at the 32-bit limits or reported, never wrapped.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "commands/InsertCount.h"
#include "editor/Settings.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

constexpr std::int64_t int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t int32Max = std::numeric_limits<std::int32_t>::max();
// Far past both limits and far from overflowing 64 bits.
constexpr std::int64_t heldMagnitude = std::int64_t{1} << 40;
constexpr int decimalBase = 10;

struct DecimalReading {
    bool negative = false;
    std::int64_t magnitude = 0; // held at heldMagnitude
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

DecimalReading readDecimal(const std::string& text)
{
    DecimalReading reading;
    std::size_t p = 0;
    while (p < text.size() && isBlank(text[p])) {
        ++p;
    }
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        reading.negative = text[p] == '-';
        ++p;
    }
    for (; p < text.size() && text[p] >= '0' && text[p] <= '9'; ++p) {
        reading.magnitude = reading.magnitude * decimalBase + (text[p] - '0');
        if (reading.magnitude > heldMagnitude) {
            reading.magnitude = heldMagnitude;
        }
    }
    return reading;
}

std::int32_t expectedSetting(const std::string& text)
{
    const DecimalReading r = readDecimal(text);
    std::int64_t value = r.negative ? -r.magnitude : r.magnitude;
    value = value < int32Min ? int32Min : value > int32Max ? int32Max : value;
    return static_cast<std::int32_t>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    // A stored setting is a C string: it ends at the first NUL.
    const std::string stored = text.substr(0, text.find('\0'));
    check(settings::decimalValue(text.c_str()) == expectedSetting(stored), "decimalValue reads the digits, held");

    const DecimalReading r = readDecimal(text);
    const InsertCount count = parseInsertCount(text);
    if (r.negative || r.magnitude == 0) {
        check(count.status == InsertCount::Status::none, "zero, negative or no digits insert nothing");
    } else if (r.magnitude > int32Max) {
        check(count.status == InsertCount::Status::outOfRange, "a count past 32 bits is reported");
    } else {
        check(count.status == InsertCount::Status::count && count.value == r.magnitude, "the count is read");
    }
    return 0;
}
