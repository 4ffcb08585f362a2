// SPDX-License-Identifier: Apache-2.0
// The window system's own constant values: styles of the controls in the
// dialog templates, the codes that controls notify their dialog with, the
// message-box, file-dialog and property-sheet values. The numbers are the
// platform's, so templates mean the same to every window-system adapter.
// The names are the platform's too: a file that also includes the platform's
// own headers (the Win32 adapter) includes this one first.
#pragma once

#include <cstdint>
#include <string_view>

namespace orca::resources {

// Window classes that are not template controls.
inline constexpr std::u16string_view kClassDialog = u"#32770";
inline constexpr std::u16string_view kClassTabControl = u"SysTabControl32";

// Any window.
inline constexpr uint32_t WS_POPUP = 0x80000000;
inline constexpr uint32_t WS_CHILD = 0x40000000;
inline constexpr uint32_t WS_VISIBLE = 0x10000000;
inline constexpr uint32_t WS_DISABLED = 0x08000000;
inline constexpr uint32_t WS_CAPTION = 0x00C00000;
inline constexpr uint32_t WS_BORDER = 0x00800000;
inline constexpr uint32_t WS_VSCROLL = 0x00200000;
inline constexpr uint32_t WS_HSCROLL = 0x00100000;
inline constexpr uint32_t WS_SYSMENU = 0x00080000;
inline constexpr uint32_t WS_GROUP = 0x00020000;
inline constexpr uint32_t WS_TABSTOP = 0x00010000;

// Dialogs.
inline constexpr uint32_t DS_SETFONT = 0x40;
inline constexpr uint32_t DS_MODALFRAME = 0x80;
inline constexpr uint32_t DS_CONTROL = 0x400;

// Buttons: the low four bits are the kind.
inline constexpr uint32_t BS_TYPEMASK = 0xF;
inline constexpr uint32_t BS_PUSHBUTTON = 0x0;
inline constexpr uint32_t BS_DEFPUSHBUTTON = 0x1;
inline constexpr uint32_t BS_CHECKBOX = 0x2;
inline constexpr uint32_t BS_AUTOCHECKBOX = 0x3;
inline constexpr uint32_t BS_RADIOBUTTON = 0x4;
inline constexpr uint32_t BS_GROUPBOX = 0x7;
inline constexpr uint32_t BS_AUTORADIOBUTTON = 0x9;
inline constexpr uint32_t BS_NOTIFY = 0x4000;

// Edits.
inline constexpr uint32_t ES_LEFT = 0x0;
inline constexpr uint32_t ES_MULTILINE = 0x4;
inline constexpr uint32_t ES_AUTOVSCROLL = 0x40;
inline constexpr uint32_t ES_AUTOHSCROLL = 0x80;
inline constexpr uint32_t ES_READONLY = 0x800;
inline constexpr uint32_t ES_WANTRETURN = 0x1000;
inline constexpr uint32_t ES_NUMBER = 0x2000;

// Combo boxes.
inline constexpr uint32_t CBS_DROPDOWN = 0x2;
inline constexpr uint32_t CBS_DROPDOWNLIST = 0x3;

// List boxes. Without LBS_NOTIFY a list box tells its dialog nothing.
inline constexpr uint32_t LBS_NOTIFY = 0x1;
inline constexpr uint32_t LBS_NOINTEGRALHEIGHT = 0x100;

// Statics: the low five bits are the kind.
inline constexpr uint32_t SS_TYPEMASK = 0x1F;
inline constexpr uint32_t SS_LEFT = 0x0;
inline constexpr uint32_t SS_BITMAP = 0xE;
inline constexpr uint32_t SS_ETCHEDHORZ = 0x10;
inline constexpr uint32_t SS_ETCHEDVERT = 0x11;
inline constexpr uint32_t SS_NOTIFY = 0x100;

// Up-down controls. With UDS_AUTOBUDDY the buddy is the control just before
// it in window order; with UDS_SETBUDDYINT the buddy shows the position.
inline constexpr uint32_t UDS_SETBUDDYINT = 0x2;
inline constexpr uint32_t UDS_ALIGNRIGHT = 0x4;
inline constexpr uint32_t UDS_AUTOBUDDY = 0x10;
inline constexpr uint32_t UDS_ARROWKEYS = 0x20;
inline constexpr uint32_t UDS_NOTHOUSANDS = 0x80;

// Notification codes a control sends its dialog with WM_COMMAND. The same
// number means different things for different classes.
inline constexpr uint16_t BN_CLICKED = 0;
inline constexpr uint16_t BN_DOUBLECLICKED = 5;
inline constexpr uint16_t EN_SETFOCUS = 0x100;
inline constexpr uint16_t EN_KILLFOCUS = 0x200;
inline constexpr uint16_t EN_CHANGE = 0x300;
inline constexpr uint16_t CBN_SELCHANGE = 1;
inline constexpr uint16_t CBN_SETFOCUS = 3;
inline constexpr uint16_t CBN_KILLFOCUS = 4;
inline constexpr uint16_t LBN_SELCHANGE = 1;
inline constexpr uint16_t LBN_DBLCLK = 2;
inline constexpr uint16_t LBN_SETFOCUS = 4;
inline constexpr uint16_t LBN_KILLFOCUS = 5;

// Dialog command identifiers (also the message-box answers).
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
// An anonymous control.
inline constexpr int IDC_STATIC = -1;

// Message boxes: buttons in the low four bits, icon in the next four.
inline constexpr uint32_t MB_OK = 0x0;
inline constexpr uint32_t MB_OKCANCEL = 0x1;
inline constexpr uint32_t MB_ABORTRETRYIGNORE = 0x2;
inline constexpr uint32_t MB_YESNOCANCEL = 0x3;
inline constexpr uint32_t MB_YESNO = 0x4;
inline constexpr uint32_t MB_RETRYCANCEL = 0x5;
inline constexpr uint32_t MB_TYPEMASK = 0xF;
inline constexpr uint32_t MB_ICONERROR = 0x10;
inline constexpr uint32_t MB_ICONQUESTION = 0x20;
inline constexpr uint32_t MB_ICONWARNING = 0x30;
inline constexpr uint32_t MB_ICONINFORMATION = 0x40;
inline constexpr uint32_t MB_ICONMASK = 0xF0;

// Open and save file dialogs.
inline constexpr uint32_t OFN_OVERWRITEPROMPT = 0x2;
inline constexpr uint32_t OFN_HIDEREADONLY = 0x4;
inline constexpr uint32_t OFN_EXTENSIONDIFFERENT = 0x400;
inline constexpr uint32_t OFN_PATHMUSTEXIST = 0x800;
inline constexpr uint32_t OFN_FILEMUSTEXIST = 0x1000;
inline constexpr uint32_t OFN_CREATEPROMPT = 0x2000;
inline constexpr uint32_t OFN_LONGNAMES = 0x200000;

// Property sheets: the controls a sheet makes around its pages.
inline constexpr int kSheetTabControlId = 0x3020;
inline constexpr int kSheetApplyId = 0x3021;

}  // namespace orca::resources
