#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestResources.h"
#include "UiHarness.h"
#include "framework/PropertySheetPages.h"
#include "framework/WinUser.h"

namespace {

using namespace test_resources;

std::vector<std::string> g_log;
LPARAM g_init_param = 0;

LRESULT PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        g_init_param = reinterpret_cast<const PROPSHEETPAGE*>(lParam)->lParam;
        g_log.push_back("init");
        return TRUE;
    case WM_NOTIFY:
        switch (reinterpret_cast<NMHDR*>(lParam)->code) {
        case PSN_SETACTIVE:
            g_log.push_back("setactive");
            SetTimer(page, 1, 1000, nullptr);
            return TRUE;
        case PSN_KILLACTIVE:
            g_log.push_back("killactive");
            KillTimer(page, 1);
            return TRUE;
        case PSN_RESET: g_log.push_back("reset"); return TRUE;
        default: return FALSE;
        }
    case WM_TIMER:
        g_log.push_back("timer");
        SetDlgItemText(page, kEditName, "ticked");
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == kButton && HIWORD(wParam) == BN_CLICKED) {
            g_log.push_back("clicked");
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

HPROPSHEETPAGE MakePage(int templateId, DWORD size = PROPSHEETPAGE_V2_SIZE)
{
    PROPSHEETPAGE psp;
    psp.dwSize = size;
    psp.dwFlags = PSP_DEFAULT;
    psp.hInstance = AfxGetInstanceHandle();
    psp.pszTemplate = MAKEINTRESOURCE(static_cast<UINT>(templateId));
    psp.pfnDlgProc = PageProc;
    psp.lParam = 77;
    return CreatePropertySheetPage(&psp);
}

class DialogProcTest : public ::testing::Test {
protected:
    void SetUp() override { g_log.clear(); }
    ProgramModuleScope resources;
    ui_test::UiHarness ui;
};

TEST_F(DialogProcTest, PageProcedureGetsInitNotificationsTimersAndCommands)
{
    HPROPSHEETPAGE pages[] = {MakePage(kPageA), MakePage(kPageB)};
    ASSERT_NE(pages[0], nullptr);
    LONG_PTR result = -2;
    ui.start([&] {
        PROPSHEETHEADER header;
        header.pszCaption = "Device";
        header.nPages = 2;
        header.phpage = pages;
        result = PropertySheet(&header);
        return 0;
    });
    EXPECT_EQ(g_init_param, 77);
    EXPECT_EQ(g_log, (std::vector<std::string>{"init", "setactive"}));
    HWND sheet = ui.open_sheet();
    EXPECT_EQ(ui.tabs(), (std::vector<std::string>{"First", "Second"}));
    ui.run_for(2500);
    EXPECT_EQ(ui.text(ui.control(ui.active_page(), kEditName)), "ticked");
    ui.click(ui.control(ui.active_page(), kButton));
    ui.select_tab(sheet, 1);
    ui.run_for(1000);
    EXPECT_EQ(g_log, (std::vector<std::string>{"init", "setactive", "timer", "timer", "clicked", "killactive", "init",
                                               "setactive", "timer"}));
    g_log.clear();
    ui.close(sheet);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(g_log, (std::vector<std::string>{"reset", "reset"}));
    EXPECT_TRUE(ui.finished());
    for (HPROPSHEETPAGE page : pages)
        EXPECT_TRUE(DestroyPropertySheetPage(page));
}

TEST_F(DialogProcTest, PageRecordsOfUnknownSizeOrWithoutTemplateAreRefused)
{
    EXPECT_EQ(MakePage(kPageA, 44), nullptr);
    EXPECT_EQ(MakePage(kPageA, 0), nullptr);
    HPROPSHEETPAGE v1 = MakePage(kPageA, PROPSHEETPAGE_V1_SIZE);
    EXPECT_NE(v1, nullptr);
    EXPECT_TRUE(DestroyPropertySheetPage(v1));
    EXPECT_FALSE(DestroyPropertySheetPage(v1));
    PROPSHEETPAGE empty;
    EXPECT_EQ(CreatePropertySheetPage(&empty), nullptr);
}

}  // namespace
