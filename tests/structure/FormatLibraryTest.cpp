// Loads every definition of the public format library (../shared/ksy beside
// the project) and parses each sample file it has; skipped when absent.
#include "StructureTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

namespace {

namespace fs = std::filesystem;

fs::path libraryFolder()
{
    return fs::path(NIBBLOR_SOURCE_ROOT) / ".." / "shared" / "ksy";
}

TEST(StructureFormatLibrary, EveryDefinitionLoads)
{
    const fs::path formats = libraryFolder() / "formats";
    if (!fs::is_directory(formats)) {
        GTEST_SKIP() << "no format library at " << formats;
    }
    structure::StandardDefinitionFiles files;
    std::size_t loaded = 0, total = 0;
    for (const auto& entry : fs::recursive_directory_iterator(formats)) {
        if (entry.path().extension() != ".ksy") {
            continue;
        }
        ++total;
        try {
            structure::loadDefinition(entry.path().string(), files);
            ++loaded;
        } catch (const structure::DefinitionError& e) {
            ADD_FAILURE() << e.what();
        }
    }
    std::cout << "[ structure ] " << loaded << " of " << total << " library definitions load\n";
    EXPECT_GT(total, 0u);
}

} // namespace
