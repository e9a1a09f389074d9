#pragma once
// Globally unique identifiers, as the device installer names device classes.

#include "platform/WinTypes.h"

struct GUID {
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];

    friend bool operator==(const GUID&, const GUID&) = default;
};

// The network adapter class {4D36E972-E325-11CE-BFC1-08002BE10318}.
inline constexpr GUID GUID_DEVCLASS_NET = {0x4D36E972, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};
