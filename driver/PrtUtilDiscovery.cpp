#include <cstring>

#include "driver/AdapterWords.h"
#include "driver/PrtUtil.h"
#include "platform/GlobalMemory.h"
#include "platform/IpHelper.h"
#include "platform/WinError.h"

namespace {

bool Contains(const char* text, const char* word)
{
    return std::strstr(text, word) != nullptr;
}

}  // namespace

void CPrtUtil::CopyAdapterName(const char* name)
{
    // Names longer than the member are cut at its last character, never past it.
    std::size_t i = 0;
    for (; name[i] != '\0' && i + 1 < sizeof m_szAdapterName; ++i)
        m_szAdapterName[i] = name[i];
    m_szAdapterName[i] = '\0';
}

int CPrtUtil::FindAdapter()
{
    ULONG size = 0;
    DWORD result = GetAdaptersInfo(nullptr, &size);
    if (result != ERROR_SUCCESS && result != ERROR_BUFFER_OVERFLOW)
        return -1;
    HGLOBAL memory = GlobalAlloc(GPTR, size);
    if (!memory)
        return -1;
    auto* adapters = static_cast<IP_ADAPTER_INFO*>(memory);
    if (GetAdaptersInfo(adapters, &size) != ERROR_SUCCESS) {
        GlobalFree(memory);
        return -1;
    }
    for (IP_ADAPTER_INFO* adapter = adapters; adapter; adapter = adapter->Next) {
        CopyAdapterName(adapter->AdapterName);
        m_strAdapterDesc = adapter->Description;
        if (Contains(adapter->Description, ADAPTER_MODEL_WORD) || Contains(adapter->Description, ADAPTER_MAKER_WORD)) {
            m_nAdapterModel = Contains(adapter->Description, ADAPTER_MODEL_WORD) ? 1 : 0;
            GlobalFree(memory);
            return 1;
        }
    }
    GlobalFree(memory);
    return 0;
}

int CPrtUtil::FindDevice9x()
{
    if (m_hDevInfo == INVALID_HANDLE_VALUE || !m_hDevInfo)
        return -1;
    for (DWORD index = 0;; ++index) {
        m_devInfoData.cbSize = sizeof(SP_DEVINFO_DATA);
        if (!SetupDiEnumDeviceInfo(m_hDevInfo, index, &m_devInfoData))
            break;
        SetupDiGetDeviceRegistryPropertyA(m_hDevInfo, &m_devInfoData, SPDRP_DEVICEDESC, nullptr,
                                          reinterpret_cast<BYTE*>(m_szDeviceDesc), sizeof m_szDeviceDesc, nullptr);
        bool sameDescription = m_strAdapterDesc == m_szDeviceDesc;
        bool bothModel = Contains(m_szDeviceDesc, ADAPTER_MODEL_WORD) && m_strAdapterDesc.Find(ADAPTER_MODEL_WORD) >= 0;
        if (sameDescription || bothModel) {
            SetupDiGetDeviceRegistryPropertyA(m_hDevInfo, &m_devInfoData, SPDRP_DRIVER, nullptr,
                                              reinterpret_cast<BYTE*>(m_szDriverKey), sizeof m_szDriverKey, nullptr);
            return 1;
        }
    }
    SetupDiDestroyDeviceInfoList(m_hDevInfo);
    m_hDevInfo = INVALID_HANDLE_VALUE;
    return -1;
}

int CPrtUtil::FindDeviceNt()
{
    if (m_hDevInfo == INVALID_HANDLE_VALUE || !m_hDevInfo)
        return 0;
    for (DWORD index = 0;; ++index) {
        m_devInfoData.cbSize = sizeof(SP_DEVINFO_DATA);
        if (!SetupDiEnumDeviceInfo(m_hDevInfo, index, &m_devInfoData))
            break;
        if (!SetupDiGetDeviceInstanceIdA(m_hDevInfo, &m_devInfoData, m_szInstanceId, sizeof m_szInstanceId, nullptr))
            continue;
        if (!SetupDiGetDeviceRegistryPropertyA(m_hDevInfo, &m_devInfoData, SPDRP_SERVICE, nullptr,
                                               reinterpret_cast<BYTE*>(m_szService), sizeof m_szService, nullptr) ||
            std::strncmp(m_szService, MINIPORT_SERVICE_PREFIX, 4) != 0)
            continue;
        SetupDiGetDeviceRegistryPropertyA(m_hDevInfo, &m_devInfoData, SPDRP_DRIVER, nullptr,
                                          reinterpret_cast<BYTE*>(m_szDriverKey), sizeof m_szDriverKey, nullptr);
        SetupDiGetDeviceRegistryPropertyA(m_hDevInfo, &m_devInfoData, SPDRP_DEVICEDESC, nullptr,
                                          reinterpret_cast<BYTE*>(m_szDeviceDesc), sizeof m_szDeviceDesc, nullptr);
        return 1;
    }
    SetupDiDestroyDeviceInfoList(m_hDevInfo);
    m_hDevInfo = INVALID_HANDLE_VALUE;
    return 0;
}

BOOL CPrtUtil::RestartDevice()
{
    SP_PROPCHANGE_PARAMS params{};
    params.ClassInstallHeader.cbSize = sizeof(SP_CLASSINSTALL_HEADER);
    params.ClassInstallHeader.InstallFunction = DIF_PROPERTYCHANGE;
    params.StateChange = DICS_PROPCHANGE;
    params.Scope = DICS_FLAG_GLOBAL;
    params.HwProfile = 0;
    SetupDiSetClassInstallParamsA(m_hDevInfo, &m_devInfoData, &params.ClassInstallHeader, sizeof params);
    return SetupDiCallClassInstaller(DIF_PROPERTYCHANGE, m_hDevInfo, &m_devInfoData);
}
