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

// The Find and Replace dialog.
#define NIBBLOR_REPLACE_FIND_TEXT 900
#define NIBBLOR_REPLACE_WITH_TEXT 901
#define NIBBLOR_REPLACE_HEX 910
#define NIBBLOR_REPLACE_TEXT 911
#define NIBBLOR_REPLACE_UTF16 912
#define NIBBLOR_REPLACE_MATCH_CASE 920
#define NIBBLOR_REPLACE_BACKWARD 921
#define NIBBLOR_REPLACE_IN_SELECTION 922
#define NIBBLOR_REPLACE_FIND_NEXT 930
#define NIBBLOR_REPLACE_ONE 931
#define NIBBLOR_REPLACE_ALL 932
#define NIBBLOR_REPLACE_FIND_ALL 933
#define NIBBLOR_REPLACE_STATUS 940
#define NIBBLOR_REPLACE_MATCHES 941

#define NIBBLOR_FILL_PATTERN 950

// The Checksums dialog: what was summed, then each sum's field and its Copy
// button, in the order CRC-32, MD5, SHA-1, SHA-256, SHA-512.
#define NIBBLOR_CHECKSUM_SCOPE 960
#define NIBBLOR_CHECKSUM_CRC32 961
#define NIBBLOR_CHECKSUM_MD5 962
#define NIBBLOR_CHECKSUM_SHA1 963
#define NIBBLOR_CHECKSUM_SHA256 964
#define NIBBLOR_CHECKSUM_SHA512 965
#define NIBBLOR_CHECKSUM_COPY_CRC32 971
#define NIBBLOR_CHECKSUM_COPY_MD5 972
#define NIBBLOR_CHECKSUM_COPY_SHA1 973
#define NIBBLOR_CHECKSUM_COPY_SHA256 974
#define NIBBLOR_CHECKSUM_COPY_SHA512 975

// The progress of long work: what is being done, and its bar.
#define NIBBLOR_PROGRESS_TEXT 980
#define NIBBLOR_PROGRESS_BAR 981

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

constexpr const wchar_t* findDialogTemplate = L"FindDlg";
constexpr int findTextField = NIBBLOR_FIND_TEXT;
constexpr int findHexButton = NIBBLOR_FIND_HEX;
constexpr int findOctalButton = NIBBLOR_FIND_OCTAL;
constexpr int findAsciiButton = NIBBLOR_FIND_ASCII;
constexpr int findOkButton = NIBBLOR_FIND_OK;
constexpr int findCancelButton = NIBBLOR_FIND_CANCEL;

constexpr const char* replaceDialogTemplate = "NibReplaceDlg";
constexpr int replaceFindField = NIBBLOR_REPLACE_FIND_TEXT;
constexpr int replaceWithField = NIBBLOR_REPLACE_WITH_TEXT;
constexpr int replaceHexButton = NIBBLOR_REPLACE_HEX;
constexpr int replaceTextButton = NIBBLOR_REPLACE_TEXT;
constexpr int replaceUtf16Button = NIBBLOR_REPLACE_UTF16;
constexpr int replaceMatchCaseBox = NIBBLOR_REPLACE_MATCH_CASE;
constexpr int replaceBackwardBox = NIBBLOR_REPLACE_BACKWARD;
constexpr int replaceInSelectionBox = NIBBLOR_REPLACE_IN_SELECTION;
constexpr int replaceFindNextButton = NIBBLOR_REPLACE_FIND_NEXT;
constexpr int replaceOneButton = NIBBLOR_REPLACE_ONE;
constexpr int replaceAllButton = NIBBLOR_REPLACE_ALL;
constexpr int replaceFindAllButton = NIBBLOR_REPLACE_FIND_ALL;
constexpr int replaceStatusLine = NIBBLOR_REPLACE_STATUS;
constexpr int replaceMatchList = NIBBLOR_REPLACE_MATCHES;

constexpr const char* goToDialogTemplate = "NibGotoDlg";
constexpr int goToOffsetField = NIBBLOR_GOTO_OFFSET;

constexpr const char* fillDialogTemplate = "NibFillDlg";
constexpr int fillPatternField = NIBBLOR_FILL_PATTERN;

constexpr const char* checksumsDialogTemplate = "NibChecksumsDlg";
constexpr int checksumScopeLine = NIBBLOR_CHECKSUM_SCOPE;
constexpr int firstChecksumField = NIBBLOR_CHECKSUM_CRC32;
constexpr int firstChecksumCopyButton = NIBBLOR_CHECKSUM_COPY_CRC32;

constexpr const char* progressDialogTemplate = "NibProgressDlg";
constexpr int progressTextLine = NIBBLOR_PROGRESS_TEXT;
constexpr int progressBar = NIBBLOR_PROGRESS_BAR;

constexpr const char* insertDialogTemplate = "NibInsertDlg";
constexpr int insertCountField = NIBBLOR_INSERT_COUNT;
constexpr int insertOkButton = NIBBLOR_INSERT_OK;
constexpr int insertCancelButton = NIBBLOR_INSERT_CANCEL;
constexpr const char* colorsDialogTemplate = "NibColorsDlg";
constexpr int colorsList = NIBBLOR_COLORS_LIST;
constexpr int colorsDoneButton = NIBBLOR_COLORS_DONE_BUTTON;
constexpr int colorsSetButton = NIBBLOR_COLORS_SET_BUTTON;
#endif
