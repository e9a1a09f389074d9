#include <gtest/gtest.h>

#include "ShellFixture.h"
#include "driver/Oids.h"
#include "framework/CPropertySheet.h"
#include "resources/ResourceIds.h"

namespace {

using namespace shell_test;
namespace res = zephra::res;

class PropSheetTest : public ::testing::Test, protected ShellFixture {
protected:
    HWND OpenSheet()
    {
        Start();
        ui.double_click_tray();
        return ui.open_sheet();
    }
};

TEST_F(PropSheetTest, ShowsFiveTabsNoButtonsAndIsThirtyPixelsShorter)
{
    HWND sheet = OpenSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(ui.text(sheet), kZephraTitle);
    EXPECT_EQ(ui.tabs(), (std::vector<std::string>{"Connection Status", "Wireless Network", "Advanced", "Statistics",
                                                   "Version"}));
    for (int id : {IDOK, IDCANCEL, IDHELP}) {
        HWND button = ui.control(sheet, id);
        if (button != nullptr) {
            EXPECT_FALSE(ui.visible(button)) << id;
            EXPECT_FALSE(ui.enabled(button)) << id;
        }
    }
    EXPECT_EQ(ui.control(sheet, static_cast<int>(ID_APPLY_NOW)), nullptr);
    CRect ours = fw::FromHandle(sheet)->rect;
    ui.close(sheet);

    // The same pages in a plain sheet, as the platform lays it out.
    CPropertyPage pages[] = {CPropertyPage(res::IDD_CONNECTION), CPropertyPage(res::IDD_WIRELESS),
                             CPropertyPage(res::IDD_ADVANCED), CPropertyPage(res::IDD_STATISTICS),
                             CPropertyPage(res::IDD_VERSION)};
    CPropertySheet plain("plain");
    for (CPropertyPage& page : pages)
        plain.AddPage(&page);
    plain.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    ui.run([&] { plain.DoModal(); });
    HWND plainSheet = ui.open_sheet();
    ASSERT_NE(plainSheet, nullptr);
    CRect theirs = fw::FromHandle(plainSheet)->rect;
    ui.close(plainSheet);
    EXPECT_EQ(ours.Width(), theirs.Width());
    EXPECT_EQ(ours.Height(), theirs.Height() - 30);
}

TEST_F(PropSheetTest, RefreshAllVisitsEveryPageAndLeavesTheAdvancedPageActive)
{
    HWND sheet = OpenSheet();
    ASSERT_NE(sheet, nullptr);
    CPropSheet& object = *frame().m_pSheet;
    EXPECT_EQ(object.m_pageWireless.m_hWnd, nullptr);
    ui.select_tab(sheet, 4);
    ui.machine().clear_request_log();
    EXPECT_EQ(ui.send(sheet, WM_REFRESH_ALL), 0);
    EXPECT_EQ(object.GetActiveIndex(), 2);
    EXPECT_EQ(ui.active_page(), object.m_pageAdvanced.m_hWnd);
    for (int i = 0; i < object.GetPageCount(); ++i)
        EXPECT_NE(object.GetPage(i)->m_hWnd, nullptr) << i;
    // Page 0 refreshed on the way: only that page asks for the access point.
    int accessPointQueries = 0;
    for (const machine::LoggedRequest& r : ui.machine().adapter_requests())
        accessPointQueries += r.oid == OID_802_11_BSSID ? 1 : 0;
    EXPECT_EQ(accessPointQueries, 1);
}

TEST_F(PropSheetTest, EveryPageReachesTheSheetsDriverObject)
{
    OpenSheet();
    CPropSheet& object = *frame().m_pSheet;
    EXPECT_EQ(object.m_pageConnection.m_pPrtUtil, &object.m_prtUtil);
}

}  // namespace
