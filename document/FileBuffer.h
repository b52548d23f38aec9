#pragma once
// The document: the whole file held in one zero-filled block, its size, its
// row count, its name and the search state.
#include <cstdint>
#include <string>
#include <vector>

#include "document/Bookmarks.h"
#include "document/ByteBlock.h"
#include "document/DocumentBytes.h"
#include "document/DocumentName.h"
#include "document/FileSteps.h"
#include "document/PatternSearch.h"
#include "document/Progress.h"
#include "document/ReplacementRecord.h"

struct FileBuffer final : DocumentBytes {
    static constexpr int spareRoom = 1024;       // zero bytes held past the last row
    static constexpr std::int32_t maxSize = INT32_MAX;

    // Results of load.
    static constexpr int loaded = 0;
    static constexpr int cannotOpen = -1;
    static constexpr int tooLarge = -2;          // over the 32-bit size, or no memory for it
    static constexpr int cancelled = -3;         // the user stopped it midway
    // Results of writeTo.
    static constexpr int written = 0;
    static constexpr int cannotCreate = -1;
    static constexpr int shortWrite = -2;

    explicit FileBuffer(int bytesPerRowOfView = 16);

    ByteBlock data;
    std::int32_t size = 0;        // -1 marks an Open cancelled on an empty document
    std::int32_t rowCount = 0;
    // The user's bookmarks: every change of length here moves them with their bytes.
    Bookmarks marks;
    std::int32_t lastMatchOffset = -1;
    std::string lastSearchText; // the Find dialog's, whole
    DocumentName name; // none while untitled

    // Row rule: no rows when empty, else one more row than whole rows, so the
    // end position always has a row.
    static std::int32_t rowsFor(std::int32_t size, int bytesPerRow);

    // The block size a load allocates for a document of `size` bytes.
    static std::int64_t capacityFor(std::int32_t size, int bytesPerRow);

    // Reads the whole file in steps, which is not held open afterwards. On
    // failure or when cancelled the buffer is left empty, and the steps tell why.
    int load(const FilePath& filePath, FileSteps& files = standardFileSteps(), Progress& progress = noProgress());

    // Writes exactly the document's bytes to the file. A file that exists is
    // replaced only once the new one is completely written and on the disk:
    // when any step fails it stays as it was, and nothing is left beside it.
    // cannotCreate when the file cannot be made or is read-only or held by
    // another program; shortWrite when the writing itself failed.
    int writeTo(const FilePath& filePath, FileSteps& files = standardFileSteps()) const;

    // Sets size and recomputes rowCount.
    void setSize(std::int32_t newSize);

    // Makes the block hold at least `bytes` bytes, new ones zero.
    bool reserve(std::int64_t bytes);

    // A file's bytes (or an empty document's block) are held: not a new document with none.
    bool holdsBlock() const { return data.held(); }

    // Bytes the block holds (0 when none).
    std::int64_t capacity() const { return static_cast<std::int64_t>(data.capacity()); }

    // The byte at offset, or 0 past the block (the spare room reads as zeros).
    std::uint8_t byteAt(std::int64_t offset) const;

    // Overwrites the byte at offset; false, writing nothing, outside the data.
    bool writeByte(std::int32_t offset, std::uint8_t value);

    // Overwrites bytes from offset on, as many as the data holds from there:
    // the document never grows. Returns how many were written.
    std::int32_t overwrite(std::int32_t offset, const std::uint8_t* bytes, std::size_t count);

    // Inserts `count` bytes at `offset` (0 up to size): a copy of `bytes`, or
    // zeros when it is null. The block grows by a step beyond what is needed,
    // so that a run of small insertions does not reallocate every time. False,
    // changing nothing, for a count below 1 or an offset outside the data,
    // when the size would pass maxSize, or when the memory cannot be had.
    bool insert(std::int32_t offset, const std::uint8_t* bytes, std::int32_t count);

    // Replaces the runs, each `fromLength` bytes long now, by `toLength`
    // bytes each, run i's from `bytes + i * stride`: in place when they do
    // not grow, else in one pass into a new block (a single run moves the
    // bytes after it instead). False, changing nothing, when the size would
    // pass maxSize or the memory cannot be had.
    bool replaceRuns(const RunGaps& runs, std::int32_t fromLength, const std::uint8_t* bytes, std::int32_t toLength,
                     std::size_t stride);

    // Every match of the pattern in [first, end) replaced by a replacement no
    // longer than it, in place and in one pass; `record` gets what undo needs
    // of it. Returns how many were replaced, or -1, with the document as it
    // was, when the user cancels the scan's progress. Throws std::bad_alloc,
    // with the document as it was, when the record cannot be kept.
    std::int64_t replaceMatchesInPlace(const SearchPattern& pattern, std::int64_t first, std::int64_t end,
                                       const std::vector<std::uint8_t>& replacement, ReplacementRecord& record,
                                       Progress& progress = noProgress());
    // Undoes replaceMatchesInPlace with its record: the document and its marks as they were.
    void restoreMatchesInPlace(const ReplacementRecord& record);

    // Removes `count` bytes from `offset` on, as far as the data reaches; the
    // room they leave past the end is zero again. Returns how many went.
    std::int32_t remove(std::int32_t offset, std::int32_t count);

    // The offset of the next occurrence of the pattern, or -1. The scan starts
    // at the first byte of startRow and wraps once to the start. Matches at
    // the last match and up to a row before it are passed over, so that
    // searching again finds the next one. An empty pattern matches nothing.
    std::int32_t findBytes(const std::uint8_t* pattern, std::int32_t startRow, std::int32_t length) const;

    // Whether the pattern occurs anywhere, whatever was found before.
    bool contains(const std::uint8_t* pattern, std::int32_t length) const;

    int bytesPerRow() const { return bytesPerRow_; }

    std::int64_t length() const override { return size > 0 ? size : 0; }
    ByteSpan span(std::int64_t offset, std::int64_t count) const override;
    bool forEachBlock(std::int64_t first, std::int64_t end, const BlockVisitor& visit) const override;
    bool replace(std::int64_t offset, std::int64_t removed, const std::uint8_t* bytes, std::int64_t count) override;
    void adopt(ByteBlock&& block, std::int32_t byteCount) override;
    // The bytes of a buffer loaded apart become the document's.
    void adoptBytesOf(FileBuffer&& apart) { adopt(std::move(apart.data), apart.size); }

private:
    // The rest of load, once the file is open.
    int readOpenFile(FileSteps& files, Progress& progress);

    // Where a search from the first byte of startRow begins scanning.
    std::int64_t scanStart(std::int32_t startRow) const;

    int bytesPerRow_;
};
