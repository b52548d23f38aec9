#pragma once
// Names and control ids shared by the resource script and the code.

// The About box's only button; a macro so that the resource compiler reads it.
#define NIBBLOR_ABOUT_OK_BUTTON 400

// The Colours dialog's list of colour names and its two buttons.
#define NIBBLOR_COLORS_LIST 600
#define NIBBLOR_COLORS_DONE_BUTTON 601
#define NIBBLOR_COLORS_SET_BUTTON 602

#ifndef RC_INVOKED
constexpr const char* programIconName = "ProgramIcon";
constexpr const char* aboutDialogTemplate = "AboutDlg";
constexpr int aboutOkButton = NIBBLOR_ABOUT_OK_BUTTON;
constexpr const char* colorsDialogTemplate = "NibColorsDlg";
constexpr int colorsList = NIBBLOR_COLORS_LIST;
constexpr int colorsDoneButton = NIBBLOR_COLORS_DONE_BUTTON;
constexpr int colorsSetButton = NIBBLOR_COLORS_SET_BUTTON;
#endif
