#include "registry/DriverParams.h"

#include "driver/PrtUtil.h"
#include "registry/Registry.h"

LPCSTR AdapterDescription(int adapterModel)
{
    return adapterModel == 0 ? "VELTRIX WLAN MiniPCI/Cardbus(VTX-4100)" : "Norvel WLAN 802.11B KX710";
}

CString DriverKeyPath(CPrtUtil& prtUtil)
{
    const int osKind = prtUtil.GetOsKind();
    CRegistry registry;
    CString path = registry.FindDriverKey(AdapterDescription(prtUtil.m_nAdapterModel), osKind);
    return path == NetClassKeyPath(osKind) ? CString() : path;
}

CString ReadDriverParam(CPrtUtil& prtUtil, LPCSTR name)
{
    CString value;
    const CString path = DriverKeyPath(prtUtil);
    CRegistry registry;
    if (!path.IsEmpty() && registry.OpenKey(HKEY_LOCAL_MACHINE, path, KEY_ALL_ACCESS)) {
        registry.ReadString(name, value);
        registry.CloseKey();
    }
    return value;
}

void WriteDriverParam(CPrtUtil& prtUtil, LPCSTR name, LPCSTR value)
{
    const CString path = DriverKeyPath(prtUtil);
    CRegistry registry;
    if (!path.IsEmpty() && registry.OpenKey(HKEY_LOCAL_MACHINE, path, KEY_ALL_ACCESS)) {
        registry.WriteString(name, value);
        registry.CloseKey();
    }
}
