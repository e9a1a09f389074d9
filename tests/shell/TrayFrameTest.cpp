#include <gtest/gtest.h>

#include <string>

#include "ShellFixture.h"
#include "framework/WinUser.h"
#include "resources/ResourceIds.h"

namespace {

using namespace shell_test;
namespace res = zephra::res;

class TrayFrameTest : public ::testing::Test, protected ShellFixture {};

TEST_F(TrayFrameTest, StartsWithTheTitleTipThenFollowsEverySignalBand)
{
    Start();
    EXPECT_EQ(ui.tray_icon_resource_id(), res::IDI_SIGNAL_0);
    EXPECT_EQ(ui.tray_tip(), kZephraTitle);
    EXPECT_EQ(ui.tray_icon()->id, kTrayIconId);
    EXPECT_EQ(ui.tray_icon()->callback_message, WM_TRAY_NOTIFY);

    const struct {
        int rssi;
        int icon;
    } rows[] = {{-10, 255}, {-9, 250}, {-49, 255}, {-50, 254}, {-65, 253}, {-80, 252},
                {-100, 251}, {-199, 251}, {-200, 250}, {0, 250}};
    for (const auto& row : rows) {
        SetLink(kLinkUp, row.rssi);
        Tick();
        EXPECT_EQ(ui.tray_icon_resource_id(), row.icon) << row.rssi;
        EXPECT_EQ(ui.tray_tip(), std::to_string(row.rssi) + " [dBm]") << row.rssi;
    }
}

TEST_F(TrayFrameTest, BoundButDisconnectedShowsTheCrossedIcon)
{
    SetLink(kLinkDown, -55);
    Start();
    Tick();
    EXPECT_EQ(ui.tray_icon_resource_id(), res::IDI_NOT_CONNECTED);
    EXPECT_EQ(ui.tray_tip(), " Disconnected ");
}

TEST(TrayFrameNotBound, ShowsNotBoundAndTellsThePages)
{
    machine::Scenario scenario = machine::default_scenario();
    scenario.protocol_driver.installed = false;
    ShellFixture f(scenario);
    f.Start();
    f.Tick();
    EXPECT_EQ(f.ui.tray_icon_resource_id(), res::IDI_SIGNAL_0);
    EXPECT_EQ(f.ui.tray_tip(), " Not Bound ");
    EXPECT_EQ(f.frame().m_pSheet->m_prtUtil.m_strLinkStatus, " Not Bound ");
}

TEST_F(TrayFrameTest, OnlyALeftDoubleClickOpensTheSheet)
{
    Start();
    for (UINT mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK, WM_MOUSEMOVE}) {
        ui.tray_mouse(mouse);
        EXPECT_EQ(ui.open_sheet(), nullptr) << mouse;
    }
    ui.right_click_tray();
    EXPECT_EQ(ui.open_sheet(), nullptr);
    EXPECT_TRUE(ui.menu_open());
    ui.choose(0);
    ui.double_click_tray();
    EXPECT_NE(ui.open_sheet(), nullptr);
}

TEST_F(TrayFrameTest, OpenSheetKeepsTheIconCurrentAndIsNeverOpenedTwice)
{
    Start();
    ui.double_click_tray();
    HWND sheet = ui.open_sheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(frame().m_bSheetShown);
    EXPECT_FALSE(ui.enabled(frame().m_hWnd));

    SetLink(kLinkUp, -70);
    Tick();
    EXPECT_EQ(ui.tray_icon_resource_id(), 253);
    SetLink(kLinkDown, -70);
    Tick();
    EXPECT_EQ(ui.tray_icon_resource_id(), res::IDI_NOT_CONNECTED);

    ui.double_click_tray();
    ui.post(frame().m_hWnd, WM_COMMAND, res::ID_TRAY_SHOW);
    EXPECT_EQ(ui.open_sheet(), sheet);

    // The close box closes the sheet only; the same sheet object opens again.
    CPropSheet* object = frame().m_pSheet;
    ui.close(sheet);
    EXPECT_FALSE(ui.exists(sheet));
    EXPECT_FALSE(frame().m_bSheetShown);
    EXPECT_EQ(object->m_bInModal, 0);
    EXPECT_TRUE(ui.exists(frame().m_hWnd));
    EXPECT_NE(ui.tray_icon(), nullptr);
    ui.double_click_tray();
    EXPECT_NE(ui.open_sheet(), nullptr);
    EXPECT_EQ(frame().m_pSheet, object);
}

TEST_F(TrayFrameTest, TrayMenuEnablesShowOrHideByWhetherTheSheetIsOpen)
{
    Start();
    auto menuState = [&] {
        ui.right_click_tray();
        std::string state;
        for (const fw::MenuEntry& entry : ui.menu().entries)
            state += entry.text + (entry.enabled ? "+ " : "- ");
        return state;
    };
    EXPECT_EQ(menuState(), "Show+ Hide- Exit+ ");
    ui.choose(res::ID_TRAY_SHOW);
    ASSERT_NE(ui.open_sheet(), nullptr);
    EXPECT_EQ(menuState(), "Show- Hide+ Exit+ ");
    ui.choose(res::ID_TRAY_HIDE);
    EXPECT_EQ(ui.open_sheet(), nullptr);
    EXPECT_FALSE(frame().m_bSheetShown);
}

TEST_F(TrayFrameTest, DelayedShowOpensTheSheetAfterOneSecond)
{
    Start();
    const std::uint64_t before = ui.now();
    ui.post(frame().m_hWnd, WM_DELAYED_SHOW);
    EXPECT_NE(ui.open_sheet(), nullptr);
    EXPECT_GE(ui.now() - before, 1000U);
}

// Every way the program ends: the icon goes, the session is closed, the code is 0. A close
// that arrives while the sheet's modal loop runs ends that loop first.
TEST(TrayFrameClose, EndsCleanlyWithOrWithoutTheSheetOpen)
{
    enum class Way { ExitMenu, ExitMenuWithSheet, CloseWithSheet, CloseInsideSheetDialog };
    for (Way way : {Way::ExitMenu, Way::ExitMenuWithSheet, Way::CloseWithSheet, Way::CloseInsideSheetDialog}) {
        SCOPED_TRACE(static_cast<int>(way));
        ShellFixture f;
        f.Start();
        HWND frame = f.frame().m_hWnd;
        ASSERT_TRUE(f.ui.machine().bound());
        if (way != Way::ExitMenu) {
            f.ui.double_click_tray();
            ASSERT_NE(f.ui.open_sheet(), nullptr);
        }
        if (way == Way::ExitMenu || way == Way::ExitMenuWithSheet) {
            f.ui.right_click_tray();
            f.ui.choose(zephra::res::ID_TRAY_EXIT);
        } else if (way == Way::CloseWithSheet) {
            f.ui.post(frame, WM_CLOSE);
        } else {
            f.ui.run([frame] { SendMessage(frame, WM_CLOSE, 0, 0); });
        }
        EXPECT_TRUE(f.ui.finished());
        EXPECT_EQ(f.ui.exit_code(), 0);
        EXPECT_EQ(f.ui.tray_icon(), nullptr);
        EXPECT_FALSE(f.ui.exists(frame));
        EXPECT_FALSE(f.ui.machine().bound());
    }
}

}  // namespace
