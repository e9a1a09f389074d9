#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

#include "machine/MachinePort.h"
#include "platform/OpenHandles.h"
#include "platform/CurrentMachine.h"
#include "platform/GlobalMemory.h"
#include "platform/Kernel.h"

namespace {

constexpr const char* kDirectMemoryDevice = "\\\\.\\zmux19x.vxd";

struct OpenDevice {
    std::uint32_t id = 0;
    bool reads_caller_memory = false;
};

std::map<HANDLE, OpenDevice>& devices()
{
    static std::map<HANDLE, OpenDevice> table;
    return table;
}

HANDLE next_handle()
{
    static std::uintptr_t counter = 0;
    return reinterpret_cast<HANDLE>(0x10000 + 4 * ++counter);
}

}  // namespace

HANDLE CreateFileA(LPCSTR fileName, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE)
{
    if (!fileName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    machine::OpenResult opened = platform::CurrentMachine().open_device(fileName);
    SetLastError(opened.error);
    if (opened.device == 0)
        return INVALID_HANDLE_VALUE;
    HANDLE handle = next_handle();
    // A 9x driver reads the caller's buffers in place rather than a copy of the input.
    devices()[handle] = {opened.device, std::strcmp(fileName, kDirectMemoryDevice) == 0};
    return handle;
}

BOOL CloseHandle(HANDLE object)
{
    auto it = devices().find(object);
    if (it == devices().end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    std::uint32_t id = it->second.id;
    devices().erase(it);
    if (!platform::CurrentMachine().close_device(id)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

BOOL DeviceIoControl(HANDLE device, DWORD code, LPVOID inBuffer, DWORD inBufferSize, LPVOID outBuffer,
                     DWORD outBufferSize, LPDWORD bytesReturned, LPOVERLAPPED)
{
    auto it = devices().find(device);
    if (it == devices().end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if ((inBufferSize && !inBuffer) || (outBufferSize && !outBuffer)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::size_t visible = inBufferSize;
    if (it->second.reads_caller_memory && inBuffer)
        visible = std::max(visible, platform::GlobalBytesFrom(inBuffer));
    auto* in = static_cast<const std::uint8_t*>(inBuffer);
    std::vector<std::uint8_t> memory(in, in + (in ? visible : 0));

    machine::ControlResult result =
        platform::CurrentMachine().device_control(it->second.id, code, memory, inBufferSize, outBufferSize);
    if (!result.ok) {
        SetLastError(result.error);
        return FALSE;
    }
    auto count = static_cast<DWORD>(std::min<std::size_t>(result.output.size(), outBufferSize));
    if (count)
        std::memcpy(outBuffer, result.output.data(), count);
    if (bytesReturned)
        *bytesReturned = count;
    return TRUE;
}

std::size_t platform::OpenDeviceCount() { return devices().size(); }
