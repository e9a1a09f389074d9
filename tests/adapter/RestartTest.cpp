#include "AdapterFixture.h"

namespace adapter_test {
namespace {

using namespace machine::oid;

class Restart : public AdapterTest {};

TEST_F(Restart, TakesItsSettingsFromTheDriverKey)
{
    make();
    adapter->restart({{"ESSID", "Wep104"},
                      {"NetworkMode", "1"},
                      {"WepReq", "7"},
                      {"DefaultKeyId", "0"},
                      {"DefaultKeys", "746869727465656e6368617273"},  // "thirteenchars"
                      {"AuthenticationType", "1"},
                      {"PSMode", "1"},
                      {"ShortPreamble", "1"},
                      {"TransmitRate", "8"}});
    EXPECT_EQ(adapter->associated_ssid(), "Wep104");
    EXPECT_EQ(query_u32(kAuthenticationMode), 1u);
    EXPECT_EQ(query_u32(kPowerMode), 1u);
    EXPECT_EQ(query_bytes(kDesiredRates, 8)[0], 8);
    EXPECT_TRUE(adapter->settings().short_preamble);

    // Four 40-bit keys of ten digits each; the transmit key is the second.
    adapter->restart({{"ESSID", "Wep40"},
                      {"NetworkMode", "1"},
                      {"WepReq", "3"},
                      {"DefaultKeyId", "1"},
                      {"DefaultKeys", "2a2a2a2a2a" "6162636465" "2a2a2a2a2a" "2a2a2a2a2a"}});
    EXPECT_EQ(adapter->associated_ssid(), "Wep40");
    EXPECT_EQ(adapter->settings().authentication, 0u);  // absent: the scenario's own value
}

TEST_F(Restart, UnreadableValuesKeepTheirDefaults)
{
    make();
    adapter->restart({{"ESSID", "Open-A"}, {"PSMode", "fast"}, {"TransmitRate", "16"}, {"NetworkMode", "1 "},
                      {"WepReq", "0"}, {"DefaultKeys", "nothex"}});
    EXPECT_EQ(adapter->associated_ssid(), "Open-A");
    const auto s = adapter->settings();
    EXPECT_EQ(s.power_mode, 0u);
    EXPECT_EQ(s.rate_mask, 15);
    EXPECT_EQ(s.mode, machine::InfrastructureMode::Infrastructure);

    adapter->restart({{"ESSID", "Wep40"}, {"WepReq", "3"}, {"DefaultKeyId", "1"}, {"DefaultKeys", "6162636465"}});
    EXPECT_FALSE(adapter->link_up());  // a key run of the wrong length gives no keys
}

TEST_F(Restart, AnEmptyMapKeepsTheCurrentSettingsAndScansAgain)
{
    make();
    connect("Wep40", true, 1, 1, "abcde");
    clock.advance(2000);
    ASSERT_FALSE(scan_list().empty());

    adapter->restart({});
    EXPECT_EQ(adapter->associated_ssid(), "Wep40");
    EXPECT_TRUE(scan_list().empty());
    clock.advance(2000);
    EXPECT_EQ(scan_list().size(), 8u);
}

}  // namespace
}  // namespace adapter_test
