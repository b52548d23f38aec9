#pragma once
// Finds the dialogs and message boxes a test brings up and works them as a
// user would: reads their text, types into their fields and presses their
// buttons. A DialogWatcher does it from a second thread while the test's own
// thread sits in the dialog's modal loop; every wait has a time limit, so a
// fault fails the test instead of hanging it.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace dialog_driver {

constexpr DWORD appearTimeout = 60000; // Wine's first file dialog is slow to come up
constexpr DWORD pollInterval = 50;
constexpr DWORD answerTimeout = 5000;

inline std::string classOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Sent with a time limit: the window may belong to another thread or process.
inline std::string textOf(HWND window)
{
    char text[2048] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        answerTimeout, &ignored);
    return text;
}

// Whose windows to look at: one thread of this process, or another process.
struct Scope {
    DWORD threadId = 0;
    DWORD processId = 0;

    static Scope thread(DWORD id) { return Scope{id, 0}; }
    static Scope process(DWORD id) { return Scope{0, id}; }

    bool holds(HWND window) const
    {
        DWORD process = 0;
        const DWORD thread = GetWindowThreadProcessId(window, &process);
        return threadId != 0 ? thread == threadId : process == processId;
    }
};

struct WindowSearch {
    Scope scope;
    const char* className;
    const char* title; // null: any
    bool visibleOnly;
    std::vector<HWND> found;
};

inline BOOL CALLBACK collectWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    if (search->scope.holds(window) && classOf(window) == search->className &&
        (!search->visibleOnly || IsWindowVisible(window)) &&
        (search->title == nullptr || textOf(window) == search->title)) {
        search->found.push_back(window);
    }
    return TRUE;
}

