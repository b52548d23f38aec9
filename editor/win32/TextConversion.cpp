#include "editor/win32/TextConversion.h"

std::wstring wideText(std::string_view text, UINT codePage)
{
    const auto length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0) {
        MultiByteToWideChar(codePage, 0, text.data(), length, &wide[0], size);
    }
    return wide;
}

bool narrowText(std::wstring_view text, UINT codePage, std::string& narrow)
{
    const bool utf8 = codePage == CP_UTF8; // it holds every character, and takes neither flag nor default
    BOOL defaulted = FALSE;
    BOOL* const defaultedOut = utf8 ? nullptr : &defaulted;
    // A look-alike (a plain "A" for a full-width one) would be another text: the default character marks it.
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const auto length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, defaultedOut);
    narrow.assign(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) {
        WideCharToMultiByte(codePage, flags, text.data(), length, &narrow[0], size, nullptr, defaultedOut);
    }
    return defaulted == FALSE;
}

std::string dialogFieldText(HWND dialog, int field)
{
    const HWND box = GetDlgItem(dialog, field);
    const int length = GetWindowTextLengthW(box);
    if (length <= 0) {
        return std::string();
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int read = GetWindowTextW(box, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(read > 0 ? read : 0));
    std::string utf8;
    narrowText(text, CP_UTF8, utf8);
    return utf8;
}
