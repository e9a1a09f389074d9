#include "registry/Registry.h"

CString CRegistry::FindDriverKey(LPCSTR description, int osKind)
{
    const CString base = NetClassKeyPath(osKind);
    const DWORD count = CountSubKeys(HKEY_LOCAL_MACHINE, base);
    // The text read carries over to the next sub-key; only indexes below the count are
    // tried, so a gap in the numbering hides the keys past it. A sub-key that does not open
    // is not read, which would only fail.
    CString driverDesc;
    for (DWORD i = 0; i < count; ++i) {
        CString path;
        path.Format("%s%04u", base.c_str(), i);
        if (OpenKey(HKEY_LOCAL_MACHINE, path, KEY_READ))
            ReadString("DriverDesc", driverDesc);
        if (driverDesc == description) {
            CloseKey();
            return path;
        }
    }
    return base;
}
