#include "editor/RecentFiles.h"

#include <algorithm>
#include <cwctype>

void RecentFiles::add(const FilePath& path)
{
    remove(path);
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > capacity) {
        entries_.resize(capacity);
    }
}

void RecentFiles::remove(const FilePath& path)
{
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [&path](const FilePath& entry) { return sameFile(entry, path); }),
                   entries_.end());
}

void RecentFiles::assign(const std::vector<std::wstring>& stored)
{
    entries_.clear();
    for (auto name = stored.rbegin(); name != stored.rend(); ++name) {
        if (!name->empty()) {
            add(FilePath(*name));
        }
    }
}

std::wstring RecentFiles::menuText(std::size_t index, const FilePath& path)
{
    std::wstring text = L"&" + std::to_wstring(index + 1) + L" ";
    for (const wchar_t c : path.wstring()) {
        text += c;
        if (c == L'&') {
            text += L'&';
        }
    }
    return text;
}

bool RecentFiles::sameFile(const FilePath& a, const FilePath& b)
{
    const std::wstring left = a.wstring();
    const std::wstring right = b.wstring();
    return left.size() == right.size() &&
           std::equal(left.begin(), left.end(), right.begin(), [](wchar_t x, wchar_t y) {
               return std::towlower(static_cast<std::wint_t>(x)) == std::towlower(static_cast<std::wint_t>(y));
           });
}
