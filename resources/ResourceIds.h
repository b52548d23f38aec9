#pragma once
// Names and control ids shared by the resource script and the code.

// The About box's only button; a macro so that the resource compiler reads it.
#define NIBBLOR_ABOUT_OK_BUTTON 400

#ifndef RC_INVOKED
constexpr const char* programIconName = "ProgramIcon";
constexpr const char* aboutDialogTemplate = "AboutDlg";
constexpr int aboutOkButton = NIBBLOR_ABOUT_OK_BUTTON;
#endif
