#pragma once
// The program on the harness with its sheet open at the Advanced page, and readers of the
// language libraries' texts.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "DriverKey.h"
#include "driver/Oids.h"
#include "driver/PrtIoctl.h"
#include "resources/ResourceIds.h"
#include "shell/ShellFixture.h"

namespace advanced_test {

using namespace shell_test;

constexpr int IDC_RESTART = 1124, IDC_APPLY = 1125, IDC_LANGUAGE = 1317, IDC_CHANGE = 1331, IDC_PREAMBLE = 1335,
              IDC_RATE = 1336, IDC_COUNTRY = 1337, IDC_AUTH = 1344, IDC_POWER = 1345, IDC_EXPLANATION = 1352;
constexpr int kAdvancedPage = 2;

inline machine::Scenario WithLanguage(std::uint16_t language)
{
    machine::Scenario scenario = machine::default_scenario();
    scenario.default_language = language;
    return scenario;
}

inline std::string ModuleName(HINSTANCE module)
{
    const fw::ResourceModule* m = fw::ModuleFromHandle(module);
    return m ? m->name : "(none)";
}

// Where the language libraries lie: next to the test, as next to the program.
inline std::filesystem::path LibraryPath(const char* library)
{
    return std::filesystem::read_symlink("/proc/self/exe").parent_path() / library;
}

// The text of string `id` in the current resource module.
inline std::string StringOf(UINT id)
{
    CString text;
    text.LoadString(id);
    return text.str();
}

// Reads what `library` carries, loading it for the look only.
template <class Read>
auto ReadLibrary(const char* library, Read read)
{
    HMODULE module = LoadLibraryA(LibraryPath(library).c_str());
    EXPECT_NE(module, nullptr) << library;
    auto result = read(*fw::ModuleFromHandle(module));
    FreeLibrary(module);
    return result;
}

inline std::string StringIn(const char* library, UINT id)
{
    return ReadLibrary(library, [id](const fw::ResourceModule& m) { return m.find_string(id).value_or(""); });
}

inline std::vector<std::string> TabsIn(const char* library)
{
    return ReadLibrary(library, [](const fw::ResourceModule& m) {
        std::vector<std::string> tabs;
        for (int id : {zephra::res::IDD_CONNECTION, zephra::res::IDD_WIRELESS, zephra::res::IDD_ADVANCED,
                       zephra::res::IDD_STATISTICS, zephra::res::IDD_VERSION})
            tabs.push_back(m.find_dialog(id) ? m.find_dialog(id)->caption : "");
        return tabs;
    });
}

class AdvancedPage : public ShellFixture {
public:
    explicit AdvancedPage(const machine::Scenario& scenario = machine::default_scenario()) : ShellFixture(scenario)
    {
        adapter.answers[OID_802_11_AUTHENTICATION_MODE] = Dword(0);
        adapter.answers[OID_802_11_POWER_MODE] = Dword(0);
    }
    void Open()
    {
        Start();
        ShowPage();
    }
    // Closes the sheet and opens it again from the tray.
    void Reopen()
    {
        ui.close(sheet);
        ShowPage();
    }
    HWND Control(int id) { return ui.control(ui.active_page(sheet), id); }
    int Selection(int id) { return ui.selection(Control(id)); }
    std::string Shown(int id)
    {
        const int selection = Selection(id);
        const std::vector<std::string> items = ui.items(Control(id));
        return selection < 0 || selection >= static_cast<int>(items.size()) ? "" : items[static_cast<std::size_t>(selection)];
    }
    void Apply() { ui.click(Control(IDC_APPLY)); }
    // The sets that reached the adapter, as identifier and first data byte.
    std::vector<std::pair<std::uint32_t, int>> Sets()
    {
        std::vector<std::pair<std::uint32_t, int>> sets;
        for (const machine::LoggedRequest& r : ui.machine().adapter_requests())
            if (r.code == IOCTL_PRT_SET_OID)
                sets.emplace_back(r.oid, r.data.empty() ? -1 : r.data[0]);
        return sets;
    }
    int BoxesSaying(UINT id)
    {
        int n = 0;
        for (const fw::MessageBoxRequest& box : ui.message_boxes())
            n += box.text == StringOf(id) ? 1 : 0;
        return n;
    }

    HWND sheet = nullptr;

private:
    void ShowPage()
    {
        ui.double_click_tray();
        sheet = ui.open_sheet();
        ASSERT_NE(sheet, nullptr);
        ui.select_tab(sheet, kAdvancedPage);
        ui.machine().clear_request_log();
    }
};

}  // namespace advanced_test
