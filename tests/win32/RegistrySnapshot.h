#pragma once
// A key under HKEY_CURRENT_USER, with everything below it, as a test found it:
// copied aside when the test starts and copied back when it ends.
#include <windows.h>

#include <string>
#include <utility>

class RegistrySnapshot {
public:
    explicit RegistrySnapshot(std::string path) : path_(std::move(path)), aside_(path_ + " (kept by a test)")
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, aside_.c_str());
        existed_ = copy(path_, aside_);
    }
    RegistrySnapshot(const RegistrySnapshot&) = delete;
    RegistrySnapshot& operator=(const RegistrySnapshot&) = delete;
    ~RegistrySnapshot() { restore(); }

    // Removes the key and all below it, as a test's starting point.
    void clear() const { RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str()); }

    void restore()
    {
        if (restored_) {
            return;
        }
        restored_ = true;
        clear();
        if (existed_) {
            copy(aside_, path_);
            RegDeleteTreeA(HKEY_CURRENT_USER, aside_.c_str());
        }
    }

private:
    // Values are copied byte for byte; false when there is no key to copy.
    static bool copy(const std::string& from, const std::string& to)
    {
        HKEY source = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, from.c_str(), 0, KEY_READ, &source) != ERROR_SUCCESS) {
            return false;
        }
        HKEY target = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, to.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target,
                            nullptr) == ERROR_SUCCESS) {
            RegCopyTreeA(source, nullptr, target);
            RegCloseKey(target);
        }
        RegCloseKey(source);
        return true;
    }

    std::string path_;
    std::string aside_;
    bool existed_ = false;
    bool restored_ = false;
};
