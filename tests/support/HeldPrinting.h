#pragma once
// How many windows, timers, drawing objects and handles the program holds, printed for a
// failing comparison.

#include <ostream>

#include "framework/LiveCounts.h"
#include "platform/OpenHandles.h"

namespace fw {
inline std::ostream& operator<<(std::ostream& out, const LiveCounts& c)
{
    return out << "windows " << c.windows << ", timers " << c.timers << ", gdi " << c.gdi_objects << ", dcs "
               << c.device_contexts << ", image lists " << c.image_lists << ", libraries " << c.libraries;
}
}  // namespace fw

namespace platform {
inline std::ostream& operator<<(std::ostream& out, const OpenHandles& h)
{
    return out << "devices " << h.devices << ", services " << h.service_handles << ", keys " << h.registry_keys
               << ", device sets " << h.device_sets << ", blocks " << h.memory_blocks << ", searches "
               << h.file_searches;
}
}  // namespace platform
