// Every fault the machine injects, at every place the user can be: injected, ten seconds of
// virtual time, lifted, ten seconds more. Nothing crashes or hangs, only the program's own
// messages appear, and one tick after the fault the place shows what it showed before it,
// holding as many windows, timers, drawing objects and handles, unless the row says why not.

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "driver/PrtIoctl.h"
#include "framework/LiveCounts.h"
#include "framework/WinUser.h"
#include "pages/PageScanListBytes.h"
#include "platform/OpenHandles.h"
#include "propprovider/PropFixture.h"
#include "support/HeldPrinting.h"
#include "support/MachineFixture.h"

namespace {

using machine::Machine;

constexpr std::uint64_t kTickMs = 1000;
constexpr int kFaultTicks = 10;
constexpr int IDC_WEB_LINK = 1127, IDC_REFRESH = 1001, IDC_APPLY = 1125;
constexpr int kStatusConnectionTab = 0, kStatusStatisticsTab = 1;

enum class Place {
    Tray,
    ConnectionPage,
    WirelessPage,
    AdvancedPage,
    StatisticsPage,
    VersionPage,
    DeviceVersionPage,
    StatusConnectionPage,
    StatusStatisticsPage,
};

const char* NameOf(Place place)
{
    switch (place) {
    case Place::Tray: return "Tray";
    case Place::ConnectionPage: return "ConnectionPage";
    case Place::WirelessPage: return "WirelessPage";
    case Place::AdvancedPage: return "AdvancedPage";
    case Place::StatisticsPage: return "StatisticsPage";
    case Place::VersionPage: return "VersionPage";
    case Place::DeviceVersionPage: return "DeviceVersionPage";
    case Place::StatusConnectionPage: return "StatusConnectionPage";
    case Place::StatusStatisticsPage: return "StatusStatisticsPage";
    }
    return "?";
}

bool InDeviceManager(Place place) { return place >= Place::DeviceVersionPage; }

struct Fault {
    const char* name;
    std::function<void(Machine&)> inject;
    std::function<void(Machine&)> lift;
    // A fault of opening the driver bites only when it is opened: the card is pulled for a
    // tick as the fault begins and put back, so the program opens the driver again under it.
    bool met_on_reopen;
    // The message boxes the program may show meanwhile, by text, and the places where it
    // shows them for sure: where a tick reads the network parameters, where the link is.
    std::set<std::string> messages;
    std::set<Place> shown_at;
    // Places that stay as the fault left them after it ends (WhyItStays says why).
    std::set<Place> stays;
};

// Why a place does not come back by itself, and what brings it back.
const char* WhyItStays(Place place)
{
    switch (place) {
    case Place::WirelessPage: return "the list shows the scan read during the fault until the next Refresh";
    case Place::StatusStatisticsPage: return "on the status sheet only the Connection Status page binds the driver again";
    case Place::DeviceVersionPage: return "the library's version page never opens the driver again while it exists";
    default: return "it should not stay";
    }
}

void Clear(Machine&) {}

const std::set<Place> kNone;
const std::set<Place> kReadsNetworkParams = {Place::ConnectionPage, Place::StatusConnectionPage};
const std::set<Place> kUnboundInLibrary = {Place::DeviceVersionPage, Place::StatusStatisticsPage};
const std::set<Place> kScanFailedAndUnbound = {Place::WirelessPage, Place::DeviceVersionPage, Place::StatusStatisticsPage};

std::vector<Fault> Faults()
{
    return {
        {"DeviceOpenFails", [](Machine& m) { m.faults().device_open_fails = true; },
         [](Machine& m) { m.faults().device_open_fails = false; }, true, {}, {}, kUnboundInLibrary},
        {"OpenLeavesError183", [](Machine& m) { m.faults().device_open_leaves_183 = true; },
         [](Machine& m) { m.faults().device_open_leaves_183 = false; }, true, {}, {}, kUnboundInLibrary},
        {"RecordAllocationFails", [](Machine& m) { m.faults().allocations_before_failure = 0; },
         [](Machine& m) { m.faults().allocations_before_failure = -1; }, true, {"Memory allocation error\n"}, {},
         kUnboundInLibrary},
        {"ServiceCannotBeOpened", [](Machine& m) { m.faults().service_missing = true; },
         [](Machine& m) { m.faults().service_missing = false; }, true, {}, {}, kUnboundInLibrary},
        {"ServiceCannotBeStarted", [](Machine& m) { m.faults().service_start_fails = true; },
         [](Machine& m) { m.faults().service_start_fails = false; }, true, {}, {}, kUnboundInLibrary},
        {"ServiceStartStaysPending", [](Machine& m) { m.faults().service_stuck_start_pending = true; },
         [](Machine& m) { m.faults().service_stuck_start_pending = false; }, true, {}, {}, kUnboundInLibrary},
        {"AdapterPulledAndPutBack", [](Machine& m) { m.remove_adapter(); }, [](Machine& m) { m.insert_adapter(); },
         false, {}, {}, kScanFailedAndUnbound},
        {"ServiceStoppedByOthers", [](Machine& m) { m.stop_service(machine::kDriverServiceName); }, Clear, false, {},
         {}, kScanFailedAndUnbound},
        {"BindingDropped", [](Machine& m) { m.drop_binding(); }, Clear, false, {}, {}, kScanFailedAndUnbound},
        {"RequestsFail",
         [](Machine& m) { m.faults().failing_codes = {IOCTL_PRT_QUERY_OID, IOCTL_PRT_SET_OID}; },
         [](Machine& m) { m.faults().failing_codes.clear(); }, false, {}, {}, {Place::WirelessPage}},
        {"AdapterListSizingFails", [](Machine& m) { m.faults().adapters_info_sizing_error = 87; },
         [](Machine& m) { m.faults().adapters_info_sizing_error = 0; }, false, {}, {}, kUnboundInLibrary},
        {"AdapterListReadingFails", [](Machine& m) { m.faults().adapters_info_error = 31; },
         [](Machine& m) { m.faults().adapters_info_error = 0; }, false, {}, {}, kUnboundInLibrary},
        {"NetworkParamsSizingFails", [](Machine& m) { m.faults().network_params_sizing_error = 87; },
         [](Machine& m) { m.faults().network_params_sizing_error = 0; }, false,
         {"GetNetworkParams sizing failed with error 87\n"}, kReadsNetworkParams, kNone},
        {"NetworkParamsReadingFails", [](Machine& m) { m.faults().network_params_error = 31; },
         [](Machine& m) { m.faults().network_params_error = 0; }, false,
         {"GetNetworkParams failed with error 31\n"}, kReadsNetworkParams, kNone},
        {"RegistryReadOnly", [](Machine& m) { m.faults().registry_read_only = true; },
         [](Machine& m) { m.faults().registry_read_only = false; }, false, {}, {}, kNone},
        {"ShellCannotOpen", [](Machine& m) { m.faults().shell_error = 31; },
         [](Machine& m) { m.faults().shell_error = 0; }, false,
         {"Can't open link:\n\nThere is no application associated\nwith the given filename extension."}, {Place::VersionPage}, kNone},
    };
}

// The faults of the driver's service, which the 9x family does not have.
bool ServiceFault(const Fault& fault) { return std::string(fault.name).rfind("Service", 0) == 0; }

std::vector<std::size_t> FaultsOn98()
{
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < Faults().size(); ++i)
        if (!ServiceFault(Faults()[i]))
            rows.push_back(i);
    return rows;
}

