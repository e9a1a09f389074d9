#pragma once
// The device installer: sets of class devices, their properties, and the class installer.

#include "platform/Guid.h"
#include "platform/Registry.h"
#include "platform/WinTypes.h"

constexpr DWORD DIGCF_DEFAULT = 0x1;
constexpr DWORD DIGCF_PRESENT = 0x2;
constexpr DWORD DIGCF_ALLCLASSES = 0x4;

constexpr DWORD SPDRP_DEVICEDESC = 0x0;
constexpr DWORD SPDRP_SERVICE = 0x4;
constexpr DWORD SPDRP_DRIVER = 0x9;

using DI_FUNCTION = UINT;
constexpr DI_FUNCTION DIF_PROPERTYCHANGE = 0x12;
constexpr DWORD DICS_ENABLE = 1;
constexpr DWORD DICS_DISABLE = 2;
constexpr DWORD DICS_PROPCHANGE = 3;
constexpr DWORD DICS_FLAG_GLOBAL = 1;
constexpr DWORD DICS_FLAG_CONFIGSPECIFIC = 2;

// One device of a set. `Reserved` tells the set which of its members this is.
struct SP_DEVINFO_DATA {
    DWORD cbSize;
    GUID ClassGuid;
    DWORD DevInst;
    DWORD Reserved;
};
using PSP_DEVINFO_DATA = SP_DEVINFO_DATA*;
static_assert(sizeof(SP_DEVINFO_DATA) == 28);

struct SP_CLASSINSTALL_HEADER {
    DWORD cbSize;
    DI_FUNCTION InstallFunction;
};
using PSP_CLASSINSTALL_HEADER = SP_CLASSINSTALL_HEADER*;
static_assert(sizeof(SP_CLASSINSTALL_HEADER) == 8);

struct SP_PROPCHANGE_PARAMS {
    SP_CLASSINSTALL_HEADER ClassInstallHeader;
    DWORD StateChange;
    DWORD Scope;
    DWORD HwProfile;
};
static_assert(sizeof(SP_PROPCHANGE_PARAMS) == 20);

HDEVINFO SetupDiGetClassDevsA(const GUID* classGuid, LPCSTR enumerator, HWND parent, DWORD flags);
BOOL SetupDiEnumDeviceInfo(HDEVINFO set, DWORD memberIndex, PSP_DEVINFO_DATA data);
BOOL SetupDiGetDeviceRegistryPropertyA(HDEVINFO set, PSP_DEVINFO_DATA data, DWORD property, LPDWORD dataType,
                                       BYTE* buffer, DWORD bufferSize, LPDWORD requiredSize);
BOOL SetupDiGetDeviceInstanceIdA(HDEVINFO set, PSP_DEVINFO_DATA data, LPSTR buffer, DWORD bufferSize,
                                 LPDWORD requiredSize);
BOOL SetupDiDestroyDeviceInfoList(HDEVINFO set);
BOOL SetupDiSetClassInstallParamsA(HDEVINFO set, PSP_DEVINFO_DATA data, PSP_CLASSINSTALL_HEADER params,
                                   DWORD paramsSize);
BOOL SetupDiCallClassInstaller(DI_FUNCTION function, HDEVINFO set, PSP_DEVINFO_DATA data);
