#pragma once
// Base of the drawing-object wrappers. The object behind a handle lives until it is deleted
// and no device context has it selected; a wrapper deletes the object it owns when destroyed.

#include "framework/gdi/GdiTypes.h"

class CGdiObject {
public:
    HGDIOBJ m_hObject = nullptr;

    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }

    // Takes ownership of a handle; fails when this wrapper already holds one.
    BOOL Attach(HGDIOBJ handle);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    BOOL CreateStockObject(int index);
    DWORD GetObjectType() const;

    // The wrapper that owns the handle, or a lasting stand-in when none does; null for a dead handle.
    static CGdiObject* FromHandle(HGDIOBJ handle);
};

// Handle-level calls for code that holds raw handles.
BOOL DeleteObject(HGDIOBJ handle);
HGDIOBJ GetStockObject(int index);
DWORD GetObjectType(HGDIOBJ handle);
