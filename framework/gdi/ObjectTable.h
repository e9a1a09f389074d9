#pragma once
// The live drawing objects by handle, with the wrapper that owns each.

#include <memory>
#include <mutex>
#include <unordered_map>

#include "framework/gdi/GdiObjectData.h"

class CGdiObject;

namespace gdi {

// The 1 x 1 bitmap that a new memory context holds.
constexpr int kDefaultBitmapStock = -1;

class ObjectTable {
public:
    static ObjectTable& Instance();

    // Registers a new object; the table keeps it alive until Delete.
    HGDIOBJ Add(std::shared_ptr<GdiObjectData> object, CGdiObject* owner);
    std::shared_ptr<GdiObjectData> Find(HGDIOBJ handle) const;
    template <class T>
    std::shared_ptr<T> FindAs(HGDIOBJ handle, DWORD kind) const
    {
        auto object = Find(handle);
        return object && object->Kind() == kind ? std::static_pointer_cast<T>(object) : nullptr;
    }
    // Drops the handle's hold; the object lasts while a device context still selects it.
    bool Delete(HGDIOBJ handle);
    bool SetOwner(HGDIOBJ handle, CGdiObject* owner);
    void ClearOwner(HGDIOBJ handle, const CGdiObject* owner);
    CGdiObject* Wrapper(HGDIOBJ handle);
    HGDIOBJ Stock(int index);
    // The objects alive now, stock objects left out.
    std::size_t LiveCount() const;

    // Called by the object's destructor.
    void Remove(const GdiObjectData* object);

private:
    struct Entry {
        std::weak_ptr<GdiObjectData> object;
        std::shared_ptr<GdiObjectData> hold;
        CGdiObject* owner = nullptr;
        std::unique_ptr<CGdiObject> standIn;
        bool stock = false;
    };

    std::shared_ptr<GdiObjectData> MakeStock(int index) const;

    mutable std::mutex m_mutex;
    std::unordered_map<HGDIOBJ, Entry> m_entries;
    std::unordered_map<int, HGDIOBJ> m_stock;
};

} // namespace gdi
