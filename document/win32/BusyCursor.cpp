#include "document/win32/BusyCursor.h"

namespace {

constexpr std::int64_t noticeableBytes = std::int64_t{16} << 20;

} // namespace

BusyCursor::BusyCursor(std::int64_t bytes)
{
    if (bytes > noticeableBytes) {
        previous_ = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        shown_ = true;
    }
}

BusyCursor::~BusyCursor()
{
    if (shown_) {
        SetCursor(previous_);
    }
}

std::int64_t BusyCursor::fileSize(const char* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExA(path, GetFileExInfoStandard, &data) == FALSE) {
        return 0;
    }
    return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}
