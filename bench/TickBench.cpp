// The work of one poll on the default machine, in virtual time and without a display: the tray
// frame's tick (adapter bound and connected) beside the three requests it makes, and the
// Connection Status page's tick while the page is open.
#include <benchmark/benchmark.h>

#include <functional>

#include "bench/SilentPresenter.h"
#include "framework/CWinApp.h"
#include "framework/MessageLoop.h"
#include "framework/ResourceModule.h"
#include "framework/WinUser.h"
#include "machine/Clock.h"
#include "machine/Machine.h"
#include "machine/Scenario.h"
#include "platform/MachineScope.h"
#include "platform/Time.h"
#include "resources/ProgramResources.h"
#include "resources/ResourceIds.h"
#include "shell/HideMainFrame.h"
#include "shell/PropSheet.h"
#include "shell/Zephra.h"

namespace {

constexpr UINT_PTR kTrayTimerId = 1;
constexpr UINT_PTR kPageTimerId = 2;

// Shows nothing; while a modal loop is idle it runs the work it was given once, then lets
// virtual time pass to the loop's next timer.
class IdlePresenter final : public SilentPresenter {
public:
    std::function<void()> when_idle;

    void wait_for_events(std::uint64_t deadline_ms) override
    {
        if (when_idle) {
            std::function<void()> work = std::move(when_idle);
            when_idle = nullptr;
            work();
            return;
        }
        platform::WaitUntil(deadline_ms);
    }
};

// The program's frame on the default machine, its session open, after its first tick.
struct Program {
    Program() : machine(machine::default_scenario(), clock), scope(machine)
    {
        fw::MessageLoop::instance().reset();
        fw::SetProgramModule(&zephra::ProgramResources());
        previous = fw::SetPresenter(&presenter);
        frame = new CHideMainFrame;
        ::SendMessage(frame->m_hWnd, WM_TIMER, kTrayTimerId, 0);
    }
    ~Program()
    {
        frame->SendMessage(WM_CLOSE);
        delete frame;
        fw::SetPresenter(previous);
        fw::SetProgramModule(nullptr);
        fw::MessageLoop::instance().reset();
    }
    CPrtUtil& prt() { return frame->m_pSheet->m_prtUtil; }
    bool Connected() { return prt().m_bBound == 1 && prt().m_strLinkStatus == " Connected "; }

    machine::VirtualClock clock;
    machine::Machine machine;
    platform::MachineScope scope;
    IdlePresenter presenter;
    fw::Presenter* previous = nullptr;
    CZephraApp app;
    CHideMainFrame* frame = nullptr;
};

void TrayTick(benchmark::State& state)
{
    Program program;
    if (!program.Connected())
        state.SkipWithError("the default machine's adapter is not connected");
    for (auto _ : state)
        ::SendMessage(program.frame->m_hWnd, WM_TIMER, kTrayTimerId, 0);
}
BENCHMARK(TrayTick);

void TrayTickRequestsAlone(benchmark::State& state)
{
    Program program;
    CPrtUtil& prt = program.prt();
    for (auto _ : state) {
        prt.RefreshBinding();
        prt.QueryLinkStatus();
        prt.QueryRssi();
        benchmark::DoNotOptimize(prt.m_nRssi);
    }
}
BENCHMARK(TrayTickRequestsAlone);

void ConnectionStatusPageTick(benchmark::State& state)
{
    Program program;
    CPropSheet& sheet = *program.frame->m_pSheet;
    // Runs inside the sheet's modal loop, the page open, then closes the sheet.
    program.presenter.when_idle = [&] {
        HWND page = sheet.m_pageConnection.m_hWnd;
        if (page == nullptr)
            state.SkipWithError("the Connection Status page did not open");
        for (auto _ : state)
            ::SendMessage(page, WM_TIMER, kPageTimerId, 0);
        sheet.EndDialog(IDCANCEL);
    };
    ::SendMessage(program.frame->m_hWnd, WM_COMMAND, zephra::res::ID_TRAY_SHOW, 0);
}
BENCHMARK(ConnectionStatusPageTick);

}  // namespace
