#pragma once
// A failed check in a fuzz target: says which and aborts, so that libFuzzer
// keeps the input as a crash artifact.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

inline void check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

// Whether `count` bytes are all zero; memcmp keeps a per-byte loop out of
// the coverage instrumentation.
inline bool allZero(const std::uint8_t* bytes, std::size_t count)
{
    static const std::uint8_t zeros[4096] = {};
    for (std::size_t done = 0; done < count; done += sizeof zeros) {
        const std::size_t n = count - done < sizeof zeros ? count - done : sizeof zeros;
        if (std::memcmp(bytes + done, zeros, n) != 0) {
            return false;
        }
    }
    return true;
}