// What the user sees at a place, and what the program holds there.
struct State {
    int tray_icon = 0;
    std::string tray_tip;
    std::vector<std::string> page;
    bool polls_adapter = false;  // the place asked the adapter something in its last tick
    fw::LiveCounts live;
    platform::OpenHandles handles;

    bool operator==(const State&) const = default;
};

std::ostream& operator<<(std::ostream& out, const State& s)
{
    out << "tray " << s.tray_icon << " \"" << s.tray_tip << "\"" << (s.polls_adapter ? ", polls" : ", silent") << "\n";
    for (const std::string& line : s.page)
        out << "  " << line << "\n";
    out << s.live << "; " << s.handles;
    return out;
}

class FaultAtPlace : public prop_test::PropFixture {
public:
    explicit FaultAtPlace(const machine::Scenario& scenario) : PropFixture(scenario)
    {
        adapter.answers[OID_802_11_BSSID_LIST] =
            scan_test::ScanAnswer({{{2, 0x48, 0x42, 0, 1, 2}, "Harbour-Office", 1, 0, -64, 2412000},
                                   {{2, 0x53, 0x48, 0, 0x0D, 7}, "Station-Hall", 1, 1, -68, 2472000}});
    }

    void GoTo(Place place)
    {
        m_place = place;
        if (InDeviceManager(place)) {
            OpenDeviceSheet();
            ShowVersionPage();
            if (place != Place::DeviceVersionPage) {
                ui.click(ui.control(ui.active_page(sheet), prop_test::IDC_STATUS_BUTTON));
                ui.select_tab(ui.open_sheet(),
                              place == Place::StatusConnectionPage ? kStatusConnectionTab : kStatusStatisticsTab);
            }
        } else {
            Start();
            Tick();
            if (place != Place::Tray) {
                ui.double_click_tray();
                ui.select_tab(ui.open_sheet(), static_cast<int>(place) - static_cast<int>(Place::ConnectionPage));
            }
        }
        RunAnsweringBoxes(3);
    }

    State Now() const
    {
        State s;
        s.tray_icon = ui.tray_icon_resource_id();
        s.tray_tip = ui.tray_tip();
        s.polls_adapter = m_requests_in_last_tick > 0;
        if (m_place != Place::Tray)
            s.page = ui.texts_below(ui.active_page());
        s.live = fw::CurrentLiveCounts();
        s.handles = platform::CurrentOpenHandles();
        return s;
    }

