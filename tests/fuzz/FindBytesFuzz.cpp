// FileBuffer::findBytes and contains against a plain scan of the same rule:
// from the start of a row, past the last match and the row before it, with
// one wrap to the start.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "document/FileBuffer.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

constexpr std::size_t maxPatternLength = 16;
constexpr unsigned fewLettersFlag = 1;
constexpr unsigned noLastMatchFlag = 2;
constexpr int fewLetters = 3;

// Layout of the input: bytes per row, flags, the start row, the last match,
// the pattern's length, the pattern, then the document.
struct SearchCase {
    int bytesPerRow = 1;
    std::int32_t startRow = 0;
    std::int32_t lastMatch = -1;
    std::string pattern;
    std::string document;
};

// With few letters, matches and near-matches are common.
void narrow(std::string& text)
{
    for (char& c : text) {
        c = static_cast<char>('a' + static_cast<unsigned char>(c) % fewLetters);
    }
}

SearchCase readCase(FuzzInput& input)
{
    SearchCase c;
    c.bytesPerRow = input.bytesPerRow();
    const unsigned flags = input.byte();
    c.startRow = input.signedWord();
    const std::int16_t lastMatch = input.signedWord();
    // A last match is an offset found before, or none.
    c.lastMatch = (flags & noLastMatchFlag) != 0 || lastMatch < 0 ? -1 : lastMatch;
    c.pattern = input.bytes(input.byte() % (maxPatternLength + 1));
    c.document = input.rest();
    if ((flags & fewLettersFlag) != 0) {
        narrow(c.pattern);
        narrow(c.document);
    }
    return c;
}

bool matchesAt(const SearchCase& c, std::int64_t i)
{
    return c.document.compare(static_cast<std::size_t>(i), c.pattern.size(), c.pattern) == 0;
}

std::int32_t referenceFind(const SearchCase& c, std::int32_t startRow)
{
    const auto size = static_cast<std::int64_t>(c.document.size());
    const auto length = static_cast<std::int64_t>(c.pattern.size());
    if (length == 0) {
        return -1;
    }
    std::int64_t start = 0;
    if (startRow > 0 && startRow < size) {
        start = std::min<std::int64_t>(static_cast<std::int64_t>(startRow) * c.bytesPerRow, size);
    }
    const std::int64_t last = c.lastMatch;
    if (last != -1 && start <= last && last <= start + c.bytesPerRow) {
        start = last + 1;
    }
    for (std::int64_t i = start; i + length <= size; ++i) {
        const bool passedOver = last != -1 && last - c.bytesPerRow <= i && i <= last;
        if (!passedOver && matchesAt(c, i)) {
            return static_cast<std::int32_t>(i);
        }
    }
    return startRow != 0 ? referenceFind(c, 0) : -1;
}

bool referenceContains(const SearchCase& c)
{
    return !c.pattern.empty() && c.document.find(c.pattern) != std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const SearchCase c = readCase(input);

    FileBuffer buffer(c.bytesPerRow);
    const auto documentSize = static_cast<std::int32_t>(c.document.size());
    check(buffer.reserve(FileBuffer::capacityFor(documentSize, c.bytesPerRow)), "room for the document");
    if (documentSize > 0) {
        std::memcpy(buffer.data.get(), c.document.data(), c.document.size());
    }
    buffer.setSize(documentSize);
    buffer.lastMatchOffset = c.lastMatch;

    const auto* pattern = reinterpret_cast<const std::uint8_t*>(c.pattern.data());
    const auto length = static_cast<std::int32_t>(c.pattern.size());
    const std::int32_t found = buffer.findBytes(pattern, c.startRow, length);
    check(found == referenceFind(c, c.startRow), "findBytes finds what the plain scan finds");
    check(found == -1 || matchesAt(c, found), "a match holds the pattern");
    check(buffer.contains(pattern, length) == referenceContains(c), "contains agrees with a plain search");
    check(buffer.lastMatchOffset == c.lastMatch, "searching leaves the last match to the caller");
    return 0;
}
