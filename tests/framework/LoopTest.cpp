#include <functional>
#include <vector>

#include "FrameworkFixture.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "framework/WinUser.h"

namespace {

// A frame whose timer handler the test supplies.
class TimerFrame : public CFrameWnd {
public:
    TimerFrame() { m_bAutoDelete = FALSE; }
    std::function<void(TimerFrame&, UINT_PTR)> on_timer;
    std::vector<std::uint64_t> ticks;

protected:
    void OnTimer(UINT_PTR id)
    {
        ticks.push_back(GetTickCount64());
        if (on_timer)
            on_timer(*this, id);
    }
    LRESULT OnPing(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam) + 1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TimerFrame, CFrameWnd)
    ON_WM_TIMER()
    ON_MESSAGE(WM_USER + 7, OnPing)
END_MESSAGE_MAP()

using LoopTest = FrameworkFixture;

TEST_F(LoopTest, TimerTicksOncePerPeriod)
{
    TimerFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "T"));
    frame.SetTimer(1, 1000);
    run_for(3500);
    EXPECT_EQ(frame.ticks, (std::vector<std::uint64_t>{1000, 2000, 3000}));
}

TEST_F(LoopTest, SlowHandlerLeavesNoBacklog)
{
    TimerFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "T"));
    frame.on_timer = [](TimerFrame& f, UINT_PTR) {
        if (f.ticks.size() == 1)
            Sleep(3500);
    };
    frame.SetTimer(1, 1000);
    run_for(6000);
    // The 3.5 s sleep swallows the ticks it covers: one tick right after it, then on period.
    EXPECT_EQ(frame.ticks, (std::vector<std::uint64_t>{1000, 4500, 5500}));
}

TEST_F(LoopTest, RestartAfterTickCountsFromTheEndOfTheHandler)
{
    TimerFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "T"));
    frame.on_timer = [](TimerFrame& f, UINT_PTR id) {
        f.KillTimer(id);
        Sleep(300);
        f.SetTimer(id, 1000);
    };
    frame.SetTimer(1, 1000);
    run_for(4000);
    EXPECT_EQ(frame.ticks, (std::vector<std::uint64_t>{1000, 2300, 3600}));
}

TEST_F(LoopTest, TimersDieWithTheirWindow)
{
    auto* frame = new TimerFrame;
    ASSERT_TRUE(frame->Create(nullptr, "T"));
    frame->SetTimer(1, 1000);
    HWND handle = frame->m_hWnd;
    delete frame;
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_FALSE(fw::MessageLoop::instance().timers().next_due().has_value());
}

TEST_F(LoopTest, PostedMessagesComeBeforeDueTimers)
{
    TimerFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "T"));
    std::vector<UINT> order;
    frame.on_timer = [&](TimerFrame&, UINT_PTR) { order.push_back(WM_TIMER); };
    frame.SetTimer(1, 10);
    Sleep(50);
    frame.PostMessage(WM_USER + 7, 1);
    MSG msg;
    ASSERT_TRUE(fw::MessageLoop::instance().peek(msg, true));
    EXPECT_EQ(msg.message, WM_USER + 7);
    ASSERT_TRUE(fw::MessageLoop::instance().peek(msg, true));
    EXPECT_EQ(msg.message, WM_TIMER);
    EXPECT_EQ(frame.SendMessage(WM_USER + 7, 41), 42);
}

TEST_F(LoopTest, FindWindowMatchesExactTitleOfHiddenWindows)
{
    TimerFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "Norvel Utility", WS_OVERLAPPED));
    frame.ShowWindow(SW_HIDE);
    EXPECT_EQ(CWnd::FindWindow(nullptr, "Norvel Utility"), &frame);
    EXPECT_EQ(CWnd::FindWindow(nullptr, "Norvel Utility "), nullptr);
    EXPECT_EQ(CWnd::FindWindow(nullptr, "norvel utility"), nullptr);
    EXPECT_EQ(CWnd::FindWindow(nullptr, "Norvel"), nullptr);
}

class ClosingApp : public CWinApp {
public:
    ClosingApp() : CWinApp("Closing") {}
    BOOL InitInstance() override
    {
        auto* frame = new CFrameWnd;
        frame->Create(nullptr, "Main");
        m_pMainWnd = frame;
        frame->PostMessage(WM_CLOSE);
        return TRUE;
    }
};

TEST_F(LoopTest, ClosingTheMainFrameEndsTheLoop)
{
    ClosingApp app;
    EXPECT_EQ(fw::RunApplication(app), 0);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(::FindWindow(nullptr, "Main"), nullptr);
}

}  // namespace
