#include <gtest/gtest.h>

#include <cstring>

#include "driver/PrtUtil.h"
#include "platform/MessageBox.h"
#include "support/MachineFixture.h"

namespace {

using zephra_test::MachineFixture;
using zephra_test::ScenarioOn;

TEST(Discovery, FindsTheWirelessAdapterBehindAWiredOne)
{
    MachineFixture f;
    CPrtUtil prt;
    ASSERT_EQ(prt.FindAdapter(), 1);
    const machine::IpAdapter& wireless = f.machine.scenario().ip_adapters[1];
    EXPECT_EQ(std::string(prt.m_szAdapterName), wireless.name);
    EXPECT_EQ(prt.m_strAdapterDesc, wireless.description.c_str());
    EXPECT_EQ(prt.m_nAdapterModel, 1);
}

TEST(Discovery, ModelFromTheDescriptionWords)
{
    struct Row {
        const char* description;
        int found;
        int model;
    };
    for (Row row : {Row{"VELTRIX KX710 Combo", 1, 1}, Row{"VELTRIX 11b PC Card", 1, 0}, Row{"kx710 adapter", 0, 7},
                    Row{"Veltrix adapter", 0, 7}}) {
        machine::Scenario s = machine::default_scenario();
        s.ip_adapters[1].description = row.description;
        MachineFixture f(s);
        CPrtUtil prt;
        prt.m_nAdapterModel = 7;
        EXPECT_EQ(prt.FindAdapter(), row.found) << row.description;
        EXPECT_EQ(prt.m_nAdapterModel, row.model) << row.description;
    }
}

TEST(Discovery, NinetyEightMatchesDeviceDescriptions)
{
    struct Row {
        const char* ip_description;
        const char* device_description;
        int found;
    };
    for (Row row : {Row{"VELTRIX 11b PC Card", "VELTRIX 11b PC Card", 1},
                    Row{"VELTRIX 11b PC Card", "VELTRIX 11b Card", -1},
                    Row{"KX710 Wireless - Packet Scheduler", "KX710 Wireless LAN", 1}}) {
        machine::Scenario s = ScenarioOn("98");
        s.ip_adapters[1].description = row.ip_description;
        s.class_devices[1].description = row.device_description;
        MachineFixture f(s);
        CPrtUtil prt;
        prt.OpenDriver9x();
        ASSERT_EQ(prt.FindAdapter(), 1);
        EXPECT_EQ(prt.FindDevice9x(), row.found) << row.device_description;
        if (row.found == 1)
            EXPECT_STREQ(prt.m_szDriverKey, "Net\\0001");
        else
            EXPECT_EQ(prt.m_hDevInfo, INVALID_HANDLE_VALUE);
        prt.CloseDriver9x();
    }
}

TEST(Discovery, NtAcceptsOnlyTheUpperCaseServicePrefix)
{
    for (const char* service : {"QTND23", "qtnd23"}) {
        machine::Scenario s = machine::default_scenario();
        s.class_devices[1].service = service;
        MachineFixture f(s);
        CPrtUtil prt;
        prt.OpenDriverNt();
        bool accepted = std::strcmp(service, "QTND23") == 0;
        EXPECT_EQ(prt.FindDeviceNt(), accepted ? 1 : 0) << service;
        if (accepted) {
            EXPECT_EQ(std::string(prt.m_szInstanceId), s.class_devices[1].instance_id);
            EXPECT_EQ(std::string(prt.m_szDriverKey), s.class_devices[1].driver_key);
        }
        prt.CloseDriverNt();
    }
}

TEST(Discovery, LongAdapterNameStaysInsideItsMember)
{
    machine::Scenario s = machine::default_scenario();
    s.ip_adapters[1].name = std::string(200, 'G');
    MachineFixture f(s);
    CPrtUtil prt;
    std::memset(prt.m_szInstanceId, 'x', sizeof prt.m_szInstanceId);
    ASSERT_EQ(prt.FindAdapter(), 1);
    EXPECT_EQ(std::string(prt.m_szAdapterName), std::string(144, 'G'));
    EXPECT_EQ(prt.m_szInstanceId[0], 'x');
    EXPECT_EQ(prt.QueryIpConfig(), 1);
    EXPECT_EQ(std::strlen(prt.m_szAdapterName), 144u);
}

TEST(IpConfig, GatewaysAndDnsServers)
{
    machine::Scenario s = machine::default_scenario();
    s.ip_adapters[1].addresses = {{"10.0.0.5", "255.0.0.0"}, {"192.168.7.9", "255.255.255.0"}};
    s.ip_adapters[1].gateways = {"192.168.7.1", "10.0.0.1"};
    s.network.dns_servers = {"1.1.1.1", "2.2.2.2", "3.3.3.3"};
    MachineFixture f(s);
    CPrtUtil prt;
    EXPECT_EQ(prt.QueryIpConfig(), 1);
    EXPECT_EQ(prt.m_strIpAddress, "192.168.7.9");
    EXPECT_EQ(prt.m_strSubnetMask, "255.255.255.0");
    EXPECT_EQ(prt.m_strGateway, ("192.168.7.1 " + std::string(52 - 8, ' ') + "10.0.0.1\n").c_str());
    EXPECT_EQ(prt.m_strDns[0], "1.1.1.1");
    EXPECT_EQ(prt.m_strDns[1], "2.2.2.2");
    EXPECT_TRUE(f.messages.boxes().empty());
}

TEST(IpConfig, NoMatchLeavesTheLastAdaptersValues)
{
    machine::Scenario s = machine::default_scenario();
    s.ip_adapters[1].description = "Other Wireless";
    s.network.dns_servers = {};
    MachineFixture f(s);
    CPrtUtil prt;
    prt.m_nAdapterModel = 7;
    EXPECT_EQ(prt.QueryIpConfig(), 0);
    EXPECT_EQ(prt.m_strIpAddress, "192.168.1.23");
    EXPECT_EQ(prt.m_strGateway, "192.168.1.1");
    EXPECT_EQ(std::string(prt.m_szAdapterName), s.ip_adapters[1].name);
    EXPECT_EQ(prt.m_nAdapterModel, 7);
    EXPECT_EQ(prt.m_strDns[0], "");
}

TEST(IpConfig, EachFailureShowsItsMessageTitledWithTheApplicationName)
{
    struct Row {
        void (*fault)(machine::Faults&);
        const char* message;
    };
    const Row rows[] = {
        {[](machine::Faults& x) { x.network_params_sizing_error = 5; }, "GetNetworkParams sizing failed with error 5\n"},
        {[](machine::Faults& x) { x.allocations_before_failure = 0; }, "Memory allocation error\n"},
        {[](machine::Faults& x) { x.network_params_error = 31; }, "GetNetworkParams failed with error 31\n"},
        {[](machine::Faults& x) { x.adapters_info_error = 31; }, nullptr},
    };
    platform::SetApplicationName("Zephra Test");
    for (const Row& row : rows) {
        machine::Scenario s = machine::default_scenario();
        row.fault(s.faults);
        MachineFixture f(s);
        CPrtUtil prt;
        prt.m_strIpAddress = "kept";
        EXPECT_EQ(prt.QueryIpConfig(), -1);
        EXPECT_EQ(prt.m_strIpAddress, "kept");
        ASSERT_EQ(f.messages.boxes().size(), row.message ? 1u : 0u);
        if (row.message) {
            EXPECT_EQ(f.messages.boxes()[0].text, row.message);
            EXPECT_EQ(f.messages.boxes()[0].caption, "Zephra Test");
            EXPECT_EQ(f.messages.boxes()[0].type, MB_OK);
        }
    }
    platform::SetApplicationName("");
}

TEST(IpConfig, ListFailureMakesFindAdapterFail)
{
    machine::Scenario s = machine::default_scenario();
    s.faults.adapters_info_sizing_error = 50;
    MachineFixture f(s);
    CPrtUtil prt;
    EXPECT_EQ(prt.FindAdapter(), -1);
}

}  // namespace
