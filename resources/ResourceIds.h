#pragma once
// Ids of the program's dialogs, strings, icons and tray menu, shared by the program's own
// module and the six language libraries. Control ids belong to the page that uses them.

#include "platform/WinTypes.h"

namespace zephra::res {

constexpr int IDD_CONNECTION = 181;
constexpr int IDD_ADVANCED = 218;
constexpr int IDD_STATISTICS = 219;
constexpr int IDD_WIRELESS = 220;
constexpr int IDD_VERSION = 221;

constexpr UINT IDS_SHEET_CAPTION = 128;  // carried by no module at present: an empty caption
constexpr UINT IDS_ALREADY_RUNNING = 10003;
constexpr UINT IDS_EXPLAIN_DEFAULT = 10006;
constexpr UINT IDS_EXPLAIN_AUTH = 10007;
constexpr UINT IDS_EXPLAIN_PREAMBLE = 10008;
constexpr UINT IDS_EXPLAIN_POWER = 10009;
constexpr UINT IDS_EXPLAIN_RATE = 10010;
constexpr UINT IDS_RESTART_DRIVER = 10014;
constexpr UINT IDS_RELOAD_LANGUAGE = 10015;
constexpr UINT IDS_APP_NAME = 57344;

constexpr int IDI_SIGNAL_0 = 250;  // antenna, no bars; 251..255 one to five bars
constexpr int IDI_SIGNAL_5 = 255;
constexpr int IDI_AP_CURRENT = 311;
constexpr int IDI_STATION_CURRENT = 312;
constexpr int IDI_AP = 313;
constexpr int IDI_STATION = 314;
constexpr int IDI_NOT_CONNECTED = 315;

constexpr int IDR_TRAY_MENU = 299;
constexpr UINT ID_TRAY_SHOW = 32777;
constexpr UINT ID_TRAY_EXIT = 32778;
constexpr UINT ID_TRAY_HIDE = 32779;

}  // namespace zephra::res
