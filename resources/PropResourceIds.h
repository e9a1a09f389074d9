#pragma once
// Ids of the device property-page library's templates, shared by its own module and its six
// "PLang" language libraries.

namespace zephra::res {

// The version page, one template per language of the system.
constexpr int IDD_PROP_VERSION = 221;
constexpr int IDD_PROP_VERSION_KO = 323;
constexpr int IDD_PROP_VERSION_JP = 324;
constexpr int IDD_PROP_VERSION_DE = 325;
constexpr int IDD_PROP_VERSION_FR = 326;
constexpr int IDD_PROP_VERSION_ZH = 327;
// The status sheet's Statistics page (its Connection Status page is the program's 181).
constexpr int IDD_PROP_STATISTICS = 321;

}  // namespace zephra::res
