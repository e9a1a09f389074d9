#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "AdvancedFixture.h"
#include "framework/WaitCursor.h"
#include "framework/WinUser.h"
#include "machine/adapter/Identifiers.h"
#include "machine/adapter/SimulatedAdapter.h"
#include "machine/adapter/SimulatedAdapterFactory.h"
#include "support/MachineFixture.h"

namespace {

using namespace advanced_test;

using Parameters = std::map<std::string, std::string>;

// The machine's own simulated adapter, with a look at the moment its driver restarts.
class WatchedAdapter final : public machine::Adapter {
public:
    WatchedAdapter(std::unique_ptr<machine::Adapter> inner, std::function<void()> onRestart)
        : m_inner(std::move(inner)), m_onRestart(std::move(onRestart))
    {
    }
    bool query(std::uint32_t oid, std::span<std::uint8_t> data) override { return m_inner->query(oid, data); }
    bool set(std::uint32_t oid, std::span<const std::uint8_t> data) override { return m_inner->set(oid, data); }
    void restart(const Parameters& parameters) override
    {
        m_onRestart();
        m_inner->restart(parameters);
    }

private:
    std::unique_ptr<machine::Adapter> m_inner;
    std::function<void()> m_onRestart;
};

// What the program and the machine looked like when the adapter's driver restarted.
struct RestartMoment {
    std::uint64_t at_ms = 0;
    bool buttonEnabled = true;
    int waitCursorDepth = 0;
    BYTE driverOpen = 1;
    BYTE bound = 1;
    std::size_t requestsBefore = 0;
};

class RestartPage : public AdvancedPage {
public:
    explicit RestartPage(const char* os) : AdvancedPage(zephra_test::ScenarioOn(os))
    {
        std::unique_ptr<machine::Adapter> inner = machine::make_simulated_adapter(ui.machine().scenario().wireless, ui.clock());
        simulated = static_cast<machine::SimulatedAdapter*>(inner.get());
        ui.machine().set_adapter(std::make_unique<WatchedAdapter>(std::move(inner), [this] { Watch(); }));
    }
    int RateMask()
    {
        std::vector<std::uint8_t> rates(8);
        simulated->query(machine::oid::kDesiredRates, rates);
        return rates[0];
    }
    CPageAdvanced& Page() { return frame().m_pSheet->m_pageAdvanced; }
    CPrtUtil& Prt() { return frame().m_pSheet->m_prtUtil; }

    machine::SimulatedAdapter* simulated = nullptr;
    std::vector<RestartMoment> restarts;

private:
    // Runs on the program's thread, inside the restart sequence.
    void Watch()
    {
        if (app.m_pMainWnd == nullptr || frame().m_pSheet == nullptr)
            return;
        restarts.push_back({ui.now(), IsWindowEnabled(Page().m_btnRestart.m_hWnd) != FALSE, fw::WaitCursorDepth(),
                            Prt().m_bDriverOpen, Prt().m_bBound, ui.machine().request_log().size()});
    }
};

TEST(PageAdvancedRestart, ClosesWaitsRestartsReopensAndWaitsOnEverySystem)
{
    const struct {
        const char* os;
        // What the session's own steps take: XP waits after its unbind and, opening, closes
        // the running service first; on 2000 the default machine's service runs at once.
        std::uint64_t closingMs;
        std::uint64_t openingMs;
    } rows[] = {{"98", 0, 0}, {"2000", 0, 0}, {"xp", 3000, 3000}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.os);
        RestartPage p(row.os);
        p.Open();
        ASSERT_EQ(p.Prt().m_bBound, 1);
        const std::uint64_t pressed = p.ui.now();
        const int waitsBefore = p.ui.wait_cursor_shows();
        p.ui.click(p.Control(IDC_RESTART));

        ASSERT_EQ(p.restarts.size(), 1u);
        const RestartMoment& restart = p.restarts[0];
        EXPECT_EQ(restart.at_ms - pressed, row.closingMs + 700);
        EXPECT_EQ(p.ui.now() - restart.at_ms, row.openingMs + 1500);
        EXPECT_FALSE(restart.buttonEnabled);
        EXPECT_EQ(restart.waitCursorDepth, 1);
        EXPECT_EQ(restart.driverOpen, 0);
        EXPECT_EQ(restart.bound, 0);

        // Closed before the restart, bound again after it.
        const std::vector<machine::LoggedRequest>& log = p.ui.machine().request_log();
        auto binds = [&](std::size_t from, std::size_t to) {
            int n = 0;
            for (std::size_t i = from; i < to; ++i)
                n += log[i].code == IOCTL_PRT_BIND && log[i].succeeded ? 1 : 0;
            return n;
        };
        EXPECT_EQ(binds(0, restart.requestsBefore), 0);
        EXPECT_EQ(binds(restart.requestsBefore, log.size()), 1);
        if (std::string(row.os) == "xp") {
            EXPECT_EQ(log.at(0).code, IOCTL_PRT_UNBIND);
        }
        EXPECT_EQ(p.Prt().m_bBound, 1);
        EXPECT_TRUE(p.ui.machine().bound());

        EXPECT_TRUE(p.ui.enabled(p.Control(IDC_RESTART)));
        EXPECT_EQ(p.ui.wait_cursor_depth(), 0);
        EXPECT_EQ(p.ui.wait_cursor_shows(), waitsBefore + 1);
        EXPECT_TRUE(p.ui.message_boxes().empty());

        // The tray picks the link up again on its own next tick.
        p.Tick();
        EXPECT_NE(p.ui.tray_tip(), " Not Bound ");
    }
}

TEST(PageAdvancedRestart, TheDriverTakesInItsKeyOnlyWhenItRestarts)
{
    RestartPage p("xp");
    p.Open();
    // The preamble goes only to the key; the rate is put there as another tool would.
    p.ui.select(p.Control(IDC_PREAMBLE), 1);
    p.Apply();
    p.ui.answer(IDOK);
    driver_key::Write(p.ui.machine(), "TransmitRate", "8");
    p.ui.run_for(5000);
    EXPECT_FALSE(p.simulated->settings().short_preamble);
    EXPECT_EQ(p.RateMask(), 15);

    p.ui.click(p.Control(IDC_RESTART));
    ASSERT_EQ(p.restarts.size(), 1u);
    EXPECT_TRUE(p.simulated->settings().short_preamble);
    EXPECT_EQ(p.RateMask(), 8);
    // The page shows what the key holds, now what the driver runs with.
    p.ui.select_tab(p.sheet, 0);
    p.ui.select_tab(p.sheet, kAdvancedPage);
    EXPECT_EQ(p.Shown(IDC_RATE), "11Mbps");
    EXPECT_EQ(p.Shown(IDC_PREAMBLE), "Enable");
}

}  // namespace
