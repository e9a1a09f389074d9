#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "driver/Oids.h"
#include "driver/PrtIoctl.h"
#include "driver/PrtUtil.h"
#include "support/MachineFixture.h"
#include "support/ScriptedAdapter.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Dword(DWORD v)
{
    Bytes b(4);
    std::memcpy(b.data(), &v, 4);
    return b;
}

// A network-name record: the length, then the name in a 32-byte field.
Bytes SsidRecord(const std::string& name)
{
    Bytes b(36, 0);
    auto length = static_cast<DWORD>(name.size());
    std::memcpy(b.data(), &length, 4);
    std::memcpy(b.data() + 4, name.data(), name.size());
    return b;
}

class RequestTest : public testing::Test {
protected:
    RequestTest()
    {
        fixture.machine.set_adapter(std::make_unique<zephra_test::ScriptedAdapter>(adapter));
        prt.OpenSession();
        fixture.machine.clear_request_log();
    }
    ~RequestTest() override { prt.CloseSession(); }

    const machine::LoggedRequest& OnlyRequest()
    {
        auto requests = fixture.machine.adapter_requests();
        EXPECT_EQ(requests.size(), 1u);
        last = requests.empty() ? machine::LoggedRequest{} : requests.back();
        return last;
    }

    zephra_test::MachineFixture fixture;
    zephra_test::ScriptedAdapter::Shared adapter;
    CPrtUtil prt;
    machine::LoggedRequest last;
};

TEST_F(RequestTest, EachSetSendsItsRecord)
{
    BYTE wep[42] = {16, 0, 0, 0, 1, 0, 0, 0x80, 5, 0, 0, 0, 0xA1, 0xB2, 0xC3, 0xD4, 0xE5};
    struct Row {
        const char* name;
        std::function<void(CPrtUtil&)> send;
        DWORD oid;
        Bytes data;
    };
    const Row rows[] = {
        {"ad hoc", [](CPrtUtil& p) { p.SetNetworkMode(0); }, OID_802_11_INFRASTRUCTURE_MODE, Dword(0)},
        {"automatic", [](CPrtUtil& p) { p.SetNetworkMode(2); }, OID_802_11_INFRASTRUCTURE_MODE, Dword(2)},
        {"mode 7", [](CPrtUtil& p) { p.SetNetworkMode(7); }, OID_802_11_INFRASTRUCTURE_MODE, Dword(1)},
        {"mode -1", [](CPrtUtil& p) { p.SetNetworkMode(-1); }, OID_802_11_INFRASTRUCTURE_MODE, Dword(1)},
        {"wep on", [](CPrtUtil& p) { p.SetWepStatus(1); }, OID_802_11_WEP_STATUS, Dword(0)},
        {"wep off", [](CPrtUtil& p) { p.SetWepStatus(0); }, OID_802_11_WEP_STATUS, Dword(1)},
        {"wep 2", [](CPrtUtil& p) { p.SetWepStatus(2); }, OID_802_11_WEP_STATUS, Dword(1)},
        {"auth 5", [](CPrtUtil& p) { p.SetAuthMode(5); }, OID_802_11_AUTHENTICATION_MODE, Dword(5)},
        {"auth 9", [](CPrtUtil& p) { p.SetAuthMode(9); }, OID_802_11_AUTHENTICATION_MODE, Dword(0)},
        {"power 2", [](CPrtUtil& p) { p.SetPowerMode(2); }, OID_802_11_POWER_MODE, Dword(2)},
        {"power 3", [](CPrtUtil& p) { p.SetPowerMode(3); }, OID_802_11_POWER_MODE, Dword(0)},
        {"rate 0", [](CPrtUtil& p) { p.SetTxRate(0); }, OID_802_11_DESIRED_RATES, Bytes{15, 0, 0, 0, 0, 0, 0, 0}},
        {"rate 3", [](CPrtUtil& p) { p.SetTxRate(3); }, OID_802_11_DESIRED_RATES, Bytes{4, 0, 0, 0, 0, 0, 0, 0}},
        {"rate 4", [](CPrtUtil& p) { p.SetTxRate(4); }, OID_802_11_DESIRED_RATES, Bytes{8, 0, 0, 0, 0, 0, 0, 0}},
        {"rate 9", [](CPrtUtil& p) { p.SetTxRate(9); }, OID_802_11_DESIRED_RATES, Bytes{15, 0, 0, 0, 0, 0, 0, 0}},
        {"scan", [](CPrtUtil& p) { p.StartScan(); }, OID_802_11_BSSID_LIST_SCAN, Dword(0)},
        {"wep key", [&wep](CPrtUtil& p) { p.AddWepKey(wep); }, OID_802_11_ADD_WEP, Bytes(wep, wep + 42)},
    };
    for (const Row& row : rows) {
        fixture.machine.clear_request_log();
        row.send(prt);
        const machine::LoggedRequest& r = OnlyRequest();
        EXPECT_EQ(r.code, IOCTL_PRT_SET_OID) << row.name;
        EXPECT_EQ(r.oid, row.oid) << row.name;
        EXPECT_EQ(r.length, row.data.size()) << row.name;
        EXPECT_EQ(r.input_size, row.data.size() + 8) << row.name;
        EXPECT_EQ(r.data, row.data) << row.name;
    }
}

