// checksum_timer FILE: under Wine, how long the Checksums dialog's SHA-256
// takes over FILE held in memory, as the median of a few runs, in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "commands/win32/SystemDigests.h"

namespace {

constexpr int runs = 3;

double milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: checksum_timer FILE\n");
        return 2;
    }
    HANDLE file = CreateFileA(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    std::vector<std::uint8_t> bytes(GetFileSize(file, nullptr));
    DWORD done = 0;
    const bool read = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) != FALSE &&
                      done == bytes.size();
    CloseHandle(file);
    if (!read) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&start);
        const std::unique_ptr<Digest> sha256 = systemDigests().start(ChecksumKind::sha256);
        sha256->add(bytes.data(), bytes.size());
        const std::string sum = sha256->finish();
        QueryPerformanceCounter(&end);
        if (sum.empty()) {
            std::fprintf(stderr, "no SHA-256 from the system\n");
            return 1;
        }
        times.push_back(milliseconds(start, end));
        if (i == 0) {
            std::printf("%s\n", sum.c_str());
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("%.1f\n", times[runs / 2]);
    return 0;
}
