#pragma once
// Property-sheet pages on the plain dialog-procedure path, and the sheet records.

#include "framework/Messages.h"
#include "framework/Window.h"

struct PROPSHEETPAGE;
using UINT_PTR_CALLBACK = UINT (*)(HWND, UINT, PROPSHEETPAGE*);

struct PROPSHEETPAGE {
    DWORD dwSize = sizeof(PROPSHEETPAGE);
    DWORD dwFlags = 0;
    HINSTANCE hInstance = nullptr;
    LPCSTR pszTemplate = nullptr;  // MAKEINTRESOURCE(id)
    HICON hIcon = nullptr;
    LPCSTR pszTitle = nullptr;
    DLGPROC pfnDlgProc = nullptr;
    LPARAM lParam = 0;
    UINT_PTR_CALLBACK pfnCallback = nullptr;
    UINT* pcRefParent = nullptr;
    LPCSTR pszHeaderTitle = nullptr;
    LPCSTR pszHeaderSubTitle = nullptr;
};
using LPPROPSHEETPAGE = PROPSHEETPAGE*;
using LPCPROPSHEETPAGE = const PROPSHEETPAGE*;
using PROPSHEETPAGEA = PROPSHEETPAGE;

// The record sizes of the platform's 32-bit layout: without and with the header titles.
constexpr DWORD PROPSHEETPAGE_V1_SIZE = 40;
constexpr DWORD PROPSHEETPAGE_V2_SIZE = 48;

constexpr DWORD PSP_DEFAULT = 0x0000;
constexpr DWORD PSP_DLGINDIRECT = 0x0001;
constexpr DWORD PSP_USEHICON = 0x0002;
constexpr DWORD PSP_USETITLE = 0x0008;
constexpr DWORD PSP_HASHELP = 0x0020;
constexpr DWORD PSP_USECALLBACK = 0x0080;

struct HPROPSHEETPAGE__;
using HPROPSHEETPAGE = HPROPSHEETPAGE__*;

struct PROPSHEETHEADER {
    DWORD dwSize = sizeof(PROPSHEETHEADER);
    DWORD dwFlags = 0;
    HWND hwndParent = nullptr;
    HINSTANCE hInstance = nullptr;
    HICON hIcon = nullptr;
    LPCSTR pszCaption = nullptr;
    UINT nPages = 0;
    UINT nStartPage = 0;
    HPROPSHEETPAGE* phpage = nullptr;
};
using PROPSHEETHEADERA = PROPSHEETHEADER;

constexpr DWORD PSH_DEFAULT = 0x0000;
constexpr DWORD PSH_PROPTITLE = 0x0001;
constexpr DWORD PSH_USEHICON = 0x0002;
constexpr DWORD PSH_PROPSHEETPAGE = 0x0008;
constexpr DWORD PSH_NOAPPLYNOW = 0x0080;
constexpr DWORD PSH_HASHELP = 0x0200;
constexpr DWORD PSH_MODELESS = 0x0400;

// Sheet messages a page sends.
constexpr UINT PSM_SETCURSEL = WM_USER + 101;
constexpr UINT PSM_CHANGED = WM_USER + 104;
constexpr UINT PSM_PRESSBUTTON = WM_USER + 112;
constexpr UINT PSM_UNCHANGED = WM_USER + 109;
constexpr int PSBTN_OK = 1;
constexpr int PSBTN_CANCEL = 5;
constexpr int PSBTN_APPLYNOW = 4;
constexpr int PSBTN_HELP = 6;

constexpr LRESULT PSNRET_NOERROR = 0;
constexpr LRESULT PSNRET_INVALID = 1;
constexpr LRESULT PSNRET_INVALID_NOCHANGEPAGE = 2;

// Copies the record; null when its size is none of the known layouts or it has no template.
HPROPSHEETPAGE CreatePropertySheetPage(LPCPROPSHEETPAGE page);
BOOL DestroyPropertySheetPage(HPROPSHEETPAGE page);
// Runs a modal sheet of the header's pages: 1 when closed with OK, 0 when cancelled, -1 on error.
LONG_PTR PropertySheet(const PROPSHEETHEADER* header);

namespace fw {

// The record behind a page handle; null for a handle that names none.
const PROPSHEETPAGE* PageRecordOf(HPROPSHEETPAGE page);

}  // namespace fw
