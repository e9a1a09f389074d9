#pragma once
// One open key of the registry: opened or created, read and written, closed again. Used as
// a short-lived local; the object owns its key and closes it at the latest when it dies.

#include "framework/CString.h"
#include "platform/Registry.h"

// The network adapter class key below HKEY_LOCAL_MACHINE for an operating-system kind
// (1: Windows 98/Me), with its trailing backslash.
LPCSTR NetClassKeyPath(int osKind);

class CRegistry {
public:
    CRegistry();
    virtual ~CRegistry();
    CRegistry(const CRegistry&) = delete;
    CRegistry& operator=(const CRegistry&) = delete;

    BOOL Open(HKEY root, LPCSTR path, REGSAM access);
    BOOL OpenKey(HKEY root, LPCSTR path, REGSAM access);
    BOOL CreateKey(HKEY root, LPCSTR path);
    void CloseKey();

    // These two work on a handle of their own and leave the object's key and status alone.
    DWORD CountSubKeys(HKEY root, LPCSTR path);
    CString SubKeyName(HKEY root, LPCSTR path, DWORD index);

    // The path of the driver key whose DriverDesc is `description`; the class key's own
    // path when none is.
    CString FindDriverKey(LPCSTR description, int osKind);

    BOOL WriteDword(LPCSTR name, DWORD value);
    BOOL WriteString(LPCSTR name, LPCSTR value);
    BOOL ReadDword(LPCSTR name, DWORD& value);
    BOOL ReadString(LPCSTR name, CString& value);

    LONG m_lastError;
    DWORD m_lastType;
    DWORD m_lastSize;
    HKEY m_hKey;
    CString m_keyPath;
};
