#include "commands/win32/SystemDigests.h"

#include <windows.h>

#include <bcrypt.h>
#include <zlib.h>

#include <algorithm>
#include <vector>

#include "commands/ChecksumRun.h"

namespace {

// Both libraries take lengths of 32 bits at most, and some systems' SHA-1
// counts one call's bits in 32 bits, going wrong from 512 MiB a call.
constexpr std::size_t largestPiece = std::size_t{64} << 20;

// Feeds `count` bytes to `take` in pieces it can be given.
template <class Take>
void inPieces(const std::uint8_t* bytes, std::size_t count, const Take& take)
{
    for (std::size_t done = 0; done < count;) {
        const std::size_t piece = std::min(count - done, largestPiece);
        take(bytes + done, piece);
        done += piece;
    }
}

class Crc32 final : public Digest {
public:
    void add(const std::uint8_t* bytes, std::size_t count) override
    {
        inPieces(bytes, count, [this](const std::uint8_t* piece, std::size_t length) {
            crc_ = crc32(crc_, piece, static_cast<uInt>(length));
        });
    }

    std::string finish() override
    {
        const std::uint8_t bigEndian[] = {static_cast<std::uint8_t>(crc_ >> 24), static_cast<std::uint8_t>(crc_ >> 16),
                                           static_cast<std::uint8_t>(crc_ >> 8), static_cast<std::uint8_t>(crc_)};
        return lowercaseHex(bigEndian, sizeof bigEndian);
    }

private:
    uLong crc_ = crc32(0L, Z_NULL, 0);
};

// A CNG hash; its handles are closed on every path.
class CngDigest final : public Digest {
public:
    explicit CngDigest(LPCWSTR algorithmName)
    {
        ULONG got = 0;
        ok_ = BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&algorithm_, algorithmName, nullptr, 0)) &&
              BCRYPT_SUCCESS(BCryptGetProperty(algorithm_, BCRYPT_HASH_LENGTH, reinterpret_cast<PUCHAR>(&length_),
                                               sizeof length_, &got, 0)) &&
              BCRYPT_SUCCESS(BCryptCreateHash(algorithm_, &hash_, nullptr, 0, nullptr, 0, 0));
    }
    CngDigest(const CngDigest&) = delete;
    CngDigest& operator=(const CngDigest&) = delete;
    ~CngDigest() override
    {
        if (hash_ != nullptr) {
            BCryptDestroyHash(hash_);
        }
        if (algorithm_ != nullptr) {
            BCryptCloseAlgorithmProvider(algorithm_, 0);
        }
    }

    void add(const std::uint8_t* bytes, std::size_t count) override
    {
        inPieces(bytes, count, [this](const std::uint8_t* piece, std::size_t length) {
            ok_ = ok_ && BCRYPT_SUCCESS(BCryptHashData(hash_, const_cast<PUCHAR>(piece), static_cast<ULONG>(length), 0));
        });
    }

    std::string finish() override
    {
        std::vector<UCHAR> digest(length_);
        if (!ok_ || !BCRYPT_SUCCESS(BCryptFinishHash(hash_, digest.data(), length_, 0))) {
            return {};
        }
        return lowercaseHex(digest.data(), digest.size());
    }

private:
    BCRYPT_ALG_HANDLE algorithm_ = nullptr;
    BCRYPT_HASH_HANDLE hash_ = nullptr;
    DWORD length_ = 0;
    bool ok_ = false;
};

class SystemDigests final : public DigestMaker {
public:
    std::unique_ptr<Digest> start(ChecksumKind kind) override
    {
        switch (kind) {
        case ChecksumKind::crc32:
            return std::make_unique<Crc32>();
        case ChecksumKind::md5:
            return std::make_unique<CngDigest>(BCRYPT_MD5_ALGORITHM);
        case ChecksumKind::sha1:
            return std::make_unique<CngDigest>(BCRYPT_SHA1_ALGORITHM);
        case ChecksumKind::sha256:
            return std::make_unique<CngDigest>(BCRYPT_SHA256_ALGORITHM);
        case ChecksumKind::sha512:
            return std::make_unique<CngDigest>(BCRYPT_SHA512_ALGORITHM);
        }
        return nullptr;
    }
};

} // namespace

DigestMaker& systemDigests()
{
    static SystemDigests digests;
    return digests;
}
