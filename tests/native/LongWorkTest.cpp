// Long work in steps: the progress each operation tells, Cancel at any step
// leaving the document and the clipboard as they were, Copy As asking before
// a very long text, and SHA-1 held back where the system's fails its check.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <optional>

#include "commands/SearchSession.h"
#include "commands/Fill.h"
#include "tests/native/LongWorkFakes.h"
#include "tests/native/TempDir.h"
#include "tests/native/TestEditor.h"
#include "text/ByteTextCodec.h"

namespace {

using namespace testeditor;
using Bytes = std::vector<std::uint8_t>;
using Calls = std::vector<std::pair<std::int64_t, std::int64_t>>;

// A step's boundary falls inside every operation.
constexpr auto documentSize = static_cast<std::int32_t>(progressStep + 100);
constexpr auto step = static_cast<std::int64_t>(progressStep);

Bytes documentOf(const EditorCore& core)
{
    return Bytes(core.buffer.data.get(), core.buffer.data.get() + core.buffer.size);
}

// Every byte value in turn.
const Bytes& patternDocument()
{
    static const Bytes bytes = [] {
        Bytes counting(static_cast<std::size_t>(documentSize));
        std::iota(counting.begin(), counting.end(), std::uint8_t{0});
        return counting;
    }();
    return bytes;
}

// The whole document selected, and what the operations leave.
struct Attempt {
    Attempt()
    {
        FileBuffer& buffer = editor.core.buffer;
        EXPECT_TRUE(buffer.reserve(FileBuffer::capacityFor(documentSize, editor.core.bytesPerRow)));
        std::copy(original.begin(), original.end(), buffer.data.get());
        buffer.setSize(documentSize);
        editor.placeCursor(0);
        editor.selectTo(documentSize - 1);
        editor.core.shell.clipboard = &clipboard;
    }
    TestEditor editor{-1};
    const Bytes& original = patternDocument();
    RecordingClipboard clipboard;
    FakeDigests digests;
    Sha1Check check;
    std::optional<ChecksumResult> sums;
    FileBuffer read;
    SearchSession session{editor.core};
};

std::size_t fives(const Bytes& bytes)
{
    return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), std::uint8_t{5}));
}

Bytes withFivesAs(const Bytes& bytes, const Bytes& replacement)
{
    Bytes replaced;
    for (const std::uint8_t byte : bytes) {
        if (byte == 5) {
            replaced.insert(replaced.end(), replacement.begin(), replacement.end());
        } else {
            replaced.push_back(byte);
        }
    }
    return replaced;
}

bool replaceFives(Attempt& r, const Bytes& replacement, Progress& progress)
{
    const ByteRange whole{0, r.editor.core.buffer.size};
    return r.editor.core.search.replaceAllIn(exactPattern({5}), replacement, whole, progress).outcome ==
           ReplaceOutcome::replaced;
}

TEST(LongWork, EveryOperationGoesInStepsAndCancelAtAnyOfThemLeavesEverythingAsItWas)
{
    const Bytes pattern = {1, 2, 3}; // a step is no multiple of its length
    TempDir dir;
    const std::string other = dir.write("other.bin", patternDocument());
    struct Operation {
        const char* name;
        std::function<bool(Attempt&, Progress&)> run; // true when the work was done
        std::function<void(Attempt&)> expectDone;
    };
    const Operation operations[] = {
        {"Copy", [](Attempt& r, Progress& p) { return copyToClipboard(r.editor.core, p) == CopyOutcome::copied; },
         [](Attempt& r) {
             EXPECT_EQ(r.clipboard.text, numberText(r.original.data(), r.original.size(), false));
             EXPECT_EQ(r.clipboard.bytes, r.original);
         }},
        {"Cut", [](Attempt& r, Progress& p) { return cutToClipboard(r.editor.core, p) == CopyOutcome::copied; },
         [](Attempt& r) {
             EXPECT_EQ(r.clipboard.bytes, r.original);
             EXPECT_EQ(r.editor.core.buffer.size, 0);
         }},
        {"Copy As",
         [](Attempt& r, Progress& p) {
             return copyAsToClipboard(r.editor.core, CopyAsForm::base64, p) == CopyOutcome::copied;
         },
         [](Attempt& r) { EXPECT_EQ(r.clipboard.text, copyAsText(CopyAsForm::base64, r.original.data(), r.original.size(), 0)); }},
        {"Fill", [&pattern](Attempt& r, Progress& p) { return fillSelection(r.editor.core, pattern, p); },
         [&pattern](Attempt& r) {
             for (std::size_t i = 0; i < r.original.size(); ++i) {
                 ASSERT_EQ(r.editor.core.buffer.data[i], pattern[i % pattern.size()]) << i;
             }
         }},
        {"Checksums",
         [](Attempt& r, Progress& p) {
             r.sums = runChecksums(r.original.data(), r.original.size(), r.digests, r.check, p);
             return r.sums.has_value();
         },
         [](Attempt& r) {
             for (int k = 0; k < checksumKindCount; ++k) {
                 const auto kind = static_cast<ChecksumKind>(k);
                 EXPECT_EQ(r.sums->shown(kind), FakeDigests::sumOf(kind, r.original.data(), r.original.size()));
             }
         }},
        {"Replace All, shorter", [](Attempt& r, Progress& p) { return replaceFives(r, {}, p); },
         [](Attempt& r) { EXPECT_EQ(documentOf(r.editor.core), withFivesAs(r.original, {})); }},
        {"Replace All, longer", [](Attempt& r, Progress& p) { return replaceFives(r, {7, 8}, p); },
         [](Attempt& r) { EXPECT_EQ(documentOf(r.editor.core), withFivesAs(r.original, {7, 8})); }},
        {"Find All",
         [](Attempt& r, Progress& p) {
             return r.session.findAll(exactPattern({5}), {}, p).status != "Find All was cancelled.";
         },
         [](Attempt& r) { EXPECT_EQ(r.session.listed().size(), fives(r.original)); }},
        {"Compare With's read",
         [&other](Attempt& r, Progress& p) { return r.read.load(other, standardFileSteps(), p) == FileBuffer::loaded; },
         [](Attempt& r) { EXPECT_EQ(Bytes(r.read.data.get(), r.read.data.get() + r.read.size), r.original); }},
    };
    const Calls steps = {{0, documentSize}, {step, documentSize}, {documentSize, documentSize}};
    for (const Operation& operation : operations) {
        SCOPED_TRACE(operation.name);
        Attempt done;
        ScriptedProgress progress;
        ASSERT_TRUE(operation.run(done, progress));
        operation.expectDone(done);
        EXPECT_EQ(progress.calls, steps);
        // Midway, and once every step is made.
        for (std::size_t cancelAt = 1; cancelAt < steps.size(); ++cancelAt) {
            SCOPED_TRACE(cancelAt);
            Attempt cancelled;
            ScriptedProgress cancelling(cancelAt);
            EXPECT_FALSE(operation.run(cancelled, cancelling));
            EXPECT_EQ(cancelling.calls.size(), cancelAt + 1) << "no step after the cancel";
            EXPECT_EQ(documentOf(cancelled.editor.core), cancelled.original);
            EXPECT_EQ(cancelled.editor.core.history.steps(), 0u);
            EXPECT_EQ(cancelled.clipboard.text, "held before");
            EXPECT_FALSE(cancelled.sums.has_value());
            EXPECT_EQ(cancelled.read.size, 0);
        }
    }
}

