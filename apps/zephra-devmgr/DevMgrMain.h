#pragma once
// Runs the device manager stand-in: the wireless adapter's Properties window on a simulated
// machine, with the pages of the adapter's page provider.

#include "apps/zephra/Options.h"

namespace fw {
class Presenter;
}

namespace devmgr {

// Shows the window until it is closed; returns 0, or 1 when the provider's pages could not
// be had (with one message on the error stream), 2 when the scenario is unusable.
int RunDeviceManager(const zephra_app::Options& options, fw::Presenter& display);

}  // namespace devmgr
