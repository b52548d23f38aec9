// Saving on the real file system: a failure at any step leaves the original as
// it was and nothing beside it; read-only and locked files are refused; the
// replaced file keeps its attributes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/FileBuffer.h"
#include "document/win32/Win32FileSteps.h"
#include "tests/native/FailingFileSteps.h"
#include "tests/native/TempDir.h"

namespace {

class SaveSteps : public ::testing::Test {
protected:
    SaveSteps()
    {
        buffer.reserve(FileBuffer::capacityFor(4000, 16));
        buffer.setSize(4000);
        for (std::int32_t i = 0; i < 4000; ++i) {
            buffer.data[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i % 7);
        }
        target = dir.write("target.bin", original);
    }
    std::vector<std::uint8_t> saved() const
    {
        return std::vector<std::uint8_t>(buffer.data.get(), buffer.data.get() + buffer.size);
    }

    TempDir dir;
    FileBuffer buffer;
    const std::vector<std::uint8_t> original = patternBytes(2500);
    std::string target;
};

TEST_F(SaveSteps, AFailedStepLeavesTheOriginalAndNoStrayFile)
{
    using Step = FailingFileSteps::Step;
    for (const Step step : {Step::createAside, Step::write, Step::flush, Step::close, Step::replace}) {
        SCOPED_TRACE(static_cast<int>(step));
        FailingFileSteps steps(win32FileSteps(), step);
        EXPECT_EQ(buffer.writeTo(target.c_str(), steps),
                  step == Step::createAside ? FileBuffer::cannotCreate : FileBuffer::shortWrite);
        EXPECT_EQ(TempDir::read(target), original);
        EXPECT_EQ(filesIn(dir.file("")), std::vector<std::string>{"target.bin"});
    }
    EXPECT_EQ(buffer.writeTo(target.c_str(), win32FileSteps()), FileBuffer::written);
    EXPECT_EQ(TempDir::read(target), saved());
    EXPECT_EQ(filesIn(dir.file("")), std::vector<std::string>{"target.bin"});
}

TEST_F(SaveSteps, ReadOnlyAndLockedFilesAreRefusedAndAttributesKept)
{
    ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(buffer.writeTo(target.c_str(), win32FileSteps()), FileBuffer::cannotCreate);
    ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(TempDir::read(target), original);

    HANDLE held = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(buffer.writeTo(target.c_str(), win32FileSteps()), FileBuffer::cannotCreate);
    CloseHandle(held);
    EXPECT_EQ(TempDir::read(target), original);
    EXPECT_EQ(filesIn(dir.file("")), std::vector<std::string>{"target.bin"});

    ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_NE(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(buffer.writeTo(target.c_str(), win32FileSteps()), FileBuffer::written);
    EXPECT_NE(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u) << "the attributes stay";
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(TempDir::read(target), saved());
}

// A file held with no sharing cannot be read, and the failure says why.
TEST_F(SaveSteps, AFileLockedAgainstReadingIsRefusedAsInUse)
{
    FileSteps& steps = win32FileSteps();
    FileBuffer loaded;
    HANDLE held = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(loaded.load(target, steps), FileBuffer::cannotOpen);
    EXPECT_EQ(steps.lastFailure().kind, FileFailure::Kind::inUse);
    EXPECT_FALSE(steps.lastFailure().reason.empty());
    CloseHandle(held);
}

} // namespace
