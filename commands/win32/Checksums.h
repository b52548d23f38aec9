#pragma once
// The sums the Checksums dialog shows: CRC-32 from zlib, the digests from the
// system's cryptography API.
#include <cstddef>
#include <cstdint>
#include <string>

enum class ChecksumKind { crc32, md5, sha1, sha256, sha512 };
constexpr int checksumKindCount = 5;

// The sum's lowercase hexadecimal digits; empty when the system cannot make it.
std::string checksumOf(ChecksumKind kind, const std::uint8_t* bytes, std::size_t count);
