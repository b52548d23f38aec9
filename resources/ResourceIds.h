#pragma once
// Names and control ids shared by the resource script and the code.

// Control ids, as macros so that the resource compiler reads them too.
#define NIBBLOR_ABOUT_OK_BUTTON 400

#define NIBBLOR_FIND_TEXT 300
#define NIBBLOR_FIND_HEX 311
#define NIBBLOR_FIND_OCTAL 312
#define NIBBLOR_FIND_ASCII 313
#define NIBBLOR_FIND_OK 320
#define NIBBLOR_FIND_CANCEL 321

#define NIBBLOR_GOTO_OFFSET 800

#define NIBBLOR_INSERT_COUNT 700
#define NIBBLOR_INSERT_OK 701
#define NIBBLOR_INSERT_CANCEL 702
// The Colours dialog's list of colour names and its two buttons.
#define NIBBLOR_COLORS_LIST 600
#define NIBBLOR_COLORS_DONE_BUTTON 601
#define NIBBLOR_COLORS_SET_BUTTON 602

#ifndef RC_INVOKED
constexpr const char* programIconName = "ProgramIcon";
constexpr const char* aboutDialogTemplate = "AboutDlg";
constexpr int aboutOkButton = NIBBLOR_ABOUT_OK_BUTTON;

constexpr const char* findDialogTemplate = "FindDlg";
constexpr int findTextField = NIBBLOR_FIND_TEXT;
constexpr int findHexButton = NIBBLOR_FIND_HEX;
constexpr int findOctalButton = NIBBLOR_FIND_OCTAL;
constexpr int findAsciiButton = NIBBLOR_FIND_ASCII;
constexpr int findOkButton = NIBBLOR_FIND_OK;
constexpr int findCancelButton = NIBBLOR_FIND_CANCEL;

constexpr const char* goToDialogTemplate = "NibGotoDlg";
constexpr int goToOffsetField = NIBBLOR_GOTO_OFFSET;

constexpr const char* insertDialogTemplate = "NibInsertDlg";
constexpr int insertCountField = NIBBLOR_INSERT_COUNT;
constexpr int insertOkButton = NIBBLOR_INSERT_OK;
constexpr int insertCancelButton = NIBBLOR_INSERT_CANCEL;
constexpr const char* colorsDialogTemplate = "NibColorsDlg";
constexpr int colorsList = NIBBLOR_COLORS_LIST;
constexpr int colorsDoneButton = NIBBLOR_COLORS_DONE_BUTTON;
constexpr int colorsSetButton = NIBBLOR_COLORS_SET_BUTTON;
#endif
