// Settings in the per-user registry: HKCU\Software\Nibblor\<name>, value <name>,
// REG_SZ data without a terminating zero byte.
#include <windows.h>

#include <string>

#include "editor/EditorCore.h"
#include "editor/Settings.h"
#include "editor/win32/SettingsStore.h"

namespace {

// Closes the key when it goes out of scope.
class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey()
    {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }
    bool open() const { return key_ != nullptr; }

private:
    HKEY key_ = nullptr;
};

bool openKey(HKEY parent, const char* name, RegistryKey& key)
{
    return RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, key.out()) == ERROR_SUCCESS;
}

bool openOrCreateKey(HKEY parent, const char* name, const char* keyClass, RegistryKey& key)
{
    if (openKey(parent, name, key)) {
        return true;
    }
    return RegCreateKeyExA(parent, name, 0, const_cast<char*>(keyClass), REG_OPTION_NON_VOLATILE,
                           KEY_ALL_ACCESS, nullptr, key.out(), nullptr) == ERROR_SUCCESS;
}

} // namespace

bool EditorCore::readSetting(const char* name, char* area, int capacity)
{
    if (area == nullptr || capacity < 1) {
        return false;
    }
    RegistryKey root;
    RegistryKey setting;
    if (!openKey(HKEY_CURRENT_USER, settings::rootKey, root) || !openKey(root.get(), name, setting)) {
        return false;
    }
    // The whole area is offered so that a value another tool stored with its
    // terminator still fits at the limit; the text itself keeps one byte free.
    DWORD length = static_cast<DWORD>(capacity);
    DWORD type = 0;
    if (RegQueryValueExA(setting.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(area), &length) !=
        ERROR_SUCCESS) {
        return false;
    }
    if (length > 0 && area[length - 1] == '\0') {
        return true;
    }
    if (length >= static_cast<DWORD>(capacity)) {
        return false;
    }
    area[length] = '\0';
    return true;
}

bool EditorCore::writeSetting(const char* name, const char* text)
{
    RegistryKey root;
    RegistryKey setting;
    openOrCreateKey(HKEY_CURRENT_USER, settings::rootKey, "", root);
    if (root.open()) {
        openOrCreateKey(root.get(), name, "REG_SZ", setting);
    }
    // The system counts a terminating zero in when it follows the data; a
    // non-zero byte there keeps the stored data to the text's characters.
    std::string data(text);
    const DWORD length = static_cast<DWORD>(data.size());
    data.push_back('\x01');
    // A missing key shows only through the failure of the write.
    return RegSetValueExA(setting.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()), length) ==
           ERROR_SUCCESS;
}

bool readFlagSetting(EditorCore& core, const char* name)
{
    char text[16] = {};
    return core.readSetting(name, text, sizeof text) && settings::decimalValue(text) != 0;
}

bool writeFlagSetting(EditorCore& core, const char* name, bool value)
{
    return core.writeSetting(name, value ? "1" : "0");
}

bool settingStored(const char* name)
{
    RegistryKey root;
    RegistryKey setting;
    return openKey(HKEY_CURRENT_USER, settings::rootKey, root) && openKey(root.get(), name, setting) &&
           RegQueryValueExA(setting.get(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}
