#include "structure/SourcePos.h"

namespace structure {

std::string SourcePos::text() const
{
    return (file ? *file : std::string("?")) + ":" + std::to_string(line) + ":" + std::to_string(column);
}

} // namespace structure
