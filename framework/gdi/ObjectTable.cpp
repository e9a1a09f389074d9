#include "framework/gdi/ObjectTable.h"

#include <cstring>

#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CBrush.h"
#include "framework/gdi/CFont.h"
#include "framework/gdi/CPen.h"

namespace gdi {

namespace {

std::unique_ptr<CGdiObject> MakeStandIn(DWORD kind)
{
    switch (kind) {
    case OBJ_PEN:
        return std::make_unique<CPen>();
    case OBJ_BRUSH:
        return std::make_unique<CBrush>();
    case OBJ_FONT:
        return std::make_unique<CFont>();
    case OBJ_BITMAP:
        return std::make_unique<CBitmap>();
    default:
        return std::make_unique<CGdiObject>();
    }
}

std::shared_ptr<GdiObjectData> MakeGuiFont()
{
    // The dialog font: 8 points at 96 pixels per inch.
    LOGFONT lf;
    lf.lfHeight = -11;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    std::strncpy(lf.lfFaceName, "MS Sans Serif", LF_FACESIZE - 1);
    return std::make_shared<FontData>(lf);
}

} // namespace

ObjectTable& ObjectTable::Instance()
{
    // Never destroyed: objects may be released by other static destructors at exit.
    static ObjectTable* const table = new ObjectTable;
    return *table;
}

HGDIOBJ ObjectTable::Add(std::shared_ptr<GdiObjectData> object, CGdiObject* owner)
{
    const HGDIOBJ handle = object->Handle();
    std::lock_guard lock(m_mutex);
    Entry& entry = m_entries[handle];
    entry.object = object;
    entry.hold = std::move(object);
    entry.owner = owner;
    return handle;
}

std::shared_ptr<GdiObjectData> ObjectTable::Find(HGDIOBJ handle) const
{
    if (!handle)
        return nullptr;
    std::lock_guard lock(m_mutex);
    auto it = m_entries.find(handle);
    return it == m_entries.end() ? nullptr : it->second.object.lock();
}

std::size_t ObjectTable::LiveCount() const
{
    std::lock_guard lock(m_mutex);
    std::size_t live = 0;
    for (const auto& [handle, entry] : m_entries)
        live += entry.stock ? 0 : 1;
    return live;
}

bool ObjectTable::Delete(HGDIOBJ handle)
{
    std::shared_ptr<GdiObjectData> released;
    {
        std::lock_guard lock(m_mutex);
        auto it = m_entries.find(handle);
        if (it == m_entries.end() || (!it->second.hold && !it->second.stock))
            return false;
        if (it->second.stock)
            return true;
        it->second.owner = nullptr;
        released = std::move(it->second.hold);
    }
    return true;
}

bool ObjectTable::SetOwner(HGDIOBJ handle, CGdiObject* owner)
{
    std::lock_guard lock(m_mutex);
    auto it = m_entries.find(handle);
    if (it == m_entries.end() || it->second.object.expired())
        return false;
    it->second.owner = owner;
    return true;
}

void ObjectTable::ClearOwner(HGDIOBJ handle, const CGdiObject* owner)
{
    std::lock_guard lock(m_mutex);
    auto it = m_entries.find(handle);
    if (it != m_entries.end() && it->second.owner == owner)
        it->second.owner = nullptr;
}

CGdiObject* ObjectTable::Wrapper(HGDIOBJ handle)
{
    if (!handle)
        return nullptr;
    std::lock_guard lock(m_mutex);
    auto it = m_entries.find(handle);
    if (it == m_entries.end())
        return nullptr;
    Entry& entry = it->second;
    if (entry.owner)
        return entry.owner;
    if (!entry.standIn) {
        auto object = entry.object.lock();
        if (!object)
            return nullptr;
        entry.standIn = MakeStandIn(object->Kind());
        entry.standIn->m_hObject = handle;
    }
    return entry.standIn.get();
}

HGDIOBJ ObjectTable::Stock(int index)
{
    {
        std::lock_guard lock(m_mutex);
        auto it = m_stock.find(index);
        if (it != m_stock.end())
            return it->second;
    }
    auto object = MakeStock(index);
    if (!object)
        return nullptr;
    const HGDIOBJ handle = object->Handle();
    std::lock_guard lock(m_mutex);
    auto [it, inserted] = m_stock.emplace(index, handle);
    if (!inserted)
        return it->second;
    Entry& entry = m_entries[handle];
    entry.object = object;
    entry.hold = std::move(object);
    entry.stock = true;
    return handle;
}

void ObjectTable::Remove(const GdiObjectData* object)
{
    std::unique_ptr<CGdiObject> standIn;
    {
        std::lock_guard lock(m_mutex);
        auto it = m_entries.find(reinterpret_cast<HGDIOBJ>(const_cast<GdiObjectData*>(object)));
        if (it == m_entries.end())
            return;
        standIn = std::move(it->second.standIn);
        if (it->second.owner)
            it->second.owner->m_hObject = nullptr;
        m_entries.erase(it);
    }
    if (standIn)
        standIn->m_hObject = nullptr;
}

std::shared_ptr<GdiObjectData> ObjectTable::MakeStock(int index) const
{
    switch (index) {
    case WHITE_BRUSH:
        return std::make_shared<BrushData>(BS_SOLID, RGB(255, 255, 255));
    case LTGRAY_BRUSH:
        return std::make_shared<BrushData>(BS_SOLID, RGB(192, 192, 192));
    case GRAY_BRUSH:
        return std::make_shared<BrushData>(BS_SOLID, RGB(128, 128, 128));
    case DKGRAY_BRUSH:
        return std::make_shared<BrushData>(BS_SOLID, RGB(64, 64, 64));
    case BLACK_BRUSH:
        return std::make_shared<BrushData>(BS_SOLID, RGB(0, 0, 0));
    case NULL_BRUSH:
        return std::make_shared<BrushData>(BS_NULL, RGB(0, 0, 0));
    case WHITE_PEN:
        return std::make_shared<PenData>(PS_SOLID, 0, RGB(255, 255, 255));
    case BLACK_PEN:
        return std::make_shared<PenData>(PS_SOLID, 0, RGB(0, 0, 0));
    case NULL_PEN:
        return std::make_shared<PenData>(PS_NULL, 0, RGB(0, 0, 0));
    case ANSI_VAR_FONT:
    case SYSTEM_FONT:
    case DEFAULT_GUI_FONT:
        return MakeGuiFont();
    case kDefaultBitmapStock:
        return std::make_shared<BitmapData>(1, 1);
    default:
        return nullptr;
    }
}

} // namespace gdi