TEST_F(RequestTest, SsidOfThirtyTwoCharactersHasNoTerminatorAndLongerOnesAreCut)
{
    std::string name(32, 'S');
    for (std::string sent : {name, name + "TOO LONG"}) {
        fixture.machine.clear_request_log();
        prt.SetSsid(sent.c_str());
        const machine::LoggedRequest& r = OnlyRequest();
        EXPECT_EQ(r.oid, OID_802_11_SSID);
        EXPECT_EQ(r.length, 36u);
        EXPECT_EQ(r.data, SsidRecord(name));
    }
    fixture.machine.clear_request_log();
    prt.SetSsid("Harbour");
    EXPECT_EQ(OnlyRequest().data, SsidRecord("Harbour"));
}

TEST_F(RequestTest, EachQueryAsksWithItsIdentifierAndLength)
{
    struct Row {
        std::function<void(CPrtUtil&)> ask;
        DWORD oid;
        DWORD length;
    };
    const Row rows[] = {
        {[](CPrtUtil& p) { p.QuerySsid(); }, OID_802_11_SSID, 36},
        {[](CPrtUtil& p) { p.QueryBssid(); }, OID_802_11_BSSID, 6},
        {[](CPrtUtil& p) { p.QueryNetworkMode(); }, OID_802_11_INFRASTRUCTURE_MODE, 4},
        {[](CPrtUtil& p) { p.GetNetworkMode(); }, OID_802_11_INFRASTRUCTURE_MODE, 4},
        {[](CPrtUtil& p) { p.QueryEncryption(); }, OID_802_11_WEP_STATUS, 4},
        {[](CPrtUtil& p) { p.QueryBssidList(); }, OID_802_11_BSSID_LIST, 3000},
        {[](CPrtUtil& p) { p.QueryRssi(); }, OID_802_11_RSSI, 4},
        {[](CPrtUtil& p) { p.QueryPowerMode(); }, OID_802_11_POWER_MODE, 4},
        {[](CPrtUtil& p) { p.QueryMacAddress(); }, OID_802_3_PERMANENT_ADDRESS, 6},
        {[](CPrtUtil& p) { p.QueryChannel(); }, OID_PRT_CHANNEL, 4},
        {[](CPrtUtil& p) { p.QueryFirmwareVersion(); }, OID_PRT_FIRMWARE_VERSION, 12},
        {[](CPrtUtil& p) { p.QueryDriverVersion(); }, OID_PRT_DRIVER_VERSION, 12},
        {[](CPrtUtil& p) { p.QueryEepromVersion(); }, OID_PRT_EEPROM_VERSION, 12},
        {[](CPrtUtil& p) { p.QueryStatistics(); }, OID_PRT_STATISTICS, 24},
        {[](CPrtUtil& p) { p.QueryAuthMode(); }, OID_802_11_AUTHENTICATION_MODE, 4},
        {[](CPrtUtil& p) { p.QueryLinkStatus(); }, OID_PRT_LINK_STATUS, 4},
    };
    for (const Row& row : rows) {
        fixture.machine.clear_request_log();
        row.ask(prt);
        const machine::LoggedRequest& r = OnlyRequest();
        EXPECT_EQ(r.code, IOCTL_PRT_QUERY_OID);
        EXPECT_EQ(r.oid, row.oid);
        EXPECT_EQ(r.length, row.length);
        EXPECT_EQ(r.input_size, row.length + 8);
        EXPECT_EQ(r.data, Bytes(row.length, 0)) << std::hex << row.oid;
    }
}

