#pragma once
// The control part of the protocol: what `zephra-machine ctl` asks of the running machine.
// Kept apart from the MachinePort calls, which are the platform's view of the machine.

namespace machine::service::control_op {

inline constexpr const char* kStatus = "ctl.status";
inline constexpr const char* kNetworks = "ctl.networks";
inline constexpr const char* kUnplug = "ctl.unplug";
inline constexpr const char* kPlug = "ctl.plug";
inline constexpr const char* kService = "ctl.service";          // ["stop" | "start"]
inline constexpr const char* kSignal = "ctl.signal";            // [BSSID, dBm]
inline constexpr const char* kSwitchNetwork = "ctl.switch";     // [BSSID, on]
inline constexpr const char* kAddNetwork = "ctl.add_network";   // [network object]
inline constexpr const char* kFault = "ctl.fault";              // [NAME, on]
inline constexpr const char* kFaults = "ctl.faults";
inline constexpr const char* kTraffic = "ctl.traffic";          // [tx bytes/s, rx bytes/s]

}  // namespace machine::service::control_op
