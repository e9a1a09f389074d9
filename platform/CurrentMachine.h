#pragma once
// The machine every platform call reaches: the one a MachineScope installed, else a
// machine of the built-in scenario on the real clock.

namespace machine {
class MachinePort;
}

namespace platform {

machine::MachinePort& CurrentMachine();

}  // namespace platform
