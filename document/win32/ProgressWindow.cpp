#include "document/win32/ProgressWindow.h"

#include <commctrl.h>

#include <utility>

#include "resources/ResourceIds.h"

namespace {

constexpr DWORD defaultShowDelay = 500; // about half a second: work that takes longer is shown
constexpr int barRange = 1000;
// At most this many messages between two steps: a window that keeps asking
// to be painted cannot hold the work up.
constexpr int messagesPerStep = 256;

struct EnabledWindows {
    HWND except;
    std::vector<HWND>* found;
};

BOOL CALLBACK collectEnabled(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<EnabledWindows*>(parameter);
    if (window != search->except && IsWindowVisible(window) != FALSE && IsWindowEnabled(window) != FALSE) {
        search->found->push_back(window);
    }
    return TRUE;
}

} // namespace

DWORD ProgressWindow::showDelay = defaultShowDelay;

ProgressWindow::ProgressWindow(HINSTANCE instance, HWND owner, std::string doing)
    : instance_(instance), owner_(owner), doing_(std::move(doing))
{
}

ProgressWindow::~ProgressWindow()
{
    close();
}

bool ProgressWindow::advance(std::int64_t done, std::int64_t total)
{
    if (!work_) {
        work_.emplace();
        started_ = GetTickCount();
    }
    const bool finished = done >= total;
    if (dialog_ == nullptr && !finished && GetTickCount() - started_ >= showDelay) {
        show();
    }
    if (dialog_ != nullptr) {
        const std::int64_t position = finished ? barRange : done * barRange / total;
        SendDlgItemMessageA(dialog_, progressBar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
        serveMessages();
        // What follows the last step (handing the clipboard its text, say) cannot be taken back.
        if (finished && !cancelled_) {
            EnableWindow(GetDlgItem(dialog_, IDCANCEL), FALSE);
        }
    }
    return !cancelled_;
}

void ProgressWindow::show()
{
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    const HWND topLevel = owner_ != nullptr ? GetAncestor(owner_, GA_ROOT) : nullptr;
    dialog_ = CreateDialogParamA(instance_, progressDialogTemplate, topLevel, dialogProc,
                                 reinterpret_cast<LPARAM>(this));
    if (dialog_ == nullptr) {
        return; // the work goes on unseen, as it would without
    }
    // Every other window, not only the owner: the modeless ones could start other work.
    EnabledWindows search{dialog_, &disabled_};
    EnumThreadWindows(GetCurrentThreadId(), collectEnabled, reinterpret_cast<LPARAM>(&search));
    for (const HWND window : disabled_) {
        EnableWindow(window, FALSE);
    }
    ShowWindow(dialog_, SW_SHOW);
    SetFocus(GetDlgItem(dialog_, IDCANCEL));
    UpdateWindow(dialog_);
}

void ProgressWindow::serveMessages()
{
    MSG message;
    for (int served = 0; served < messagesPerStep && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != FALSE;
         ++served) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam)); // for the loop that ends the program
            cancelled_ = true;
            return;
        }
        if (IsDialogMessageA(dialog_, &message) == FALSE) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

void ProgressWindow::close()
{
    // Enabled before the dialog goes, so that its owner is activated again.
    for (auto window = disabled_.rbegin(); window != disabled_.rend(); ++window) {
        if (IsWindow(*window) != FALSE) {
            EnableWindow(*window, TRUE);
        }
    }
    disabled_.clear();
    if (dialog_ != nullptr) {
        DestroyWindow(dialog_);
        dialog_ = nullptr;
    }
    work_.reset();
}

INT_PTR CALLBACK ProgressWindow::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        SetDlgItemTextA(dialog, progressTextLine, reinterpret_cast<ProgressWindow*>(lParam)->doing_.c_str());
        SendDlgItemMessageA(dialog, progressBar, PBM_SETRANGE32, 0, barRange);
        return FALSE; // no focus yet: that would activate the window before the others are disabled
    case WM_COMMAND:
        // Cancel, Escape and the close box.
        if (LOWORD(wParam) == IDCANCEL) {
            reinterpret_cast<ProgressWindow*>(GetWindowLongPtrA(dialog, DWLP_USER))->cancelled_ = true;
            EnableWindow(GetDlgItem(dialog, IDCANCEL), FALSE); // heard: the work stops at its next step
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
