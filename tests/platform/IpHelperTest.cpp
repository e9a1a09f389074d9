#include <gtest/gtest.h>

#include <vector>

#include "platform/IpHelper.h"
#include "platform/WinError.h"
#include "support/MachineFixture.h"

namespace {

machine::Scenario TwoListsScenario()
{
    machine::Scenario s = machine::default_scenario();
    s.ip_adapters[1].addresses = {{"192.168.1.23", "255.255.255.0"}, {"10.1.2.3", "255.0.0.0"}};
    s.ip_adapters[1].gateways = {"192.168.1.1", "10.0.0.1"};
    s.ip_adapters[1].name = std::string(300, 'N');
    s.network.dns_servers = {"1.1.1.1", "2.2.2.2", "3.3.3.3"};
    return s;
}

TEST(IpHelper, AdapterListFollowsTheSizeProtocolAndLinksItsLists)
{
    zephra_test::MachineFixture f(TwoListsScenario());
    ULONG size = 0;
    ASSERT_EQ(GetAdaptersInfo(nullptr, &size), ERROR_BUFFER_OVERFLOW);
    EXPECT_EQ(size, 2 * sizeof(IP_ADAPTER_INFO) + 2 * sizeof(IP_ADDR_STRING));
    std::vector<IP_ADAPTER_INFO> buffer(size / sizeof(IP_ADAPTER_INFO) + 1);
    ULONG tooSmall = size - 1;
    EXPECT_EQ(GetAdaptersInfo(buffer.data(), &tooSmall), ERROR_BUFFER_OVERFLOW);
    ASSERT_EQ(GetAdaptersInfo(buffer.data(), &size), ERROR_SUCCESS);

    IP_ADAPTER_INFO* wireless = buffer[0].Next;
    ASSERT_NE(wireless, nullptr);
    EXPECT_EQ(wireless->Next, nullptr);
    EXPECT_EQ(std::string(wireless->AdapterName), std::string(259, 'N'));
    EXPECT_STREQ(wireless->IpAddressList.Next->IpAddress.String, "10.1.2.3");
    EXPECT_STREQ(wireless->IpAddressList.Next->IpMask.String, "255.0.0.0");
    EXPECT_STREQ(wireless->GatewayList.IpAddress.String, "192.168.1.1");
    EXPECT_STREQ(wireless->GatewayList.Next->IpAddress.String, "10.0.0.1");
    EXPECT_EQ(wireless->GatewayList.Next->Next, nullptr);
}

TEST(IpHelper, NetworkParamsListEveryDnsServer)
{
    zephra_test::MachineFixture f(TwoListsScenario());
    ULONG size = 0;
    ASSERT_EQ(GetNetworkParams(nullptr, &size), ERROR_BUFFER_OVERFLOW);
    std::vector<IP_ADDR_STRING> buffer(size / sizeof(IP_ADDR_STRING) + 1);
    auto* info = reinterpret_cast<FIXED_INFO*>(buffer.data());
    ASSERT_EQ(GetNetworkParams(info, &size), ERROR_SUCCESS);
    std::vector<std::string> servers;
    for (IP_ADDR_STRING* e = &info->DnsServerList; e; e = e->Next)
        servers.push_back(e->IpAddress.String);
    EXPECT_EQ(servers, (std::vector<std::string>{"1.1.1.1", "2.2.2.2", "3.3.3.3"}));
}

TEST(IpHelper, InjectedErrorsAndAnEmptyList)
{
    zephra_test::MachineFixture f;
    ULONG size = 0;
    f.machine.faults().adapters_info_sizing_error = ERROR_NOT_SUPPORTED;
    EXPECT_EQ(GetAdaptersInfo(nullptr, &size), ERROR_NOT_SUPPORTED);
    f.machine.faults().network_params_sizing_error = ERROR_INVALID_DATA;
    EXPECT_EQ(GetNetworkParams(nullptr, &size), ERROR_INVALID_DATA);
    EXPECT_EQ(GetAdaptersInfo(nullptr, nullptr), ERROR_INVALID_PARAMETER);

    machine::Scenario none = machine::default_scenario();
    none.ip_adapters.clear();
    zephra_test::MachineFixture empty(none);
    EXPECT_EQ(GetAdaptersInfo(nullptr, &size), ERROR_NO_DATA);
}

}  // namespace
