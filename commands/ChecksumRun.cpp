// The Checksums dialog's sums in steps: the SHA-1 check where it is due, then
// every digest fed each step of the bytes in turn.
#include "commands/ChecksumRun.h"

#include <algorithm>

namespace {

constexpr char notAvailable[] = "(not available)";
constexpr char sha1NotForThisLength[] = "Not available for a document this large on this system";
// The zeros the SHA-1 check feeds again and again: no block as long as its message.
constexpr std::size_t zeroBlockBytes = std::size_t{64} << 10;

std::size_t indexOf(ChecksumKind kind)
{
    return static_cast<std::size_t>(kind);
}

// The system's SHA-1 of the check's zeros, kept by the check; false when cancelled.
bool checkSha1(DigestMaker& digests, Sha1Check& check, Stepper& steps)
{
    static const std::array<std::uint8_t, zeroBlockBytes> zeros{};
    const std::unique_ptr<Digest> sha1 = digests.start(ChecksumKind::sha1);
    if (sha1 == nullptr) {
        check.record({}); // no SHA-1 at all: none to show either
        return true;
    }
    const auto total = static_cast<std::uint64_t>(check.vector().zeroBytes);
    for (std::uint64_t fed = 0; fed < total;) {
        const auto step = static_cast<std::size_t>(std::min<std::uint64_t>(progressStep, total - fed));
        if (!steps.next(step)) {
            return false;
        }
        for (const std::uint64_t end = fed + step; fed < end;) {
            const auto piece = static_cast<std::size_t>(std::min<std::uint64_t>(zeroBlockBytes, end - fed));
            sha1->add(zeros.data(), piece);
            fed += piece;
        }
    }
    check.record(sha1->finish());
    return true;
}

} // namespace

std::string lowercaseHex(const std::uint8_t* bytes, std::size_t count)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string text(2 * count, '0');
    for (std::size_t i = 0; i < count; ++i) {
        text[2 * i] = digits[bytes[i] >> 4];
        text[2 * i + 1] = digits[bytes[i] & 0x0F];
    }
    return text;
}

std::string ChecksumResult::shown(ChecksumKind kind) const
{
    const std::string& sum = sums[indexOf(kind)];
    if (!sum.empty()) {
        return sum;
    }
    return kind == ChecksumKind::sha1 && sha1HeldBack ? sha1NotForThisLength : notAvailable;
}

std::optional<ChecksumResult> runChecksums(const std::uint8_t* bytes, std::size_t count, DigestMaker& digests,
                                           Sha1Check& check, Progress& progress)
{
    const auto length = static_cast<std::int64_t>(count);
    const bool checking = check.neededFor(length) && !check.known();
    Stepper steps(progress, (checking ? check.vector().zeroBytes : 0) + length);
    if (checking && !checkSha1(digests, check, steps)) {
        return std::nullopt;
    }
    ChecksumResult result;
    result.sha1HeldBack = check.neededFor(length) && !check.passed();
    std::array<std::unique_ptr<Digest>, checksumKindCount> made;
    for (int k = 0; k < checksumKindCount; ++k) {
        const auto kind = static_cast<ChecksumKind>(k);
        if (kind != ChecksumKind::sha1 || !result.sha1HeldBack) {
            made[indexOf(kind)] = digests.start(kind);
        }
    }
    for (std::size_t from = 0; from < count; from += progressStep) {
        const std::size_t piece = std::min(progressStep, count - from);
        if (!steps.next(piece)) {
            return std::nullopt;
        }
        for (const std::unique_ptr<Digest>& digest : made) {
            if (digest != nullptr) {
                digest->add(bytes + from, piece);
            }
        }
    }
    if (!steps.finish()) {
        return std::nullopt;
    }
    for (std::size_t k = 0; k < made.size(); ++k) {
        result.sums[k] = made[k] != nullptr ? made[k]->finish() : std::string();
    }
    return result;
}
