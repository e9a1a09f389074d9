#include <gtest/gtest.h>

#include "platform/GlobalMemory.h"
#include "platform/Kernel.h"
#include "support/MachineFixture.h"

TEST(GlobalMemory, MovableBlockLifeCycle)
{
    zephra_test::MachineFixture f;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 108);
    ASSERT_NE(memory, nullptr);
    auto* bytes = static_cast<BYTE*>(GlobalLock(memory));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(bytes[0] | bytes[107], 0);
    EXPECT_EQ(GlobalSize(memory), 108u);
    EXPECT_EQ(GlobalHandle(bytes), memory);
    EXPECT_EQ(platform::GlobalBytesFrom(bytes + 100), 8u);
    EXPECT_EQ(platform::GlobalBytesFrom(bytes + 108), 0u);

    EXPECT_FALSE(GlobalUnlock(memory));
    EXPECT_EQ(GetLastError(), NO_ERROR);
    EXPECT_FALSE(GlobalUnlock(memory));
    EXPECT_EQ(GetLastError(), ERROR_NOT_LOCKED);
    EXPECT_EQ(GlobalFree(memory), nullptr);
    EXPECT_EQ(GlobalFree(memory), memory);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST(GlobalMemory, InjectedAllocationFailure)
{
    zephra_test::MachineFixture f;
    f.machine.faults().allocations_before_failure = 1;
    HGLOBAL first = GlobalAlloc(GPTR, 16);
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(GlobalAlloc(GPTR, 16), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
    GlobalFree(first);
}
