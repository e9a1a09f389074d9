#include <gtest/gtest.h>

#include "TestResources.h"
#include "UiHarness.h"
#include "framework/CWinApp.h"
#include "framework/ModuleState.h"
#include "framework/WinUser.h"
#include "framework/Window.h"

namespace {

using namespace test_resources;

constexpr UINT kProbe = WM_USER + 1;
fw::ModuleState g_library;
const fw::ModuleState* g_seen = nullptr;

LRESULT RecordingProc(HWND, UINT message, WPARAM, LPARAM)
{
    if (message == kProbe)
        g_seen = &fw::CurrentModuleState();
    return FALSE;
}

// A library's window runs in the library's module whoever dispatches its messages, and the
// program's resources and application object stay the program's meanwhile.
TEST(ModuleState, AWindowRunsInTheModuleThatCreatedIt)
{
    ProgramModuleScope resources;
    ui_test::UiHarness ui;
    CWinApp program;
    fw::ResourceModule own = Make();
    own.name = "Library";
    HWND window = nullptr;
    ui.start([&] {
        {
            AFX_MANAGE_STATE(&g_library);
            g_library.own = g_library.resources = &own;
            CWinApp library(nullptr, &g_library);
            EXPECT_EQ(AfxGetApp(), &library);
            EXPECT_EQ(fw::ModuleFromHandle(AfxGetResourceHandle())->name, "Library");
            window = CreateWindowEx(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
            fw::FromHandle(window)->dialog_proc = RecordingProc;
        }
        EXPECT_EQ(AfxGetApp(), &program);
        return 0;
    });
    ui.send(window, kProbe);
    EXPECT_EQ(g_seen, &g_library);
    EXPECT_EQ(&fw::CurrentModuleState(), &fw::ProgramModuleState());
    EXPECT_EQ(fw::ProgramModuleState().app, &program);
    ui.run([&] { DestroyWindow(window); });
}

}  // namespace
