#include <gtest/gtest.h>

#include <functional>

#include "TestProgram.h"
#include "UiHarness.h"
#include "framework/WinUser.h"

namespace {

using namespace test_program;

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui.start([this] { return fw::RunApplication(app); });
        ASSERT_NE(app.m_pFrame, nullptr);
        frame = app.m_pFrame->m_hWnd;
    }
    Sheet& sheet() { return app.m_pFrame->m_sheet; }
    PageA& pageA() { return sheet().m_pageA; }
    HWND pageControl(int id) { return ui.control(ui.active_page(), id); }

    test_resources::ProgramModuleScope resources;
    App app;
    ui_test::UiHarness ui;
    HWND frame = nullptr;
};

TEST_F(SheetTest, ModalSheetKeepsServingTheFramesTimerAndDisablesItsOwner)
{
    ui.run_for(2000);
    EXPECT_EQ(app.m_pFrame->m_nTicks, 2);
    ui.double_click_tray();
    HWND open = ui.open_sheet();
    ASSERT_NE(open, nullptr);
    EXPECT_FALSE(ui.enabled(frame));
    ui.run_for(3000);
    EXPECT_EQ(app.m_pFrame->m_nTicks, 5);
    ui.close(open);
    EXPECT_FALSE(ui.exists(open));
    EXPECT_EQ(app.m_pFrame->m_results, (std::vector<int>{IDCANCEL}));
    EXPECT_TRUE(ui.enabled(frame));
    EXPECT_EQ(pageA().m_hWnd, nullptr);
    EXPECT_EQ(pageA().m_nResets, 1);
}

TEST_F(SheetTest, SecondShowWhileOpenIsRefusedByTheCallersFlagAndByDoModal)
{
    ui.double_click_tray();
    HWND open = ui.open_sheet();
    ui.double_click_tray();
    EXPECT_EQ(ui.open_sheet(), open);
    int nested = 0;
    ui.run([&] { nested = sheet().DoModal(); });
    EXPECT_EQ(nested, -1);
    EXPECT_TRUE(app.m_pFrame->m_results.empty());
    ui.close(open);
    EXPECT_EQ(app.m_pFrame->m_results.size(), 1U);
}

TEST_F(SheetTest, EndDialogFromACommandEndsTheLoopWithItsResult)
{
    ui.double_click_tray();
    ASSERT_NE(ui.open_sheet(), nullptr);
    ui.post(frame, WM_COMMAND, kCmdHide);
    EXPECT_EQ(ui.open_sheet(), nullptr);
    EXPECT_EQ(app.m_pFrame->m_results, (std::vector<int>{IDOK}));
    EXPECT_EQ(pageA().m_nResets, 1);
}