// Top-level windows of the scope with this class (and title, when given).
inline std::vector<HWND> topLevelWindows(const Scope& scope, const char* className, const char* title = nullptr,
                                         bool visibleOnly = false)
{
    WindowSearch search{scope, className, title, visibleOnly, {}};
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A visible top-level window of the scope with this class and title (null:
// any) whose owner passes `ownerFits`.
inline HWND waitForOwnedWindow(const Scope& scope, const char* className, const char* title,
                               const std::function<bool(HWND owner)>& ownerFits, DWORD timeout = appearTimeout)
{
    for (DWORD waited = 0; waited < timeout; waited += pollInterval) {
        for (HWND window : topLevelWindows(scope, className, title, true)) {
            if (ownerFits(GetWindow(window, GW_OWNER))) {
                return window;
            }
        }
        Sleep(pollInterval);
    }
    return nullptr;
}

inline HWND waitForWindow(const Scope& scope, const char* className, const char* title,
                          DWORD timeout = appearTimeout)
{
    return waitForOwnedWindow(scope, className, title, [](HWND) { return true; }, timeout);
}

inline bool waitUntilGone(HWND window, DWORD timeout = appearTimeout)
{
    for (DWORD waited = 0; waited < timeout; waited += pollInterval) {
        if (!IsWindow(window)) {
            return true;
        }
        Sleep(pollInterval);
    }
    return false;
}

inline bool isIconStatic(HWND control)
{
    return (GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

struct Children {
    std::vector<HWND> windows;
};

inline BOOL CALLBACK collectChild(HWND window, LPARAM parameter)
{
    reinterpret_cast<Children*>(parameter)->windows.push_back(window);
    return TRUE;
}

inline std::vector<HWND> childrenOf(HWND dialog)
{
    Children children;
    EnumChildWindows(dialog, collectChild, reinterpret_cast<LPARAM>(&children));
    return children.windows;
}

// The texts of the dialog's static text controls, top to bottom, one a line.
inline std::string staticText(HWND dialog)
{
    std::string text;
    for (HWND child : childrenOf(dialog)) {
        if (classOf(child) != "Static" || isIconStatic(child)) {
            continue;
        }
        const std::string line = textOf(child);
        if (!line.empty()) {
            text += (text.empty() ? "" : "\n") + line;
        }
    }
    return text;
}

// The icon a message box or dialog shows, or null.
inline HICON dialogIcon(HWND dialog)
{
    for (HWND child : childrenOf(dialog)) {
        if (classOf(child) == "Static" && isIconStatic(child)) {
            DWORD_PTR icon = 0;
            SendMessageTimeoutA(child, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, answerTimeout, &icon);
            return reinterpret_cast<HICON>(icon);
        }
    }
    return nullptr;
}

// A click on the button, as the mouse would give it.
inline bool clickButton(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    if (button == nullptr) {
        return false;
    }
    PostMessageA(button, BM_CLICK, 0, 0);
    return true;
}

// The command a key gives the dialog: Enter gives IDOK, Escape IDCANCEL.
inline void postCommand(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// The explorer-style file dialog has the name in a combo box (cmb13); the
// older one in an edit control (edt1).
inline HWND fileNameField(HWND dialog)
{
    for (const int id : {0x47C, 0x480}) {
        HWND control = GetDlgItem(dialog, id);
        if (control != nullptr && IsWindowVisible(control)) {
            return control;
        }
    }
    return nullptr;
}

// Drives the dialogs of the thread that makes it, from a second thread. Test
// assertions stay on the test thread; the watcher only records what it saw.
class DialogWatcher {
public:
    using Script = std::function<bool(DialogWatcher&)>;

    explicit DialogWatcher(Script script) : scope_(Scope::thread(GetCurrentThreadId()))
    {
        worker_ = std::thread([this, script] {
            completed_ = script(*this);
            closeLeftovers();
        });
    }
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;
    ~DialogWatcher() { finish(); }

    // Waits for the watcher; true when its script ran to the end.
    bool finish()
    {
        if (worker_.joinable()) {
            worker_.join();
        }
        return completed_;
    }
    const std::string& log() const { return log_; }
    void note(const std::string& text) { log_ += text + "; "; }
    const Scope& scope() const { return scope_; }

    // A visible dialog box or message box with this title.
    HWND waitForDialog(const char* title) { return reportMissing(waitForWindow(scope_, "#32770", title), title); }

    // The same, owned by `owner` (null: by no window); a dialog and the
    // question it asks may share a title.
    HWND waitForDialog(const char* title, HWND owner)
    {
        return reportMissing(
            waitForOwnedWindow(scope_, "#32770", title, [owner](HWND found) { return found == owner; }), title);
    }

    bool waitUntilClosed(HWND dialog)
    {
        if (!waitUntilGone(dialog)) {
            note("dialog \"" + textOf(dialog) + "\" stayed open");
            return false;
        }
        return true;
    }

    // Waits for the message box with this caption, records its text and icon,
    // presses the button and waits for it to close.
    bool answerMessageBox(const char* caption, int button, std::string& text, HICON& icon)
    {
        HWND box = waitForDialog(caption);
        if (box == nullptr) {
            return false;
        }
        text = staticText(box);
        icon = dialogIcon(box);
        if (!clickButton(box, button)) {
            note("the message box has no button " + std::to_string(button));
            return false;
        }
        return waitUntilClosed(box);
    }

    // Puts the name into the file dialog's name field, checking that it took.
    bool typeFileName(HWND dialog, const std::string& name)
    {
        HWND field = fileNameField(dialog);
        if (field == nullptr) {
            std::string controls;
            for (HWND child : childrenOf(dialog)) {
                controls += " " + classOf(child) + "#" + std::to_string(GetDlgCtrlID(child));
            }
            note("no file-name field among:" + controls);
            return false;
        }
        for (int attempt = 0; attempt < 20; ++attempt) {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()), SMTO_ABORTIFHUNG,
                                answerTimeout, &ignored);
            Sleep(100); // the dialog may still be filling its fields
            if (textOf(field) == name) {
                return true;
            }
        }
        note("the file name did not stay in the field");
        return false;
    }

private:
    HWND reportMissing(HWND dialog, const char* title)
    {
        if (dialog == nullptr) {
            note(std::string("no dialog \"") + title + "\" appeared");
        }
        return dialog;
    }

    // When the script failed half-way, answer No and Cancel, then every button,
    // until the test thread is free again. A dialog that cannot be closed ends
    // the process with a failure rather than hanging it.
    void closeLeftovers()
    {
        int rounds = 0;
        for (DWORD waited = 0; waited < appearTimeout; waited += pollInterval) {
            const std::vector<HWND> dialogs = topLevelWindows(scope_, "#32770", nullptr, true);
            if (dialogs.empty()) {
                return;
            }
            if (completed_ && waited < 10000) {
                Sleep(pollInterval); // the last press may still be on its way
                continue;
            }
            completed_ = false;
            for (HWND dialog : dialogs) {
                note("closing the leftover dialog \"" + textOf(dialog) + "\"");
                postCommand(dialog, IDNO);
                postCommand(dialog, IDCANCEL);
                if (rounds >= 3) {
                    for (HWND child : childrenOf(dialog)) {
                        if (classOf(child) == "Button") {
                            postCommand(dialog, GetDlgCtrlID(child));
                        }
                    }
                }
            }
            ++rounds;
            Sleep(500);
        }
        std::fprintf(stderr, "dialog driver: a dialog could not be closed, giving up: %s\n", log_.c_str());
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
    }

    Scope scope_;
    std::thread worker_;
    std::atomic<bool> completed_{false};
    std::string log_;
};

} // namespace dialog_driver
