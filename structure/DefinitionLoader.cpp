#include "structure/DefinitionLoader.h"

#include "structure/NameResolver.h"
#include "structure/TypeLoader.h"
#include "structure/YamlTree.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace structure {

namespace {

namespace fs = std::filesystem;

// Import chains deeper than this are taken for a runaway.
constexpr int maxImportDepth = 64;
constexpr const char* definitionExtension = ".ksy";

std::string absolutePath(const std::string& path)
{
    std::error_code ec;
    fs::path p = fs::absolute(fs::u8path(path), ec);
    if (ec) {
        p = fs::u8path(path);
    }
    return p.lexically_normal().u8string();
}

class Loader {
public:
    Loader(const DefinitionFiles& files, const LoadOptions& options) : files_(files), options_(options) {}

    std::unique_ptr<Definition> run(const std::string& shownName, const std::string& text)
    {
        load(absolutePath(shownName), std::make_shared<const std::string>(shownName), text, 0);
        resolveNames(*definition_);
        return std::move(definition_);
    }

private:
    const Module& load(const std::string& path, std::shared_ptr<const std::string> shownName, const std::string& text,
                       int depth)
    {
        auto owned = std::make_unique<Module>();
        Module& module = definition_->add(std::move(owned));
        module.path = path;
        module.shownName = shownName;
        const YamlNode top = parseYaml(text, shownName);
        const auto imports = loadModuleMeta(top, module);
        module.root.name = module.id;
        module.root.module = &module;
        loadType(top, module.root);
        for (const auto& import : imports) {
            module.imports.push_back(&importModule(module, import.first, import.second, depth + 1));
        }
        return module;
    }

    const Module& importModule(const Module& from, const std::string& name, const SourcePos& pos, int depth)
    {
        if (depth > maxImportDepth) {
            throw DefinitionError(pos, "imports nested too deeply");
        }
        std::vector<std::string> candidates;
        const fs::path fromDir = fs::u8path(from.path).parent_path();
        if (!name.empty() && name[0] == '/') {
            const std::string rest = name.substr(1) + definitionExtension;
            for (const auto& root : options_.definitionRoots) {
                candidates.push_back(absolutePath((fs::u8path(root) / fs::u8path(rest)).u8string()));
            }
            for (fs::path dir = fromDir;; dir = dir.parent_path()) {
                candidates.push_back((dir / fs::u8path(rest)).lexically_normal().u8string());
                if (dir == dir.parent_path() || dir.empty()) {
                    break;
                }
            }
        } else {
            candidates.push_back((fromDir / fs::u8path(name + definitionExtension)).lexically_normal().u8string());
        }
        for (const auto& candidate : candidates) {
            // A file already loaded (an import cycle among them) is shared, not loaded again.
            if (const Module* known = definition_->findByPath(candidate)) {
                return *known;
            }
            std::string text;
            if (files_.read(candidate, text)) {
                const std::string shown = fs::u8path(candidate).u8string();
                return load(candidate, std::make_shared<const std::string>(shown), text, depth);
            }
        }
        throw DefinitionError(pos, "cannot find the import '" + name + "' (looked for " + candidates.front() + ")");
    }

    const DefinitionFiles& files_;
    const LoadOptions& options_;
    std::unique_ptr<Definition> definition_ = std::make_unique<Definition>();
};

} // namespace

bool StandardDefinitionFiles::read(const std::string& absolutePath, std::string& out) const
{
    std::ifstream in(fs::u8path(absolutePath), std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        return false;
    }
    out = buffer.str();
    return true;
}

std::unique_ptr<Definition> loadDefinition(const std::string& path, const DefinitionFiles& files,
                                           const LoadOptions& options)
{
    std::string text;
    if (!files.read(absolutePath(path), text)) {
        throw DefinitionError({std::make_shared<const std::string>(path), 1, 1}, "cannot read the definition file");
    }
    return Loader(files, options).run(path, text);
}

std::unique_ptr<Definition> loadDefinitionText(const std::string& path, const std::string& text,
                                               const DefinitionFiles& files, const LoadOptions& options)
{
    return Loader(files, options).run(path, text);
}

} // namespace structure
