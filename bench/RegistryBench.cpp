// What one stored setting costs: open a key, write a value, close it. The close saves the
// hive to disk (written whole, flushed, renamed), here a hive of 200 network profiles.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "machine/Clock.h"
#include "machine/Machine.h"
#include "platform/MachineScope.h"
#include "registry/Registry.h"

namespace {

constexpr int kProfiles = 200;

CString NetworkName(int index)
{
    CString name;
    name.Format("Network-%03d", index);
    return name;
}

CString ProfilePath(int index)
{
    return CString("Software\\Norvel\\KX710\\Profiles\\") + NetworkName(index);
}

// A profile as a WEP connect saves it.
void SaveProfile(int index)
{
    CRegistry r;
    r.CreateKey(HKEY_LOCAL_MACHINE, ProfilePath(index));
    r.WriteString("ESSID", NetworkName(index));
    r.WriteDword("DefKeyID", 1);
    for (const char* key : {"Key1", "Key2", "Key3", "Key4"})
        r.WriteString(key, "1A2B3C4D5E6F708192A3B4C5D6");
    r.WriteString("WepReq", "7");
    r.WriteDword("WepAuto", 0);
}

void OpenWriteClose(benchmark::State& state)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "zephra-bench-XXXXXX").string();
    const std::string directory = mkdtemp(pattern.data());
    {
        machine::VirtualClock clock;
        machine::Machine computer(machine::default_scenario(), clock, {directory, false});
        platform::MachineScope scope(computer);
        for (int i = 0; i < kProfiles; ++i)
            SaveProfile(i);
        int index = 0;
        for (auto _ : state) {
            CRegistry r;
            r.OpenKey(HKEY_LOCAL_MACHINE, ProfilePath(index), KEY_ALL_ACCESS);
            r.WriteDword("WepAuto", static_cast<DWORD>(index & 1));
            r.CloseKey();
            index = (index + 1) % kProfiles;
        }
        state.counters["hive_bytes"] = static_cast<double>(std::filesystem::file_size(directory + "/registry"));
    }
    std::filesystem::remove_all(directory);
}

}  // namespace

BENCHMARK(OpenWriteClose)->Unit(benchmark::kMillisecond);
