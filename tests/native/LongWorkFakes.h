#pragma once
// Stand-ins for what long work talks to: a progress that records each call
// and cancels where the test says, a clipboard that takes blocks only when
// they are handed over (and Paste reads back), and digests that say what
// they were fed.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "commands/ChecksumRun.h"
#include "commands/ClipboardCopy.h"
#include "document/Progress.h"
#include "editor/Clipboard.h"

class ScriptedProgress : public Progress {
public:
    static constexpr std::size_t never = std::numeric_limits<std::size_t>::max();
    // Cancels at the call numbered `cancelAt`, from 0.
    explicit ScriptedProgress(std::size_t cancelAt = never) : cancelAt_(cancelAt) {}

    bool advance(std::int64_t done, std::int64_t total) override
    {
        calls.emplace_back(done, total);
        return calls.size() - 1 != cancelAt_;
    }

    std::vector<std::pair<std::int64_t, std::int64_t>> calls;

private:
    std::size_t cancelAt_;
};

class RecordingClipboard : public Clipboard {
public:
    // What the clipboard holds: what it had until blocks are handed over.
    std::string text = "held before";
    std::vector<std::uint8_t> bytes;
    bool refuses = false; // as a clipboard another program keeps open
    int drops = 0;

    char* textBlock(std::size_t length) override
    {
        pendingText_.assign(length + 1, '\x01');
        return &pendingText_[0];
    }
    std::uint8_t* bytesBlock(std::size_t count) override
    {
        pendingBytes_.assign(count, 1);
        return pendingBytes_.data();
    }
    bool handOver() override
    {
        if (!refuses) {
            text = pendingText_.substr(0, pendingText_.size() - 1);
            bytes = pendingBytes_;
        }
        return !refuses;
    }
    void dropBlocks() override { ++drops; }
    bool holdsPasteable() override { return !text.empty() || !bytes.empty(); }
    ClipboardContents read() override
    {
        using Form = ClipboardContents::Form;
        return {bytes.empty() ? (text.empty() ? Form::none : Form::text) : Form::bytes, bytes, text};
    }

private:
    std::string pendingText_;
    std::vector<std::uint8_t> pendingBytes_;
};

// Each sum is "kind:count:total of the bytes"; SHA-1 of zeros alone is `sha1OfZeros`.
class FakeDigests : public DigestMaker {
public:
    std::string sha1OfZeros;
    int sha1Started = 0;

    static std::string sumOf(ChecksumKind kind, const std::uint8_t* bytes, std::size_t count)
    {
        const std::uint64_t total = std::accumulate(bytes, bytes + count, std::uint64_t{0});
        return std::to_string(static_cast<int>(kind)) + ":" + std::to_string(count) + ":" + std::to_string(total);
    }

    std::unique_ptr<Digest> start(ChecksumKind kind) override
    {
        sha1Started += kind == ChecksumKind::sha1 ? 1 : 0;
        return std::make_unique<Fed>(kind, *this);
    }

private:
    struct Fed : Digest {
        Fed(ChecksumKind k, FakeDigests& m) : kind(k), maker(m) {}
        void add(const std::uint8_t* bytes, std::size_t n) override { fed.insert(fed.end(), bytes, bytes + n); }
        std::string finish() override
        {
            const bool zeros = !fed.empty() && std::all_of(fed.begin(), fed.end(), [](std::uint8_t b) { return b == 0; });
            return kind == ChecksumKind::sha1 && zeros ? maker.sha1OfZeros : sumOf(kind, fed.data(), fed.size());
        }
        ChecksumKind kind;
        FakeDigests& maker;
        std::vector<std::uint8_t> fed;
    };
};
