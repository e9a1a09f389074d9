#include "platform/OpenHandles.h"

namespace platform {

OpenHandles CurrentOpenHandles()
{
    OpenHandles open;
    open.devices = OpenDeviceCount();
    open.service_handles = OpenServiceHandleCount();
    open.registry_keys = OpenRegistryKeyCount();
    open.device_sets = OpenDeviceSetCount();
    open.memory_blocks = AllocatedBlockCount();
    open.file_searches = OpenFileSearchCount();
    return open;
}

}  // namespace platform
