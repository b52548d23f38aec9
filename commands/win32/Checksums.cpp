#include "commands/win32/Checksums.h"

#include <windows.h>

#include <bcrypt.h>
#include <zlib.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "commands/Checksums.h"

namespace {

// Both libraries take lengths of 32 bits at most.
constexpr std::size_t chunkBytes = std::size_t{1} << 30;

std::string crc32Text(const std::uint8_t* bytes, std::size_t count)
{
    uLong crc = crc32(0L, Z_NULL, 0);
    for (std::size_t done = 0; done < count;) {
        const std::size_t chunk = std::min(count - done, chunkBytes);
        crc = crc32(crc, bytes + done, static_cast<uInt>(chunk));
        done += chunk;
    }
    const std::uint8_t bigEndian[] = {static_cast<std::uint8_t>(crc >> 24), static_cast<std::uint8_t>(crc >> 16),
                                       static_cast<std::uint8_t>(crc >> 8), static_cast<std::uint8_t>(crc)};
    return lowercaseHex(bigEndian, sizeof bigEndian);
}

// The digest with a CNG hash algorithm; handles are closed on every path.
std::string digestText(LPCWSTR algorithmName, const std::uint8_t* bytes, std::size_t count)
{
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&algorithm, algorithmName, nullptr, 0))) {
        return {};
    }
    std::vector<UCHAR> digest;
    DWORD digestLength = 0;
    ULONG got = 0;
    BCRYPT_HASH_HANDLE hash = nullptr;
    if (BCRYPT_SUCCESS(BCryptGetProperty(algorithm, BCRYPT_HASH_LENGTH, reinterpret_cast<PUCHAR>(&digestLength),
                                         sizeof digestLength, &got, 0)) &&
        BCRYPT_SUCCESS(BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0))) {
        bool hashed = true;
        for (std::size_t done = 0; hashed && done < count;) {
            const std::size_t chunk = std::min(count - done, chunkBytes);
            hashed = BCRYPT_SUCCESS(
                BCryptHashData(hash, const_cast<PUCHAR>(bytes + done), static_cast<ULONG>(chunk), 0));
            done += chunk;
        }
        digest.resize(digestLength);
        if (!hashed || !BCRYPT_SUCCESS(BCryptFinishHash(hash, digest.data(), digestLength, 0))) {
            digest.clear();
        }
        BCryptDestroyHash(hash);
    }
    BCryptCloseAlgorithmProvider(algorithm, 0);
    return lowercaseHex(digest.data(), digest.size());
}

} // namespace

std::string checksumOf(ChecksumKind kind, const std::uint8_t* bytes, std::size_t count)
{
    static const std::uint8_t nothing = 0; // an empty document may hold no block
    if (bytes == nullptr) {
        bytes = &nothing;
        count = 0;
    }
    switch (kind) {
    case ChecksumKind::crc32:
        return crc32Text(bytes, count);
    case ChecksumKind::md5:
        return digestText(BCRYPT_MD5_ALGORITHM, bytes, count);
    case ChecksumKind::sha1:
        return digestText(BCRYPT_SHA1_ALGORITHM, bytes, count);
    case ChecksumKind::sha256:
        return digestText(BCRYPT_SHA256_ALGORITHM, bytes, count);
    case ChecksumKind::sha512:
        return digestText(BCRYPT_SHA512_ALGORITHM, bytes, count);
    }
    return {};
}
