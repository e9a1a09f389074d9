#include "framework/LiveCounts.h"

#include "framework/CImageList.h"
#include "framework/Library.h"
#include "framework/MessageLoop.h"
#include "framework/Window.h"
#include "framework/gdi/DeviceContext.h"
#include "framework/gdi/ObjectTable.h"

namespace fw {

LiveCounts CurrentLiveCounts()
{
    LiveCounts counts;
    counts.windows = LiveWindowCount();
    counts.timers = MessageLoop::instance().timers().size();
    counts.gdi_objects = gdi::ObjectTable::Instance().LiveCount();
    counts.device_contexts = gdi::DeviceContext::LiveCount();
    counts.image_lists = LiveImageListCount();
    counts.libraries = LoadedLibraryCount();
    return counts;
}

}  // namespace fw
