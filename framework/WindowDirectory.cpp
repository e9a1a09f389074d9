#include "framework/WindowDirectory.h"

#include <cstring>

#include "framework/Window.h"

namespace fw {

namespace {
class LocalDirectory final : public WindowDirectory {
public:
    HWND find_window(LPCSTR class_name, LPCSTR title) override
    {
        for (Window* w : TopLevelWindows()) {
            if (w->destroying)
                continue;
            if (title != nullptr && w->text != title)
                continue;
            if (class_name != nullptr && !IS_INTRESOURCE(class_name) && w->class_name != class_name)
                continue;
            return w->handle;
        }
        return nullptr;
    }
};

WindowDirectory* g_directory = nullptr;
}  // namespace

WindowDirectory& LocalWindowDirectory()
{
    static LocalDirectory local;
    return local;
}

WindowDirectory* SetWindowDirectory(WindowDirectory* directory)
{
    WindowDirectory* before = g_directory;
    g_directory = directory;
    return before;
}

WindowDirectory& CurrentWindowDirectory() { return g_directory ? *g_directory : LocalWindowDirectory(); }

}  // namespace fw

HWND FindWindow(LPCSTR className, LPCSTR windowName) { return fw::CurrentWindowDirectory().find_window(className, windowName); }
