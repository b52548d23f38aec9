// Loading and writing the document: row rule, capacity, exact bytes, result codes.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "document/FileBuffer.h"
#include "tests/native/FailingFileSteps.h"
#include "tests/native/TempDir.h"

namespace {

TEST(RowRule, ExactMultiplesGetAnEmptyLastRow)
{
    EXPECT_EQ(FileBuffer::rowsFor(0, 16), 0);
    EXPECT_EQ(FileBuffer::rowsFor(1, 16), 1);
    EXPECT_EQ(FileBuffer::rowsFor(15, 16), 1);
    EXPECT_EQ(FileBuffer::rowsFor(16, 16), 2);
    EXPECT_EQ(FileBuffer::rowsFor(17, 16), 2);
    EXPECT_EQ(FileBuffer::rowsFor(32, 16), 3);
    EXPECT_EQ(FileBuffer::rowsFor(INT32_MAX, 16), INT32_MAX / 16 + 1);
}

TEST(FileBufferLoad, EmptyFileHoldsOnlyTheSpareRoom)
{
    TempDir dir;
    FileBuffer buffer;
    ASSERT_EQ(buffer.load(dir.write("empty.bin", {}).c_str()), FileBuffer::loaded);
    EXPECT_EQ(buffer.size, 0);
    EXPECT_EQ(buffer.rowCount, 0);
    ASSERT_TRUE(buffer.data.held());
    ASSERT_EQ(buffer.capacity(), 1024);
    for (std::int64_t i = 0; i < buffer.capacity(); ++i) {
        ASSERT_EQ(buffer.data[static_cast<std::size_t>(i)], 0) << i;
    }
}

TEST(FileBufferLoad, SizesRowsAndZeroSpareRoom)
{
    TempDir dir;
    struct Case {
        std::size_t size;
        std::int32_t rows;
    };
    for (const Case c : {Case{15, 1}, Case{16, 2}, Case{17, 2}, Case{100, 7}}) {
        SCOPED_TRACE(c.size);
        const auto bytes = patternBytes(c.size);
        FileBuffer buffer;
        ASSERT_EQ(buffer.load(dir.write("f.bin", bytes).c_str()), FileBuffer::loaded);
        EXPECT_EQ(buffer.size, static_cast<std::int32_t>(c.size));
        EXPECT_EQ(buffer.rowCount, c.rows);
        ASSERT_EQ(buffer.capacity(), c.rows * 16 + 1024);
        EXPECT_EQ(std::memcmp(buffer.data.get(), bytes.data(), c.size), 0);
        for (std::int64_t i = static_cast<std::int64_t>(c.size); i < buffer.capacity(); ++i) {
            ASSERT_EQ(buffer.data[static_cast<std::size_t>(i)], 0) << i;
        }
    }
}

TEST(FileBufferLoad, LargeFileArrivesWhole)
{
    TempDir dir;
    const auto bytes = patternBytes(5 * 1024 * 1024 + 3);
    FileBuffer buffer;
    ASSERT_EQ(buffer.load(dir.write("big.bin", bytes).c_str()), FileBuffer::loaded);
    ASSERT_EQ(buffer.size, static_cast<std::int32_t>(bytes.size()));
    EXPECT_EQ(std::memcmp(buffer.data.get(), bytes.data(), bytes.size()), 0);
    EXPECT_EQ(buffer.capacity(), FileBuffer::capacityFor(buffer.size, 16));
}

TEST(FileBufferLoad, MissingFileLeavesTheBufferEmpty)
{
    TempDir dir;
    FileBuffer buffer;
    ASSERT_EQ(buffer.load(dir.write("first.bin", patternBytes(40)).c_str()), FileBuffer::loaded);
    EXPECT_EQ(buffer.load(dir.file("no-such-file.bin").c_str()), FileBuffer::cannotOpen);
    EXPECT_EQ(buffer.size, 0);
    EXPECT_EQ(buffer.rowCount, 0);
    EXPECT_FALSE(buffer.data.held());
    EXPECT_EQ(buffer.byteAt(0), 0); // no block: reads as zero, never out of bounds
}

// A file past the signed 32-bit size cannot be held: failure, not a wrapped size.
// The file is sparse, so it costs no disk space and is never read.
TEST(FileBufferLoad, FileBeyondThirtyTwoBitsIsRefusedAndLeavesTheBufferEmpty)
{
    TempDir dir;
    const std::string huge = dir.file("huge.bin");
    { std::ofstream create(huge, std::ios::binary); }
    std::filesystem::resize_file(huge, static_cast<std::uintmax_t>(INT32_MAX) + 1);
    FileBuffer buffer;
    ASSERT_EQ(buffer.load(dir.write("small.bin", patternBytes(10)).c_str()), FileBuffer::loaded);
    EXPECT_EQ(buffer.load(huge.c_str()), FileBuffer::tooLarge);
    EXPECT_EQ(buffer.size, 0);
    EXPECT_EQ(buffer.rowCount, 0);
    EXPECT_FALSE(buffer.data.held());
}

#if defined(_WIN32) && !defined(_WIN64)
// In a 32-bit process a block of 2 GiB cannot be had: the load fails cleanly.
TEST(FileBufferLoad, BlockThatCannotBeAllocatedIsRefused)
{
    TempDir dir;
    const std::string huge = dir.file("almost.bin");
    { std::ofstream create(huge, std::ios::binary); }
    std::filesystem::resize_file(huge, static_cast<std::uintmax_t>(INT32_MAX));
    FileBuffer buffer;
    EXPECT_EQ(buffer.load(huge.c_str()), FileBuffer::tooLarge);
    EXPECT_EQ(buffer.size, 0);
    EXPECT_FALSE(buffer.data.held());
}
#endif

TEST(FileBufferLoad, SecondLoadReplacesTheFirst)
{
    TempDir dir;
    FileBuffer buffer;
    ASSERT_EQ(buffer.load(dir.write("a.bin", patternBytes(300)).c_str()), FileBuffer::loaded);
    ASSERT_EQ(buffer.load(dir.write("b.bin", {1, 2, 3}).c_str()), FileBuffer::loaded);
    EXPECT_EQ(buffer.size, 3);
    EXPECT_EQ(buffer.rowCount, 1);
    EXPECT_EQ(buffer.capacity(), 16 + 1024);
    EXPECT_EQ(buffer.data[2], 3);
    EXPECT_EQ(buffer.data[3], 0);
}

TEST(FileBufferWrite, ReplacesTheFileWithExactlyTheDocumentBytes)
{
    TempDir dir;
    const auto bytes = patternBytes(1000);
    FileBuffer buffer;
    ASSERT_EQ(buffer.load(dir.write("doc.bin", bytes).c_str()), FileBuffer::loaded);
    buffer.data[5] = 0xAB;
    buffer.setSize(998); // as after a deletion
    const std::string target = dir.write("target.bin", patternBytes(5000));
    ASSERT_EQ(buffer.writeTo(target.c_str()), FileBuffer::written);
    auto expected = bytes;
    expected[5] = 0xAB;
    expected.resize(998);
    EXPECT_EQ(TempDir::read(target), expected);
}

TEST(FileBufferWrite, EmptyDocumentWritesAnEmptyFile)
{
    TempDir dir;
    FileBuffer buffer;
    ASSERT_EQ(buffer.load(dir.write("e.bin", {}).c_str()), FileBuffer::loaded);
    const std::string target = dir.write("t.bin", {9, 9});
    ASSERT_EQ(buffer.writeTo(target.c_str()), FileBuffer::written);
    EXPECT_TRUE(TempDir::read(target).empty());
}

TEST(FileBufferWrite, UncreatableFileReportsMinusOne)
{
    TempDir dir;
    FileBuffer buffer;
    ASSERT_EQ(buffer.load(dir.write("e.bin", {1}).c_str()), FileBuffer::loaded);
    EXPECT_EQ(buffer.writeTo(dir.file("no-such-folder/x.bin").c_str()), FileBuffer::cannotCreate);
}

#ifndef _WIN32
TEST(FileBufferWrite, FullDeviceReportsAShortWrite)
{
    FileBuffer buffer;
    buffer.reserve(64 * 1024);
    buffer.setSize(64 * 1024);
    EXPECT_EQ(buffer.writeTo("/dev/full"), FileBuffer::shortWrite);
}
#endif

// A save that fails at any step leaves the file it would replace as it was,
// and nothing beside it.
TEST(FileBufferWrite, AFailedStepLeavesTheOriginalAndNoStrayFile)
{
    using Step = FailingFileSteps::Step;
    struct Case {
        Step failing;
        int result;
    };
    const Case cases[] = {
        {Step::none, FileBuffer::written},          {Step::createAside, FileBuffer::cannotCreate},
        {Step::write, FileBuffer::shortWrite},      {Step::flush, FileBuffer::shortWrite},
        {Step::close, FileBuffer::shortWrite},      {Step::replace, FileBuffer::shortWrite},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.failing));
        TempDir dir;
        const auto original = patternBytes(3000);
        const std::string target = dir.write("target.bin", original);
        const std::string fresh = dir.file("fresh.bin");
        FileBuffer buffer;
        ASSERT_TRUE(buffer.reserve(FileBuffer::capacityFor(5000, 16)));
        buffer.setSize(5000);
        std::fill_n(buffer.data.get(), 5000, std::uint8_t{0xEE});
        FailingFileSteps steps(standardFileSteps(), c.failing);