TEST_F(RequestTest, AnswersLandInTheStatusMembers)
{
    adapter.answers = {
        {OID_802_11_SSID, SsidRecord(std::string(32, 'Z'))},
        {OID_802_11_BSSID, {0x00, 0x11, 0x22, 0xAA, 0xBB, 0xCC}},
        {OID_802_11_RSSI, Dword(static_cast<DWORD>(-67))},
        {OID_PRT_CHANNEL, {11}},
        {OID_PRT_LINK_STATUS, {1}},
        {OID_PRT_FIRMWARE_VERSION, {1, 0, 8, 0, 1, 0}},
    };
    prt.QuerySsid();
    prt.QueryBssid();
    prt.QueryRssi();
    prt.QueryChannel();
    prt.QueryLinkStatus();
    prt.QueryFirmwareVersion();
    EXPECT_EQ(prt.m_strSsid, (" " + std::string(32, 'Z')).c_str());
    EXPECT_EQ(prt.m_strBssid, "00:11:22:AA:BB:CC");
    EXPECT_EQ(prt.m_nRssi, -67);
    EXPECT_EQ(prt.m_strChannel, " 11 ");
    EXPECT_EQ(prt.m_strLinkStatus, " Connected ");
    EXPECT_EQ(prt.m_strFirmwareVersion, "8.11");
}

TEST_F(RequestTest, ScanListOfTwentyEightEntriesAtAFixedStepSharesTheRecordWithTheCounters)
{
    Bytes list = Dword(28);
    list.resize(4 + 28 * BSSID_LIST_ENTRY_SIZE, 0);
    for (std::size_t i = 0; i < 28; ++i) {
        BYTE* entry = list.data() + 4 + i * BSSID_LIST_ENTRY_SIZE;
        DWORD misleadingLength = 60;
        std::memcpy(entry, &misleadingLength, 4);
        entry[4] = 0x02;
        entry[9] = static_cast<BYTE>(i);
    }
    Bytes counters(24, 0);
    counters[4] = 0x10;
    counters[16] = 0x20;
    adapter.answers = {{OID_802_11_BSSID_LIST, list}, {OID_PRT_STATISTICS, counters}};

    prt.QueryBssidList();
    ASSERT_NE(prt.m_pBssidList, nullptr);
    DWORD count;
    std::memcpy(&count, prt.m_pBssidList, 4);
    ASSERT_EQ(count, 28u);
    for (std::size_t i = 0; i < count; ++i)
        EXPECT_EQ(prt.m_pBssidList[4 + i * BSSID_LIST_ENTRY_SIZE + 9], i);

    prt.QueryStatistics();
    EXPECT_EQ(prt.m_pStatistics, prt.m_pBssidList);
    EXPECT_EQ(prt.m_pBssidList[4], 0x10);
    EXPECT_EQ(prt.m_pBssidList[16], 0x20);
    EXPECT_EQ(prt.m_pBssidList[0], 0);
}

