// A day of random use in virtual time on the default machine: signals change, networks go
// and come back, the card is pulled, the service stopped, the user scans, connects with
// right and wrong keys, changes the language, opens and closes the sheet and switches pages.
// At the end of every hour the program holds the driver bound again, and it holds as many
// windows, timers, drawing objects and handles as after the first hour.
//
// ZEPHRA_SOAK_HOURS and ZEPHRA_SOAK_SEED choose another run (scripts/soak.sh).

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "framework/LiveCounts.h"
#include "framework/WinUser.h"
#include "machine/adapter/SimulatedAdapterFactory.h"
#include "platform/OpenHandles.h"
#include "resources/ResourceIds.h"
#include "shell/ShellFixture.h"
#include "support/HeldPrinting.h"

namespace {

constexpr std::uint64_t kSecondMs = 1000;
constexpr std::uint64_t kHourMs = 3600 * kSecondMs;
constexpr std::uint64_t kDefaultHours = 24;
constexpr std::uint64_t kDefaultSeed = 20261210;
// Ticks the program is given to bind the driver again once the card is back.
constexpr int kRebindTicks = 5;
constexpr int kTabs = 5, kWirelessTab = 1, kAdvancedTab = 2;
constexpr int IDC_REFRESH = 1001, IDC_CONNECT_WEP = 1003, IDC_LIST = 1008, IDC_CONNECT = 1314, IDC_KEY = 1338,
              IDC_LANGUAGE = 1317, IDC_CHANGE = 1331;
constexpr int kLanguages = 6;

const char* const kBssids[] = {"02:4C:4B:00:06:01", "02:48:42:00:01:02", "02:47:4C:00:0B:03", "02:50:4E:00:03:04",
                               "02:42:52:00:09:05", "02:43:43:00:0B:06", "02:53:48:00:0D:07"};

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}

// The radio world's own events for the whole run: signals wander, networks switch off and on.
nlohmann::json WorldWithEvents(std::mt19937_64& random, std::uint64_t hours)
{
    nlohmann::json world = machine::default_wireless_scenario();
    nlohmann::json events = nlohmann::json::array();
    std::uniform_int_distribution<std::size_t> network(0, std::size(kBssids) - 1);
    std::uniform_int_distribution<int> signal(-92, -45);
    std::uniform_int_distribution<std::uint64_t> gap(10 * kSecondMs, 20 * 60 * kSecondMs);
    for (std::uint64_t at = gap(random); at < hours * kHourMs; at += gap(random)) {
        const char* bssid = kBssids[network(random)];
        switch (random() % 3) {
        case 0: events.push_back({{"at_ms", at}, {"signal_dbm", {{bssid, signal(random)}}}}); break;
        case 1: events.push_back({{"at_ms", at}, {"switch_off", {bssid}}}); break;
        default: events.push_back({{"at_ms", at}, {"switch_on", {bssid}}}); break;
        }
    }
    world["events"] = events;
    return world;
}

struct Held {
    fw::LiveCounts live;
    platform::OpenHandles handles;
    bool operator==(const Held&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Held& h)
{
    return out << h.live << "; " << h.handles;
}

class Soak : public shell_test::ShellFixture {
public:
    Soak(const machine::Scenario& scenario, std::mt19937_64& random)
        : ShellFixture(scenario, shell_test::AdapterKind::Simulated), m_random(random)
    {
    }

    // One thing the user or the machine does, then some time passes.
    void Step()
    {
        switch (Pick(10)) {
        case 0: ToggleSheet(); break;
        case 1: SwitchPage(); break;
        case 2: Scan(); break;
        case 3: Connect(Pick(2) == 0); break;
        case 4: ChangeLanguage(); break;
        case 5: PullAndPutBackCard(); break;
        case 6: ui.machine().stop_service(machine::kDriverServiceName); break;
        default: break;
        }
        Pass(std::uniform_int_distribution<std::uint64_t>(1, 5 * 60)(m_random) * kSecondMs);
    }

    // The sheet closed and the program given time to bind the driver again.
    void Settle()
    {
        if (HWND sheet = ui.open_sheet())
            ui.close(sheet);
        Pass(kRebindTicks * kSecondMs);
    }

