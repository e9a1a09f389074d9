#include "machine/adapter/SimulatedAdapterFactory.h"

namespace machine {

nlohmann::json default_wireless_scenario()
{
    // Locally administered addresses (02:...), so no maker's prefix is implied.
    return R"({
      "seed": 20417,
      "scan_time_ms": 2000,
      "station": {
        "address": "02:5A:45:50:00:01",
        "versions": {"firmware": [1, 8, 1], "driver": [2, 1, 4], "eeprom": [1, 0, 3]},
        "ssid": "Lakeside",
        "mode": "infrastructure",
        "wep": {"enabled": false},
        "authentication": "open",
        "power_mode": "continuous",
        "rate_mask": 15,
        "short_preamble": false
      },
      "traffic": {"tx_bytes_per_s": 1500, "rx_bytes_per_s": 6000, "variation_percent": 20},
      "networks": [
        {"bssid": "02:4C:4B:00:06:01", "ssid": "Lakeside", "channel": 6, "signal_dbm": -55},
        {"bssid": "02:48:42:00:01:02", "ssid": "Harbour-Office", "channel": 1, "signal_dbm": -64,
         "wep": {"keys": [{"index": 0, "hex": "1A2B3C4D5E"}, {"index": 1, "text": "harb2"}], "transmit_key": 0}},
        {"bssid": "02:47:4C:00:0B:03", "ssid": "Granary-Lab", "channel": 11, "signal_dbm": -71,
         "wep": {"keys": [{"index": 0, "text": "granary-lab13"}], "transmit_key": 0}},
        {"bssid": "02:50:4E:00:03:04", "ssid": "PicnicNet", "channel": 3, "signal_dbm": -78, "mode": "ad_hoc"},
        {"bssid": "02:42:52:00:09:05", "ssid": "Backroom", "hidden": true, "channel": 9, "signal_dbm": -74},
        {"bssid": "02:43:43:00:0B:06", "ssid": "Corner-Cafe", "channel": 11, "signal_dbm": -83, "records": 2},
        {"bssid": "02:53:48:00:0D:07", "ssid": "Station-Hall", "channel": 13, "signal_dbm": -68,
         "wep": {"keys_automatic": true}}
      ]
    })"_json;
}

}  // namespace machine
