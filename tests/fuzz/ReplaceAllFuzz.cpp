// Replace All against a plain left-to-right rewrite of the range, for exact,
// caseless and wildcard patterns and replacements of any length; then undo
// must give back the original exactly and redo the replaced document again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "editor/EditorCore.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/native/RecordingSurface.h"

namespace {

constexpr std::size_t maxPatternLength = 8;
constexpr std::size_t maxReplacementLength = 8;
constexpr int charWidth = 8;
constexpr int lineHeight = 16;
constexpr unsigned caselessFlag = 1;
constexpr unsigned wildcardsFlag = 2;
constexpr unsigned fewBytesFlag = 4;
constexpr unsigned wholeDocumentFlag = 8;
constexpr char wildcard = '?';
// With few bytes, matches, overlapping candidates and either case are common.
constexpr std::uint8_t fewBytes[] = {'a', 'A', 'b', wildcard};

std::vector<std::uint8_t> take(const std::string& text, bool narrow)
{
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    for (std::uint8_t& b : bytes) {
        b = narrow ? fewBytes[b % sizeof fewBytes] : b;
    }
    return bytes;
}

bool matchesAt(const std::vector<std::uint8_t>& data, std::size_t at, const SearchPattern& pattern)
{
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (!pattern[i].accepts(data[at + i])) {
            return false;
        }
    }
    return true;
}

struct Rewrite {
    std::vector<std::uint8_t> document;
    std::int64_t count = 0;
};

// Every non-overlapping match in [first, end), from the left, replaced.
Rewrite rewrite(const std::vector<std::uint8_t>& data, std::size_t first, std::size_t end,
                const SearchPattern& pattern, const std::vector<std::uint8_t>& replacement)
{
    Rewrite result;
    result.document.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(first));
    std::size_t at = first;
    while (at < end) {
        if (at + pattern.size() <= end && matchesAt(data, at, pattern)) {
            result.document.insert(result.document.end(), replacement.begin(), replacement.end());
            at += pattern.size();
            ++result.count;
        } else {
            result.document.push_back(data[at++]);
        }
    }
    result.document.insert(result.document.end(), data.begin() + static_cast<std::ptrdiff_t>(end), data.end());
    return result;
}

// The document's bytes, its row count, and zeros in the room past its end.
bool holds(const FileBuffer& buffer, const std::vector<std::uint8_t>& expected)
{
    const auto size = static_cast<std::size_t>(buffer.size);
    return size == expected.size() && buffer.rowCount == FileBuffer::rowsFor(buffer.size, buffer.bytesPerRow()) &&
           (size == 0 || std::memcmp(buffer.data.get(), expected.data(), size) == 0) &&
           allZero(buffer.data.get() + size, buffer.data.capacity() - size);
}

} // namespace

// Layout: flags, the range's start and length (unless the whole document),
// the pattern's length and bytes, the replacement's length and bytes, then
// the document.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size)
{
    FuzzInput in(input, size);
    const unsigned flags = in.byte();
    const bool narrow = (flags & fewBytesFlag) != 0;
    const std::uint16_t rangeStart = in.word();
    const std::uint16_t rangeLength = in.word();
    const std::vector<std::uint8_t> patternBytes = take(in.bytes(in.byte() % (maxPatternLength + 1)), narrow);
    const std::vector<std::uint8_t> replacement = take(in.bytes(in.byte() % (maxReplacementLength + 1)), narrow);
    const std::vector<std::uint8_t> original = take(in.rest(), narrow);

    SearchPattern pattern =
        (flags & caselessFlag) != 0 ? caselessPattern(patternBytes, asciiCaseFolding()) : exactPattern(patternBytes);
    for (PatternByte& p : pattern) {
        p.any = (flags & wildcardsFlag) != 0 && p.value == wildcard;
    }
    const auto documentSize = static_cast<std::int32_t>(original.size());
    ByteRange range{0, documentSize};
    if ((flags & wholeDocumentFlag) == 0) {
        range.first = rangeStart % (documentSize + 1);
        range.count = rangeLength % (documentSize - range.first + 1);
    }

    RecordingSurface surface;
    EditorCore core;
    core.surface = &surface;
    core.charWidth = charWidth;
    core.lineHeight = lineHeight;
    check(core.buffer.reserve(FileBuffer::capacityFor(documentSize, core.bytesPerRow)), "room for the document");
    std::copy(original.begin(), original.end(), core.buffer.data.get());
    core.buffer.setSize(documentSize);
    core.scrollToRow(0);

    const ReplaceAllResult result = core.replaceAll(pattern, replacement, range);
    if (pattern.empty()) {
        check(result.outcome == ReplaceOutcome::declined && result.count == 0, "an empty pattern replaces nothing");
        check(holds(core.buffer, original), "an empty pattern leaves the document");
        return 0;
    }
    const auto first = static_cast<std::size_t>(range.first);
    const Rewrite expected = rewrite(original, first, first + static_cast<std::size_t>(range.count), pattern,
                                     replacement);
    check(result.outcome == ReplaceOutcome::replaced, "a small Replace All is made and recorded");
    check(result.count == expected.count, "Replace All counts every non-overlapping match in the range");
    check(holds(core.buffer, expected.document), "Replace All replaces every match in the range, left to right");

    const UndoOutcome undone = core.undo();
    check(undone == (expected.count > 0 ? UndoOutcome::done : UndoOutcome::nothing),
          "Replace All is one step, and none when nothing matched");
    check(holds(core.buffer, original), "undo gives back the original document");
    check(!core.documentModified(), "undo leaves the document unmodified");

    const UndoOutcome redone = core.redo();
    check(redone == (expected.count > 0 ? UndoOutcome::done : UndoOutcome::nothing), "redo makes the step again");
    check(holds(core.buffer, expected.document), "redo gives the replaced document again");
    return 0;
}
