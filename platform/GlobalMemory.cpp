#include "platform/GlobalMemory.h"
#include "platform/OpenHandles.h"

#include <map>
#include <memory>

#include "machine/MachinePort.h"
#include "platform/CurrentMachine.h"
#include "platform/Kernel.h"

namespace {

struct Block {
    std::unique_ptr<std::uint8_t[]> bytes;
    std::size_t size = 0;
    bool movable = false;
    int locks = 0;
};

// Blocks by handle; a fixed block's handle is its address.
std::map<const void*, std::unique_ptr<Block>>& blocks()
{
    static std::map<const void*, std::unique_ptr<Block>> table;
    return table;
}

Block* find(HGLOBAL memory)
{
    auto it = blocks().find(memory);
    return it == blocks().end() ? nullptr : it->second.get();
}

}  // namespace

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes)
{
    if (!platform::CurrentMachine().permit_allocation()) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    auto block = std::make_unique<Block>();
    block->size = bytes;
    // Every block starts zeroed, with or without GMEM_ZEROINIT.
    block->bytes = std::make_unique<std::uint8_t[]>(bytes ? bytes : 1);
    block->movable = (flags & GMEM_MOVEABLE) != 0;
    HGLOBAL handle = block->movable ? static_cast<HGLOBAL>(block.get()) : static_cast<HGLOBAL>(block->bytes.get());
    blocks()[handle] = std::move(block);
    return handle;
}

LPVOID GlobalLock(HGLOBAL memory)
{
    Block* block = find(memory);
    if (!block) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (block->movable)
        ++block->locks;
    return block->bytes.get();
}

HGLOBAL GlobalHandle(LPCVOID address)
{
    for (auto& [handle, block] : blocks())
        if (block->bytes.get() == address)
            return const_cast<void*>(handle);
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
}

BOOL GlobalUnlock(HGLOBAL memory)
{
    Block* block = find(memory);
    if (!block) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!block->movable)
        return TRUE;
    if (block->locks == 0) {
        SetLastError(ERROR_NOT_LOCKED);
        return FALSE;
    }
    if (--block->locks > 0)
        return TRUE;
    SetLastError(NO_ERROR);
    return FALSE;
}

HGLOBAL GlobalFree(HGLOBAL memory)
{
    auto it = blocks().find(memory);
    if (it == blocks().end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return memory;
    }
    blocks().erase(it);
    return nullptr;
}

SIZE_T GlobalSize(HGLOBAL memory)
{
    Block* block = find(memory);
    if (!block) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return block->size;
}

namespace platform {

std::size_t GlobalBytesFrom(const void* address)
{
    auto* p = static_cast<const std::uint8_t*>(address);
    for (auto& [handle, block] : blocks()) {
        const std::uint8_t* start = block->bytes.get();
        if (p >= start && p < start + block->size)
            return static_cast<std::size_t>(start + block->size - p);
    }
    return 0;
}

}  // namespace platform

std::size_t platform::AllocatedBlockCount() { return blocks().size(); }
