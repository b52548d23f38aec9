#include "structure/win32/Win32TextConverter.h"

#include <windows.h>

#include <climits>
#include <cstdlib>
#include <vector>

namespace structure {

namespace {

struct NamedPage {
    const char* folded; // as foldEncodingName gives it
    unsigned page;
};

const NamedPage namedPages[] = {
    {"ISO88591", 28591},  {"LATIN1", 28591},    {"ISO88592", 28592}, {"ISO88593", 28593}, {"ISO88594", 28594},
    {"ISO88595", 28595},  {"ISO88596", 28596},  {"ISO88597", 28597}, {"ISO88598", 28598}, {"ISO88599", 28599},
    {"ISO885913", 28603}, {"ISO885915", 28605}, {"SJIS", 932},       {"SHIFTJIS", 932},   {"CP932", 932},
    {"EUCJP", 20932},     {"GB2312", 936},      {"GBK", 936},        {"GB18030", 54936},  {"BIG5", 950},
    {"EUCKR", 51949},     {"KOI8R", 20866},     {"KOI8U", 21866},    {"IBM437", 437},     {"IBM866", 866},
    {"MACINTOSH", 10000}, {"MACROMAN", 10000},  {"UTF32LE", 12000},  {"UTF32BE", 12001},
};

} // namespace

unsigned codePageFor(const std::string& encoding)
{
    const std::string folded = foldEncodingName(encoding);
    for (const NamedPage& named : namedPages) {
        if (folded == named.folded) {
            return named.page;
        }
    }
    // windows-1252, cp437, cp1251, ...: the number is the code page.
    for (const char* prefix : {"WINDOWS", "CP", "IBM"}) {
        const std::string p = prefix;
        if (folded.size() > p.size() && folded.compare(0, p.size(), p) == 0) {
            char* end = nullptr;
            const unsigned long page = std::strtoul(folded.c_str() + p.size(), &end, 10);
            if (*end == '\0' && page > 0 && page < USHRT_MAX) {
                return static_cast<unsigned>(page);
            }
        }
    }
    return 0;
}

bool Win32TextConverter::toUtf8(const std::string& encoding, const std::string& bytes, std::string& out) const
{
    const unsigned page = codePageFor(encoding);
    if (page == 0 || !IsValidCodePage(page)) {
        return false;
    }
    out.clear();
    if (bytes.empty()) {
        return true;
    }
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        return false;
    }
    const int inLength = static_cast<int>(bytes.size());
    const int wideLength = MultiByteToWideChar(page, 0, bytes.data(), inLength, nullptr, 0);
    if (wideLength <= 0) {
        return false;
    }
    std::vector<wchar_t> wide(static_cast<std::size_t>(wideLength));
    MultiByteToWideChar(page, 0, bytes.data(), inLength, wide.data(), wideLength);
    const int utf8Length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (utf8Length <= 0) {
        return false;
    }
    out.resize(static_cast<std::size_t>(utf8Length));
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, &out[0], utf8Length, nullptr, nullptr);
    return true;
}

} // namespace structure
