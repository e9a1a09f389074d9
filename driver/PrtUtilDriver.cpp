#include <cstring>

#include "driver/PrtIoctl.h"
#include "driver/PrtUtil.h"
#include "platform/GlobalMemory.h"
#include "platform/Kernel.h"
#include "platform/Services.h"
#include "platform/Time.h"

namespace {

constexpr DWORD kServicePollMs = 2000;
// A service that never leaves start pending is given up on after this long.
constexpr DWORD kServiceStartTimeoutMs = 30000;

template <typename Record>
Record* AllocateRecord()
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(Record));
    if (!memory)
        return nullptr;
    auto* record = static_cast<Record*>(GlobalLock(memory));
    if (!record)
        GlobalFree(memory);
    return record;
}

void FreeRecord(void* record)
{
    HGLOBAL memory = GlobalHandle(record);
    GlobalUnlock(memory);
    GlobalFree(memory);
}

}  // namespace

int CPrtUtil::OpenDriver(LPCSTR device, DWORD flags)
{
    // A failed open keeps its handle; it is released here, before the next one is made,
    // so that retrying every tick never piles up open devices.
    if (m_bDriverOpen == 0 && m_hDriver != INVALID_HANDLE_VALUE)
        CloseHandle(m_hDriver);
    m_hDriver = CreateFileA(device, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, flags, nullptr);
    if (m_hDriver == INVALID_HANDLE_VALUE)
        return -1;
    if (GetLastError() == ERROR_ALREADY_EXISTS)
        return -1;
    m_pRequest = AllocateRecord<PRT_REQUEST>();
    if (!m_pRequest)
        return -1;
    m_pLargeRequest = AllocateRecord<PRT_LARGE_REQUEST>();
    if (!m_pLargeRequest) {
        FreeRecord(m_pRequest);
        m_pRequest = nullptr;
        return -1;
    }
    // The set of the previous open stays until here: a restart of the device uses it after the close.
    if (m_hDevInfo != INVALID_HANDLE_VALUE)
        SetupDiDestroyDeviceInfoList(m_hDevInfo);
    m_hDevInfo = SetupDiGetClassDevsA(&GUID_DEVCLASS_NET, nullptr, nullptr, DIGCF_PRESENT);
    m_bDriverOpen = 1;
    return 1;
}

int CPrtUtil::OpenDriver9x()
{
    return OpenDriver(PRT_DEVICE_9X, FILE_FLAG_DELETE_ON_CLOSE);
}

int CPrtUtil::OpenDriverNt()
{
    StartDriverService(PRT_SERVICE_NAME);
    return OpenDriver(PRT_DEVICE_NT, FILE_FLAG_OVERLAPPED);
}

BOOL CPrtUtil::CloseDriverHandle()
{
    if (m_hDriver == INVALID_HANDLE_VALUE || !CloseHandle(m_hDriver))
        return FALSE;
    // A closed handle is never closed again: its value may name another object by then.
    m_hDriver = INVALID_HANDLE_VALUE;
    return TRUE;
}

int CPrtUtil::FreeRecords()
{
    m_bBound = 0;
    m_bDriverOpen = 0;
    if (m_pRequest)
        FreeRecord(m_pRequest);
    if (m_pLargeRequest)
        FreeRecord(m_pLargeRequest);
    m_pRequest = nullptr;
    m_pLargeRequest = nullptr;
    m_pBssidList = nullptr;
    m_pStatistics = nullptr;
    return 1;
}

int CPrtUtil::CloseDriver9x()
{
    if (!CloseDriverHandle())
        return -1;
    return FreeRecords();
}

int CPrtUtil::CloseDriverNt()
{
    StopDriverService(PRT_SERVICE_NAME);
    return CloseDriver9x();
}

int CPrtUtil::CloseDriverXp()
{
    int unbound = UnbindAdapter();
    if (unbound != 1)
        return unbound == -1 ? -1 : 0;
    if (!CloseDriverHandle())
        return -1;
    Sleep(3000);
    return FreeRecords();
}

int CPrtUtil::StartDriverService(LPCSTR serviceName)
{
    m_nServiceState = 0;
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager)
        return 0;
    // Polling the start needs the status right as well as the start right.
    SC_HANDLE service = OpenServiceA(manager, serviceName, SERVICE_START | SERVICE_QUERY_STATUS);
    if (!service) {
        CloseServiceHandle(manager);
        return 0;
    }
    int result = 0;
    if (!StartServiceA(service, 0, nullptr)) {
        if (GetLastError() == ERROR_SERVICE_ALREADY_RUNNING) {
            result = 1;
            m_nServiceState = -1;
        }
    } else {
        result = 1;
        SERVICE_STATUS status{};
        DWORD waited = 0;
        bool polled = QueryServiceStatus(service, &status) != FALSE;
        while (polled && status.dwCurrentState == SERVICE_START_PENDING && waited < kServiceStartTimeoutMs) {
            Sleep(kServicePollMs);
            waited += kServicePollMs;
            polled = QueryServiceStatus(service, &status) != FALSE;
        }
        if (polled && status.dwCurrentState == SERVICE_RUNNING)
            m_nServiceState = 1;
    }
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return result;
}

int CPrtUtil::StopDriverService(LPCSTR serviceName)
{
    m_nServiceState = 0;
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager)
        return 0;
    SC_HANDLE service = OpenServiceA(manager, serviceName, SERVICE_STOP);
    if (!service) {
        CloseServiceHandle(manager);
        return 0;
    }
    SERVICE_STATUS status{};
    int result = ControlService(service, SERVICE_CONTROL_STOP, &status) ? 1 : 0;
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return result;
}
