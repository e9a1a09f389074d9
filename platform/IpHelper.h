#pragma once
// The IP helper: the IP stack's adapter list and the network parameters.

#include <ctime>

#include "platform/WinTypes.h"

constexpr int MAX_ADAPTER_NAME_LENGTH = 256;
constexpr int MAX_ADAPTER_DESCRIPTION_LENGTH = 128;
constexpr int MAX_ADAPTER_ADDRESS_LENGTH = 8;
constexpr int MAX_HOSTNAME_LEN = 128;
constexpr int MAX_DOMAIN_NAME_LEN = 128;
constexpr int MAX_SCOPE_ID_LEN = 256;
constexpr UINT MIB_IF_TYPE_ETHERNET = 6;

struct IP_ADDRESS_STRING {
    char String[16];
};
using IP_MASK_STRING = IP_ADDRESS_STRING;

struct IP_ADDR_STRING {
    IP_ADDR_STRING* Next;
    IP_ADDRESS_STRING IpAddress;
    IP_MASK_STRING IpMask;
    DWORD Context;
};
using PIP_ADDR_STRING = IP_ADDR_STRING*;

struct IP_ADAPTER_INFO {
    IP_ADAPTER_INFO* Next;
    DWORD ComboIndex;
    char AdapterName[MAX_ADAPTER_NAME_LENGTH + 4];
    char Description[MAX_ADAPTER_DESCRIPTION_LENGTH + 4];
    UINT AddressLength;
    BYTE Address[MAX_ADAPTER_ADDRESS_LENGTH];
    DWORD Index;
    UINT Type;
    UINT DhcpEnabled;
    PIP_ADDR_STRING CurrentIpAddress;
    IP_ADDR_STRING IpAddressList;
    IP_ADDR_STRING GatewayList;
    IP_ADDR_STRING DhcpServer;
    BOOL HaveWins;
    IP_ADDR_STRING PrimaryWinsServer;
    IP_ADDR_STRING SecondaryWinsServer;
    std::time_t LeaseObtained;
    std::time_t LeaseExpires;
};
using PIP_ADAPTER_INFO = IP_ADAPTER_INFO*;

struct FIXED_INFO {
    char HostName[MAX_HOSTNAME_LEN + 4];
    char DomainName[MAX_DOMAIN_NAME_LEN + 4];
    PIP_ADDR_STRING CurrentDnsServer;
    IP_ADDR_STRING DnsServerList;
    UINT NodeType;
    char ScopeId[MAX_SCOPE_ID_LEN + 4];
    UINT EnableRouting;
    UINT EnableProxy;
    UINT EnableDns;
};
using PFIXED_INFO = FIXED_INFO*;

// Both follow the size-query protocol: with no buffer or too small a one they store the
// size needed and return ERROR_BUFFER_OVERFLOW.
DWORD GetAdaptersInfo(PIP_ADAPTER_INFO adapterInfo, ULONG* size);
DWORD GetNetworkParams(PFIXED_INFO fixedInfo, ULONG* size);
