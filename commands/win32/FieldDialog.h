#pragma once
// A modal dialog of one edit field, as Go to, Fill Selection and Insert chars
// use: OK reads the field's whole text (UTF-8) and ends the dialog once `accept`
// takes it (when it does not, `accept` has warned and the dialog stays open);
// Cancel gives up. Enter and Escape do what the template's buttons make them.
#include <windows.h>

#include <functional>
#include <string>

struct FieldDialog {
    const char* dialogTemplate = nullptr;
    int field = 0;
    std::string initialText; // shown selected, ready to be typed over; none when empty
    std::function<bool(const std::string&)> accept;
    int okButton = IDOK;
    int cancelButton = IDCANCEL;
};

// True when OK ended the dialog with text `accept` took.
bool runFieldDialog(HWND owner, const FieldDialog& dialog);
