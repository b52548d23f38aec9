// The colours and the font end to end: the Colours dialog and the system's
// colour and font pickers worked by a watcher thread as a user would, the
// choices stored, drawn and laid out, kept by the next editor window, and the
// objects they replace released. The settings are put back as found.
#include <windows.h>

#include <colordlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "editor/EditorCore.h"
#include "tests/win32/DialogDriver.h"
#include "tests/win32/HostedEditorFixture.h"
#include "tests/win32/LayoutExpectations.h"
#include "tests/win32/RegistrySnapshot.h"

namespace {

using dialog_driver::DialogWatcher;
using dialog_driver::textOf;

constexpr int colorsListId = 600;
constexpr int colorsDoneId = 601;
constexpr int colorsSetId = 602;
constexpr int textEntry = 3;
constexpr int backgroundEntry = 4;
constexpr COLORREF red = 0x0000FF;
constexpr COLORREF blue = 0xFF0000;
constexpr COLORREF cancelPick = CLR_INVALID;
const char* const fontFace = "Liberation Mono"; // fixed-pitch, and in every test prefix

std::string stored(const char* name)
{
    char text[1024] = {};
    return editorCore.readSetting(name, text, sizeof text) ? text : "<unreadable>";
}

LOGFONTA describe(HFONT font)
{
    LOGFONTA description{};
    GetObjectA(font, sizeof description, &description);
    return description;
}

COLORREF brushColor(HBRUSH brush)
{
    LOGBRUSH description{};
    return GetObjectA(brush, sizeof description, &description) == sizeof description ? description.lbColor
                                                                                      : CLR_INVALID;
}

HBRUSH classBrush(HWND window)
{
    return reinterpret_cast<HBRUSH>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND));
}

// A mouse click on a list entry, double when asked, as posted input.
void clickEntry(HWND dialog, int index, bool twice)
{
    const HWND list = GetDlgItem(dialog, colorsListId);
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageA(list, WM_LBUTTONUP, 0, point);
    if (twice) {
        PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        PostMessageA(list, WM_LBUTTONUP, 0, point);
    }
}

std::vector<std::string> listEntries(HWND dialog)
{
    const HWND list = GetDlgItem(dialog, colorsListId);
    std::vector<std::string> names(static_cast<std::size_t>(SendMessageA(list, LB_GETCOUNT, 0, 0)));
    for (std::size_t i = 0; i < names.size(); ++i) {
        char name[64] = {};
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name));
        names[i] = name;
    }
    return names;
}

// The colour picker the Colours dialog opens: the colour it starts on is read
// from its Red, Green and Blue fields, then `color` is typed there and OK
// pressed, or Cancel for cancelPick.
bool answerColorPicker(DialogWatcher& w, HWND owner, COLORREF color, COLORREF& startColor)
{
    HWND picker = w.waitForDialog("Color", owner);
    if (picker == nullptr) {
        return false;
    }
    const int fields[] = {COLOR_RED, COLOR_GREEN, COLOR_BLUE};
    int start[3] = {};
    for (int i = 0; i < 3; ++i) {
        const HWND field = GetDlgItem(picker, fields[i]);
        start[i] = std::atoi(textOf(field).c_str());
        const std::string typed = std::to_string((color >> (8 * i)) & 0xFF);
        DWORD_PTR ignored = 0;
        if (color != cancelPick) {
            SendMessageTimeoutA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()), SMTO_ABORTIFHUNG,
                                dialog_driver::answerTimeout, &ignored);
        }
    }
    startColor = RGB(start[0], start[1], start[2]);
    dialog_driver::clickButton(picker, color == cancelPick ? IDCANCEL : IDOK);
    return w.waitUntilClosed(picker);
}

// Picks the entry of the font picker's combo box as a user's click would.
bool chooseComboEntry(DialogWatcher& w, HWND picker, int id, const char* entry)
{
    const HWND combo = GetDlgItem(picker, id);
    const LRESULT index = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(entry));
    if (index == CB_ERR) {
        w.note(std::string("the font picker offers no \"") + entry + "\"");
        return false;
    }
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(picker, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    return true;
}

struct PickerStart {
    std::string face;
    std::string size;
};

