#include <cstring>

#include "driver/Oids.h"
#include "driver/PrtIoctl.h"
#include "driver/PrtUtil.h"
#include "driver/StatusText.h"

namespace {
DWORD ReadDword(const BYTE* data)
{
    DWORD value;
    std::memcpy(&value, data, sizeof value);
    return value;
}
}  // namespace

const BYTE* CPrtUtil::Query(DWORD oid, DWORD length)
{
    const BYTE* data = PrepareRequest(oid, length);
    SendIfBound(IOCTL_PRT_QUERY_OID, length);
    return data;
}

DWORD CPrtUtil::QueryValue(DWORD oid)
{
    return ReadDword(Query(oid, sizeof(DWORD)));
}

void CPrtUtil::QuerySsid()
{
    // The name follows the 32-bit length field and is read no further than its 32 bytes.
    const BYTE* data = Query(OID_802_11_SSID, SSID_RECORD_SIZE);
    m_strSsid = status_text::Ssid(data + 4, SSID_MAX_LENGTH);
}

void CPrtUtil::QueryBssid()
{
    std::memcpy(m_bssid, Query(OID_802_11_BSSID, sizeof m_bssid), sizeof m_bssid);
    m_strBssid = status_text::Address(m_bssid);
}

void CPrtUtil::QueryNetworkMode()
{
    m_strNetworkMode = status_text::NetworkMode(QueryValue(OID_802_11_INFRASTRUCTURE_MODE));
}

DWORD CPrtUtil::GetNetworkMode()
{
    return QueryValue(OID_802_11_INFRASTRUCTURE_MODE);
}

void CPrtUtil::QueryEncryption()
{
    m_strEncryption = status_text::Encryption(QueryValue(OID_802_11_WEP_STATUS));
}

void CPrtUtil::QueryBssidList()
{
    m_pBssidList = PrepareLargeRequest(OID_802_11_BSSID_LIST, PRT_LARGE_REQUEST_DATA_SIZE);
    SendLargeIfBound(IOCTL_PRT_QUERY_OID, PRT_LARGE_REQUEST_DATA_SIZE);
}

void CPrtUtil::QueryRssi()
{
    m_nRssi = static_cast<LONG>(QueryValue(OID_802_11_RSSI));
}

void CPrtUtil::QueryPowerMode()
{
    m_strPowerMode = status_text::PowerMode(QueryValue(OID_802_11_POWER_MODE));
}

void CPrtUtil::QueryMacAddress()
{
    std::memcpy(m_macAddress, Query(OID_802_3_PERMANENT_ADDRESS, sizeof m_macAddress), sizeof m_macAddress);
    m_strMacAddress = status_text::Address(m_macAddress);
}

void CPrtUtil::QueryChannel()
{
    m_strChannel = status_text::Channel(Query(OID_PRT_CHANNEL, sizeof(DWORD))[0]);
}

void CPrtUtil::QueryFirmwareVersion()
{
    m_strFirmwareVersion = status_text::FirmwareVersion(Query(OID_PRT_FIRMWARE_VERSION, VERSION_RECORD_SIZE));
}

void CPrtUtil::QueryDriverVersion()
{
    m_strDriverVersion = status_text::DriverVersion(Query(OID_PRT_DRIVER_VERSION, VERSION_RECORD_SIZE));
}

void CPrtUtil::QueryEepromVersion()
{
    m_strEepromVersion = status_text::EepromVersion(Query(OID_PRT_EEPROM_VERSION, VERSION_RECORD_SIZE));
}

void CPrtUtil::QueryStatistics()
{
    m_pStatistics = PrepareLargeRequest(OID_PRT_STATISTICS, STATISTICS_RECORD_SIZE);
    SendLargeIfBound(IOCTL_PRT_QUERY_OID, STATISTICS_RECORD_SIZE);
}

void CPrtUtil::QueryAuthMode()
{
    m_strAuthMode = status_text::AuthMode(QueryValue(OID_802_11_AUTHENTICATION_MODE));
}

void CPrtUtil::QueryLinkStatus()
{
    m_strLinkStatus = status_text::LinkStatus(Query(OID_PRT_LINK_STATUS, sizeof(DWORD))[0]);
}
