// findForward, findBackward and findAll against plain scans of the same rules,
// for exact, caseless and wildcard patterns over any range of the data, and
// for long periodic patterns among copies of their starts; and
// Replace All over the range against those matches rewritten by hand, undone
// back to the exact bytes and bookmarks, and redone.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "document/PatternSearch.h"
#include "editor/EditorCore.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/native/RecordingSurface.h"
#include "view/UndoRedo.h"

namespace {

constexpr std::size_t maxPatternLength = 12;
constexpr std::size_t maxKept = 4;
constexpr std::size_t maxReplacementLength = 8;
constexpr unsigned caselessFlag = 1;
constexpr unsigned wildcardsFlag = 2;
constexpr unsigned fewBytesFlag = 4;
constexpr unsigned pairedFlag = 8;
constexpr unsigned periodicFlag = 16;
// A periodic pattern outgrows a chunk of starts, so that its key skips; in its
// data a byte from firstPrefixByte up stands for a start of it, up to all of it.
constexpr std::size_t maxPeriodicLength = 160, maxPeriodicData = 4096;
constexpr unsigned firstPrefixByte = 0xE0, prefixSteps = 0xFF - firstPrefixByte;
constexpr char wildcard = '?';
// With few bytes, matches, near misses and either case are common.
constexpr std::uint8_t fewBytes[] = {'a', 'A', 'b', wildcard, 0x00};

std::vector<std::uint8_t> take(const std::string& text, bool narrow)
{
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    for (std::uint8_t& b : bytes) {
        b = narrow ? fewBytes[b % sizeof fewBytes] : b;
    }
    return bytes;
}

bool matchesAt(const std::vector<std::uint8_t>& data, std::int64_t at, const SearchPattern& pattern)
{
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (!pattern[i].accepts(data[static_cast<std::size_t>(at) + i])) {
            return false;
        }
    }
    return true;
}

// Decoys and matches among the bytes of `text`; an exact copy, as the other data.
std::vector<std::uint8_t> withPrefixes(const std::string& text, const std::vector<std::uint8_t>& pattern)
{
    std::vector<std::uint8_t> result;
    for (std::size_t i = 0; i < text.size() && result.size() < maxPeriodicData; ++i) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        if (byte < firstPrefixByte) {
            result.push_back(byte);
            continue;
        }
        const std::size_t prefix = pattern.size() * (byte - firstPrefixByte) / prefixSteps;
        result.insert(result.end(), pattern.begin(), pattern.begin() + static_cast<std::ptrdiff_t>(prefix));
    }
    return {result.begin(), result.end()};
}

// Each byte paired with the one that differs from it by `difference`: pairs
// more than one bit apart, unlike the cases of a letter.
CaseFolding pairing(std::uint8_t difference)
{
    CaseFolding folding{};
    for (std::size_t byte = 0; byte < folding.size(); ++byte) {
        folding[byte] = static_cast<std::uint8_t>(byte ^ difference);
    }
    return folding;
}

// The matches replaced, from the left; `matches` are non-overlapping and ascending.
std::vector<std::uint8_t> rewritten(const std::vector<std::uint8_t>& data, const std::vector<std::int64_t>& matches,
                                    std::size_t length, const std::vector<std::uint8_t>& replacement)
{
    std::vector<std::uint8_t> result;
    std::size_t at = 0;
    for (const std::int64_t match : matches) {
        result.insert(result.end(), data.begin() + static_cast<std::ptrdiff_t>(at), data.begin() + match);
        result.insert(result.end(), replacement.begin(), replacement.end());
        at = static_cast<std::size_t>(match) + length;
    }
    result.insert(result.end(), data.begin() + static_cast<std::ptrdiff_t>(at), data.end());
    return result;
}

bool holds(const FileBuffer& buffer, const std::vector<std::uint8_t>& expected)
{
    const auto size = static_cast<std::size_t>(buffer.size);
    return size == expected.size() && buffer.rowCount == FileBuffer::rowsFor(buffer.size, buffer.bytesPerRow()) &&
           std::equal(expected.begin(), expected.end(), buffer.data.get()) &&
           allZero(buffer.data.get() + size, buffer.data.capacity() - size);
}

