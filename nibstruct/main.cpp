// nibstruct DEFINITION.ksy FILE: the structure a .ksy definition lays over a
// file, as JSON on standard output.
//   exit 0: the file parsed whole; 1: the data ended early or failed a check
//   (the partial tree is printed, with "error" filled in); 2: the definition
//   or the file could not be loaded (FILE:LINE:COLUMN: reason on stderr).
#include "nibstruct/FileByteSource.h"
#include "nibstruct/PlatformText.h"
#include "structure/DefinitionLoader.h"
#include "structure/ParseSession.h"
#include "structure/TreeJson.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int parsedWhole = 0;
constexpr int dataError = 1;
constexpr int loadFailedExit = 2;

// The tree writer hands over large pieces already; stdio buffers the rest.
class StdoutSink final : public structure::JsonSink {
public:
    void write(const std::string& text) override { std::fwrite(text.data(), 1, text.size(), stdout); }
};

int usage()
{
    std::cerr << "usage: nibstruct [--definitions FOLDER]... DEFINITION.ksy FILE\n";
    return loadFailedExit;
}

} // namespace

int main(int argc, char** argv)
{
    nibstructBinaryStdout();
    structure::LoadOptions options;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--definitions" && i + 1 < argc) {
            options.definitionRoots.push_back(argv[++i]);
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usage();
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) {
        return usage();
    }
    // The definitions shipped beside the program serve `/`-rooted imports too.
    std::error_code ec;
    const auto beside = nibstructProgramPath(argv[0]).parent_path() / "formats";
    if (std::filesystem::is_directory(beside, ec)) {
        options.definitionRoots.push_back(beside.u8string());
    }

    std::unique_ptr<structure::Definition> definition;
    structure::StandardDefinitionFiles files;
    try {
        definition = structure::loadDefinition(positional[0], files, options);
    } catch (const structure::DefinitionError& e) {
        std::cerr << e.what() << "\n";
        return loadFailedExit;
    }
    const std::string dataPath = std::filesystem::absolute(std::filesystem::u8path(positional[1]), ec).u8string();
    FileByteSource data(ec ? positional[1] : dataPath);
    if (!data.ok()) {
        std::cerr << positional[1] << ": cannot open the file\n";
        return loadFailedExit;
    }
    const auto converter = nibstructTextConverter();
    structure::ParseSession session(*definition, data, *converter);
    session.parse();
    StdoutSink out;
    structure::writeDocumentJson(session, out);
    std::fflush(stdout);
    return session.error() ? dataError : parsedWhole;
}
