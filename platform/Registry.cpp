#include "platform/Registry.h"
#include "platform/OpenHandles.h"

#include <cstring>
#include <map>
#include <optional>
#include <string>

#include "machine/MachinePort.h"
#include "platform/CurrentMachine.h"

namespace {

using machine::RegistryRoot;

// Rights that let a handle change its key or what lies below it.
constexpr REGSAM kWriteRights = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK | DELETE | WRITE_DAC | WRITE_OWNER;
constexpr std::uintptr_t kFirstPredefined = 0x80000000;
constexpr std::uintptr_t kFirstHandle = 0x20000;

struct OpenKey {
    RegistryRoot root = RegistryRoot::LocalMachine;
    std::string path;  // below the root, without a trailing backslash
    REGSAM access = 0;
    bool changed = false;  // something was created or set through this handle
};

std::map<HKEY, OpenKey>& keys()
{
    static std::map<HKEY, OpenKey> table;
    return table;
}

HKEY next_handle()
{
    static std::uintptr_t counter = 0;
    return reinterpret_cast<HKEY>(kFirstHandle + 4 * ++counter);
}

// The key a handle stands for: an open key, or a predefined root with every right.
std::optional<OpenKey> key_of(HKEY key)
{
    auto value = reinterpret_cast<std::uintptr_t>(key);
    if (value >= kFirstPredefined && value < kFirstPredefined + machine::kRegistryRootCount)
        return OpenKey{static_cast<RegistryRoot>(value - kFirstPredefined), "", KEY_ALL_ACCESS, false};
    auto it = keys().find(key);
    if (it == keys().end())
        return std::nullopt;
    return it->second;
}

std::string sub_path(const OpenKey& parent, LPCSTR subKey)
{
    std::string sub = subKey ? subKey : "";
    if (!sub.empty() && sub.back() == '\\')
        sub.pop_back();
    if (sub.empty())
        return parent.path;
    return parent.path.empty() ? sub : parent.path + "\\" + sub;
}

HKEY add_handle(RegistryRoot root, std::string path, REGSAM access, bool changed)
{
    HKEY handle = next_handle();
    keys()[handle] = OpenKey{root, std::move(path), access, changed};
    return handle;
}

void mark_changed(HKEY key)
{
    auto it = keys().find(key);
    if (it != keys().end())
        it->second.changed = true;
}

// Copies a name with its terminator when it fits the buffer of `*length` characters.
LSTATUS copy_name(const std::string& name, LPSTR buffer, LPDWORD length)
{
    if (name.size() + 1 > *length)
        return ERROR_MORE_DATA;
    std::memcpy(buffer, name.c_str(), name.size() + 1);
    *length = static_cast<DWORD>(name.size());
    return ERROR_SUCCESS;
}

void set_if(LPDWORD out, DWORD value)
{
    if (out)
        *out = value;
}

}  // namespace

LSTATUS RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM desired, PHKEY result)
{
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    auto parent = key_of(key);
    if (!parent)
        return ERROR_INVALID_HANDLE;
    std::string path = sub_path(*parent, subKey);
    machine::RegistryKeyResult opened =
        platform::CurrentMachine().registry_open_key(parent->root, path, (desired & kWriteRights) != 0);
    if (opened.error)
        return static_cast<LSTATUS>(opened.error);
    *result = add_handle(parent->root, std::move(path), desired, false);
    return ERROR_SUCCESS;
}