    // Every page shown once, so that what a page makes on its first showing and keeps is there
    // before the first hour is counted.
    void ShowEveryPage()
    {
        for (int tab = 0; tab < kTabs; ++tab)
            OnPage(tab);
        ui.close(ui.open_sheet());
    }

    Held Now() const { return {fw::CurrentLiveCounts(), platform::CurrentOpenHandles()}; }

    // Time passes; a message box the program showed meanwhile is answered at the end, its
    // modal loop serving the timers until then as it does for a user who is away.
    void Pass(std::uint64_t ms)
    {
        ui.run_for(ms);
        while (ui.message_box_open())
            ui.answer(IDOK);
    }

private:
    int Pick(int choices) { return static_cast<int>(m_random() % static_cast<std::uint64_t>(choices)); }
    HWND Page() { return ui.active_page(); }
    HWND OnPage(int tab)
    {
        if (!ui.open_sheet())
            ui.double_click_tray();
        ui.select_tab(ui.open_sheet(), tab);
        return Page();
    }

    void ToggleSheet()
    {
        if (HWND sheet = ui.open_sheet())
            ui.close(sheet);
        else
            ui.double_click_tray();
    }
    void SwitchPage()
    {
        if (HWND sheet = ui.open_sheet())
            ui.select_tab(sheet, Pick(kTabs));
    }
    void Scan() { ui.click(ui.control(OnPage(kWirelessTab), IDC_REFRESH)); }

    // Joins the open network or a WEP one with its key, or with a wrong key.
    void Connect(bool right_key)
    {
        HWND list = ui.control(OnPage(kWirelessTab), IDC_LIST);
        const std::vector<ui_test::ListRowView> rows = ui.rows(list);
        const std::string wanted = Pick(3) == 0 ? "Lakeside" : "Harbour-Office";
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (rows[row].texts.empty() || rows[row].texts[0] != wanted)
                continue;
            ui.click_row(list, static_cast<int>(row));
            if (wanted == "Lakeside") {
                ui.click(ui.control(Page(), IDC_CONNECT));
                return;
            }
            HWND key = ui.control(Page(), IDC_KEY);
            ui.clear(key);
            ui.type(key, right_key ? "1A2B3C4D5E" : "0000000000");
            ui.click(ui.control(Page(), IDC_CONNECT_WEP));
            return;
        }
    }
    void ChangeLanguage()
    {
        HWND page = OnPage(kAdvancedTab);
        ui.select(ui.control(page, IDC_LANGUAGE), Pick(kLanguages));
        ui.click(ui.control(page, IDC_CHANGE));
    }
    void PullAndPutBackCard()
    {
        ui.machine().remove_adapter();
        Pass(std::uniform_int_distribution<std::uint64_t>(1, 90)(m_random) * kSecondMs);
        ui.machine().insert_adapter();
    }

    std::mt19937_64& m_random;
};

TEST(Soak, ADayOfRandomUseEndsHoldingWhatTheFirstHourHeld)
{
    const std::uint64_t hours = FromEnvironment("ZEPHRA_SOAK_HOURS", kDefaultHours);
    const std::uint64_t seed = FromEnvironment("ZEPHRA_SOAK_SEED", kDefaultSeed);
    const std::string run = "soak seed " + std::to_string(seed) + ", " + std::to_string(hours) + " hours";
    // Printed first, so that a run the sanitizers stop still names its seed.
    std::cout << run << std::endl;
    SCOPED_TRACE(run);
    std::mt19937_64 random(seed);
    machine::Scenario scenario = machine::default_scenario();
    scenario.wireless = WorldWithEvents(random, hours);

    Soak soak(scenario, random);
    soak.Start();
    soak.ShowEveryPage();
    Held first_hour;
    for (std::uint64_t hour = 1; hour <= hours; ++hour) {
        while (soak.ui.now() < hour * kHourMs)
            soak.Step();
        soak.Settle();
        ASSERT_TRUE(soak.ui.machine().bound()) << "hour " << hour << ": the driver is not bound again";
        if (hour == 1)
            first_hour = soak.Now();
        else
            EXPECT_EQ(soak.Now(), first_hour) << "hour " << hour;
    }
    soak.ui.right_click_tray();
    soak.ui.choose(zephra::res::ID_TRAY_EXIT);
    EXPECT_TRUE(soak.ui.finished());
}

}  // namespace
