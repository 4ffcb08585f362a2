// SPDX-License-Identifier: Apache-2.0
// The records the driver host hands to the plug-in, in the Windows x64 layout
// (natural alignment), and the mode, reason and capability numbers that go
// with them. The static_asserts at the end pin every offset the plug-in or a
// host relies on. Windows builds use them too: the cross toolchain has no
// driver-kit headers, and these are pinned to the same layout.
#pragma once

#include <cstddef>

#include "plugin/host_types.h"

namespace orca::plugin {

// Host objects the plug-in only passes back.
struct OEMUIOBJ;
struct DEVQUERYPRINT_INFO;
struct EXTCHKBOX;
struct OIEXT;
using HINSTANCE = struct HINSTANCE__*;
using HICON = struct HICON__*;

// The public settings record; only the printer variant of its unions.
struct DEVMODEW {
    WCHAR dmDeviceName[32];
    WORD dmSpecVersion;
    WORD dmDriverVersion;
    WORD dmSize;
    WORD dmDriverExtra;
    DWORD dmFields;
    std::int16_t dmOrientation;
    std::int16_t dmPaperSize;
    std::int16_t dmPaperLength;
    std::int16_t dmPaperWidth;
    std::int16_t dmScale;
    std::int16_t dmCopies;
    std::int16_t dmDefaultSource;
    std::int16_t dmPrintQuality;
    std::int16_t dmColor;
    std::int16_t dmDuplex;
    std::int16_t dmYResolution;
    std::int16_t dmTTOption;
    std::int16_t dmCollate;
    WCHAR dmFormName[32];
    WORD dmLogPixels;
    DWORD dmBitsPerPel;
    DWORD dmPelsWidth;
    DWORD dmPelsHeight;
    DWORD dmNup;
    DWORD dmDisplayFrequency;
    DWORD dmICMMethod;
    DWORD dmICMIntent;
    DWORD dmMediaType;
    DWORD dmDitherType;
    DWORD dmReserved1;
    DWORD dmReserved2;
    DWORD dmPanningWidth;
    DWORD dmPanningHeight;
};

struct OEMDMPARAM {
    DWORD cbSize;
    void* pdriverobj;
    HANDLE hPrinter;
    HANDLE hModule;
    DEVMODEW* pPublicDMIn;
    DEVMODEW* pPublicDMOut;
    void* pOEMDMIn;
    void* pOEMDMOut;
    DWORD cbBufSize;
};

struct OPTPARAM {
    WORD cbSize;
    BYTE Flags;
    BYTE Style;
    WCHAR* pData;
    ULONG_PTR IconID;
    LPARAM lParam;
    ULONG_PTR dwReserved[2];
};

struct OPTTYPE {
    WORD cbSize;
    BYTE Type;
    BYTE Flags;
    WORD Count;
    WORD BegCtrlID;
    OPTPARAM* pOptParam;
    WORD Style;
    WORD wReserved[3];
    ULONG_PTR dwReserved[3];
};

struct OPTITEM {
    WORD cbSize;
    BYTE Level;
    BYTE DlgPageIdx;
    DWORD Flags;
    ULONG_PTR UserData;
    WCHAR* pName;
    union {
        LONG Sel;
        WCHAR* pSel;
    };
    EXTCHKBOX* pExtChkBox;
    OPTTYPE* pOptType;
    DWORD HelpIndex;
    BYTE DMPubID;
    BYTE UserItemID;
    WORD wReserved;
    OIEXT* pOIExt;
    ULONG_PTR dwReserved[3];
};

struct OEMCUIPPARAM;
using OEMCUIPCALLBACK = LONG (*)(void* callbackParam, OEMCUIPPARAM* params);

struct OEMCUIPPARAM {
    DWORD cbSize;
    OEMUIOBJ* poemuiobj;
    HANDLE hPrinter;
    WCHAR* pPrinterName;
    HANDLE hModule;
    HANDLE hOEMHeap;
    DEVMODEW* pPublicDM;
    void* pOEMDM;
    DWORD dwFlags;
    OPTITEM* pDrvOptItems;
    DWORD cDrvOptItems;
    OPTITEM* pOEMOptItems;
    DWORD cOEMOptItems;
    void* pOEMUserData;
    OEMCUIPCALLBACK OEMCUIPCallback;
};

// The host's property-sheet callback: Function names what to do with the two
// parameters (CPSFUNC_ADD_PROPSHEETPAGEW adds a copy of the page description
// lParam1, a PROPSHEETPAGEW, and answers the host's handle of the page).
using PFNCOMPROPSHEET = LONG_PTR (*)(HANDLE hComPropSheet, UINT Function, LPARAM lParam1,
                                     LPARAM lParam2);

struct PROPSHEETUI_INFO {
    WORD cbSize;
    WORD Version;
    WORD Flags;
    WORD Reason;
    HANDLE hComPropSheet;
    PFNCOMPROPSHEET pfnComPropSheet;
    LPARAM lParamInit;
    ULONG_PTR UserData;
    ULONG_PTR Result;
};

struct SETRESULT_INFO {
    WORD cbSize;
    WORD wReserved;
    HANDLE hSetResult;
    LRESULT Result;
};

struct PROPSHEETUI_INFO_HEADER {
    WORD cbSize;
    WORD Flags;
    WCHAR* pTitle;
    HWND hWndParent;
    HINSTANCE hInst;
    union {
        HICON hIcon;
        ULONG_PTR IconID;
    };
};

// GetInfo modes.
inline constexpr DWORD OEMGI_GETSIGNATURE = 1;
inline constexpr DWORD OEMGI_GETINTERFACEVERSION = 2;
inline constexpr DWORD OEMGI_GETVERSION = 3;
inline constexpr DWORD OEMGI_GETPUBLISHERINFO = 4;
// DevMode modes.
inline constexpr DWORD OEMDM_SIZE = 1;
inline constexpr DWORD OEMDM_DEFAULT = 2;
inline constexpr DWORD OEMDM_CONVERT = 3;
inline constexpr DWORD OEMDM_MERGE = 4;
// CommonUIProp modes, also DrvUpdateUISetting's mode.
inline constexpr DWORD OEMCUIP_DOCPROP = 1;
inline constexpr DWORD OEMCUIP_PRNPROP = 2;
// Property-sheet reasons, the sheet-info version and the add-page function.
inline constexpr WORD PROPSHEETUI_REASON_INIT = 0;
inline constexpr WORD PROPSHEETUI_REASON_GET_INFO_HEADER = 1;
inline constexpr WORD PROPSHEETUI_REASON_DESTROY = 2;
inline constexpr WORD PROPSHEETUI_REASON_SET_RESULT = 3;
inline constexpr WORD PROPSHEETUI_INFO_VERSION = 0x100;
inline constexpr UINT CPSFUNC_ADD_PROPSHEETPAGEW = 1;
// Device capabilities.
inline constexpr WORD DC_PAPERS = 2;
inline constexpr WORD DC_PAPERSIZE = 3;
inline constexpr WORD DC_MINEXTENT = 4;
inline constexpr WORD DC_MAXEXTENT = 5;
inline constexpr WORD DC_PAPERNAMES = 16;
inline constexpr WORD DC_MEDIATYPES = 35;
// The answer of a capability query that failed.
inline constexpr DWORD kGdiError = 0xFFFFFFFF;
// dmFields flags.
inline constexpr DWORD DM_PAPERSIZE = 0x2;
inline constexpr DWORD DM_PAPERLENGTH = 0x4;
inline constexpr DWORD DM_PAPERWIDTH = 0x8;
inline constexpr DWORD DM_COLLATE = 0x8000;
// Option items: the changed flag, public fields, the list type.
inline constexpr DWORD OPTIF_CHANGED = 0x8;
inline constexpr BYTE DMPUB_ORIENTATION = 1;
inline constexpr BYTE DMPUB_FORMNAME = 9;
inline constexpr BYTE TVOT_LISTBOX = 5;
// Colour-profile query.
inline constexpr ULONG QCP_DEVICEPROFILE = 0;
inline constexpr FLONG QCP_PROFILEDISK = 2;

}  // namespace orca::plugin

