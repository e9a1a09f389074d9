#include <cstring>

#include "driver/AdapterWords.h"
#include "driver/PrtUtil.h"
#include "platform/GlobalMemory.h"
#include "platform/IpHelper.h"
#include "platform/MessageBox.h"
#include "platform/WinError.h"

void CPrtUtil::ShowIpError(const char* format, DWORD error)
{
    CString text;
    text.Format(format, static_cast<int>(error));
    MessageBoxA(nullptr, text, platform::ApplicationName(), MB_OK);
}

int CPrtUtil::QueryIpConfig()
{
    ULONG size = 0;
    DWORD result = GetNetworkParams(nullptr, &size);
    if (result != ERROR_SUCCESS && result != ERROR_BUFFER_OVERFLOW) {
        ShowIpError("GetNetworkParams sizing failed with error %d\n", result);
        return -1;
    }
    HGLOBAL paramsMemory = GlobalAlloc(GPTR, size);
    if (!paramsMemory) {
        MessageBoxA(nullptr, "Memory allocation error\n", platform::ApplicationName(), MB_OK);
        return -1;
    }
    auto* params = static_cast<FIXED_INFO*>(paramsMemory);
    result = GetNetworkParams(params, &size);
    if (result != ERROR_SUCCESS) {
        ShowIpError("GetNetworkParams failed with error %d\n", result);
        GlobalFree(paramsMemory);
        return -1;
    }
    m_strDns[0] = "";
    m_strDns[1] = "";
    m_strDns[0] = params->DnsServerList.IpAddress.String;
    if (params->DnsServerList.Next)
        m_strDns[1] = params->DnsServerList.Next->IpAddress.String;

    size = 0;
    result = GetAdaptersInfo(nullptr, &size);
    HGLOBAL adaptersMemory = nullptr;
    if (result == ERROR_SUCCESS || result == ERROR_BUFFER_OVERFLOW)
        adaptersMemory = GlobalAlloc(GPTR, size);
    auto* adapters = static_cast<IP_ADAPTER_INFO*>(adaptersMemory);
    if (!adapters || GetAdaptersInfo(adapters, &size) != ERROR_SUCCESS) {
        if (adaptersMemory)
            GlobalFree(adaptersMemory);
        GlobalFree(paramsMemory);
        return -1;
    }

    int found = 0;
    for (IP_ADAPTER_INFO* adapter = adapters; adapter && !found; adapter = adapter->Next) {
        CopyAdapterName(adapter->AdapterName);
        for (IP_ADDR_STRING* entry = &adapter->IpAddressList; entry; entry = entry->Next) {
            m_strIpAddress = entry->IpAddress.String;
            m_strSubnetMask = entry->IpMask.String;
        }
        m_strGateway = adapter->GatewayList.IpAddress.String;
        for (IP_ADDR_STRING* gateway = adapter->GatewayList.Next; gateway; gateway = gateway->Next) {
            CString line;
            line.Format("%52s\n", gateway->IpAddress.String);
            m_strGateway += " ";
            m_strGateway += line;
        }
        if (std::strstr(adapter->Description, ADAPTER_MODEL_WORD)) {
            m_nAdapterModel = 1;
            found = 1;
        } else if (std::strstr(adapter->Description, ADAPTER_MAKER_WORD)) {
            m_nAdapterModel = 0;
            found = 1;
        }
    }
    GlobalFree(adaptersMemory);
    GlobalFree(paramsMemory);
    return found;
}
