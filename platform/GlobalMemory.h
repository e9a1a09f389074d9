#pragma once
// Global memory blocks: fixed or movable, locked to get their address.

#include <cstddef>

#include "platform/WinTypes.h"

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;
constexpr UINT GPTR = GMEM_FIXED | GMEM_ZEROINIT;

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
LPVOID GlobalLock(HGLOBAL memory);
HGLOBAL GlobalHandle(LPCVOID address);
BOOL GlobalUnlock(HGLOBAL memory);
HGLOBAL GlobalFree(HGLOBAL memory);
SIZE_T GlobalSize(HGLOBAL memory);

namespace platform {

// Bytes from `address` to the end of the global block that holds it; 0 outside any block.
std::size_t GlobalBytesFrom(const void* address);

}  // namespace platform
