#pragma once
// What every tool window beside the editor does alike: its class, its place
// remembered, the keyboard back to the bytes on Escape, its close box hiding
// it as the View menu does, and its edit box ended when it hides or goes.
#include <windows.h>

// What a tool window adds to what they all do.
struct ToolWindowKind {
    const wchar_t* className;
    const wchar_t* caption;
    const char* placeSetting;
    int toggleCommand; // the frame's command that shows and hides it
    int widthAt96;
    int heightAt96;
    void (*create)(HWND window); // its controls
    void (*layOut)(HWND window);
    LRESULT (*notify)(const NMHDR& header);
    void (*command)(HWND window, WPARAM wParam); // its own controls' and Enter's (IDOK)
    void (*destroyed)();                         // its state dropped
};

// The messages every tool window handles alike; the others go to DefWindowProc.
LRESULT toolWindowMessage(const ToolWindowKind& kind, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Made hidden, where it was last (`remembered`) or beside the frame; null when it could not be.
HWND createToolWindow(const ToolWindowKind& kind, WNDPROC windowProc, HWND frame, bool& remembered);
// Hidden, its place remembered.
void hideToolWindow(const ToolWindowKind& kind, HWND window);