namespace orca::plugin {

// Units of one paper name of the paper-names capability.
inline constexpr std::size_t kPaperNameUnits = 64;

static_assert(sizeof(DEVMODEW) == 220);
static_assert(offsetof(DEVMODEW, dmSpecVersion) == 64 && offsetof(DEVMODEW, dmDriverVersion) == 66);
static_assert(offsetof(DEVMODEW, dmSize) == 68 && offsetof(DEVMODEW, dmDriverExtra) == 70);
static_assert(offsetof(DEVMODEW, dmFields) == 72 && offsetof(DEVMODEW, dmOrientation) == 76);
static_assert(offsetof(DEVMODEW, dmPaperSize) == 78 && offsetof(DEVMODEW, dmPaperLength) == 80);
static_assert(offsetof(DEVMODEW, dmPaperWidth) == 82 && offsetof(DEVMODEW, dmScale) == 84);
static_assert(offsetof(DEVMODEW, dmCopies) == 86 && offsetof(DEVMODEW, dmDefaultSource) == 88);
static_assert(offsetof(DEVMODEW, dmPrintQuality) == 90 && offsetof(DEVMODEW, dmColor) == 92);
static_assert(offsetof(DEVMODEW, dmDuplex) == 94 && offsetof(DEVMODEW, dmYResolution) == 96);
static_assert(offsetof(DEVMODEW, dmTTOption) == 98 && offsetof(DEVMODEW, dmCollate) == 100);
static_assert(offsetof(DEVMODEW, dmFormName) == 102 && offsetof(DEVMODEW, dmLogPixels) == 166);
static_assert(offsetof(DEVMODEW, dmBitsPerPel) == 168 && offsetof(DEVMODEW, dmNup) == 180);
static_assert(offsetof(DEVMODEW, dmICMMethod) == 188 && offsetof(DEVMODEW, dmICMIntent) == 192);
static_assert(offsetof(DEVMODEW, dmMediaType) == 196 && offsetof(DEVMODEW, dmDitherType) == 200);

static_assert(sizeof(OEMDMPARAM) == 72);
static_assert(offsetof(OEMDMPARAM, hPrinter) == 16 && offsetof(OEMDMPARAM, pPublicDMIn) == 32);
static_assert(offsetof(OEMDMPARAM, pOEMDMOut) == 56 && offsetof(OEMDMPARAM, cbBufSize) == 64);

static_assert(sizeof(OEMCUIPPARAM) == 120);
static_assert(offsetof(OEMCUIPPARAM, poemuiobj) == 8 && offsetof(OEMCUIPPARAM, hPrinter) == 16);
static_assert(offsetof(OEMCUIPPARAM, pPublicDM) == 48 && offsetof(OEMCUIPPARAM, pOEMDM) == 56);
static_assert(offsetof(OEMCUIPPARAM, pDrvOptItems) == 72);
static_assert(offsetof(OEMCUIPPARAM, cDrvOptItems) == 80);
static_assert(offsetof(OEMCUIPPARAM, OEMCUIPCallback) == 112);

static_assert(sizeof(OPTITEM) == 88);
static_assert(offsetof(OPTITEM, Level) == 2 && offsetof(OPTITEM, DlgPageIdx) == 3);
static_assert(offsetof(OPTITEM, Flags) == 4 && offsetof(OPTITEM, UserData) == 8);
static_assert(offsetof(OPTITEM, pName) == 16 && offsetof(OPTITEM, Sel) == 24);
static_assert(offsetof(OPTITEM, pExtChkBox) == 32 && offsetof(OPTITEM, pOptType) == 40);
static_assert(offsetof(OPTITEM, HelpIndex) == 48 && offsetof(OPTITEM, DMPubID) == 52);
static_assert(offsetof(OPTITEM, UserItemID) == 53 && offsetof(OPTITEM, wReserved) == 54);
static_assert(offsetof(OPTITEM, pOIExt) == 56 && offsetof(OPTITEM, dwReserved) == 64);

static_assert(sizeof(OPTTYPE) == 48);
static_assert(offsetof(OPTTYPE, Type) == 2 && offsetof(OPTTYPE, Flags) == 3);
static_assert(offsetof(OPTTYPE, Count) == 4 && offsetof(OPTTYPE, BegCtrlID) == 6);
static_assert(offsetof(OPTTYPE, pOptParam) == 8 && offsetof(OPTTYPE, Style) == 16);

static_assert(sizeof(OPTPARAM) == 48);
static_assert(offsetof(OPTPARAM, Flags) == 2 && offsetof(OPTPARAM, Style) == 3);
static_assert(offsetof(OPTPARAM, pData) == 8 && offsetof(OPTPARAM, IconID) == 16);
static_assert(offsetof(OPTPARAM, lParam) == 24);

static_assert(sizeof(PROPSHEETUI_INFO) == 48);
static_assert(offsetof(PROPSHEETUI_INFO, Version) == 2 && offsetof(PROPSHEETUI_INFO, Flags) == 4);
static_assert(offsetof(PROPSHEETUI_INFO, Reason) == 6);
static_assert(offsetof(PROPSHEETUI_INFO, hComPropSheet) == 8);
static_assert(offsetof(PROPSHEETUI_INFO, pfnComPropSheet) == 16);
static_assert(offsetof(PROPSHEETUI_INFO, lParamInit) == 24);
static_assert(offsetof(PROPSHEETUI_INFO, UserData) == 32);
static_assert(offsetof(PROPSHEETUI_INFO, Result) == 40);

static_assert(sizeof(SETRESULT_INFO) == 24);
static_assert(offsetof(SETRESULT_INFO, hSetResult) == 8 && offsetof(SETRESULT_INFO, Result) == 16);

static_assert(sizeof(PROPSHEETUI_INFO_HEADER) == 40);
static_assert(offsetof(PROPSHEETUI_INFO_HEADER, pTitle) == 8);
static_assert(offsetof(PROPSHEETUI_INFO_HEADER, hWndParent) == 16);

}  // namespace orca::plugin
