#pragma once
// The Checksums dialog's sums, made in steps with progress, by the system's
// digests, and never a wrong one: some systems count SHA-1's message bits in
// 32 bits, which makes their sum of 512 MiB and more wrong. Such a sum is
// only shown once the system's SHA-1 of a known message that long was right.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "document/Progress.h"

enum class ChecksumKind { crc32, md5, sha1, sha256, sha512 };
constexpr int checksumKindCount = 5;

// One sum being made, fed its bytes a piece at a time.
class Digest {
public:
    virtual ~Digest() = default;
    virtual void add(const std::uint8_t* bytes, std::size_t count) = 0;
    // The sum's lowercase hexadecimal digits; empty when the system could not make it.
    virtual std::string finish() = 0;
};

// The system's digests.
class DigestMaker {
public:
    virtual ~DigestMaker() = default;
    // Null when the system has none of the kind.
    virtual std::unique_ptr<Digest> start(ChecksumKind kind) = 0;
};

// A message of zeros and its SHA-1, as sha1sum gives it.
struct Sha1Vector {
    std::int64_t zeroBytes;
    const char* digest;
};
// 512 MiB of zeros: 2^32 bits, the first length a 32-bit count of bits gets wrong.
constexpr Sha1Vector sha1PastHalfGibibyte = {std::int64_t{1} << 29, "5b088492c9f4778f409b7ae61477dec124c99033"};

// Whether the system's SHA-1 is right for long messages: asked once, the
// first time one that long is summed, and kept.
class Sha1Check {
public:
    explicit Sha1Check(Sha1Vector vector = sha1PastHalfGibibyte) : vector_(vector) {}

    // A sum of `count` bytes can be wrong where the check fails.
    bool neededFor(std::int64_t count) const { return count >= vector_.zeroBytes; }
    bool known() const { return passed_.has_value(); }
    bool passed() const { return passed_.value_or(false); }
    const Sha1Vector& vector() const { return vector_; }
    // What the system's SHA-1 of the vector's zeros was.
    void record(const std::string& digest) { passed_ = digest == vector_.digest; }

private:
    Sha1Vector vector_;
    std::optional<bool> passed_;
};

// What the dialog shows: each sum, and whether SHA-1's was held back.
struct ChecksumResult {
    std::array<std::string, checksumKindCount> sums; // empty: none to show
    bool sha1HeldBack = false; // the system's SHA-1 fails at this length

    // What the sum's field says: its digits, or why there are none.
    std::string shown(ChecksumKind kind) const;
};

// Two lowercase hexadecimal digits a byte: how sums are shown.
std::string lowercaseHex(const std::uint8_t* bytes, std::size_t count);

// The sums of the bytes, fed to every digest a step at a time, SHA-1's
// checked first where it is needed and not known; none when the user cancels.
std::optional<ChecksumResult> runChecksums(const std::uint8_t* bytes, std::size_t count, DigestMaker& digests,
                                           Sha1Check& check, Progress& progress);