        EXPECT_EQ(buffer.writeTo(target.c_str(), steps), c.result);
        const bool saved = c.failing == Step::none;
        EXPECT_EQ(TempDir::read(target), saved ? std::vector<std::uint8_t>(5000, 0xEE) : original);
        EXPECT_EQ(buffer.writeTo(fresh.c_str(), steps), c.result) << "a new name";
        const std::vector<std::string> left =
            saved ? std::vector<std::string>{"fresh.bin", "target.bin"} : std::vector<std::string>{"target.bin"};
        EXPECT_EQ(filesIn(dir.file("")), left);
    }
}

} // namespace

namespace {

// Zeros inserted in the middle, as a small growth and as one large enough for a fresh block:
// the moved tail arrives whole and every inserted byte reads zero.
TEST(FileBufferInsert, ZerosInTheMiddleMoveTheTailAndReadZero)
{
    for (const std::int32_t count : {5, std::int32_t{20} << 20}) {
        FileBuffer buffer;
        ASSERT_TRUE(buffer.reserve(FileBuffer::capacityFor(40, 16)));
        for (std::size_t i = 0; i < 40; ++i) {
            buffer.data[i] = static_cast<std::uint8_t>(i + 1);
        }
        buffer.setSize(40);
        ASSERT_TRUE(buffer.insert(10, nullptr, count));
        ASSERT_EQ(buffer.size, 40 + count);
        for (std::int64_t i = 0; i < buffer.capacity(); ++i) {
            const std::uint8_t expected = i < 10 ? static_cast<std::uint8_t>(i + 1)
                                          : i < 10 + count ? 0
                                          : i < 40 + count ? static_cast<std::uint8_t>(i - count + 1)
                                                           : 0;
            ASSERT_EQ(buffer.byteAt(i), expected) << count << " at " << i;
        }
    }
}

} // namespace

