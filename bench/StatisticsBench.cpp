// The Statistics page's cost per one-second tick: the three strip charts taking a value and
// painting it (goal: under 50 us together), and the page's whole tick without painting
// (counters query, texts, three values; goal: under 100 us).
#include <benchmark/benchmark.h>

#include "bench/SilentPresenter.h"
#include "controls/OScopeCtrl.h"
#include "framework/Input.h"
#include "framework/MessageLoop.h"
#include "framework/ResourceModule.h"
#include "framework/WindowClass.h"
#include "machine/Clock.h"
#include "machine/Machine.h"
#include "machine/Scenario.h"
#include "platform/CurrentClock.h"
#include "platform/MachineScope.h"
#include "resources/ProgramResources.h"
#include "shell/PropSheet.h"

namespace {

constexpr int kStatisticsPage = 3;
// The charts' sizes on the page: the signal chart, then the two rate charts.
const CRect kSignalChart(10, 60, 415, 157);
const CRect kTxChart(22, 222, 403, 298);
const CRect kRxChart(22, 368, 403, 444);

void SetUp(COScopeCtrl& chart, CWnd& host, const CRect& rect, double upper)
{
    chart.Create(WS_CHILD | WS_VISIBLE, rect, &host, 0);
    chart.SetScale(upper == 60000000 ? 1 : 0, upper, 1);
    chart.SetYLabel("");
    chart.SetXLabel("Tx");
    chart.SetBackColor(RGB(0, 0, 64));
    chart.SetFrameColor(RGB(192, 192, 255));
    chart.SetTraceColor(RGB(255, 255, 255));
    chart.SetFillColor(RGB(100, 100, 255));
}

void BM_ThreeChartsSampleAndPaint(benchmark::State& state)
{
    machine::VirtualClock clock;
    machine::Clock* previous = platform::SetCurrentClock(&clock);
    fw::MessageLoop::instance().reset();
    {
        CWnd host;
        host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_VISIBLE, 0, 0, 430, 460, nullptr, nullptr);
        COScopeCtrl tx, rx, signal;
        SetUp(signal, host, kSignalChart, 60000000);
        SetUp(tx, host, kTxChart, 5000000);
        SetUp(rx, host, kRxChart, 5000000);
        long long i = 0;
        for (auto _ : state) {
            // Varying values, a few of them above the rate charts' limit.
            tx.AddSample(static_cast<double>(i * 770001 % 6000000));
            rx.AddSample(static_cast<double>(i * 1300003 % 5500000));
            signal.AddSample(static_cast<double>(12000000 + 6000000 * (i % 8)));
            tx.UpdateWindow();
            rx.UpdateWindow();
            signal.UpdateWindow();
            ++i;
        }
    }
    fw::MessageLoop::instance().reset();
    platform::SetCurrentClock(previous);
}
BENCHMARK(BM_ThreeChartsSampleAndPaint);

// Runs the benchmark loop from inside the sheet's modal loop, once the sheet is up.
class TickPresenter final : public SilentPresenter {
public:
    TickPresenter(benchmark::State& state, CPropSheet& sheet, machine::VirtualClock& clock)
        : m_state(state), m_sheet(sheet), m_clock(clock)
    {
    }
    void wait_for_events(std::uint64_t) override
    {
        if (m_done || m_sheet.m_hWnd == nullptr)
            return;
        m_done = true;
        CPageDiagnostics& page = m_sheet.m_pageDiagnostics;
        for (auto _ : m_state) {
            m_clock.advance(1000);  // a second of traffic between ticks
            page.SendMessage(WM_TIMER, 1);
        }
        fw::input::CloseBox(m_sheet.m_hWnd);
    }

private:
    benchmark::State& m_state;
    CPropSheet& m_sheet;
    machine::VirtualClock& m_clock;
    bool m_done = false;
};

void BM_StatisticsPageTick(benchmark::State& state)
{
    machine::VirtualClock clock;
    machine::Machine computer(machine::default_scenario(), clock);
    platform::MachineScope scope(computer);
    fw::MessageLoop::instance().reset();
    fw::SetProgramModule(&zephra::ProgramResources());
    {
        CPropSheet sheet("", nullptr, kStatisticsPage);
        sheet.m_prtUtil.OpenSession();
        sheet.m_prtUtil.m_nRssi = -60;  // kept current by the tray's timer in the program
        TickPresenter presenter(state, sheet, clock);
        fw::Presenter* previous = fw::SetPresenter(&presenter);
        sheet.DoModal();
        fw::SetPresenter(previous);
        sheet.m_prtUtil.CloseSession();
        // The rate of the last tick, to show that the ticks measured saw traffic.
        state.counters["rx_bps"] = sheet.m_pageDiagnostics.m_nRxBps;
    }
    fw::SetProgramModule(nullptr);
    fw::MessageLoop::instance().reset();
}
BENCHMARK(BM_StatisticsPageTick);

}  // namespace
