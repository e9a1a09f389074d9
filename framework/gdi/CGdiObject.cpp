#include "framework/gdi/CGdiObject.h"

#include "framework/gdi/ObjectTable.h"

using gdi::ObjectTable;

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ handle)
{
    if (m_hObject || !handle || !ObjectTable::Instance().SetOwner(handle, this))
        return FALSE;
    m_hObject = handle;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    const HGDIOBJ handle = m_hObject;
    if (handle)
        ObjectTable::Instance().ClearOwner(handle, this);
    m_hObject = nullptr;
    return handle;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    const HGDIOBJ handle = m_hObject;
    m_hObject = nullptr;
    ObjectTable::Instance().ClearOwner(handle, this);
    return ObjectTable::Instance().Delete(handle) ? TRUE : FALSE;
}

BOOL CGdiObject::CreateStockObject(int index)
{
    return Attach(::GetStockObject(index));
}

DWORD CGdiObject::GetObjectType() const
{
    return ::GetObjectType(m_hObject);
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ handle)
{
    return ObjectTable::Instance().Wrapper(handle);
}

BOOL DeleteObject(HGDIOBJ handle)
{
    return ObjectTable::Instance().Delete(handle) ? TRUE : FALSE;
}

HGDIOBJ GetStockObject(int index)
{
    return index < 0 ? nullptr : ObjectTable::Instance().Stock(index);
}

DWORD GetObjectType(HGDIOBJ handle)
{
    auto object = ObjectTable::Instance().Find(handle);
    return object ? object->Kind() : 0;
}
