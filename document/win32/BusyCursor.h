#pragma once
// The hourglass while work on a large document takes a noticeable time.
#include <windows.h>

#include <cstdint>

class BusyCursor {
public:
    // Shown only for documents (or files) over the size a person would notice.
    explicit BusyCursor(std::int64_t bytes);
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    ~BusyCursor();

private:
    HCURSOR previous_ = nullptr;
    bool shown_ = false;
};
