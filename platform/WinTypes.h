#pragma once
// The platform's basic types, with the sizes the system's records rely on.

#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using USHORT = std::uint16_t;
using LANGID = std::uint16_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using SIZE_T = std::size_t;
using CHAR = char;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;
using LPCVOID = const void*;
using PVOID = void*;
using LPDWORD = DWORD*;
using HANDLE = void*;
using HGLOBAL = void*;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

inline HANDLE const INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));

constexpr WORD LOWORD(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr BYTE LOBYTE(std::uintptr_t v) { return static_cast<BYTE>(v & 0xFF); }
constexpr DWORD MAKELONG(WORD lo, WORD hi) { return static_cast<DWORD>(lo) | (static_cast<DWORD>(hi) << 16); }

// Opaque handles. Each layer that owns the objects behind them casts to its own type.
#define ZEPHRA_DECLARE_HANDLE(name) struct name##__; using name = name##__*
ZEPHRA_DECLARE_HANDLE(HWND);
ZEPHRA_DECLARE_HANDLE(HINSTANCE);
ZEPHRA_DECLARE_HANDLE(HICON);
ZEPHRA_DECLARE_HANDLE(HMENU);
ZEPHRA_DECLARE_HANDLE(HDC);
ZEPHRA_DECLARE_HANDLE(HBITMAP);
ZEPHRA_DECLARE_HANDLE(HPEN);
ZEPHRA_DECLARE_HANDLE(HBRUSH);
ZEPHRA_DECLARE_HANDLE(HFONT);
ZEPHRA_DECLARE_HANDLE(HGDIOBJ);
ZEPHRA_DECLARE_HANDLE(HCURSOR);
ZEPHRA_DECLARE_HANDLE(HKEY);
ZEPHRA_DECLARE_HANDLE(SC_HANDLE);
#undef ZEPHRA_DECLARE_HANDLE
using HMODULE = HINSTANCE;
using HDEVINFO = void*;
using COLORREF = DWORD;

// A point in time in 100-nanosecond intervals since 1601, split in two halves.
struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};
using PFILETIME = FILETIME*;
