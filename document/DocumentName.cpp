#include "document/DocumentName.h"

#include <system_error>

FilePath absolutePath(const FilePath& path)
{
    std::error_code error;
    FilePath whole = std::filesystem::absolute(path, error);
    return error ? path : whole;
}

DocumentName DocumentName::given(const FilePath& path)
{
    if (path.empty()) {
        return {};
    }
    return {path, absolutePath(path)};
}
