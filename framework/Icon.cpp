#include "framework/Icon.h"

#include <deque>
#include <list>

#include "framework/Presenter.h"

namespace fw {

namespace {
// Stable addresses: a handle is the address of its entry.
std::deque<IconData>& Icons()
{
    static std::deque<IconData> icons;
    return icons;
}

// A list, so that destroying a copy leaves every other handle where it is.
std::list<CursorData>& Cursors()
{
    static std::list<CursorData> cursors;
    return cursors;
}

HCURSOR HandleOf(CursorData& cursor) { return reinterpret_cast<HCURSOR>(&cursor); }

CursorData* FindCursor(HCURSOR handle)
{
    for (CursorData& c : Cursors())
        if (HandleOf(c) == handle)
            return &c;
    return nullptr;
}

HCURSOR SharedCursor(const CursorData& wanted)
{
    for (CursorData& c : Cursors())
        if (!c.copy && c.standard == wanted.standard && c.resource_id == wanted.resource_id &&
            c.image.image.pixels == wanted.image.image.pixels)
            return HandleOf(c);
    Cursors().push_back(wanted);
    return HandleOf(Cursors().back());
}
}  // namespace

const CursorData* CursorOf(HCURSOR cursor) { return FindCursor(cursor); }

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

HICON CopyIcon(HICON icon)
{
    if (fw::IconOf(icon))
        return icon;
    const fw::CursorData* cursor = fw::FindCursor(reinterpret_cast<HCURSOR>(icon));
    if (cursor == nullptr)
        return nullptr;
    fw::CursorData copy = *cursor;
    copy.copy = true;
    fw::Cursors().push_back(copy);
    return reinterpret_cast<HICON>(fw::HandleOf(fw::Cursors().back()));
}

// Icons are shared by picture, so nothing is released.
BOOL DestroyIcon(HICON icon)
{
    if (fw::IconOf(icon))
        return TRUE;
    return DestroyCursor(reinterpret_cast<HCURSOR>(icon));
}

HCURSOR LoadCursor(HINSTANCE module, LPCSTR name)
{
    if (!IS_INTRESOURCE(name))
        return nullptr;
    fw::CursorData wanted;
    wanted.resource_id = static_cast<int>(reinterpret_cast<std::uintptr_t>(name));
    if (module != nullptr) {
        const fw::CursorImage* image = fw::ModuleFromHandle(module)->find_cursor(wanted.resource_id);
        if (image == nullptr)
            return nullptr;
        wanted.standard = false;
        wanted.image = *image;
    }
    return fw::SharedCursor(wanted);
}

// Only copies are released; loaded cursors are shared.
BOOL DestroyCursor(HCURSOR cursor)
{
    auto& cursors = fw::Cursors();
    for (auto it = cursors.begin(); it != cursors.end(); ++it)
        if (fw::HandleOf(*it) == cursor) {
            if (it->copy)
                cursors.erase(it);
            return TRUE;
        }
    return FALSE;
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