    // What the user does at the place while the fault lasts.
    void Use()
    {
        HWND page = ui.active_page();
        switch (m_place) {
        case Place::VersionPage:
        case Place::DeviceVersionPage: ui.click(ui.control(page, IDC_WEB_LINK)); break;
        case Place::WirelessPage: ui.click(ui.control(page, IDC_REFRESH)); break;
        case Place::AdvancedPage: ui.click(ui.control(page, IDC_APPLY)); break;
        default: break;
        }
        AnswerBoxes();
    }

    // What the user does to have the place show the adapter again where it does not by itself;
    // false where only a new session does.
    bool ComeBack()
    {
        HWND front = ui.open_sheet();
        switch (m_place) {
        case Place::WirelessPage: ui.click(ui.control(ui.active_page(), IDC_REFRESH)); break;
        case Place::StatusStatisticsPage:
            ui.select_tab(front, kStatusConnectionTab);
            RunAnsweringBoxes(1);
            ui.select_tab(front, kStatusStatisticsTab);
            break;
        default: return false;
        }
        RunAnsweringBoxes(1);
        return true;
    }

    void AnswerBoxes()
    {
        while (ui.message_box_open())
            ui.answer(IDOK);
    }
    void RunAnsweringBoxes(int ticks)
    {
        for (int i = 0; i < ticks; ++i) {
            const std::size_t asked = ui.machine().adapter_requests().size();
            ui.run_for(kTickMs);
            AnswerBoxes();
            m_requests_in_last_tick = ui.machine().adapter_requests().size() - asked;
        }
    }

private:
    Place m_place = Place::Tray;
    std::size_t m_requests_in_last_tick = 0;
};

class FaultMatrix : public testing::TestWithParam<std::tuple<std::size_t, Place, const char*>> {};

TEST_P(FaultMatrix, RecoversWithinATickShowingOnlyItsOwnMessages)
{
    const Fault fault = Faults()[std::get<0>(GetParam())];
    const Place place = std::get<1>(GetParam());
    const char* os = std::get<2>(GetParam());
    FaultAtPlace f(zephra_test::ScenarioOn(os));
    f.GoTo(place);
    const State before = f.Now();
    const std::size_t boxes_before = f.ui.message_boxes().size();
    ASSERT_TRUE(f.ui.machine().bound());

    Machine& machine = f.ui.machine();
    fault.inject(machine);
    if (fault.met_on_reopen) {
        machine.remove_adapter();
        f.RunAnsweringBoxes(1);
        machine.insert_adapter();
    }
    f.Use();
    f.RunAnsweringBoxes(kFaultTicks);
    fault.lift(machine);
    f.RunAnsweringBoxes(1);
    const State after_a_tick = f.Now();
    f.RunAnsweringBoxes(kFaultTicks - 1);
    const State after_ten = f.Now();

    std::vector<std::string> seen;
    for (std::size_t i = boxes_before; i < f.ui.message_boxes().size(); ++i)
        seen.push_back(f.ui.message_boxes()[i].text);
    std::string listed;
    for (const std::string& text : seen) {
        EXPECT_TRUE(fault.messages.count(text)) << "unexpected message: " << text;
        listed += (listed.empty() ? "" : " / ") + text;
    }
    RecordProperty("message_boxes", listed);
    if (fault.shown_at.count(place)) {
        EXPECT_FALSE(seen.empty()) << "no message where the program meets the fault";
    }

    if (!fault.stays.count(place)) {
        EXPECT_EQ(after_a_tick, before) << "one tick after the fault";
        EXPECT_EQ(after_ten, before) << "ten ticks after the fault";
        return;
    }
    EXPECT_NE(after_ten, before) << WhyItStays(place);
    if (f.ComeBack()) {
        EXPECT_EQ(f.Now(), before) << "one tick after the way back";
    }
}

std::string CaseName(const testing::TestParamInfo<FaultMatrix::ParamType>& info)
{
    return std::string(Faults()[std::get<0>(info.param)].name) + "_" + NameOf(std::get<1>(info.param)) + "_" +
           std::get<2>(info.param);
}

INSTANTIATE_TEST_SUITE_P(
    EveryFaultEveryPlace, FaultMatrix,
    testing::Combine(testing::Range<std::size_t>(0, Faults().size()),
                     testing::Values(Place::Tray, Place::ConnectionPage, Place::WirelessPage, Place::AdvancedPage,
                                     Place::StatisticsPage, Place::VersionPage, Place::DeviceVersionPage,
                                     Place::StatusConnectionPage, Place::StatusStatisticsPage),
                     testing::Values("xp")),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    EveryFaultInTheProgramOn98, FaultMatrix,
    testing::Combine(testing::ValuesIn(FaultsOn98()),
                     testing::Values(Place::Tray, Place::ConnectionPage, Place::WirelessPage, Place::AdvancedPage,
                                     Place::StatisticsPage, Place::VersionPage),
                     testing::Values("98")),
    CaseName);

}  // namespace