namespace {

std::string textOf(const FileBuffer& buffer)
{
    const ByteSpan all = buffer.span(0, buffer.length());
    return {all.begin(), all.end()};
}

FileBuffer holding(const std::string& text)
{
    FileBuffer buffer;
    buffer.replace(0, 0, reinterpret_cast<const std::uint8_t*>(text.data()), static_cast<std::int64_t>(text.size()));
    return buffer;
}

TEST(DocumentBytesReplace, EachShapeOfRangeGivesTheBytesAndMovesTheMarks)
{
    struct Case {
        const char* name;
        std::int64_t offset, removed;
        const char* bytes;
        bool done;
        const char* after;
        std::int32_t markAfter; // where the mark on "f" (offset 5) is, -1 gone
    };
    const Case cases[] = {
        {"same length overwrites", 1, 2, "XY", true, "aXYdefgh", 5},
        {"longer grows", 1, 2, "WXYZ", true, "aWXYZdefgh", 7},
        {"shorter shrinks", 1, 3, "X", true, "aXefgh", 3},
        {"the marked byte removed", 4, 2, "", true, "abcdgh", -1},
        {"insertion at the end", 8, 0, "ij", true, "abcdefghij", 5},
        {"reaching past the end", 7, 2, "X", false, "abcdefgh", 5},
        {"negative offset", -1, 1, "X", false, "abcdefgh", 5},
    };
    for (const Case& c : cases) {
        FileBuffer buffer = holding("abcdefgh");
        buffer.marks.toggle(5);
        const std::string bytes = c.bytes;
        EXPECT_EQ(buffer.replace(c.offset, c.removed, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                 static_cast<std::int64_t>(bytes.size())),
                  c.done)
            << c.name;
        EXPECT_EQ(textOf(buffer), c.after) << c.name;
        EXPECT_EQ(buffer.marks.next(-1), c.markAfter) << c.name;
    }
}

TEST(DocumentBytesRead, SpansAndBlocksCoverExactlyTheDocument)
{
    const FileBuffer buffer = holding("0123456789");
    EXPECT_EQ(std::string(buffer.span(2, 3).begin(), buffer.span(2, 3).end()), "234");
    EXPECT_TRUE(buffer.span(8, 3).empty()); // past the end, though the spare room is there
    EXPECT_TRUE(buffer.span(-1, 2).empty());
    std::string visited;
    EXPECT_TRUE(buffer.forEachBlock(3, 10, [&](std::int64_t offset, ByteSpan block) {
        EXPECT_EQ(offset, 3 + static_cast<std::int64_t>(visited.size()));
        visited.append(block.begin(), block.end());
        return true;
    }));
    EXPECT_EQ(visited, "3456789");
    EXPECT_FALSE(buffer.forEachBlock(0, 10, [](std::int64_t, ByteSpan) { return false; }));
}

TEST(DocumentBytesAdopt, ANewBlockReplacesTheBytesAndTheMarks)
{
    FileBuffer buffer = holding("old bytes");
    buffer.marks.toggle(2);
    ByteBlock block;
    ASSERT_TRUE(block.allocateZeroed(64));
    std::memcpy(block.get(), "new", 3);
    buffer.adopt(std::move(block), 3);
    EXPECT_EQ(textOf(buffer), "new");
    EXPECT_EQ(buffer.marks.next(-1), -1);
    buffer.adopt(ByteBlock{}, 0);
    EXPECT_EQ(buffer.length(), 0);
    EXPECT_TRUE(buffer.span(0, 1).empty());
}

} // namespace
