#include "apps/zephra-devmgr/DevMgrMain.h"

#include <filesystem>
#include <iostream>
#include <optional>

#include "apps/zephra-devmgr/DevMgrResources.h"
#include "apps/zephra-devmgr/DeviceManager.h"
#include "framework/Presenter.h"
#include "framework/ResourceModule.h"
#include "machine/Clock.h"
#include "machine/Machine.h"
#include "machine/Scenario.h"
#include "platform/MachineScope.h"
#include "platform/SetupApi.h"

namespace devmgr {

namespace {

// What the adapter's installation file gives the device installer; the manufacturer and
// the slot are not kept by the simulated machine.
constexpr char kProviderEntry[] = "ZephraProp.dll,NetPropPageProvider";
constexpr char kManufacturer[] = "Norvel";
constexpr char kLocation[] = "PCI Slot 1 (PCI bus 2, device 3, function 0)";
constexpr char kWorking[] = "This device is working properly.";
constexpr char kWirelessWord[] = "Wireless";

std::string ProgramDirectory()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

// The first present network adapter that calls itself wireless.
std::optional<DeviceProperties> FindWirelessAdapter()
{
    HDEVINFO set = SetupDiGetClassDevsA(&GUID_DEVCLASS_NET, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<DeviceProperties> found;
    SP_DEVINFO_DATA data{};
    data.cbSize = sizeof data;
    for (DWORD i = 0; !found && SetupDiEnumDeviceInfo(set, i, &data); ++i) {
        char description[256] = {};
        if (SetupDiGetDeviceRegistryPropertyA(set, &data, SPDRP_DEVICEDESC, nullptr,
                                              reinterpret_cast<BYTE*>(description), sizeof description, nullptr) &&
            std::string(description).find(kWirelessWord) != std::string::npos)
            found = DeviceProperties{description, kManufacturer, kLocation, kWorking};
    }
    SetupDiDestroyDeviceInfoList(set);
    return found;
}

int Fail(const std::string& message)
{
    std::cerr << "zephra-devmgr: " << message << std::endl;
    return 1;
}

}  // namespace

std::string UsageText()
{
    return "Usage: zephra-devmgr [--scenario FILE] [--snapshot DIR] [--help]\n"
           "Shows the wireless adapter's Properties window as the device manager does: its General\n"
           "page and the pages of the adapter's page provider (libZephraProp.so beside this program).\n"
           "Needs a desktop (DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM set) unless --snapshot is given.\n"
           "  --scenario FILE  the machine to run on, a JSON scenario (default: the built-in one)\n"
           "  --snapshot DIR   write PNG pictures of the General page, the version page and both\n"
           "                   pages of its status sheet to DIR (drawn offscreen), then exit\n"
           "  --help           show this text\n";
}

int RunDeviceManager(const zephra_app::Options& options, fw::Presenter& display)
{
    std::optional<machine::Scenario> scenario = machine::default_scenario();
    if (!options.scenario_file.empty()) {
        machine::ScenarioLoad load = machine::load_scenario_file(options.scenario_file);
        if (!load.scenario) {
            Fail("cannot use scenario " + options.scenario_file + ": " + load.error);
            return 2;
        }
        scenario = load.scenario;
    }
    machine::RealClock clock;
    machine::Machine computer(*scenario, clock);
    platform::MachineScope scope(computer);
    fw::SetProgramModule(&zephra::DevMgrResources());
    fw::Presenter* previous = fw::SetPresenter(&display);

    int exit_code = 0;
    const std::optional<DeviceProperties> device = FindWirelessAdapter();
    const std::optional<ProviderName> name = ParseEnumPropPages(kProviderEntry);
    if (!device) {
        exit_code = Fail("the machine has no wireless network adapter");
    } else {
        LoadedProvider provider = LoadProvider(ProgramDirectory(), *name);
        ProviderPages pages;
        if (provider.entry != nullptr)
            pages = RequestAdvancedPages(provider.entry);
        if (provider.entry == nullptr)
            exit_code = Fail(provider.error);
        else if (!pages.error.empty())
            exit_code = Fail(pages.error);
        else
            ShowDeviceProperties(*device, pages.pages);
    }
    fw::SetPresenter(previous);
    return exit_code;
}

}  // namespace devmgr
