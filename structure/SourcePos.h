#pragma once
// Where something was written in a definition file, and the errors that say so.
#include <memory>
#include <stdexcept>
#include <string>

namespace structure {

struct SourcePos {
    std::shared_ptr<const std::string> file; // as the user named it, or the import's path
    int line = 0; // 1-based
    int column = 0; // 1-based

    SourcePos shifted(int columns) const { return {file, line, column + columns}; }
    std::string text() const; // FILE:LINE:COLUMN
};

// A definition that cannot be used: the message reads `FILE:LINE:COLUMN: reason`.
class DefinitionError : public std::runtime_error {
public:
    DefinitionError(const SourcePos& pos, const std::string& reason)
        : std::runtime_error(pos.text() + ": " + reason), pos_(pos), reason_(reason)
    {}
    const SourcePos& pos() const { return pos_; }
    const std::string& reason() const { return reason_; }

private:
    SourcePos pos_;
    std::string reason_;
};

} // namespace structure
