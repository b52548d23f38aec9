#include "structureview/DefinitionCatalogue.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string withoutDot(const std::string& extension)
{
    return !extension.empty() && extension.front() == '.' ? extension.substr(1) : extension;
}

bool isDefinitionFile(const fs::directory_entry& item)
{
    std::error_code ec;
    return item.is_regular_file(ec) && lowerCase(item.path().extension().u8string()) == ".ksy";
}

} // namespace

CatalogueEntry catalogueEntry(const std::string& path, const structure::DefinitionFiles& files,
                              const structure::LoadOptions& options)
{
    CatalogueEntry entry;
    entry.path = path;
    entry.title = fs::u8path(path).stem().u8string();
    try {
        const auto definition = structure::loadDefinition(path, files, options);
        const structure::Module& module = definition->main();
        if (!module.title.empty()) {
            entry.title = module.title;
        } else if (!module.id.empty()) {
            entry.title = module.id;
        }
        for (const std::string& extension : module.fileExtensions) {
            entry.extensions.push_back(lowerCase(withoutDot(extension)));
        }
    } catch (const std::exception&) {
        // Listed by its name: choosing it shows the reason.
    }
    return entry;
}

std::vector<CatalogueEntry> findDefinitions(const std::vector<std::string>& folders,
                                            const structure::DefinitionFiles& files,
                                            const structure::LoadOptions& options)
{
    std::vector<CatalogueEntry> entries;
    for (const std::string& folder : folders) {
        std::error_code ec;
        for (fs::directory_iterator item(fs::u8path(folder), ec), end; !ec && item != end; item.increment(ec)) {
            std::error_code absoluteError;
            const fs::path file = fs::absolute(item->path(), absoluteError);
            if (isDefinitionFile(*item) && !absoluteError) {
                entries.push_back(catalogueEntry(file.u8string(), files, options));
            }
        }
    }
    std::stable_sort(entries.begin(), entries.end(), [](const CatalogueEntry& a, const CatalogueEntry& b) {
        return lowerCase(a.title) < lowerCase(b.title);
    });
    return entries;
}

std::string extensionOf(const std::string& fileName)
{
    return lowerCase(withoutDot(fs::u8path(fileName).extension().u8string()));
}

std::optional<std::size_t> entryForExtension(const std::vector<CatalogueEntry>& entries, const std::string& extension)
{
    const std::string wanted = lowerCase(extension);
    for (std::size_t i = 0; !wanted.empty() && i < entries.size(); ++i) {
        const auto& names = entries[i].extensions;
        if (std::find(names.begin(), names.end(), wanted) != names.end()) {
            return i;
        }
    }
    return std::nullopt;
}