TEST(LongWork, CopyAsAsksBeforeATextOverItsLimitAndNoCopiesNothing)
{
    EXPECT_EQ(copyAsQuestion(CopyAsForm::cArray, 661913600), "The C array would be 662 MB of text. Copy it anyway?");
    EXPECT_EQ(copyAsQuestion(CopyAsForm::hexDump, 13552000000), "The hex dump would be 13.6 GB of text. Copy it anyway?");
    constexpr std::int32_t size = 11 << 20; // 73 MB as a C array, 15 MB as Base64
    TestEditor e(size);
    e.placeCursor(0);
    e.selectTo(size - 1);
    RecordingClipboard clipboard;
    e.core.shell.clipboard = &clipboard;
    ScriptedProgress progress;
    EXPECT_EQ(copyAsToClipboard(e.core, CopyAsForm::cArray, progress), CopyOutcome::declined);
    EXPECT_EQ(e.surface.questions, std::vector<std::string>{"The C array would be 73 MB of text. Copy it anyway?"});
    EXPECT_TRUE(progress.calls.empty());
    EXPECT_EQ(clipboard.text, "held before");
    EXPECT_EQ(copyAsToClipboard(e.core, CopyAsForm::base64, progress), CopyOutcome::copied);
    EXPECT_EQ(e.surface.questions.size(), 1u);
}

TEST(LongWork, Sha1IsCheckedOnceWhereASumIsThatLongAndHeldBackWhereTheSystemFailsIt)
{
    EXPECT_FALSE(Sha1Check().neededFor((std::int64_t{1} << 29) - 1));
    EXPECT_TRUE(Sha1Check().neededFor(std::int64_t{1} << 29));
    const Sha1Vector vector = {4096, "the sum of 4096 zeros"};
    const Bytes document(4096, 7);
    const struct {
        const char* what;
        std::size_t count;
        bool systemRight, heldBack;
        int sha1Digests; // the check's and the document's
    } cases[] = {
        {"shorter than the check's message: not checked", 4095, false, false, 1},
        {"as long, and the system fails", 4096, false, true, 1},
        {"as long, and the system is right", 4096, true, false, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeDigests digests;
        digests.sha1OfZeros = c.systemRight ? vector.digest : "a wrong sum";
        Sha1Check check(vector);
        for (int run = 0; run < 2; ++run) { // the second is not checked again
            ScriptedProgress progress;
            const std::optional<ChecksumResult> result = runChecksums(document.data(), c.count, digests, check, progress);
            ASSERT_TRUE(result.has_value());
            EXPECT_EQ(result->shown(ChecksumKind::sha1),
                      c.heldBack ? "Not available for a document this large on this system"
                                 : FakeDigests::sumOf(ChecksumKind::sha1, document.data(), c.count));
            EXPECT_EQ(result->sums[0], FakeDigests::sumOf(ChecksumKind::crc32, document.data(), c.count));
            const std::int64_t checked = run == 0 && c.count >= document.size() ? vector.zeroBytes : 0;
            EXPECT_EQ(progress.calls.back().second, checked + static_cast<std::int64_t>(c.count));
        }
        EXPECT_EQ(digests.sha1Started, c.sha1Digests + (c.heldBack ? 0 : 1));
    }
    // Cancelled during the check, it is made again the next time.
    Sha1Check check(vector);
    FakeDigests digests;
    ScriptedProgress cancelling(0);
    EXPECT_FALSE(runChecksums(document.data(), document.size(), digests, check, cancelling).has_value());
    EXPECT_FALSE(check.known());
}

} // namespace
