#include "structure/posix/IconvTextConverter.h"

#include <cerrno>
#include <iconv.h>
#include <vector>

namespace structure {

namespace {

constexpr std::size_t outputChunk = 4096;
const char replacementUtf8[] = "\xEF\xBF\xBD";

// Names the definitions use that iconv spells differently.
std::string iconvName(const std::string& encoding)
{
    const std::string folded = foldEncodingName(encoding);
    if (folded == "SJIS") {
        return "SHIFT_JIS";
    }
    if (folded.rfind("WINDOWS", 0) == 0) {
        return "CP" + folded.substr(7);
    }
    return encoding;
}

class IconvHandle {
public:
    explicit IconvHandle(const std::string& from) : handle_(iconv_open("UTF-8", from.c_str())) {}
    ~IconvHandle()
    {
        if (ok()) {
            iconv_close(handle_);
        }
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool ok() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

} // namespace

bool IconvTextConverter::toUtf8(const std::string& encoding, const std::string& bytes, std::string& out) const
{
    IconvHandle handle(iconvName(encoding));
    if (!handle.ok()) {
        return false;
    }
    out.clear();
    std::vector<char> input(bytes.begin(), bytes.end());
    char* in = input.data();
    std::size_t inLeft = input.size();
    char buffer[outputChunk];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(handle.get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, sizeof buffer - outLeft);
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // A byte with no meaning in this code page: marked, then skipped.
            out += replacementUtf8;
            ++in;
            --inLeft;
            iconv(handle.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return true;
}

} // namespace structure
