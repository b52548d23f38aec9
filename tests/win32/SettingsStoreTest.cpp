// The settings store against the real registry: the stored layout, reading at
// the capacity limit, and the colours and font taken from it.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "editor/EditorCore.h"
#include "editor/win32/SettingsApply.h"

namespace {

const char* const rootKey = "Software\\Nibblor";

void deleteStore()
{
    const LONG result = RegDeleteTreeA(HKEY_CURRENT_USER, rootKey);
    ASSERT_TRUE(result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND) << result;
}

// Opens HKCU\<path> for reading; null when it does not exist.
HKEY openRaw(const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return nullptr;
    }
    return key;
}

struct RawValue {
    bool found = false;
    DWORD type = 0;
    std::string data; // exactly the stored bytes
};

// The value <name> in the key Software\Nibblor\<name>, read straight from the registry.
RawValue rawSetting(const char* name)
{
    RawValue value;
    HKEY key = openRaw(std::string(rootKey) + "\\" + name);
    if (key == nullptr) {
        return value;
    }
    char data[4096];
    DWORD length = sizeof data;
    if (RegQueryValueExA(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(data), &length) == ERROR_SUCCESS) {
        value.found = true;
        value.data.assign(data, length);
    }
    RegCloseKey(key);
    return value;
}

std::string keyClass(const std::string& path)
{
    HKEY key = openRaw(path);
    if (key == nullptr) {
        return "<missing>";
    }
    char text[256] = {};
    DWORD length = sizeof text;
    RegQueryInfoKeyA(key, text, &length, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(key);
    return std::string(text, length);
}

std::set<std::string> storedSubkeys()
{
    std::set<std::string> names;
    HKEY root = openRaw(rootKey);
    if (root == nullptr) {
        return names;
    }
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(root, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        names.insert(std::string(name, length));
    }
    RegCloseKey(root);
    return names;
}

// Stores a value as another tool might: any type, any bytes, keys created plainly.
void storeRaw(const char* name, DWORD type, const void* data, DWORD length)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(rootKey) + "\\" + name).c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), length), ERROR_SUCCESS);
    RegCloseKey(key);
}

LOGFONTA describe(HFONT font)
{
    LOGFONTA description = {};
    EXPECT_EQ(GetObjectA(font, sizeof description, &description), static_cast<int>(sizeof description));
    return description;
}

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override { deleteStore(); }
    void TearDown() override { deleteStore(); }

    std::unique_ptr<EditorCore> editor = std::make_unique<EditorCore>();
};

TEST_F(SettingsStore, WriteCreatesTheKeysAndStoresTheTextWithoutTerminator)
{
    ASSERT_TRUE(editor->writeSetting("FontSize", "14"));
    EXPECT_EQ(keyClass(rootKey), "");
    EXPECT_EQ(keyClass(std::string(rootKey) + "\\FontSize"), "REG_SZ");
    const RawValue stored = rawSetting("FontSize");
    ASSERT_TRUE(stored.found);
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored.data, std::string("14")); // length 2, no zero byte
    EXPECT_EQ(storedSubkeys(), std::set<std::string>{"FontSize"});

    // A second setting joins the existing root key; a shorter text replaces a longer one whole.
    ASSERT_TRUE(editor->writeSetting("FontName", "Courier New"));
    ASSERT_TRUE(editor->writeSetting("FontName", "Arial"));
    EXPECT_EQ(rawSetting("FontName").data, std::string("Arial"));
    EXPECT_EQ(rawSetting("FontSize").data, std::string("14"));
    EXPECT_EQ(storedSubkeys(), (std::set<std::string>{"FontName", "FontSize"}));
}

TEST_F(SettingsStore, MissingSettingFailsToRead)
{
    char area[1024];
    EXPECT_FALSE(editor->readSetting("FontSize", area, sizeof area)); // no root key
    ASSERT_TRUE(editor->writeSetting("FontName", "Arial"));
    EXPECT_FALSE(editor->readSetting("FontSize", area, sizeof area)); // no setting key

    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Nibblor\\FontSize", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_FALSE(editor->readSetting("FontSize", area, sizeof area)); // key without its value
    // Reading never creates anything.
    EXPECT_EQ(storedSubkeys(), (std::set<std::string>{"FontName", "FontSize"}));
}

TEST_F(SettingsStore, CapacityLessOneCharactersFitOneMoreFails)
{
    for (const int capacity : {10, 32, 1024}) {
        SCOPED_TRACE(capacity);
        const std::string fits(static_cast<std::size_t>(capacity - 1), 'n');
        std::unique_ptr<char[]> area(new char[static_cast<std::size_t>(capacity)]);
        ASSERT_TRUE(editor->writeSetting("FontName", fits.c_str()));
        ASSERT_TRUE(editor->readSetting("FontName", area.get(), capacity));
        EXPECT_EQ(std::string(area.get()), fits);

        const std::string tooLong = fits + "n";
        ASSERT_TRUE(editor->writeSetting("FontName", tooLong.c_str()));
        EXPECT_FALSE(editor->readSetting("FontName", area.get(), capacity));
        // The store keeps the whole text; only this reader could not take it.
        EXPECT_EQ(rawSetting("FontName").data, tooLong);
    }
}

