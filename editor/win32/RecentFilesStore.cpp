#include "editor/win32/RecentFilesStore.h"

#include <windows.h>

namespace {

constexpr wchar_t recentFilesKey[] = L"Software\\Nibblor\\RecentFiles";
constexpr wchar_t recentFilesValue[] = L"RecentFiles";

} // namespace

std::vector<std::wstring> storedRecentFiles()
{
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, recentFilesKey, recentFilesValue, RRF_RT_REG_MULTI_SZ, nullptr, nullptr,
                     &bytes) != ERROR_SUCCESS) {
        return {};
    }
    std::vector<wchar_t> area(bytes / sizeof(wchar_t) + 2, L'\0');
    bytes = static_cast<DWORD>(area.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, recentFilesKey, recentFilesValue, RRF_RT_REG_MULTI_SZ, nullptr, area.data(),
                     &bytes) != ERROR_SUCCESS) {
        return {};
    }
    // Strings one after another, each ended by a zero, the list by another.
    std::vector<std::wstring> names;
    for (const wchar_t* name = area.data(); *name != L'\0'; name += names.back().size() + 1) {
        names.emplace_back(name);
    }
    return names;
}

void storeRecentFiles(const std::vector<FilePath>& files)
{
    std::wstring data;
    for (const FilePath& file : files) {
        data += file.wstring();
        data += L'\0';
    }
    data += L'\0';
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, recentFilesKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return; // the list is only a convenience
    }
    RegSetValueExW(key, recentFilesValue, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size() * sizeof(wchar_t)));
    RegCloseKey(key);
}
