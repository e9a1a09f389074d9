#pragma once
// The controls of the Wireless Network page (template 220) and its timer.

#include "platform/WinTypes.h"

namespace wireless_page {

constexpr int IDC_REFRESH = 1001;
constexpr int IDC_CONNECT_WEP = 1003;
constexpr int IDC_NETWORK_LIST = 1008;
constexpr int IDC_SSID = 1101;
constexpr int IDC_CONNECT = 1314;
constexpr int IDC_DIRECT_SSID = 1336;
constexpr int IDC_WEP_AUTO = 1337;
constexpr int IDC_WEP_KEY = 1338;
constexpr int IDC_KEY_LENGTH = 1340;
constexpr int IDC_KEY_FORMAT = 1341;
constexpr int IDC_NETWORK_MODE = 1342;
constexpr int IDC_KEY_INDEX = 1343;
constexpr int IDC_TOTAL = 1396;

constexpr int kMaxWepKeyChars = 26;
constexpr int kMaxSsidChars = 32;
constexpr int kMaxTotal = 32;

// Timer 1 keeps the SSID edit on the adapter's current network name.
constexpr UINT_PTR kSsidTimer = 1;
constexpr UINT kSsidTimerPeriodMs = 1000;

// Items of the key format and key length boxes.
constexpr int FORMAT_ASCII = 0;
constexpr int FORMAT_HEX = 1;
constexpr int LENGTH_ASCII_40 = 0;
constexpr int LENGTH_HEX_40 = 1;
constexpr int LENGTH_ASCII_104 = 2;
constexpr int LENGTH_HEX_104 = 3;

// Texts of the list's WEP column and of a network that does not broadcast its name.
constexpr char kWepOn[] = " ON";
constexpr char kWepOff[] = " OFF";
constexpr char kHiddenName[] = " ";

}  // namespace wireless_page
