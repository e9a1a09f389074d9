#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/PageScanListBytes.h"
#include "driver/Oids.h"
#include "driver/PrtUtil.h"
#include "pages/PageWireless.h"
#include "support/MachineFixture.h"
#include "support/ScriptedAdapter.h"

namespace {

using scan_test::Mac;
using scan_test::Record;
using scan_test::ScanAnswer;

// The page's scan table on a bound session over a scripted adapter; the page has no
// window, so only the table is read.
class ScanTable : public ::testing::Test {
protected:
    ScanTable()
    {
        fixture.machine.set_adapter(std::make_unique<zephra_test::ScriptedAdapter>(adapter));
        prt.OpenSession();
        page.m_pPrtUtil = &prt;
    }
    ~ScanTable() override { prt.CloseSession(); }

    void Read(const std::vector<std::uint8_t>& answer)
    {
        adapter.answers[OID_802_11_BSSID_LIST] = answer;
        page.ReadScanResults();
    }
    std::vector<std::string> Ssids()
    {
        std::vector<std::string> names;
        for (int i = 0; i < page.m_nScanCount; ++i) {
            EXPECT_EQ(page.m_scan[i].nIndex, i);
            names.push_back(page.m_scan[i].strSsid.str());
        }
        return names;
    }

    zephra_test::MachineFixture fixture;
    zephra_test::ScriptedAdapter::Shared adapter;
    CPrtUtil prt;
    CPageWireless page;
};

TEST_F(ScanTable, RepeatsAreRemovedByTheFirstEntrysModeAndTheCountsFollow)
{
    const struct {
        const char* what;
        std::vector<Record> records;
        std::vector<std::string> kept;
        int infra, adhoc;
    } rows[] = {
        {"one access point reported twice", {{Mac(1), "Lakeside", 1}, {Mac(1), "Lakeside", 1}}, {"Lakeside"}, 1, 0},
        {"two stations of one ad hoc network", {{Mac(1), "Picnic", 0}, {Mac(2), "Picnic", 0}}, {"Picnic"}, 0, 1},
        {"ad hoc before an access point of that name", {{Mac(1), "Same", 0}, {Mac(2), "Same", 1}}, {"Same"}, 0, 1},
        {"access point before an ad hoc network of that name", {{Mac(1), "Same", 1}, {Mac(2), "Same", 0}}, {"Same", "Same"}, 1, 1},
        {"three equal access points in a row", {{Mac(1), "A", 1}, {Mac(1), "A", 1}, {Mac(1), "A", 1}}, {"A"}, 1, 0},
        {"names differing in case are different networks", {{Mac(1), "net", 0}, {Mac(2), "NET", 0}}, {"net", "NET"}, 0, 2},
        {"an automatic-mode entry removes nothing after it", {{Mac(1), "X", 2}, {Mac(1), "X", 1}}, {"X", "X"}, 1, 0},
        {"mixed", {{Mac(1), "A", 1}, {Mac(3), "C", 0}, {Mac(1), "A", 1}, {Mac(2), "B", 1}, {Mac(4), "C", 0}}, {"A", "C", "B"}, 2, 1},
    };
    for (const auto& row : rows) {
        Read(ScanAnswer(row.records));
        EXPECT_EQ(Ssids(), row.kept) << row.what;
        EXPECT_EQ(page.m_nInfraCount, row.infra) << row.what;
        EXPECT_EQ(page.m_nAdhocCount, row.adhoc) << row.what;
        // What falls out of the valid range is emptied.
        EXPECT_EQ(page.m_scan[page.m_nScanCount].nIndex, -1) << row.what;
        EXPECT_EQ(page.m_scan[page.m_nScanCount].strSsid, "") << row.what;
    }
}

TEST_F(ScanTable, FrequencyAndSignalConvertWithUnsignedArithmetic)
{
    const struct {
        DWORD khz;
        int channel;
    } channels[] = {{2412000, 1}, {2437000, 6}, {2462000, 11}, {2472000, 13}, {2484000, 15}};
    for (const auto& c : channels)
        EXPECT_EQ(CPageWireless::FrequencyToChannel(c.khz), c.channel) << c.khz;
    // Below channel 1 the difference wraps instead of going negative.
    EXPECT_EQ(CPageWireless::FrequencyToChannel(2407000), static_cast<int>((2407000U - 2412000U) / 5000U + 1U));

    const struct {
        LONG rssi;
        int percent;
    } signals[] = {{-20, 100}, {-41, 100}, {-42, 90}, {-47, 90}, {-48, 80}, {-55, 70}, {-62, 60}, {-68, 50},
                   {-74, 40},  {-81, 30},  {-85, 20}, {-88, 10}, {-90, 10}, {-91, 0},  {-120, 0}, {0, 0}, {7, 0}};
    for (const auto& s : signals)
        EXPECT_EQ(CPageWireless::RssiToPercent(s.rssi), s.percent) << s.rssi;
}

TEST_F(ScanTable, EntriesCarryTheRecordsFieldsAndAreFoundByTheirListText)
{
    Read(ScanAnswer({{{0x02, 0x4C, 0x4B, 0x00, 0x06, 0x01}, "Lakeside", 1, 0, -55, 2437000},
                     {{0x02, 0x48, 0x42, 0x00, 0x01, 0xA2}, "Harbour", 0, 1, -64, 2412000}}));
    ASSERT_EQ(page.m_nScanCount, 2);
    const ScanEntry& e = page.m_scan[1];
    EXPECT_EQ(e.strBssid, "02 48 42 00 01 A2");
    EXPECT_EQ(e.strBssidColon, "02:48:42:00:01:A2");
    EXPECT_EQ(e.nChannel, 1);
    EXPECT_EQ(e.nSignal, 60);
    EXPECT_EQ(e.nPrivacy, 1);
    EXPECT_EQ(e.nMode, 0);
    EXPECT_EQ(page.FindEntryByBssid("  02 48 42 00 01 A2"), 1);
    EXPECT_EQ(page.FindEntryByBssid("02 48 42 00 01 A2"), -1);
    EXPECT_EQ(page.FindEntryByBssid("  02 4C 4B 00 06 01"), 0);
}

TEST_F(ScanTable, ReadsNoFurtherThanTheAnswerHolds)
{
    std::vector<Record> many;
    for (int i = 0; i < 28; ++i)
        many.push_back({Mac(static_cast<std::uint8_t>(i)), "net" + std::to_string(i), static_cast<std::uint32_t>(i % 2)});
    Read(ScanAnswer(many));
    EXPECT_EQ(page.m_nScanCount, 28);
    EXPECT_EQ(page.m_scan[27].strSsid, "net27");
    EXPECT_EQ(page.m_nInfraCount + page.m_nAdhocCount, 28);

    // A count field of 40 is read as the 28 records the answer can hold.
    Read(ScanAnswer(many, 40));
    EXPECT_EQ(page.m_nScanCount, 28);
    EXPECT_EQ(page.m_scan[28].nIndex, -1);

    // An SSID filling its 32 bytes is taken whole, and nothing of the field after it.
    const std::string full(32, 'S');
    Read(ScanAnswer({{Mac(1), full, 1, 1, -50, 2437000}}));
    ASSERT_EQ(page.m_nScanCount, 1);
    EXPECT_EQ(page.m_scan[0].strSsid, full);
    EXPECT_EQ(page.m_scan[0].nPrivacy, 1);
}

TEST_F(ScanTable, AnEmptyScanEmptiesTheTableAndNotBoundKeepsIt)
{
    Read(ScanAnswer({{Mac(1), "A", 1}, {Mac(2), "B", 0}}));
    ASSERT_EQ(page.m_nScanCount, 2);
    Read(ScanAnswer({}));
    EXPECT_EQ(page.m_nScanCount, 0);
    EXPECT_EQ(page.m_nInfraCount, 0);
    EXPECT_EQ(page.m_nAdhocCount, 0);
    EXPECT_EQ(page.m_scan[0].strSsid, "");

    Read(ScanAnswer({{Mac(1), "A", 1}}));
    prt.CloseSession();
    fixture.machine.clear_request_log();
    page.ReadScanResults();
    EXPECT_TRUE(fixture.machine.adapter_requests().empty());
    EXPECT_EQ(page.m_nScanCount, 1);
    EXPECT_EQ(page.m_scan[0].strSsid, "A");
}

}  // namespace
