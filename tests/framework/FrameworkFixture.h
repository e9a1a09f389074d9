#pragma once
// A fresh message loop on a virtual clock for each test.

#include <gtest/gtest.h>

#include "framework/MessageLoop.h"
#include "machine/Clock.h"
#include "platform/CurrentClock.h"
#include "platform/Time.h"

class FrameworkFixture : public ::testing::Test {
protected:
    FrameworkFixture() : m_previous(platform::SetCurrentClock(&m_clock)) { fw::MessageLoop::instance().reset(); }
    ~FrameworkFixture() override
    {
        fw::MessageLoop::instance().reset();
        platform::SetCurrentClock(m_previous);
    }
    void run_for(std::uint64_t ms) { fw::RunMessagesUntil(GetTickCount64() + ms); }

    machine::VirtualClock m_clock;

private:
    machine::Clock* m_previous;
};