TEST_F(SheetTest, PagesAreCreatedWhenFirstVisitedAndRecreatedOnTheNextRun)
{
    ui.double_click_tray();
    HWND open = ui.open_sheet();
    EXPECT_EQ(ui.text(open), "Test Utility");
    EXPECT_EQ(ui.tabs(), (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(pageA().m_nInits, 1);
    EXPECT_EQ(sheet().m_pageB.m_nInits, 0);
    EXPECT_EQ(ui.control(open, static_cast<int>(ID_APPLY_NOW)), nullptr);
    for (int id : {IDOK, IDCANCEL, IDHELP})
        EXPECT_NE(ui.control(open, id), nullptr) << id;
    ui.select_tab(open, 1);
    EXPECT_EQ(sheet().m_pageB.m_nInits, 1);
    EXPECT_EQ(pageA().m_nKillActive, 1);
    EXPECT_EQ(ui.active_page(), sheet().m_pageB.m_hWnd);
    ui.close(open);
    ui.double_click_tray();
    EXPECT_EQ(pageA().m_nInits, 2);
    EXPECT_EQ(ui.active_page(), pageA().m_hWnd);
}

TEST_F(SheetTest, TransferIntoControlsRaisesNoChangeButTypingDoes)
{
    ui.double_click_tray();
    HWND name = pageControl(kEditName);
    ui.run([&] {
        pageA().m_strName = "abc";
        pageA().UpdateData(FALSE);
        pageA().m_combo.SetCurSel(1);
    });
    EXPECT_EQ(ui.text(name), "abc");
    EXPECT_EQ(pageA().m_nNameChanges, 0);
    EXPECT_EQ(pageA().m_nSelChanges, 0);
    ui.type(name, "de");
    EXPECT_EQ(pageA().m_nNameChanges, 2);
    ui.type(name, "f");  // the limit of five characters holds
    EXPECT_EQ(ui.text(name), "abcde");
    EXPECT_EQ(pageA().m_nNameChanges, 2);
    ui.select(pageControl(kCombo), 2);
    EXPECT_EQ(pageA().m_nSelChanges, 1);
    ui.click(pageControl(kCheck));
    ui.run([&] { pageA().UpdateData(TRUE); });
    EXPECT_EQ(pageA().m_strName, "abcde");
    EXPECT_EQ(pageA().m_bCheck, TRUE);
}

TEST_F(SheetTest, EditKeepsCaretAndSelectionAndTellsOneChangePerEdit)
{
    ui.double_click_tray();
    HWND name = pageControl(kEditName);
    ui.run([&] {
        pageA().m_strName = "abc";
        pageA().UpdateData(FALSE);
    });
    const struct {
        std::function<void()> edit;
        const char* text;
        int changes;  // notices the edit raised
    } steps[] = {
        {[&] { ui.type(name, "d"); }, "abcd", 1},  // program text leaves the caret at its end
        {[&] { ui.select_text(name, 0, -1); }, "abcd", 0},
        {[&] { ui.type(name, "x"); }, "x", 1},     // typing over a selection is one edit
        {[&] { ui.type(name, "yz"); }, "xyz", 2},
        {[&] { ui.press_key(name, VK_HOME); }, "xyz", 0},
        {[&] { ui.press_key(name, VK_DELETE); }, "yz", 1},
        {[&] { ui.press_key(name, VK_RIGHT); }, "yz", 0},
        {[&] { ui.type(name, "Q"); }, "yQz", 1},
        {[&] { ui.select_text(name, 1, 2); }, "yQz", 0},
        {[&] { ui.press_key(name, VK_BACK); }, "yz", 1},
        {[&] { ui.press_key(name, VK_BACK); }, "z", 1},
        {[&] { ui.press_key(name, VK_BACK); }, "z", 0},  // nothing before the caret
        {[&] { ui.press_key(name, VK_END); }, "z", 0},
        {[&] { ui.press_key(name, VK_LEFT); }, "z", 0},
        {[&] { ui.type(name, "a"); }, "az", 1},
        {[&] { ui.select_text(name, 0, -1); }, "az", 0},
        {[&] { ui.paste(name, "123456789"); }, "12345", 1},  // cut to the limit of five
        {[&] { ui.paste(name, "6"); }, "12345", 0},         // full: nothing changes
        {[&] { ui.select_text(name, 1, 3); }, "12345", 0},
        {[&] { ui.paste(name, ""); }, "145", 1},
    };
    for (const auto& step : steps) {
        const int before = pageA().m_nNameChanges;
        step.edit();
        EXPECT_EQ(ui.text(name), step.text);
        EXPECT_EQ(pageA().m_nNameChanges - before, step.changes) << step.text;
    }
    // The program's own selection calls use the same model.
    ui.run([&] {
        CEdit* edit = static_cast<CEdit*>(CWnd::FromHandle(name));
        edit->SetSel(0, 1);
        int start = -1, end = -1;
        edit->GetSel(start, end);
        EXPECT_EQ(start, 0);
        EXPECT_EQ(end, 1);
        edit->ReplaceSel("9");
    });
    EXPECT_EQ(ui.text(name), "945");
}

TEST_F(SheetTest, FailedValidationKeepsThePageWithAMessage)
{
    ui.double_click_tray();
    HWND open = ui.open_sheet();
    ui.clear(pageControl(kEditCount));
    ui.type(pageControl(kEditCount), "40");
    ui.select_tab(open, 1);
    ASSERT_TRUE(ui.message_box_open());
    EXPECT_EQ(ui.message_box().text, "Enter an integer between 0 and 32.");
    EXPECT_EQ(ui.message_box().caption, "Test Utility");
    ui.answer(IDOK);
    EXPECT_EQ(ui.active_page(), pageA().m_hWnd);
    EXPECT_EQ(ui.focus_window(), pageControl(kEditCount));
}

TEST_F(SheetTest, ListSendsClickBeforeDoubleClick)
{
    ui.double_click_tray();
    ui.run([&] {
        pageA().m_list.InsertColumn(0, "SSID");
        pageA().m_list.InsertColumn(1, "BSSID");
        for (int i = 0; i < 3; ++i) {
            pageA().m_list.InsertItem(i, ("net" + std::to_string(i)).c_str());
            pageA().m_list.SetItemText(i, 1, "00 11");
        }
    });
    ui.double_click_row(pageControl(kList), 1);
    EXPECT_EQ(pageA().m_listEvents, (std::vector<std::string>{"click 1", "dblclk 1"}));
    const auto rows = ui.rows(pageControl(kList));
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_TRUE(rows[1].selected);
    EXPECT_EQ(rows[1].texts, (std::vector<std::string>{"net1", "00 11"}));
}

TEST_F(SheetTest, MessageBoxWaitsForTheAnswerWhileTimersRun)
{
    ui.post(frame, WM_COMMAND, kCmdMessageBox);
    ASSERT_TRUE(ui.message_box_open());
    EXPECT_EQ(ui.message_box().text, "Test Utility is already running.");
    EXPECT_EQ(ui.message_box().caption, "Test Utility");
    EXPECT_EQ(ui.message_box().type, MB_OK);
    const int ticks = app.m_pFrame->m_nTicks;
    ui.run_for(2000);
    EXPECT_EQ(app.m_pFrame->m_nTicks, ticks + 2);
    ui.answer(IDOK);
    EXPECT_FALSE(ui.message_box_open());
}

TEST_F(SheetTest, TrayMenuItemsFollowTheirCommandUiHandlers)
{
    EXPECT_EQ(ui.tray_icon_resource_id(), 250);
    EXPECT_EQ(ui.tray_tip(), "Test tip");
    ui.right_click_tray();
    ASSERT_TRUE(ui.menu_open());
    const auto& entries = ui.menu().entries;
    ASSERT_EQ(entries.size(), 3U);
    EXPECT_EQ(entries[0].text, "Show");
    EXPECT_TRUE(entries[0].enabled);
    EXPECT_FALSE(entries[1].enabled);  // Hide: no sheet is shown
    ui.choose(kCmdShow);
    EXPECT_NE(ui.open_sheet(), nullptr);
}

TEST_F(SheetTest, FocusRaisesTheSetFocusNotificationOfEachKind)
{
    ui.double_click_tray();
    ui.focus(pageControl(kCombo));
    ui.focus(pageControl(kEditName));
    ui.focus(pageControl(kCombo));
    EXPECT_EQ(pageA().m_nComboFocus, 2);
    EXPECT_EQ(pageA().m_nNameFocus, 1);
}

TEST_F(SheetTest, InputToHiddenOrDisabledWindowsIsRefused)
{
    ui.double_click_tray();
    ui.click(frame);
    EXPECT_FALSE(ui.last_input_accepted());
    HWND button = pageControl(kButton);
    ui.run([&] { EnableWindow(button, FALSE); });
    ui.click(button);
    EXPECT_FALSE(ui.last_input_accepted());
}

}  // namespace
