#include "platform/IpHelper.h"

#include <cstring>
#include <string>
#include <vector>

#include "machine/MachinePort.h"
#include "platform/CurrentMachine.h"
#include "platform/WinError.h"

namespace {

// Copies as much of `text` as fits, always terminated.
template <std::size_t N>
void put(char (&field)[N], const std::string& text)
{
    std::memset(field, 0, N);
    text.copy(field, N - 1);
}

// Fills a list whose first entry is embedded in its owner and the rest follow in `spare`.
template <typename Entry>
void fill_list(IP_ADDR_STRING& head, const std::vector<Entry>& entries, IP_ADDR_STRING*& spare,
               void (*fill)(IP_ADDR_STRING&, const Entry&))
{
    std::memset(&head, 0, sizeof head);
    IP_ADDR_STRING* last = &head;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        IP_ADDR_STRING* entry = i == 0 ? &head : spare++;
        std::memset(entry, 0, sizeof *entry);
        fill(*entry, entries[i]);
        if (i > 0)
            last->Next = entry;
        last = entry;
    }
}

std::size_t extra_entries(std::size_t count) { return count > 1 ? count - 1 : 0; }

}  // namespace

DWORD GetAdaptersInfo(PIP_ADAPTER_INFO adapterInfo, ULONG* size)
{
    if (!size)
        return ERROR_INVALID_PARAMETER;
    const machine::IpAdaptersAnswer answer = platform::CurrentMachine().ip_adapters();
    const std::vector<machine::IpAdapter>& adapters = answer.adapters;
    std::size_t extra = 0;
    for (const auto& a : adapters)
        extra += extra_entries(a.addresses.size()) + extra_entries(a.gateways.size());
    auto needed = static_cast<ULONG>(adapters.size() * sizeof(IP_ADAPTER_INFO) + extra * sizeof(IP_ADDR_STRING));

    bool sizing = !adapterInfo || *size < needed;
    if (DWORD error = answer.errors.of(sizing))
        return error;
    if (adapters.empty())
        return ERROR_NO_DATA;
    if (sizing) {
        *size = needed;
        return ERROR_BUFFER_OVERFLOW;
    }

    std::memset(adapterInfo, 0, needed);
    auto* spare = reinterpret_cast<IP_ADDR_STRING*>(adapterInfo + adapters.size());
    for (std::size_t i = 0; i < adapters.size(); ++i) {
        IP_ADAPTER_INFO& info = adapterInfo[i];
        const machine::IpAdapter& a = adapters[i];
        info.Next = i + 1 < adapters.size() ? &adapterInfo[i + 1] : nullptr;
        info.ComboIndex = info.Index = static_cast<DWORD>(i + 1);
        put(info.AdapterName, a.name);
        put(info.Description, a.description);
        info.AddressLength = 6;
        info.Type = MIB_IF_TYPE_ETHERNET;
        fill_list<machine::IpAddressEntry>(info.IpAddressList, a.addresses, spare,
                                           [](IP_ADDR_STRING& e, const machine::IpAddressEntry& v) {
                                               put(e.IpAddress.String, v.address);
                                               put(e.IpMask.String, v.mask);
                                           });
        fill_list<std::string>(info.GatewayList, a.gateways, spare, [](IP_ADDR_STRING& e, const std::string& v) {
            put(e.IpAddress.String, v);
            put(e.IpMask.String, "255.255.255.255");
        });
    }
    return ERROR_SUCCESS;
}

DWORD GetNetworkParams(PFIXED_INFO fixedInfo, ULONG* size)
{
    if (!size)
        return ERROR_INVALID_PARAMETER;
    const machine::NetworkParamsAnswer answer = platform::CurrentMachine().network_params();
    const machine::NetworkParams& params = answer.params;
    auto needed = static_cast<ULONG>(sizeof(FIXED_INFO) + extra_entries(params.dns_servers.size()) * sizeof(IP_ADDR_STRING));

    bool sizing = !fixedInfo || *size < needed;
    if (DWORD error = answer.errors.of(sizing))
        return error;
    if (sizing) {
        *size = needed;
        return ERROR_BUFFER_OVERFLOW;
    }

    std::memset(fixedInfo, 0, needed);
    put(fixedInfo->HostName, params.host_name);
    put(fixedInfo->DomainName, params.domain_name);
    auto* spare = reinterpret_cast<IP_ADDR_STRING*>(fixedInfo + 1);
    fill_list<std::string>(fixedInfo->DnsServerList, params.dns_servers, spare,
                           [](IP_ADDR_STRING& e, const std::string& v) { put(e.IpAddress.String, v); });
    fixedInfo->CurrentDnsServer = params.dns_servers.empty() ? nullptr : &fixedInfo->DnsServerList;
    fixedInfo->NodeType = 1;
    return ERROR_SUCCESS;
}
