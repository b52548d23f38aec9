#include "structure/Processing.h"

#include "structure/DataError.h"

#include <zlib.h>

#include <algorithm>
#include <limits>

namespace structure {

namespace {

constexpr std::size_t inflateChunk = 64 * 1024;
constexpr int bitsPerByte = 8;
constexpr unsigned byteMask = 0xFF;

class InflateStream {
public:
    InflateStream()
    {
        if (inflateInit(&z_) != Z_OK) {
            throw DataError("zlib could not start");
        }
    }
    ~InflateStream() { inflateEnd(&z_); }
    InflateStream(const InflateStream&) = delete;
    InflateStream& operator=(const InflateStream&) = delete;
    z_stream& get() { return z_; }

private:
    z_stream z_{};
};

std::string inflateAll(const std::string& raw, std::uint64_t maxOutput)
{
    InflateStream stream;
    z_stream& z = stream.get();
    std::string out;
    std::size_t consumed = 0;
    unsigned char buffer[inflateChunk];
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        if (z.avail_in == 0 && consumed < raw.size()) {
            const std::size_t take = std::min<std::size_t>(raw.size() - consumed, std::numeric_limits<uInt>::max());
            z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(raw.data() + consumed));
            z.avail_in = static_cast<uInt>(take);
            consumed += take;
        }
        z.next_out = buffer;
        z.avail_out = sizeof buffer;
        status = inflate(&z, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END &&
            !(status == Z_BUF_ERROR && z.avail_in == 0 && consumed < raw.size())) {
            throw DataError(std::string("zlib: ") + (z.msg ? z.msg : "the compressed data is damaged"));
        }
        const std::size_t produced = sizeof buffer - z.avail_out;
        if (out.size() + produced > maxOutput) {
            throw DataError("zlib: the data decompresses to more than " + byteCount(maxOutput));
        }
        out.append(reinterpret_cast<const char*>(buffer), produced);
        if (status != Z_STREAM_END && produced == 0 && z.avail_in == 0 && consumed >= raw.size()) {
            throw DataError("zlib: the compressed data ends early");
        }
    }
    return out;
}

std::string xorWith(const std::string& raw, const Value& key)
{
    std::string k;
    if (key.kind == Value::Kind::Int) {
        k.assign(1, static_cast<char>(static_cast<std::uint64_t>(key.i) & byteMask));
    } else if (key.kind == Value::Kind::Bytes) {
        k = key.s;
    } else {
        throw DataError(std::string("xor needs an integer or bytes as its key, not ") + key.kindName());
    }
    if (k.empty()) {
        throw DataError("xor needs a key of at least one byte");
    }
    std::string out = raw;
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = static_cast<char>(out[i] ^ k[i % k.size()]);
    }
    return out;
}

std::string rotate(const std::string& raw, const std::vector<Value>& args, bool left)
{
    if (args[0].kind != Value::Kind::Int) {
        throw DataError("rol/ror needs an integer amount");
    }
    if (args.size() > 1 && (args[1].kind != Value::Kind::Int || args[1].i != 1)) {
        throw DataError("rol/ror works on single bytes only (group size 1)");
    }
    std::int64_t amount = args[0].i % bitsPerByte;
    if (amount < 0) {
        amount += bitsPerByte;
    }
    const unsigned shift = static_cast<unsigned>(left ? amount : (bitsPerByte - amount) % bitsPerByte);
    std::string out = raw;
    for (char& c : out) {
        const unsigned b = static_cast<unsigned char>(c);
        c = static_cast<char>(((b << shift) | (b >> ((bitsPerByte - shift) % bitsPerByte))) & byteMask);
    }
    return out;
}

} // namespace

std::string applyProcess(ProcessKind kind, const std::string& raw, const std::vector<Value>& args,
                         std::uint64_t maxOutput)
{
    switch (kind) {
    case ProcessKind::Zlib:
        return inflateAll(raw, maxOutput);
    case ProcessKind::Xor:
        return xorWith(raw, args.at(0));
    case ProcessKind::Rol:
        return rotate(raw, args, true);
    case ProcessKind::Ror:
        return rotate(raw, args, false);
    case ProcessKind::None:
        break;
    }
    return raw;
}

} // namespace structure
