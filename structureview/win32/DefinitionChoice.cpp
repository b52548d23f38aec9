// The Structure window's drop-down list of definitions: those in the
// folders it looks in, any the user browsed to, "(none)" and "Browse...";
// the choice made for a new document by its extension, and the user's
// choice for an extension remembered in the registry.
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <filesystem>

#include "document/DocumentName.h"
#include "document/win32/FileDialogs.h"
#include "editor/EditorCore.h"
#include "editor/Settings.h"
#include "editor/win32/TextConversion.h"
#include "structureview/win32/StructurePanel.h"

namespace {

constexpr wchar_t noneItem[] = L"(none)";
constexpr wchar_t browseItem[] = L"Browse...";
constexpr wchar_t definitionFilter[] = L"Structure definitions (*.ksy)\0*.ksy\0All files (*.*)\0*.*\0";
constexpr wchar_t userFormatsFolder[] = L"Nibblor\\Formats";
constexpr wchar_t programFormatsFolder[] = L"formats";
constexpr DWORD longestPath = 32768;

std::string utf8(const std::wstring& text)
{
    std::string narrow;
    narrowText(text, CP_UTF8, narrow);
    return narrow;
}

std::wstring extensionsKey()
{
    return wideText(std::string(settings::rootKey) + "\\" + settings::structureByExtension, CP_UTF8);
}

// `formats` beside the program, then the user's own folder.
std::vector<std::string> definitionFolders()
{
    std::vector<std::string> folders;
    std::wstring program(longestPath, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, &program[0], longestPath);
    if (length > 0 && length < longestPath) {
        program.resize(length);
        folders.push_back(utf8((std::filesystem::path(program).parent_path() / programFormatsFolder).wstring()));
    }
    wchar_t appData[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData))) {
        folders.push_back(utf8((std::filesystem::path(appData) / userFormatsFolder).wstring()));
    }
    return folders;
}

std::string documentExtension()
{
    return extensionOf(utf8(editorCore.files.documentName()));
}

// The user's choice for the extension: a definition's path, or empty for none.
std::optional<std::string> rememberedChoice(const std::string& extension)
{
    if (extension.empty()) {
        return std::nullopt;
    }
    const std::wstring name = wideText(extension, CP_UTF8);
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, extensionsKey().c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                     &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring path(bytes / sizeof(wchar_t) + 1, L'\0'); // room for a terminator the value lacks
    bytes = static_cast<DWORD>(path.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, extensionsKey().c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, &path[0],
                     &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    path.resize(wcsnlen(path.c_str(), path.size()));
    return utf8(path);
}

void rememberChoice(const std::string& path)
{
    const std::string extension = documentExtension();
    HKEY key = nullptr;
    if (extension.empty() || RegCreateKeyExW(HKEY_CURRENT_USER, extensionsKey().c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                             nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    const std::wstring name = wideText(extension, CP_UTF8);
    const std::wstring value = wideText(path, CP_UTF8);
    RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

int itemCount()
{
    return static_cast<int>(SendMessageW(structurePanel.definitionBox, CB_GETCOUNT, 0, 0));
}

// The drop-down list's item for the chosen definition: "(none)" first, then the definitions.
int itemOfChoice()
{
    const std::string& chosen = structurePanel.view->chosenPath();
    const auto& entries = structurePanel.definitions;
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const CatalogueEntry& entry) { return !chosen.empty() && entry.path == chosen; });
    return found == entries.end() ? 0 : static_cast<int>(found - entries.begin()) + 1;
}

void showChoice()
{
    StructurePanel& panel = structurePanel;
    SendMessageW(panel.definitionBox, CB_SETCURSEL, static_cast<WPARAM>(itemOfChoice()), 0);
    const std::string& status = !panel.view->loadError().empty() ? panel.view->loadError() : panel.view->chosenPath();
    SetWindowTextW(panel.statusLine, wideText(status, CP_UTF8).c_str());
    showStructureRows();
}

// The entry for a file the user named, listed once.
void addDefinition(const std::string& path)
{
    auto& entries = structurePanel.definitions;
    const bool listed = std::any_of(entries.begin(), entries.end(),
                                    [&](const CatalogueEntry& entry) { return entry.path == path; });
    if (!listed) {
        entries.push_back(catalogueEntry(path, structureDefinitionFiles, structurePanel.loadOptions));
        const int browse = itemCount() - 1;
        SendMessageW(structurePanel.definitionBox, CB_INSERTSTRING, static_cast<WPARAM>(browse),
                     reinterpret_cast<LPARAM>(wideText(entries.back().title, CP_UTF8).c_str()));
    }
}

void choose(const std::string& path)
{
    if (path.empty()) {
        structurePanel.view->chooseNone();
    } else {
        addDefinition(path);
        structurePanel.view->choose(path, structurePanel.loadOptions);
    }
    showChoice();
}

} // namespace

void fillDefinitionBox()
{
    StructurePanel& panel = structurePanel;
    panel.loadOptions.definitionRoots = definitionFolders();
    panel.definitions = findDefinitions(panel.loadOptions.definitionRoots, structureDefinitionFiles, panel.loadOptions);
    SendMessageW(panel.definitionBox, CB_RESETCONTENT, 0, 0);
    SendMessageW(panel.definitionBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(noneItem));
    for (const CatalogueEntry& entry : panel.definitions) {
        SendMessageW(panel.definitionBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideText(entry.title, CP_UTF8).c_str()));
    }
    SendMessageW(panel.definitionBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(browseItem));
    SendMessageW(panel.definitionBox, CB_SETCURSEL, 0, 0);
}

void chooseDefinitionForDocument()
{
    StructurePanel& panel = structurePanel;
    panel.documentSeen = editorCore.files.documentName();
    const std::string extension = documentExtension();
    std::error_code ec;
    if (const auto remembered = rememberedChoice(extension);
        remembered && (remembered->empty() || std::filesystem::exists(std::filesystem::u8path(*remembered), ec))) {
        choose(*remembered);
    } else if (const auto entry = entryForExtension(panel.definitions, extension)) {
        choose(panel.definitions[*entry].path);
    } else {
        choose({});
    }
}

void definitionPicked()
{
    const int item = static_cast<int>(SendMessageW(structurePanel.definitionBox, CB_GETCURSEL, 0, 0));
    std::string path;
    if (item == itemCount() - 1) {
        FilePath chosen;
        if (!chooseFileOfType(structurePanel.window, definitionFilter, chosen)) {
            showChoice(); // back to what was chosen
            return;
        }
        path = utf8(absolutePath(chosen).wstring());
    } else if (item > 0 && static_cast<std::size_t>(item) <= structurePanel.definitions.size()) {
        path = structurePanel.definitions[static_cast<std::size_t>(item) - 1].path;
    }
    choose(path);
    rememberChoice(path);
}