TEST_F(RequestTest, NothingReachesTheDriverWhileUnboundAndEveryQueryReadsZeros)
{
    adapter.answers = {{OID_PRT_LINK_STATUS, {1}}, {OID_802_11_RSSI, Dword(60)}};
    prt.m_bBound = 0;
    prt.QuerySsid();
    prt.QueryBssid();
    prt.QueryNetworkMode();
    prt.QueryEncryption();
    prt.QueryBssidList();
    prt.QueryRssi();
    prt.QueryPowerMode();
    prt.QueryMacAddress();
    prt.QueryChannel();
    prt.QueryFirmwareVersion();
    prt.QueryDriverVersion();
    prt.QueryEepromVersion();
    prt.QueryAuthMode();
    prt.QueryLinkStatus();
    EXPECT_EQ(prt.GetNetworkMode(), 0u);
    DWORD count;
    std::memcpy(&count, prt.m_pBssidList, 4);
    EXPECT_EQ(count, 0u);
    prt.QueryStatistics();
    EXPECT_EQ(Bytes(prt.m_pStatistics, prt.m_pStatistics + 24), Bytes(24, 0));
    prt.SetSsid("x");
    prt.SetNetworkMode(1);
    prt.SetWepStatus(1);
    prt.AddWepKey(nullptr);
    prt.StartScan();
    prt.SetAuthMode(1);
    prt.SetPowerMode(1);
    prt.SetTxRate(1);
    EXPECT_TRUE(fixture.machine.request_log().empty());

    EXPECT_EQ(prt.m_strSsid, " ");
    EXPECT_EQ(prt.m_strBssid, "00:00:00:00:00:00");
    EXPECT_EQ(prt.m_strMacAddress, "00:00:00:00:00:00");
    EXPECT_EQ(Bytes(prt.m_bssid, prt.m_bssid + 6), Bytes(6, 0));
    EXPECT_EQ(prt.m_strNetworkMode, " Ad-hoc ");
    EXPECT_EQ(prt.m_strEncryption, " WEP ");
    EXPECT_EQ(prt.m_nRssi, 0);
    EXPECT_EQ(prt.m_strPowerMode, " Continuous Access ");
    EXPECT_EQ(prt.m_strChannel, " 0 ");
    EXPECT_EQ(prt.m_strFirmwareVersion, "0.00");
    EXPECT_EQ(prt.m_strDriverVersion, "0.00");
    EXPECT_EQ(prt.m_strEepromVersion, "0.00");
    EXPECT_EQ(prt.m_strAuthMode, " Open Mode ");
    EXPECT_EQ(prt.m_strLinkStatus, " Disconnected ");
}

TEST_F(RequestTest, FailedQueryLeavesTheZeroedRecord)
{
    adapter.answers = {{OID_PRT_LINK_STATUS, {1}}};
    fixture.machine.faults().failing_oids = {OID_PRT_LINK_STATUS};
    prt.QueryLinkStatus();
    EXPECT_EQ(prt.m_strLinkStatus, " Disconnected ");
}

TEST(Requests, QueriesWithTheDeviceClosedStoreTheZeroAnswer)
{
    zephra_test::MachineFixture f;
    CPrtUtil prt;
    prt.QueryLinkStatus();
    prt.QueryStatistics();
    EXPECT_EQ(prt.m_strLinkStatus, " Disconnected ");
    EXPECT_EQ(prt.m_pStatistics[4], 0);
    EXPECT_TRUE(f.machine.request_log().empty());
}

TEST_F(RequestTest, CopyBytesTakesTheCountModulo256AndStaysInsideTheRecord)
{
    BYTE source[300];
    for (std::size_t i = 0; i < sizeof source; ++i)
        source[i] = static_cast<BYTE>(i + 1);
    BYTE local[8] = {};
    prt.CopyBytes(local, source, 260);
    EXPECT_EQ(Bytes(local, local + 8), (Bytes{1, 2, 3, 4, 0, 0, 0, 0}));

    std::memset(prt.m_pRequest, 0, sizeof *prt.m_pRequest);
    prt.CopyBytes(prt.m_pRequest->Data + 90, source, 255);
    EXPECT_EQ(prt.m_pRequest->Data[90], 1);
    EXPECT_EQ(prt.m_pRequest->Data[99], 10);
}

}  // namespace