LSTATUS RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD, LPSTR, DWORD options, REGSAM desired, SECURITY_ATTRIBUTES*,
                        PHKEY result, LPDWORD disposition)
{
    if (!result || !subKey)
        return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    // Keys that vanish when the machine stops are not kept apart from the others.
    if (options != REG_OPTION_NON_VOLATILE)
        return ERROR_INVALID_PARAMETER;
    auto parent = key_of(key);
    if (!parent)
        return ERROR_INVALID_HANDLE;
    std::string path = sub_path(*parent, subKey);
    machine::MachinePort& port = platform::CurrentMachine();
    const bool write = (desired & kWriteRights) != 0;
    machine::RegistryKeyResult made;
    if (parent->access & KEY_CREATE_SUB_KEY) {
        made = port.registry_create_key(parent->root, path, write);
    } else {
        // A handle without the right to create may still open what exists.
        made = port.registry_open_key(parent->root, path, write);
        if (made.error == ERROR_FILE_NOT_FOUND)
            made.error = ERROR_ACCESS_DENIED;
    }
    if (made.error)
        return static_cast<LSTATUS>(made.error);
    *result = add_handle(parent->root, std::move(path), desired, made.created);
    set_if(disposition, made.created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY);
    return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY key)
{
    auto it = keys().find(key);
    if (it == keys().end())
        return key_of(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
    const bool changed = it->second.changed;
    keys().erase(it);
    if (changed)
        platform::CurrentMachine().registry_changed_key_closed();
    return ERROR_SUCCESS;
}

LSTATUS RegQueryInfoKeyA(HKEY key, LPSTR keyClass, LPDWORD classLength, LPDWORD, LPDWORD subKeys,
                         LPDWORD maxSubKeyLength, LPDWORD maxClassLength, LPDWORD values, LPDWORD maxValueNameLength,
                         LPDWORD maxValueLength, LPDWORD securityDescriptorSize, PFILETIME lastWriteTime)
{
    auto open = key_of(key);
    if (!open)
        return ERROR_INVALID_HANDLE;
    if (!(open->access & KEY_QUERY_VALUE))
        return ERROR_ACCESS_DENIED;
    if (keyClass && !classLength)
        return ERROR_INVALID_PARAMETER;
    machine::RegistryKeyInfo info = platform::CurrentMachine().registry_key_info(open->root, open->path);
    if (info.error)
        return static_cast<LSTATUS>(info.error);
    // Keys carry no class text, security descriptor or time of their last change.
    if (keyClass) {
        if (*classLength < 1)
            return ERROR_MORE_DATA;
        keyClass[0] = '\0';
    }
    set_if(classLength, 0);
    set_if(subKeys, info.sub_keys);
    set_if(maxSubKeyLength, info.max_sub_key_length);
    set_if(maxClassLength, 0);
    set_if(values, info.values);
    set_if(maxValueNameLength, info.max_value_name_length);
    set_if(maxValueLength, info.max_value_length);
    set_if(securityDescriptorSize, 0);
    if (lastWriteTime)
        *lastWriteTime = FILETIME{0, 0};
    return ERROR_SUCCESS;
}

LSTATUS RegEnumKeyExA(HKEY key, DWORD index, LPSTR name, LPDWORD nameLength, LPDWORD, LPSTR keyClass,
                      LPDWORD classLength, PFILETIME lastWriteTime)
{
    auto open = key_of(key);
    if (!open)
        return ERROR_INVALID_HANDLE;
    if (!name || !nameLength || (keyClass && !classLength))
        return ERROR_INVALID_PARAMETER;
    if (!(open->access & KEY_ENUMERATE_SUB_KEYS))
        return ERROR_ACCESS_DENIED;
    machine::RegistryName found = platform::CurrentMachine().registry_sub_key_name(open->root, open->path, index);
    if (found.error)
        return static_cast<LSTATUS>(found.error);
    if (LSTATUS copied = copy_name(found.name, name, nameLength))
        return copied;
    if (keyClass)
        copy_name("", keyClass, classLength);
    if (lastWriteTime)
        *lastWriteTime = FILETIME{0, 0};
    return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD, LPDWORD type, BYTE* data, LPDWORD dataSize)
{
    auto open = key_of(key);
    if (!open)
        return ERROR_INVALID_HANDLE;
    if (data && !dataSize)
        return ERROR_INVALID_PARAMETER;
    if (!(open->access & KEY_QUERY_VALUE))
        return ERROR_ACCESS_DENIED;
    machine::RegistryData value =
        platform::CurrentMachine().registry_query_value(open->root, open->path, valueName ? valueName : "");
    if (value.error)
        return static_cast<LSTATUS>(value.error);
    set_if(type, value.type);
    const auto size = static_cast<DWORD>(value.bytes.size());
    if (!data) {
        set_if(dataSize, size);
        return ERROR_SUCCESS;
    }
    // A buffer too small gets nothing, and learns the size it needs.
    const bool fits = size <= *dataSize;
    *dataSize = size;
    if (!fits)
        return ERROR_MORE_DATA;
    if (size)
        std::memcpy(data, value.bytes.data(), size);
    return ERROR_SUCCESS;
}

LSTATUS RegSetValueExA(HKEY key, LPCSTR valueName, DWORD, DWORD type, const BYTE* data, DWORD dataSize)
{
    auto open = key_of(key);
    if (!open)
        return ERROR_INVALID_HANDLE;
    if (!data && dataSize)
        return ERROR_INVALID_PARAMETER;
    if (!(open->access & KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    std::vector<std::uint8_t> bytes(data, data + (data ? dataSize : 0));
    auto error = platform::CurrentMachine().registry_set_value(open->root, open->path, valueName ? valueName : "",
                                                               type, bytes);
    if (error)
        return static_cast<LSTATUS>(error);
    mark_changed(key);
    return ERROR_SUCCESS;
}

std::size_t platform::OpenRegistryKeyCount() { return keys().size(); }
