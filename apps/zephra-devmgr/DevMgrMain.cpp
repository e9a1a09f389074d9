#include "apps/zephra-devmgr/DevMgrMain.h"

#include <filesystem>
#include <iostream>
#include <optional>

#include "apps/zephra-devmgr/DevMgrResources.h"
#include "apps/zephra-devmgr/DeviceManager.h"
#include "apps/zephra/ProgramMachine.h"
#include "framework/Presenter.h"
#include "framework/ResourceModule.h"
#include "machine/Scenario.h"
#include "platform/Kernel.h"
#include "platform/MachineScope.h"
#include "platform/Registry.h"
#include "platform/SetupApi.h"

namespace devmgr {

namespace {

// The manufacturer and the slot are not kept by the simulated machine.
constexpr char kManufacturer[] = "Norvel";
constexpr char kLocation[] = "PCI Slot 1 (PCI bus 2, device 3, function 0)";
constexpr char kWorking[] = "This device is working properly.";
constexpr char kWirelessWord[] = "Wireless";
// The value of the adapter's driver key that names its page provider, and the roots of the
// driver keys (the device's driver property is relative to them) on NT and on 98/Me.
constexpr char kProviderValue[] = "EnumPropPages32";
constexpr char kClassRootNt[] = "System\\CurrentControlSet\\Control\\Class\\";
constexpr char kClassRoot9x[] = "System\\CurrentControlSet\\Services\\Class\\";
constexpr DWORD kPlatformNt = 2;
constexpr DWORD kTextBufferSize = 256;

struct WirelessAdapter {
    DeviceProperties properties;
    std::string driverKey;  // below the class root
};

std::string ProgramDirectory()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

// The first present network adapter that calls itself wireless.
std::optional<WirelessAdapter> FindWirelessAdapter()
{
    HDEVINFO set = SetupDiGetClassDevsA(&GUID_DEVCLASS_NET, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<WirelessAdapter> found;
    SP_DEVINFO_DATA data{};
    data.cbSize = sizeof data;
    for (DWORD i = 0; !found && SetupDiEnumDeviceInfo(set, i, &data); ++i) {
        char description[kTextBufferSize] = {};
        char driverKey[kTextBufferSize] = {};
        if (SetupDiGetDeviceRegistryPropertyA(set, &data, SPDRP_DEVICEDESC, nullptr,
                                              reinterpret_cast<BYTE*>(description), sizeof description, nullptr) &&
            std::string(description).find(kWirelessWord) != std::string::npos) {
            SetupDiGetDeviceRegistryPropertyA(set, &data, SPDRP_DRIVER, nullptr, reinterpret_cast<BYTE*>(driverKey),
                                              sizeof driverKey - 1, nullptr);
            found = WirelessAdapter{{description, kManufacturer, kLocation, kWorking}, driverKey};
        }
    }
    SetupDiDestroyDeviceInfoList(set);
    return found;
}

// The driver key's full path below HKEY_LOCAL_MACHINE.
std::string DriverKeyPath(const std::string& driverKey)
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    const bool nt = GetVersionExA(&version) && version.dwPlatformId == kPlatformNt;
    return (nt ? kClassRootNt : kClassRoot9x) + driverKey;
}

// The text of the driver key's provider value; nothing when the key or the value is missing.
std::optional<std::string> ReadProviderValue(const std::string& keyPath)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    char text[kTextBufferSize] = {};
    DWORD type = 0;
    DWORD size = sizeof text - 1;  // room for the terminator a stored text may lack
    const LSTATUS status = RegQueryValueExA(key, kProviderValue, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_SZ)
        return std::nullopt;
    return std::string(text);
}

int Fail(const std::string& message)
{
    std::cerr << "zephra-devmgr: " << message << std::endl;
    return 1;
}

// Finds the adapter's page provider as the device installer does, from its driver key, and
// shows the Properties window with the pages it adds.
int ShowAdapterProperties(const WirelessAdapter& device)
{
    const std::string keyPath = DriverKeyPath(device.driverKey);
    const std::optional<std::string> value = ReadProviderValue(keyPath);
    if (!value)
        return Fail("the adapter's driver key HKEY_LOCAL_MACHINE\\" + keyPath + " has no " + kProviderValue +
                    " value naming its page provider");
    const std::optional<ProviderName> name = ParseEnumPropPages(*value);
    if (!name)
        return Fail(std::string("the adapter's ") + kProviderValue + " value \"" + *value + "\" is not LIBRARY,EXPORT");
    LoadedProvider provider = LoadProvider(ProgramDirectory(), *name);
    if (provider.entry == nullptr)
        return Fail(provider.error);
    ProviderPages pages = RequestAdvancedPages(provider.entry);
    if (!pages.error.empty())
        return Fail(pages.error);
    ShowDeviceProperties(device.properties, pages.pages);
    return 0;
}

}  // namespace

int RunDeviceManager(const zephra_app::Options& options, fw::Presenter& display)
{
    std::optional<machine::Scenario> scenario = machine::default_scenario();
    if (!options.scenario_file.empty()) {
        machine::ScenarioLoad load = machine::load_scenario_file(options.scenario_file);
        if (!load.scenario) {
            Fail(load.error);  // it names the file
            return 2;
        }
        scenario = load.scenario;
    }
    zephra_app::ProgramMachine computer(options, *scenario, "zephra-devmgr", std::cerr);
    platform::MachineScope scope(computer.port(), computer.clock());
    fw::SetProgramModule(&zephra::DevMgrResources());
    fw::Presenter* previous = fw::SetPresenter(&display);

    const std::optional<WirelessAdapter> device = FindWirelessAdapter();
    const int exit_code = device ? ShowAdapterProperties(*device) : Fail("the machine has no wireless network adapter");
    fw::SetPresenter(previous);
    return exit_code;
}

}  // namespace devmgr
