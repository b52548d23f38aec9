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