// Replace All through an editor on the data: the rewrite, one step that undo
// takes back to the exact bytes, and redo makes again.
void checkReplaceAll(const std::vector<std::uint8_t>& data, const SearchPattern& pattern, ByteRange range,
                     const std::vector<std::uint8_t>& replacement, const std::vector<std::int64_t>& matches)
{
    RecordingSurface surface;
    EditorCore core;
    core.shell.surface = &surface;
        core.shell.prompts = &surface;
    const auto size = static_cast<std::int32_t>(data.size());
    check(core.buffer.reserve(FileBuffer::capacityFor(size, core.bytesPerRow)), "room for the document");
    std::copy(data.begin(), data.end(), core.buffer.data.get());
    core.buffer.setSize(size);
    for (std::int32_t at = 0; at < size; at += 3) {
        core.buffer.marks.toggle(at);
    }
    const std::vector<std::int32_t> marks = core.buffer.marks.offsets();
    const ReplaceAllResult result = core.search.replaceAllIn(pattern, replacement, range);
    const std::vector<std::int32_t> marksReplaced = core.buffer.marks.offsets();
    const std::vector<std::uint8_t> expected = rewritten(data, matches, pattern.size(), replacement);
    check(result.outcome == ReplaceOutcome::replaced, "a small Replace All is made");
    check(result.count == static_cast<std::int64_t>(matches.size()), "Replace All counts every match in the range");
    check(holds(core.buffer, expected), "Replace All replaces every match in the range, left to right");
    const UndoOutcome expectedStep = matches.empty() ? UndoOutcome::nothing : UndoOutcome::done;
    check(undo(core) == expectedStep, "Replace All is one step, none when nothing matched");
    check(holds(core.buffer, data) && !core.history.modified(), "undo gives back the exact bytes");
    check(core.buffer.marks.offsets() == marks, "undo gives back the bookmarks");
    check(redo(core) == expectedStep && holds(core.buffer, expected), "redo replaces them again");
    check(core.buffer.marks.offsets() == marksReplaced, "redo moves and drops the bookmarks again");
}

} // namespace

// Layout: flags, the pairing (when paired), begin, before, end, how many to
// keep, the pattern's length, the pattern (when periodic, its period and then
// the length it is repeated to), the replacement's length, the replacement,
// then the data.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size)
{
    FuzzInput in(input, size);
    const unsigned flags = in.byte();
    const CaseFolding folding = (flags & pairedFlag) != 0 ? pairing(in.byte()) : asciiCaseFolding();
    const std::uint16_t bounds[] = {in.word(), in.word(), in.word()};
    const std::size_t keep = in.byte() % (maxKept + 1);
    const bool periodic = (flags & periodicFlag) != 0;
    std::vector<std::uint8_t> bytes = take(in.bytes(in.byte() % (maxPatternLength + 1)), flags & fewBytesFlag);
    const std::vector<std::uint8_t> period = bytes;
    bytes.resize(periodic && !period.empty() ? in.byte() % (maxPeriodicLength + 1) : bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = period[i % period.size()];
    }
    const std::vector<std::uint8_t> replacement =
        take(in.bytes(in.byte() % (maxReplacementLength + 1)), flags & fewBytesFlag);
    // An exact copy, so that a read past the data is caught by the sanitizer.
    const std::vector<std::uint8_t> data =
        periodic ? withPrefixes(in.rest(), bytes) : take(in.rest(), flags & fewBytesFlag);

    SearchPattern pattern = (flags & caselessFlag) != 0 ? caselessPattern(bytes, folding) : exactPattern(bytes);
    for (PatternByte& p : pattern) {
        p.any = (flags & wildcardsFlag) != 0 && p.value == wildcard;
    }
    const auto length = static_cast<std::int64_t>(pattern.size());
    const auto limit = static_cast<std::int64_t>(data.size()) + 1;
    std::int64_t range[] = {bounds[0] % limit, bounds[1] % limit, bounds[2] % limit};
    std::sort(std::begin(range), std::end(range));
    const std::int64_t begin = range[0], before = range[1], end = range[2];

    std::int64_t forward = -1;
    for (std::int64_t at = begin; forward == -1 && length > 0 && at + length <= end; ++at) {
        forward = matchesAt(data, at, pattern) ? at : -1;
    }
    check(findForward(data.data(), begin, end, pattern) == forward, "findForward finds the first match");

    std::int64_t backward = -1;
    for (std::int64_t at = std::min(before - 1, end - length); backward == -1 && length > 0 && at >= begin; --at) {
        backward = matchesAt(data, at, pattern) ? at : -1;
    }
    check(findBackward(data.data(), begin, before, end, pattern) == backward, "findBackward finds the last match");

    std::vector<std::int64_t> all;
    for (std::int64_t at = begin; length > 0 && at + length <= end; ++at) {
        if (matchesAt(data, at, pattern)) {
            all.push_back(at);
            at += length - 1;
        }
    }
    const MatchList list = findAll(data.data(), begin, end, pattern, keep);
    check(list.total == static_cast<std::int64_t>(all.size()), "findAll counts every non-overlapping match");
    if (length > 0) {
        checkReplaceAll(data, pattern, {static_cast<std::int32_t>(begin), static_cast<std::int32_t>(end - begin)},
                        replacement, all);
    }
    all.resize(std::min(keep, all.size()));
    check(list.offsets == all, "findAll keeps the first matches");
    return 0;
}