// The font picker: where it starts, then the face and size (points) chosen
// and OK pressed, or Cancel for a null face.
bool answerFontPicker(DialogWatcher& w, const char* face, const char* size, PickerStart& start)
{
    HWND picker = w.waitForDialog("Font");
    if (picker == nullptr) {
        return false;
    }
    start = {textOf(GetDlgItem(picker, cmb1)), textOf(GetDlgItem(picker, cmb3))};
    if (face != nullptr && (!chooseComboEntry(w, picker, cmb1, face) || !chooseComboEntry(w, picker, cmb3, size))) {
        return false;
    }
    dialog_driver::clickButton(picker, face == nullptr ? IDCANCEL : IDOK);
    return w.waitUntilClosed(picker);
}

bool pressDone(DialogWatcher& w, HWND dialog)
{
    dialog_driver::clickButton(dialog, colorsDoneId);
    return w.waitUntilClosed(dialog);
}

// The font size the picker shows for a character height in pixels.
std::string pointsFor(int characterHeight)
{
    HDC screen = GetDC(nullptr);
    const int points = MulDiv(characterHeight, 72, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    return std::to_string(points);
}

class ColorsAndFont : public HostedEditor {
protected:
    void SetUp() override
    {
        HostedEditor::SetUp();
        // From no settings at all and the editor's own default colours.
        settings_.clear();
        const EditorCore defaults;
        EditorCore& e = editorCore;
        e.activeCursorColor = defaults.activeCursorColor;
        e.inactiveCursorColor = defaults.inactiveCursorColor;
        e.selectionColor = defaults.selectionColor;
        e.textColor = defaults.textColor;
        e.backgroundColor = defaults.backgroundColor;
    }

    void TearDown() override
    {
        HostedEditor::TearDown();
        settings_.restore();
    }

    // Background through a double-click and the picker, then "&Done".
    static void chooseBackground(COLORREF color)
    {
        COLORREF start = 0;
        DialogWatcher watcher([&](DialogWatcher& w) {
            HWND dialog = w.waitForDialog("Change Colors");
            if (dialog == nullptr) {
                return false;
            }
            clickEntry(dialog, backgroundEntry, true);
            return answerColorPicker(w, dialog, color, start) && pressDone(w, dialog);
        });
        frameCommand(13);
        EXPECT_TRUE(watcher.finish()) << watcher.log();
    }

    // Change Font with the face and size chosen, or cancelled for a null face;
    // where the picker started, and what the frame answered.
    static PickerStart chooseFont(const char* face, const char* size, LRESULT* answer = nullptr)
    {
        PickerStart start;
        DialogWatcher watcher([&](DialogWatcher& w) { return answerFontPicker(w, face, size, start); });
        const LRESULT result = SendMessageA(editorCore.frameWindow, WM_COMMAND, 12, 0);
        EXPECT_TRUE(watcher.finish()) << watcher.log();
        if (answer != nullptr) {
            *answer = result;
        }
        return start;
    }

private:
    RegistrySnapshot settings_{"Software\\Nibblor"};
};

TEST_F(ColorsAndFont, TextSetRedAndBackgroundBlueAreStoredAndDrawn)
{
    hostCommand(createChildWithTitle);
    const HWND frame = editorCore.frameWindow;
    ASSERT_TRUE(IsWindow(frame));
    const HBRUSH oldBrush = editorCore.backgroundBrush;

    COLORREF textStart = 0;
    COLORREF backgroundStart = 0;
    DialogWatcher watcher([&](DialogWatcher& w) {
        HWND dialog = w.waitForDialog("Change Colors");
        if (dialog == nullptr) {
            return false;
        }
        clickEntry(dialog, textEntry, false);
        dialog_driver::clickButton(dialog, colorsSetId);
        if (!answerColorPicker(w, dialog, red, textStart)) {
            return false;
        }
        clickEntry(dialog, backgroundEntry, true);
        return answerColorPicker(w, dialog, blue, backgroundStart) && pressDone(w, dialog);
    });
    frameCommand(13);
    ASSERT_TRUE(watcher.finish()) << watcher.log();

    EXPECT_EQ(textStart, 0xFFFFFFu) << "the picker starts on the current colour";
    EXPECT_EQ(backgroundStart, 0u);

    EXPECT_EQ(editorCore.textColor, red);
    EXPECT_EQ(editorCore.backgroundColor, blue);
    EXPECT_EQ(stored("Text"), "255");
    EXPECT_EQ(stored("Background"), "16711680");

    // The four window classes paint with one new brush; the old one is gone.
    EXPECT_EQ(brushColor(editorCore.backgroundBrush), blue);
    for (HWND window : {offsetPane.window, hexPane.window, asciiPane.window, frame}) {
        EXPECT_EQ(classBrush(window), editorCore.backgroundBrush) << dialog_driver::classOf(window);
    }
    EXPECT_EQ(GetObjectType(oldBrush), 0u);

    // Row 1 of the hex pane (the cursor is on row 0) has red text and no white.
    const int line = editorCore.lineHeight;
    RECT hexClient{};
    GetClientRect(hexPane.window, &hexClient);
    EXPECT_GT(countPixels(hexPane.window, 0, line, hexClient.right, line, red), 0);
    EXPECT_EQ(countPixels(hexPane.window, 0, line, hexClient.right, line, 0xFFFFFF), 0);
    // Below the 25 rows each pane shows only its class's background.
    for (HWND pane : {offsetPane.window, hexPane.window, asciiPane.window}) {
        RECT client{};
        GetClientRect(pane, &client);
        const int below = 25 * line;
        EXPECT_EQ(countPixels(pane, 0, below, client.right, client.bottom - below, blue),
                  (client.bottom - below) * client.right)
            << dialog_driver::classOf(pane);
    }
}

// The six names are listed, none selected, the list has the keyboard. Enter,
// Escape, the close box and "&Set" with nothing selected leave the dialog open
// and unchanged; a cancelled pick changes nothing; "&Done" alone still stores
// all six colours.
TEST_F(ColorsAndFont, OnlyDoneEndsTheDialogAndACancelledPickChangesNothing)
{
    hostCommand(createChildBare);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    const HBRUSH brush = editorCore.backgroundBrush;
    const DWORD uiThread = GetCurrentThreadId();
    bool listFocused = false;
    std::vector<std::string> names;
    LRESULT selected = 0;
    COLORREF selectionStart = 0;
    bool openAfterCancel = false;
    DialogWatcher watcher([&](DialogWatcher& w) {
        HWND dialog = w.waitForDialog("Change Colors");
        if (dialog == nullptr) {
            return false;
        }
        const HWND list = GetDlgItem(dialog, colorsListId);
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        listFocused = GetGUIThreadInfo(uiThread, &gui) && gui.hwndFocus == list;
        names = listEntries(dialog);
        selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
        PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
        PostMessageA(list, WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        dialog_driver::clickButton(dialog, colorsSetId); // nothing selected yet
        // Posted input is taken in order: the picker shows that all the above was.
        clickEntry(dialog, 2, false);
        dialog_driver::clickButton(dialog, colorsSetId);
        if (!answerColorPicker(w, dialog, cancelPick, selectionStart)) {
            return false;
        }
        openAfterCancel = IsWindowVisible(dialog) != FALSE;
        return pressDone(w, dialog);
    });
    frameCommand(13);
    ASSERT_TRUE(watcher.finish()) << watcher.log();
    EXPECT_TRUE(listFocused) << "the list has the keyboard at first";
    EXPECT_EQ(names, (std::vector<std::string>{"Active Cursor", "Inactive Cursor", "Selection", "Text", "Background",
                                               "Difference"}));
    EXPECT_EQ(selected, LB_ERR) << "no entry is selected at first";
    EXPECT_TRUE(openAfterCancel);
    EXPECT_EQ(selectionStart, 0xFFFFFFu);

    EXPECT_EQ(editorCore.selectionColor, 0xFFFFFFu);
    EXPECT_EQ(editorCore.backgroundBrush, brush);
    const char* const expected[][2] = {{"Active Cursor", "16777215"}, {"Inactive Cursor", "7829367"},
                                       {"Selection", "16777215"},     {"Text", "16777215"},
                                       {"Background", "0"},           {"Difference", "255"}};
    for (const auto& setting : expected) {
        EXPECT_EQ(stored(setting[0]), setting[1]) << setting[0];
    }
}

// The picker starts from the stored font, a name too long for the face-name
// field giving the default face; cancelled, it changes nothing, the stored
// name included. A larger face chosen then is used, stored and laid out.
TEST_F(ColorsAndFont, FontPickerStartsFromTheStoredFontAndItsChoiceIsUsedAndStored)
{
    const std::string overlong = "An Unusually Long Font Face Name Of Forty"; // 41 characters
    ASSERT_TRUE(editorCore.writeSetting("FontName", overlong.c_str()));
    ASSERT_TRUE(editorCore.writeSetting("FontSize", "-16"));
    hostCommand(createTopLevel);
    const HWND frame = editorCore.frameWindow;
    ASSERT_TRUE(IsWindow(frame));
    frameCommand(11);
    const HFONT oldFont = editorCore.font;
    const SIZE before = windowSize(frame);
    const int lineBefore = editorCore.lineHeight;

    LRESULT answer = -1;
    PickerStart start = chooseFont(nullptr, nullptr, &answer);
    EXPECT_EQ(start.face, "Courier New");
    EXPECT_EQ(start.size, pointsFor(16));
    EXPECT_EQ(editorCore.font, oldFont);
    EXPECT_EQ(stored("FontName"), overlong);
    EXPECT_EQ(stored("FontSize"), "-16");
    EXPECT_EQ(windowSize(frame).cx, before.cx);

    start = chooseFont(fontFace, "16", &answer);
    EXPECT_EQ(answer, 0);
    const LOGFONTA chosen = describe(editorCore.font);
    EXPECT_STREQ(chosen.lfFaceName, fontFace);
    EXPECT_LT(chosen.lfHeight, -16) << "16 points is more than 16 pixels";
    EXPECT_EQ(stored("FontName"), fontFace);
    EXPECT_EQ(stored("FontSize"), std::to_string(chosen.lfHeight));
    EXPECT_EQ(GetObjectType(oldFont), 0u);
    EXPECT_EQ(GetCurrentObject(editorCore.windowDC, OBJ_FONT), editorCore.font);

    // Laid out for the measured font, in the octal view it was in.
    EXPECT_EQ(editorCore.octalMode, 1);
    EXPECT_EQ(checked(11), static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(checked(10), 0u);
    expectLaidOut(expectedGeometry(WS_OVERLAPPEDWINDOW, 1), 1);
    EXPECT_GT(windowSize(frame).cx, before.cx);
    EXPECT_GT(windowSize(frame).cy, before.cy);
    EXPECT_GT(editorCore.lineHeight, lineBefore);
}

// Choice after choice holds no more GDI objects: each replaced font and brush
// is released. A new editor window then starts with the stored choices, and
// the frame class, which held a chosen brush, holds a live one again.
TEST_F(ColorsAndFont, RepeatedChoicesReleaseWhatTheyReplaceAndANewWindowKeepsThem)
{
    hostCommand(createChildWithTitle);
    ASSERT_TRUE(IsWindow(editorCore.frameWindow));
    const HANDLE process = GetCurrentProcess();
    std::vector<HGDIOBJ> replaced;
    DWORD firstCount = 0;
    const char* const sizes[] = {"14", "18", "16"};
    const COLORREF backgrounds[] = {0x203040, 0x402010, 0x102030};
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        replaced.push_back(editorCore.font);
        replaced.push_back(editorCore.backgroundBrush);
        chooseFont(fontFace, sizes[round]);
        chooseBackground(backgrounds[round]);
        ASSERT_EQ(editorCore.backgroundColor, backgrounds[round]);
        // Where the system counts them (Wine answers 0), the count stays flat.
        const DWORD count = GetGuiResources(process, GR_GDIOBJECTS);
        if (round == 0) {
            firstCount = count;
        } else if (firstCount != 0) {
            EXPECT_EQ(count, firstCount) << "GDI objects";
        }
    }
    for (HGDIOBJ object : replaced) {
        if (object != editorCore.font && object != editorCore.backgroundBrush) {
            EXPECT_EQ(GetObjectType(object), 0u) << "a replaced object is still held";
        }
    }
    const HBRUSH chosenBrush = editorCore.backgroundBrush;
    const LOGFONTA chosenFont = describe(editorCore.font);

    hostCommand(destroyEditor);
    editorCore.backgroundColor = 0; // what the next window shows comes from the settings
    hostCommand(createChildWithTitle);
    const HWND frame = editorCore.frameWindow;
    ASSERT_TRUE(IsWindow(frame));
    EXPECT_EQ(editorCore.backgroundColor, backgrounds[2]);
    EXPECT_EQ(brushColor(classBrush(hexPane.window)), backgrounds[2]);
    const LOGFONTA font = describe(editorCore.font);
    EXPECT_STREQ(font.lfFaceName, chosenFont.lfFaceName);
    EXPECT_EQ(font.lfHeight, chosenFont.lfHeight);
    EXPECT_EQ(GetObjectType(chosenBrush), 0u);
    EXPECT_EQ(GetObjectType(classBrush(frame)), static_cast<DWORD>(OBJ_BRUSH))
        << "the frame class may not keep a released brush";
    expectLaidOut(expectedGeometry(WS_CHILD | WS_OVERLAPPEDWINDOW, 0), 0);
}

} // namespace
