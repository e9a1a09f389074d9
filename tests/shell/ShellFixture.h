#pragma once
// The program on the harness: the real application object over a scripted adapter, with the
// program's own resources and the language libraries next to the test.

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "UiHarness.h"
#include "driver/Oids.h"
#include "framework/Library.h"
#include "framework/ResourceModule.h"
#include "resources/ProgramResources.h"
#include "shell/HideMainFrame.h"
#include "shell/PropSheet.h"
#include "shell/Zephra.h"
#include "support/ScriptedAdapter.h"

namespace shell_test {

inline std::vector<std::uint8_t> Dword(std::int64_t value)
{
    std::vector<std::uint8_t> bytes(4);
    const auto v = static_cast<std::uint32_t>(value);
    std::memcpy(bytes.data(), &v, 4);
    return bytes;
}

constexpr std::uint8_t kLinkUp = 1;
constexpr std::uint8_t kLinkDown = 0;

class ProgramResourcesScope {
public:
    ProgramResourcesScope() { fw::SetProgramModule(&zephra::ProgramResources()); }
    ~ProgramResourcesScope()
    {
        AfxSetResourceHandle(nullptr);
        fw::SetProgramModule(nullptr);
    }
};

// Which adapter answers: the scripted one, whose answers a test sets, or the machine's own
// simulated one, which moves with the scenario's radio world.
enum class AdapterKind { Scripted, Simulated };

class ShellFixture {
public:
    explicit ShellFixture(const machine::Scenario& scenario = machine::default_scenario(),
                          AdapterKind kind = AdapterKind::Scripted)
        : ui(scenario)
    {
        SetLink(kLinkUp, -55);
        if (kind == AdapterKind::Scripted)
            ui.machine().set_adapter(std::make_unique<zephra_test::ScriptedAdapter>(adapter));
    }
    ~ShellFixture()
    {
        if (app.m_hLangDll != nullptr)
            FreeLibrary(app.m_hLangDll);
    }

    void Start() { ui.start([this] { return fw::RunApplication(app); }); }
    void SetLink(std::uint8_t link, std::int64_t rssi)
    {
        adapter.answers[OID_PRT_LINK_STATUS] = {link, 0, 0, 0};
        adapter.answers[OID_802_11_RSSI] = Dword(rssi);
    }
    CHideMainFrame& frame() { return *static_cast<CHideMainFrame*>(app.m_pMainWnd); }
    HWND FrameWindow() { return ui.find_window(kZephraTitle); }
    // One poll of the frame's timer.
    void Tick() { ui.run_for(1000); }

    ProgramResourcesScope resources;
    zephra_test::ScriptedAdapter::Shared adapter;
    CZephraApp app;
    ui_test::UiHarness ui;
};

}  // namespace shell_test