TEST_F(SettingsStore, ValueStoredWithTerminatorReadsTheSame)
{
    storeRaw("FontName", REG_SZ, "Arial", 6);
    ASSERT_EQ(rawSetting("FontName").data, std::string("Arial", 6));
    char area[1024];
    ASSERT_TRUE(editor->readSetting("FontName", area, sizeof area));
    EXPECT_STREQ(area, "Arial");

    // Also at the limit: capacity - 1 characters and their terminator.
    const std::string longest(31, 'w');
    storeRaw("FontName", REG_SZ, longest.c_str(), 32);
    char face[32];
    ASSERT_TRUE(editor->readSetting("FontName", face, sizeof face));
    EXPECT_EQ(std::string(face), longest);
}

TEST_F(SettingsStore, NoColourSettingsLeaveTheColoursAndTheStoreAlone)
{
    // As an earlier editor window may have left them.
    editor->activeCursorColor = 0x010203;
    editor->inactiveCursorColor = 0x040506;
    editor->selectionColor = 0x070809;
    editor->textColor = 0x0A0B0C;
    editor->backgroundColor = 0x0D0E0F;
    readColorSettings(*editor);
    EXPECT_EQ(editor->activeCursorColor, 0x010203u);
    EXPECT_EQ(editor->inactiveCursorColor, 0x040506u);
    EXPECT_EQ(editor->selectionColor, 0x070809u);
    EXPECT_EQ(editor->textColor, 0x0A0B0Cu);
    EXPECT_EQ(editor->backgroundColor, 0x0D0E0Fu);
    EXPECT_EQ(openRaw(rootKey), nullptr) << "reading the colours created keys";

    // With the root key present but no colour keys, still nothing is added.
    ASSERT_TRUE(editor->writeSetting("FontSize", "14"));
    readColorSettings(*editor);
    EXPECT_EQ(storedSubkeys(), std::set<std::string>{"FontSize"});
}

TEST_F(SettingsStore, EachColourComesFromItsOwnSettingAsADecimalValue)
{
    ASSERT_TRUE(editor->writeSetting("Active Cursor", "255"));
    ASSERT_TRUE(editor->writeSetting("Inactive Cursor", "abc"));
    ASSERT_TRUE(editor->writeSetting("Selection", "  65280"));
    ASSERT_TRUE(editor->writeSetting("Text", "16711680xyz"));
    ASSERT_TRUE(editor->writeSetting("Background", "-1"));
    readColorSettings(*editor);
    EXPECT_EQ(editor->activeCursorColor, 0x0000FFu);   // red
    EXPECT_EQ(editor->inactiveCursorColor, 0u);        // no number: black
    EXPECT_EQ(editor->selectionColor, 0x00FF00u);
    EXPECT_EQ(editor->textColor, 0xFF0000u);
    EXPECT_EQ(editor->backgroundColor, 0xFFFFFFFFu);
}

TEST_F(SettingsStore, FirstFontStoresOnlyTheTwoFontDefaults)
{
    HFONT font = createFontFromSettings(*editor);
    ASSERT_NE(font, nullptr);
    const LOGFONTA description = describe(font);
    EXPECT_EQ(description.lfHeight, 14);
    EXPECT_EQ(description.lfWidth, 0);
    EXPECT_EQ(description.lfWeight, 0);
    EXPECT_STREQ(description.lfFaceName, "Courier New");
    DeleteObject(font);

    EXPECT_EQ(storedSubkeys(), (std::set<std::string>{"FontName", "FontSize"}));
    EXPECT_EQ(rawSetting("FontSize").data, std::string("14"));
    EXPECT_EQ(rawSetting("FontName").data, std::string("Courier New"));
    EXPECT_EQ(rawSetting("FontName").type, static_cast<DWORD>(REG_SZ));
}

TEST_F(SettingsStore, StoredFontIsUsedAndNotRewritten)
{
    ASSERT_TRUE(editor->writeSetting("FontSize", "-13"));
    ASSERT_TRUE(editor->writeSetting("FontName", "Arial"));
    HFONT font = createFontFromSettings(*editor);
    const LOGFONTA description = describe(font);
    EXPECT_EQ(description.lfHeight, -13);
    EXPECT_STREQ(description.lfFaceName, "Arial");
    DeleteObject(font);
    EXPECT_EQ(rawSetting("FontSize").data, std::string("-13"));
    EXPECT_EQ(rawSetting("FontName").data, std::string("Arial"));
}

// A name too long for the face-name field: the window falls back to the default
// face, and the user's stored name survives.
TEST_F(SettingsStore, OverlongFaceNameFallsBackWithoutOverwritingIt)
{
    const std::string name = "An Unusually Long Font Face Name Of Forty"; // 41 characters
    ASSERT_TRUE(editor->writeSetting("FontName", name.c_str()));
    ASSERT_TRUE(editor->writeSetting("FontSize", "20"));
    HFONT font = createFontFromSettings(*editor);
    const LOGFONTA description = describe(font);
    EXPECT_STREQ(description.lfFaceName, "Courier New");
    EXPECT_EQ(description.lfHeight, 20);
    DeleteObject(font);
    EXPECT_EQ(rawSetting("FontName").data, name);
}

TEST_F(SettingsStore, OverlongFontSizeFallsBackWithoutOverwritingIt)
{
    const std::string size = std::string(1100, ' ') + "12";
    ASSERT_TRUE(editor->writeSetting("FontSize", size.c_str()));
    HFONT font = createFontFromSettings(*editor);
    EXPECT_EQ(describe(font).lfHeight, 14);
    DeleteObject(font);
    EXPECT_EQ(rawSetting("FontSize").data, size);
}

} // namespace
