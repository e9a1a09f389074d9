#include "registry/Registry.h"

#include <cstring>

#include "framework/Assert.h"

namespace {

constexpr DWORD READ_STRING_BUFFER = 200;
constexpr DWORD SUB_KEY_NAME_BUFFER = 256;
constexpr int OS_KIND_9X = 1;

}  // namespace

LPCSTR NetClassKeyPath(int osKind)
{
    return osKind == OS_KIND_9X ? "System\\CurrentControlSet\\Services\\Class\\Net\\"
                                : "System\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";
}

CRegistry::CRegistry() : m_lastError(0), m_lastType(0), m_lastSize(0), m_hKey(nullptr) {}

CRegistry::~CRegistry()
{
    CloseKey();
}

BOOL CRegistry::Open(HKEY root, LPCSTR path, REGSAM access)
{
    ASSERT(root != nullptr);
    ASSERT(path != nullptr);
    // A key still held is closed rather than lost when the object opens another.
    CloseKey();
    LONG error = RegOpenKeyExA(root, path, 0, access, &m_hKey);
    if (error == ERROR_SUCCESS)
        return TRUE;
    m_lastError = error;
    m_lastType = 0;
    m_lastSize = 0;
    return FALSE;
}

BOOL CRegistry::OpenKey(HKEY root, LPCSTR path, REGSAM access)
{
    m_keyPath = path;
    CloseKey();
    m_lastError = RegOpenKeyExA(root, path, 0, access, &m_hKey);
    m_lastType = 0;
    m_lastSize = 0;
    return m_lastError == ERROR_SUCCESS;
}

BOOL CRegistry::CreateKey(HKEY root, LPCSTR path)
{
    CloseKey();
    DWORD disposition = 0;
    m_lastError = RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &m_hKey,
                                  &disposition);
    m_lastType = 0;
    m_lastSize = 0;
    return m_lastError == ERROR_SUCCESS;
}

void CRegistry::CloseKey()
{
    if (m_hKey) {
        RegCloseKey(m_hKey);
        m_hKey = nullptr;
    }
}

DWORD CRegistry::CountSubKeys(HKEY root, LPCSTR path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    DWORD count = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr) != ERROR_SUCCESS)
        count = 0;
    RegCloseKey(key);
    return count;
}

CString CRegistry::SubKeyName(HKEY root, LPCSTR path, DWORD index)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_ENUMERATE_SUB_KEYS, &key) != ERROR_SUCCESS)
        return CString();
    char name[SUB_KEY_NAME_BUFFER] = {};
    DWORD length = SUB_KEY_NAME_BUFFER;
    LONG error = RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return error == ERROR_SUCCESS ? CString(name) : CString();
}

BOOL CRegistry::WriteDword(LPCSTR name, DWORD value)
{
    ASSERT(m_hKey != nullptr);
    ASSERT(name != nullptr);
    m_lastError = RegSetValueExA(m_hKey, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    m_lastType = REG_DWORD;
    m_lastSize = sizeof value;
    return m_lastError == ERROR_SUCCESS;
}

BOOL CRegistry::WriteString(LPCSTR name, LPCSTR value)
{
    ASSERT(m_hKey != nullptr);
    ASSERT(AfxIsValidString(name));
    ASSERT(AfxIsValidString(value));
    m_lastType = REG_SZ;
    // Without the development checks a missing text fails here instead of being read.
    if (!value) {
        m_lastError = ERROR_INVALID_PARAMETER;
        m_lastSize = 0;
        return FALSE;
    }
    const auto size = static_cast<DWORD>(std::strlen(value) + 1);
    m_lastError = RegSetValueExA(m_hKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), size);
    m_lastSize = size;
    return m_lastError == ERROR_SUCCESS;
}

BOOL CRegistry::ReadDword(LPCSTR name, DWORD& value)
{
    ASSERT(m_hKey != nullptr);
    ASSERT(name != nullptr);
    BYTE buffer[sizeof(DWORD)] = {};
    DWORD type = 0;
    DWORD size = sizeof buffer;
    m_lastError = RegQueryValueExA(m_hKey, name, nullptr, &type, buffer, &size);
    m_lastType = type;
    m_lastSize = size;
    if (m_lastError != ERROR_SUCCESS)
        return FALSE;
    std::memcpy(&value, buffer, sizeof value);
    return TRUE;
}

BOOL CRegistry::ReadString(LPCSTR name, CString& value)
{
    ASSERT(m_hKey != nullptr);
    ASSERT(name != nullptr);
    char buffer[READ_STRING_BUFFER] = {};
    DWORD type = 0;
    DWORD size = sizeof buffer;
    m_lastError = RegQueryValueExA(m_hKey, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    m_lastType = type;
    m_lastSize = size;
    if (m_lastError != ERROR_SUCCESS)
        return FALSE;
    // A text without its terminating zero ends where the value ends.
    value = CString(std::string(buffer, strnlen(buffer, size)));
    return TRUE;
}
