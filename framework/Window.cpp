#include "framework/Window.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "framework/CWnd.h"
#include "framework/MessageLoop.h"
#include "framework/ModuleState.h"
#include "framework/WinUser.h"
#include "framework/WindowProcedure.h"

namespace fw {

namespace {
// Handles are serial numbers, never reused, so a stale handle never names a new window.
std::map<std::uintptr_t, std::unique_ptr<Window>>& Registry()
{
    static std::map<std::uintptr_t, std::unique_ptr<Window>> windows;
    return windows;
}
std::uintptr_t g_next_serial = 0x10;
CWnd* g_object_for_next = nullptr;

constexpr int kDefaultX = 26, kDefaultY = 26, kDefaultWidth = 640, kDefaultHeight = 480;
}  // namespace

Window* FromHandle(HWND handle)
{
    auto& windows = Registry();
    auto it = windows.find(reinterpret_cast<std::uintptr_t>(handle));
    return it == windows.end() ? nullptr : it->second.get();
}

std::vector<Window*> TopLevelWindows()
{
    std::vector<Window*> result;
    for (auto& [serial, w] : Registry())
        if (w->parent == nullptr)
            result.push_back(w.get());
    return result;
}

std::size_t LiveWindowCount() { return Registry().size(); }

bool Window::accepts_input() const
{
    for (const Window* w = this; w != nullptr; w = w->parent)
        if (!w->visible() || !w->enabled() || w->destroying)
            return false;
    return true;
}

CRect Window::screen_rect() const
{
    CRect r = rect;
    for (const Window* p = parent; p != nullptr; p = p->parent)
        r.OffsetRect(p->rect.left, p->rect.top);
    return r;
}

Window* Window::top_level()
{
    Window* w = this;
    while (w->parent != nullptr)
        w = w->parent;
    return w;
}

void SetObjectForNextWindow(CWnd* object) { g_object_for_next = object; }

WindowKind KindOfClass(const std::string& name)
{
    static const std::map<std::string, WindowKind, std::less<>> kinds = {
        {"Static", WindowKind::Static},       {"Button", WindowKind::Button},
        {"Edit", WindowKind::Edit},           {"ComboBox", WindowKind::ComboBox},
        {"SysListView32", WindowKind::ListView}, {"tooltips_class32", WindowKind::ToolTip},
        {"SysTabControl32", WindowKind::TabControl}, {"#32770", WindowKind::Dialog},
        {"AfxFrameOrView", WindowKind::Frame},
    };
    std::string lower = name;
    auto it = std::find_if(kinds.begin(), kinds.end(), [&](const auto& k) {
        return std::equal(k.first.begin(), k.first.end(), lower.begin(), lower.end(),
                          [](char a, char b) { return std::tolower(a) == std::tolower(b); });
    });
    return it == kinds.end() ? WindowKind::Generic : it->second;
}

std::string TextOf(const Window* w)
{
    if (w->kind == WindowKind::ComboBox && (w->style & 0x3) == CBS_DROPDOWNLIST)
        return w->cur_sel >= 0 && w->cur_sel < static_cast<int>(w->items.size()) ? w->items[static_cast<std::size_t>(w->cur_sel)] : std::string();
    return w->text;
}

void Notify(const Window* w, Change what)
{
    if (Presenter* p = CurrentPresenter())
        p->window_changed(w->handle, what);
}

}  // namespace fw

using fw::Window;

HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parentHandle, HMENU menuOrId, HINSTANCE instance, LPVOID param)
{
    Window* parent = fw::FromHandle(parentHandle);
    if (parentHandle != nullptr && parent == nullptr)
        return nullptr;
    auto owned = std::make_unique<Window>();
    Window* w = owned.get();
    const std::uintptr_t serial = fw::g_next_serial;
    fw::g_next_serial += 4;
    w->handle = reinterpret_cast<HWND>(serial);
    w->class_name = className && !IS_INTRESOURCE(className) ? className : "";
    w->kind = fw::KindOfClass(w->class_name);
    w->module = &fw::CurrentModuleState();
    w->style = style;
    w->ex_style = exStyle;
    w->text = windowName ? windowName : "";
    if ((style & WS_CHILD) != 0 && parent != nullptr) {
        w->parent = parent;
        w->id = static_cast<int>(reinterpret_cast<std::uintptr_t>(menuOrId));
    } else {
        w->owner = parent ? parent->top_level() : nullptr;
    }
    if (x == CW_USEDEFAULT) {
        x = fw::kDefaultX;
        y = fw::kDefaultY;
    }
    if (width == CW_USEDEFAULT || (width == 0 && height == 0 && w->parent == nullptr)) {
        width = fw::kDefaultWidth;
        height = fw::kDefaultHeight;
    }
    w->rect = CRect(x, y, x + width, y + height);
    fw::Registry().emplace(serial, std::move(owned));
    if (w->parent)
        w->parent->children.push_back(w);
    if (CWnd* object = fw::g_object_for_next) {
        fw::g_object_for_next = nullptr;
        object->m_hWnd = w->handle;
        w->object = object;
    }
    if (fw::Presenter* p = fw::CurrentPresenter())
        p->window_created(w->handle);

    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menuOrId;
    cs.hwndParent = parentHandle;
    cs.cx = width;
    cs.cy = height;
    cs.x = x;
    cs.y = y;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    HWND handle = w->handle;
    if (fw::CallProcedure(w, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    if (fw::FromHandle(handle) == nullptr)
        return nullptr;
    fw::CallProcedure(w, WM_SIZE, SIZE_RESTORED, static_cast<LPARAM>(MAKELONG(static_cast<WORD>(width), static_cast<WORD>(height))));
    return handle;
}

BOOL DestroyWindow(HWND handle)
{
    Window* w = fw::FromHandle(handle);
    if (w == nullptr || w->destroying)
        return FALSE;
    w->destroying = true;
    if (HWND focus = GetFocus(); focus != nullptr) {
        for (Window* f = fw::FromHandle(focus); f != nullptr; f = f->parent)
            if (f == w) {
                SetFocus(nullptr);
                break;
            }
    }
    if (GetCapture() == handle)
        ReleaseCapture();
    fw::CallProcedure(w, WM_DESTROY, 0, 0);
    std::vector<Window*> children = w->children;
    for (Window* child : children)
        DestroyWindow(child->handle);
    for (Window* other : fw::TopLevelWindows())
        if (other->owner == w)
            DestroyWindow(other->handle);
    fw::MessageLoop::instance().forget(handle);
    if (w->parent)
        std::erase(w->parent->children, w);
    if (fw::Presenter* p = fw::CurrentPresenter())
        p->window_destroyed(handle);
    fw::CallProcedure(w, WM_NCDESTROY, 0, 0);
    if (w->object != nullptr)
        w->object->m_hWnd = nullptr;
    if (w->stand_in)
        w->stand_in->m_hWnd = nullptr;
    fw::Registry().erase(reinterpret_cast<std::uintptr_t>(handle));
    return TRUE;
}

BOOL IsWindow(HWND handle) { return fw::FromHandle(handle) != nullptr; }
