#pragma once
// Long work's progress on the one UI thread. After a moment a small window
// says what is being done, with a bar and Cancel; while it shows, the
// thread's other windows are disabled and the queued messages are served
// between steps, so that the windows keep painting and Cancel can be clicked.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/Progress.h"

class ProgressWindow final : public Progress {
public:
    // The window belongs to `owner`'s top-level window; `doing` is its text.
    ProgressWindow(HINSTANCE instance, HWND owner, std::string doing);
    ~ProgressWindow() override;
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    bool advance(std::int64_t done, std::int64_t total) override;

    // How long work runs before its progress shows, in milliseconds; tests shorten it.
    static DWORD showDelay;

private:
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void show();
    void serveMessages();
    // The other windows enabled again, this one gone.
    void close();

    HINSTANCE instance_;
    HWND owner_;
    std::string doing_;
    std::optional<LongWork> work_; // from the first step on
    DWORD started_ = 0;
    HWND dialog_ = nullptr;
    std::vector<HWND> disabled_;
    bool cancelled_ = false;
};
