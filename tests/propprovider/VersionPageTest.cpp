#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PropFixture.h"
#include "driver/PrtIoctl.h"
#include "driver/StatusText.h"
#include "framework/ModuleState.h"
#include "framework/WinUser.h"
#include "framework/Window.h"
#include "support/MachineFixture.h"

namespace {

using namespace prop_test;

constexpr int kLinkId = 1101;

std::string Rendered(CString (*render)(const BYTE*), std::vector<BYTE> bytes)
{
    bytes.resize(100, 0);
    return render(bytes.data()).str();
}

class VersionPage : public PropFixture {
public:
    using PropFixture::PropFixture;
    HWND Open()
    {
        OpenDeviceSheet();
        return page = ShowVersionPage();
    }
    int FirmwareQueries() { return Requests(IOCTL_PRT_QUERY_OID, OID_PRT_FIRMWARE_VERSION); }
    HWND OpenStatusSheet()
    {
        ui.click(ui.control(page, IDC_STATUS_BUTTON));
        HWND status = ui.open_sheet();
        return status == sheet ? nullptr : status;
    }
    HWND page = nullptr;
};

TEST(VersionPage, ShowsTheVersionsAndComputerNameWhileBoundAndRefreshesThemEverySecond)
{
    VersionPage p;
    ASSERT_NE(p.Open(), nullptr);
    EXPECT_EQ(p.ui.tabs(p.sheet), (std::vector<std::string>{"General", "Version"}));
    EXPECT_EQ(p.Text(p.page, IDC_FIRMWARE), Rendered(status_text::FirmwareVersion, {1, 2, 3, 0}));
    EXPECT_EQ(p.Text(p.page, IDC_DRIVER_VERSION), Rendered(status_text::DriverVersion, {4, 5, 6, 7}));
    EXPECT_EQ(p.Text(p.page, IDC_EEPROM), Rendered(status_text::EepromVersion, {8, 9, 0, 0}));
    EXPECT_EQ(p.Text(p.page, IDC_COMPUTER), p.ui.machine().computer_name());
    EXPECT_EQ(p.Text(p.page, IDC_UTILITY), "1.10");
    EXPECT_EQ(p.Text(p.page, IDC_WEB), "http://www.norvel.example/");

    const int before = p.FirmwareQueries();
    p.adapter.answers[OID_PRT_FIRMWARE_VERSION] = {2, 0, 0, 0};
    p.ui.run_for(3000);
    EXPECT_EQ(p.FirmwareQueries(), before + 3);
    EXPECT_EQ(p.Text(p.page, IDC_FIRMWARE), Rendered(status_text::FirmwareVersion, {2, 0, 0, 0}));
}

TEST(VersionPage, LeavingThePageClosesTheSessionAndNothingReopensIt)
{
    VersionPage p;
    ASSERT_NE(p.Open(), nullptr);
    const std::string firmware = p.Text(p.page, IDC_FIRMWARE);
    EXPECT_EQ(p.Requests(IOCTL_PRT_UNBIND), 0);
    p.ui.select_tab(p.sheet, 0);
    EXPECT_EQ(p.Requests(IOCTL_PRT_UNBIND), 1);
    const int binds = p.Requests(IOCTL_PRT_BIND);
    const int queries = p.FirmwareQueries();

    p.adapter.answers[OID_PRT_FIRMWARE_VERSION] = {7, 7, 7, 0};
    p.ui.select_tab(p.sheet, 1);
    p.ui.run_for(5000);
    EXPECT_EQ(p.Requests(IOCTL_PRT_BIND), binds);
    EXPECT_EQ(p.FirmwareQueries(), queries);
    EXPECT_EQ(p.Text(p.page, IDC_FIRMWARE), firmware);

    // The status sheet's pages find the driver unbound.
    HWND status = p.OpenStatusSheet();
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(p.Text(p.ui.active_page(status), kLinkId), " NOT BOUND ");
}

TEST(VersionPage, AnAdapterPulledWhileShownClearsTheBindingAndTheTextsStopChanging)
{
    VersionPage p;
    ASSERT_NE(p.Open(), nullptr);
    p.ui.machine().remove_adapter();
    p.ui.run_for(1000);
    const int queries = p.FirmwareQueries();
    const std::string firmware = p.Text(p.page, IDC_FIRMWARE);
    p.ui.machine().insert_adapter();
    p.adapter.answers[OID_PRT_FIRMWARE_VERSION] = {9, 9, 9, 0};
    p.ui.run_for(3000);
    EXPECT_EQ(p.FirmwareQueries(), queries);
    EXPECT_EQ(p.Text(p.page, IDC_FIRMWARE), firmware);
    // The driver was not closed: no unbind went out.
    EXPECT_EQ(p.Requests(IOCTL_PRT_UNBIND), 0);
}

TEST(VersionPage, TheButtonOpensANewStatusSheetEachTime)
{
    VersionPage p;
    ASSERT_NE(p.Open(), nullptr);
    HWND first = p.OpenStatusSheet();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(p.ui.tabs(first), (std::vector<std::string>{"Connection Status", "Statistics"}));
    EXPECT_EQ(p.ui.text(first), " ");
    for (int button : {IDOK, IDCANCEL, static_cast<int>(ID_APPLY_NOW)})
        EXPECT_TRUE(p.ui.visible(p.ui.control(first, button))) << button;
    EXPECT_EQ(p.Text(p.ui.active_page(first), kLinkId).rfind(" Connected ", 0), 0U);
    // The library's page stays open behind it.
    EXPECT_TRUE(p.ui.exists(p.page));

    p.ui.close(first);
    EXPECT_FALSE(p.ui.exists(first));
    EXPECT_EQ(p.ui.open_sheet(), p.sheet);
    HWND second = p.OpenStatusSheet();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(p.ui.tabs(second), (std::vector<std::string>{"Connection Status", "Statistics"}));
    p.ui.close(second);
}

TEST(VersionPage, TheDriverDateIsTheFilesOwnOnEverySystem)
{
    const struct {
        const char* os;
        const char* file_time;  // empty: no driver file
        const char* shown;
    } rows[] = {
        {"xp", "2004-02-09 23:45:10", "February 9, 2004"},
        {"2000", "2003-12-01 00:00:01", "December 1, 2003"},
        {"xp", "", ""},
    };
    for (const auto& row : rows) {
        machine::Scenario scenario = zephra_test::ScenarioOn(row.os);
        scenario.driver_file_time = row.file_time;
        VersionPage p(scenario);
        ASSERT_NE(p.Open(), nullptr);
        ASSERT_EQ(p.Text(p.page, IDC_FIRMWARE), Rendered(status_text::FirmwareVersion, {1, 2, 3, 0}))
            << row.os << ": the page was filled";
        EXPECT_EQ(p.Text(p.page, IDC_DRIVER_DATE), row.shown) << row.os << " " << row.file_time;
    }
}

struct LanguageRow {
    std::uint16_t language;
    const char* library;
    std::vector<std::string> statusTabs;
};

class StatusSheetLanguage : public ::testing::TestWithParam<LanguageRow> {};

TEST_P(StatusSheetLanguage, TheStatusPagesComeFromTheLanguageLibraryOfTheSystemLanguage)
{
    const LanguageRow& row = GetParam();
    VersionPage p(WithLanguage(row.language));
    ASSERT_NE(p.Open(), nullptr);
    HWND status = p.OpenStatusSheet();
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(p.ui.tabs(status), row.statusTabs);
    const fw::ModuleState* library = fw::FromHandle(status)->module;
    ASSERT_NE(library->resources, nullptr);
    EXPECT_EQ(library->resources->name, row.library);
    p.ui.close(status);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, StatusSheetLanguage,
    ::testing::Values(LanguageRow{0x0409, "PLangEN.DLL", {"Connection Status", "Statistics"}},
                      LanguageRow{0x0407, "PLangDE.DLL", {"Verbindungsstatus", "Statistik"}},
                      LanguageRow{0x0412, "PLangKO.DLL", {"연결 상태", "통계"}},
                      LanguageRow{0x0410, "PLangEN.DLL", {"Connection Status", "Statistics"}},
                      LanguageRow{0x040A, "PLangEN.DLL", {"Connection Status", "Statistics"}}));

}  // namespace
