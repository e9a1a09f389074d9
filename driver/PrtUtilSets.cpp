#include <cstring>

#include "driver/Oids.h"
#include "driver/PrtIoctl.h"
#include "driver/PrtUtil.h"

void CPrtUtil::SetValue(DWORD oid, DWORD value)
{
    BYTE* data = PrepareRequest(oid, sizeof value);
    CopyBytes(data, &value, sizeof value);
    SendIfBound(IOCTL_PRT_SET_OID, sizeof value);
}

void CPrtUtil::SetSsid(LPCSTR ssid)
{
    // A longer name is cut to the 32 bytes the record holds.
    DWORD length = ssid ? static_cast<DWORD>(strnlen(ssid, SSID_MAX_LENGTH)) : 0;
    BYTE record[SSID_RECORD_SIZE] = {};
    std::memcpy(record, &length, sizeof length);
    if (length)
        std::memcpy(record + 4, ssid, length);
    BYTE* data = PrepareRequest(OID_802_11_SSID, SSID_RECORD_SIZE);
    CopyBytes(data, record, sizeof record);
    SendIfBound(IOCTL_PRT_SET_OID, SSID_RECORD_SIZE);
}

void CPrtUtil::SetNetworkMode(int mode)
{
    SetValue(OID_802_11_INFRASTRUCTURE_MODE, mode >= 0 && mode <= 2 ? static_cast<DWORD>(mode) : 1);
}

void CPrtUtil::SetWepStatus(int enable)
{
    // The standard's values: 0 enabled, 1 disabled.
    SetValue(OID_802_11_WEP_STATUS, enable == 1 ? 0 : 1);
}

void CPrtUtil::AddWepKey(const BYTE* keyRecord)
{
    BYTE* data = PrepareRequest(OID_802_11_ADD_WEP, WEP_KEY_RECORD_SIZE);
    if (keyRecord)
        CopyBytes(data, keyRecord, WEP_KEY_RECORD_SIZE);
    SendIfBound(IOCTL_PRT_SET_OID, WEP_KEY_RECORD_SIZE);
}

void CPrtUtil::StartScan()
{
    PrepareRequest(OID_802_11_BSSID_LIST_SCAN, sizeof(DWORD));
    SendIfBound(IOCTL_PRT_SET_OID, sizeof(DWORD));
}

void CPrtUtil::SetAuthMode(int mode)
{
    SetValue(OID_802_11_AUTHENTICATION_MODE, mode >= 0 && mode <= 5 ? static_cast<DWORD>(mode) : 0);
}

void CPrtUtil::SetPowerMode(int mode)
{
    SetValue(OID_802_11_POWER_MODE, mode >= 0 && mode <= 2 ? static_cast<DWORD>(mode) : 0);
}

void CPrtUtil::SetTxRate(int rate)
{
    // The adapter's own rate mask: one bit per rate, all of them for automatic.
    static constexpr BYTE kRateMask[] = {15, 1, 2, 4, 8};
    constexpr DWORD kRatesLength = 8;
    BYTE* data = PrepareRequest(OID_802_11_DESIRED_RATES, kRatesLength);
    data[0] = rate >= 1 && rate <= 4 ? kRateMask[rate] : kRateMask[0];
    SendIfBound(IOCTL_PRT_SET_OID, kRatesLength);
}
