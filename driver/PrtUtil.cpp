#include "driver/PrtUtil.h"

#include <cstring>

#include "platform/Kernel.h"

namespace {

// Stands in for the records while the device is closed, so that a query made then stores
// the all-zero answer instead of writing through a null pointer.
PRT_REQUEST g_closedRequest;
PRT_LARGE_REQUEST g_closedLargeRequest;

bool Inside(const void* address, const void* record, std::size_t size, std::size_t& room)
{
    auto* p = static_cast<const BYTE*>(address);
    auto* start = static_cast<const BYTE*>(record);
    if (!record || p < start || p >= start + size)
        return false;
    room = static_cast<std::size_t>(start + size - p);
    return true;
}

// Clears a record for a new query and returns where its data goes.
template <typename Record>
BYTE* ClearForQuery(Record& record, DWORD oid, DWORD length)
{
    std::memset(&record, 0, sizeof record);
    record.Oid = oid;
    record.Length = length;
    return record.Data;
}

}  // namespace

CPrtUtil::CPrtUtil()
    : m_hDriver(INVALID_HANDLE_VALUE), m_pRequest(nullptr), m_pLargeRequest(nullptr),
      m_hDevInfo(INVALID_HANDLE_VALUE), m_devInfoData{}, m_macAddress{}, m_bssid{}, m_nRssi(0),
      m_pBssidList(nullptr), m_pStatistics(nullptr), m_szInstanceKey{}, m_szAdapterName{}, m_szInstanceId{},
      m_szDeviceDesc{}, m_szService{}, m_szDriverKey{}, m_nServiceState(0), m_bDriverOpen(0), m_bBound(0),
      m_nOsKind(0), m_nAdapterModel(0)
{
    m_nOsKind = GetOsKind();
}

// Closing is the caller's task; the strings release themselves.
CPrtUtil::~CPrtUtil() = default;

int CPrtUtil::GetOsKind()
{
    OSVERSIONINFO info{};
    info.dwOSVersionInfoSize = sizeof info;
    GetVersionExA(&info);
    if (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS)
        return 1;
    if (info.dwMajorVersion != 5)
        return 3;
    if (info.dwMinorVersion == 0)
        return 2;
    if (info.dwMinorVersion == 1)
        return 4;
    // Later 5.x systems have no driver of their own: treated as a system without driver access.
    return 3;
}

void CPrtUtil::CopyBytes(void* destination, const void* source, int count)
{
    auto size = static_cast<std::size_t>(((count % 256) + 256) % 256);
    // A copy into one of the records never runs past its end.
    std::size_t room = 0;
    if (Inside(destination, m_pRequest, sizeof(PRT_REQUEST), room) ||
        Inside(destination, m_pLargeRequest, sizeof(PRT_LARGE_REQUEST), room) ||
        Inside(destination, &g_closedRequest, sizeof g_closedRequest, room) ||
        Inside(destination, &g_closedLargeRequest, sizeof g_closedLargeRequest, room)) {
        if (size > room)
            size = room;
    }
    if (size)
        std::memmove(destination, source, size);
}

BOOL CPrtUtil::SendRequest(DWORD code, void* record, DWORD size)
{
    DWORD returned = 0;
    return DeviceIoControl(m_hDriver, code, record, size, record, size, &returned, nullptr);
}

BYTE* CPrtUtil::PrepareRequest(DWORD oid, DWORD length)
{
    return ClearForQuery(m_pRequest ? *m_pRequest : g_closedRequest, oid, length);
}

BYTE* CPrtUtil::PrepareLargeRequest(DWORD oid, DWORD length)
{
    return ClearForQuery(m_pLargeRequest ? *m_pLargeRequest : g_closedLargeRequest, oid, length);
}

void CPrtUtil::SendIfBound(DWORD code, DWORD length)
{
    if (m_bBound == 1 && m_pRequest)
        SendRequest(code, m_pRequest, length + PRT_REQUEST_HEADER_SIZE);
}

void CPrtUtil::SendLargeIfBound(DWORD code, DWORD length)
{
    if (m_bBound == 1 && m_pLargeRequest)
        SendRequest(code, m_pLargeRequest, length + PRT_REQUEST_HEADER_SIZE);
}
