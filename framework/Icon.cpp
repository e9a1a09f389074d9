#include "framework/Icon.h"

#include <deque>

#include "framework/Presenter.h"

namespace fw {

namespace {
// Stable addresses: a handle is the address of its entry.
std::deque<IconData>& Icons()
{
    static std::deque<IconData> icons;
    return icons;
}

struct CursorData {
    int resource_id = 0;
};
std::deque<CursorData>& Cursors()
{
    static std::deque<CursorData> cursors;
    return cursors;
}
}  // namespace

HICON IconHandleFor(int resource_id, const IconImage& image)
{
    for (IconData& icon : Icons())
        if (icon.resource_id == resource_id && icon.image.width == image.width && icon.image.height == image.height &&
            icon.image.pixels == image.pixels)
            return reinterpret_cast<HICON>(&icon);
    Icons().push_back(IconData{resource_id, image});
    return reinterpret_cast<HICON>(&Icons().back());
}

const IconData* IconOf(HICON icon)
{
    for (const IconData& data : Icons())
        if (reinterpret_cast<HICON>(const_cast<IconData*>(&data)) == icon)
            return &data;
    return nullptr;
}

}  // namespace fw

HICON LoadIcon(HINSTANCE module, LPCSTR name)
{
    const fw::ResourceModule* resources = fw::ModuleFromHandle(module);
    if (resources == nullptr || !IS_INTRESOURCE(name))
        return nullptr;
    const int id = static_cast<int>(reinterpret_cast<std::uintptr_t>(name));
    const fw::IconImage* image = resources->find_icon(id);
    return image ? fw::IconHandleFor(id, *image) : nullptr;
}

HICON CopyIcon(HICON icon) { return fw::IconOf(icon) ? icon : nullptr; }

// Icons are shared by picture, so nothing is released.
BOOL DestroyIcon(HICON icon) { return fw::IconOf(icon) ? TRUE : FALSE; }

HCURSOR LoadCursor(HINSTANCE module, LPCSTR name)
{
    // Resource modules carry no cursors; only the platform's standard cursors exist.
    if (module != nullptr || !IS_INTRESOURCE(name))
        return nullptr;
    const int id = static_cast<int>(reinterpret_cast<std::uintptr_t>(name));
    for (fw::CursorData& c : fw::Cursors())
        if (c.resource_id == id)
            return reinterpret_cast<HCURSOR>(&c);
    fw::Cursors().push_back(fw::CursorData{id});
    return reinterpret_cast<HCURSOR>(&fw::Cursors().back());
}

HCURSOR SetCursor(HCURSOR cursor)
{
    static HCURSOR current = nullptr;
    HCURSOR before = current;
    current = cursor;
    if (fw::Presenter* p = fw::CurrentPresenter())
        p->cursor_changed(cursor ? fw::CursorKind::Custom : fw::CursorKind::Arrow, cursor);
    return before;
}
