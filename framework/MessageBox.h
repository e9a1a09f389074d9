#pragma once
// The framework's message boxes, captioned with the application name. Every box goes
// through the platform's MessageBoxA, which the presenter answers when one is installed.

#include "framework/Messages.h"
#include "platform/MessageBox.h"

constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
constexpr UINT MB_YESNOCANCEL = 0x3;
constexpr UINT MB_RETRYCANCEL = 0x5;
constexpr UINT MB_ICONHAND = 0x10;
constexpr UINT MB_ICONERROR = MB_ICONHAND;
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONASTERISK = MB_ICONINFORMATION;
constexpr UINT MB_DEFBUTTON2 = 0x100;
constexpr UINT MB_TYPEMASK = 0x0F;
constexpr UINT MB_ICONMASK = 0xF0;

int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);
// The text of string resource `promptId` from the current resource module.
int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = static_cast<UINT>(-1));

namespace fw {

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type);

}  // namespace fw
