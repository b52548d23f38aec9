#pragma once
// The structure definitions the Structure window offers: every .ksy file in
// the folders it looks in, listed by title, and the one a file's extension
// calls for.
#include <optional>
#include <string>
#include <vector>

#include "structure/DefinitionLoader.h"

struct CatalogueEntry {
    std::string title; // meta/title, else meta/id, else the file's name
    std::string path;  // absolute, UTF-8
    std::vector<std::string> extensions; // meta/file-extension, without dots
};

// The definitions in `folders` (UTF-8 paths; missing folders are passed
// over), sorted by title. A file that does not load is still listed, by its
// name, so that choosing it shows why.
std::vector<CatalogueEntry> findDefinitions(const std::vector<std::string>& folders,
                                            const structure::DefinitionFiles& files,
                                            const structure::LoadOptions& options = {});

// One definition file's entry, its title read from the file.
CatalogueEntry catalogueEntry(const std::string& path, const structure::DefinitionFiles& files,
                              const structure::LoadOptions& options = {});

// The file's extension as a definition names it: lower case, without the dot; empty for none.
std::string extensionOf(const std::string& fileName);

// The first entry naming the extension, compared without regard to case.
std::optional<std::size_t> entryForExtension(const std::vector<CatalogueEntry>& entries, const std::string& extension);
