#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/ShellFixture.h"
#include "support/MachineFixture.h"

namespace {

using namespace shell_test;

constexpr int kVersionPage = 4;
constexpr int IDC_COMPUTER = 1085, IDC_UTILITY_VERSION = 1096, IDC_FIRMWARE = 1097, IDC_EEPROM = 1098,
              IDC_DRIVER_VERSION = 1084, IDC_DRIVER_DATE = 1091, IDC_DRIVER_FILE = 1087, IDC_LINK = 1127;

machine::Scenario On(const char* os, const char* driver_file_time)
{
    machine::Scenario s = zephra_test::ScenarioOn(os);
    s.driver_file_time = driver_file_time;
    return s;
}

class VersionPage : public ShellFixture {
public:
    explicit VersionPage(const machine::Scenario& scenario = machine::default_scenario()) : ShellFixture(scenario)
    {
        SetVersions(1, 2, 3);
    }
    // Every record reads as "a.bc" from its bytes 0, 2 and 4 (firmware: 2, 4 and 0).
    void SetVersions(std::uint8_t a, std::uint8_t b, std::uint8_t c)
    {
        adapter.answers[OID_PRT_FIRMWARE_VERSION] = {c, 0, a, 0, b, 0, 0, 0, 0, 0, 0, 0};
        adapter.answers[OID_PRT_DRIVER_VERSION] = {a, 0, b, 0, c, 0, 0, 0, 0, 0, 0, 0};
        adapter.answers[OID_PRT_EEPROM_VERSION] = {a, 0, b, 0, c, 0, 0, 0, 0, 0, 0, 0};
    }
    void Open()
    {
        Start();
        ui.double_click_tray();
        sheet = ui.open_sheet();
        ShowPage();
    }
    void ShowPage() { ui.select_tab(sheet, kVersionPage); }
    std::string Text(int id) { return ui.text(ui.control(ui.active_page(sheet), id)); }
    std::vector<std::string> Versions() { return {Text(IDC_FIRMWARE), Text(IDC_DRIVER_VERSION), Text(IDC_EEPROM)}; }
    HWND sheet = nullptr;
};

TEST(PageVersion, ShowsTheMachineTheDriverAndTheLink)
{
    VersionPage p;
    p.Open();
    EXPECT_EQ(p.Versions(), (std::vector<std::string>{"1.23", "1.23", "1.23"}));
    EXPECT_EQ(p.Text(IDC_COMPUTER), "ZEPHRA-PC");
    EXPECT_EQ(p.Text(IDC_UTILITY_VERSION), "1.10");
    EXPECT_EQ(p.Text(IDC_DRIVER_FILE), "qtnd23.sys");
    EXPECT_EQ(p.Text(IDC_DRIVER_DATE), "May 30, 2003");
    EXPECT_EQ(p.Text(IDC_LINK), "http://www.norvel.example/");
    p.ui.click(p.ui.control(p.ui.active_page(p.sheet), IDC_LINK));
    ASSERT_FALSE(p.ui.machine().shell_log().empty());
    EXPECT_EQ(p.ui.machine().shell_log().back().target, "http://www.norvel.example/");
}

TEST(PageVersion, UnboundOnFirstActivationLeavesTheVersionsEmptyAndShowsTheRest)
{
    machine::Scenario s = machine::default_scenario();
    s.protocol_driver.installed = false;
    VersionPage p(s);
    p.Open();
    EXPECT_EQ(p.Versions(), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(p.Text(IDC_COMPUTER), "ZEPHRA-PC");
    EXPECT_EQ(p.Text(IDC_UTILITY_VERSION), "1.10");
    EXPECT_EQ(p.Text(IDC_DRIVER_FILE), "qtnd23.sys");
    EXPECT_EQ(p.Text(IDC_DRIVER_DATE), "May 30, 2003");
}

TEST(PageVersion, VersionsReadWhileBoundAreKeptWhileTheDriverIsUnbound)
{
    VersionPage p;
    p.Open();
    p.ui.machine().remove_adapter();
    p.SetVersions(4, 5, 6);
    p.Tick();
    p.ui.select_tab(p.sheet, 0);
    p.ShowPage();
    EXPECT_EQ(p.Versions(), (std::vector<std::string>{"1.23", "1.23", "1.23"}));
}

struct DateRow {
    const char* os;
    const char* file_time;  // empty: no driver file
    const char* shown;
};

TEST(PageVersion, TheDriverDateComesFromTheFileExceptOn9x)
{
    const DateRow rows[] = {
        {"xp", "2004-02-09 23:45:10", "February 9, 2004"},
        {"2000", "2003-12-01 00:00:01", "December 1, 2003"},
        {"xp", "", ""},
        {"98", "2004-02-09 23:45:10", "May 13, 2003"},
        {"me", "", "May 13, 2003"},
    };
    for (const DateRow& row : rows) {
        VersionPage p(On(row.os, row.file_time));
        p.Open();
        EXPECT_EQ(p.Text(IDC_DRIVER_DATE), row.shown) << row.os << " " << row.file_time;
    }
}

}  // namespace
