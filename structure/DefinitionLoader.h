#pragma once
// Loads a .ksy structure definition with the files it imports.
#include "structure/Definition.h"

#include <memory>
#include <string>
#include <vector>

namespace structure {

// Reads definition files; the shell may serve them from elsewhere.
class DefinitionFiles {
public:
    virtual ~DefinitionFiles() = default;
    // False when there is no such file.
    virtual bool read(const std::string& absolutePath, std::string& out) const = 0;
};

// Plain files through the standard library.
class StandardDefinitionFiles final : public DefinitionFiles {
public:
    bool read(const std::string& absolutePath, std::string& out) const override;
};

struct LoadOptions {
    // Folders that `/`-rooted imports are looked up in first; after them the
    // importing file's folder and each folder above it.
    std::vector<std::string> definitionRoots;
};

// Throws DefinitionError (`FILE:LINE:COLUMN: reason`). `path` is shown as given.
std::unique_ptr<Definition> loadDefinition(const std::string& path, const DefinitionFiles& files,
                                           const LoadOptions& options = {});

// Loads from text already in memory (tests, and a definition being edited);
// imports are looked up beside `path`.
std::unique_ptr<Definition> loadDefinitionText(const std::string& path, const std::string& text,
                                               const DefinitionFiles& files, const LoadOptions& options = {});

} // namespace structure
