#include <gtest/gtest.h>

#include <string>

#include "PropFixture.h"
#include "framework/ModuleState.h"
#include "framework/Window.h"

namespace {

using namespace prop_test;

std::string ResourceName(const fw::ModuleState& state) { return state.resources ? state.resources->name : "(none)"; }

// The program runs with its tray icon and German library while the device manager's sheet
// shows the library's page in the same process: neither takes the other's resources,
// application object or language library.
TEST(ModulesApart, ProgramAndLibraryKeepTheirOwnResourcesApplicationObjectsAndLanguageLibraries)
{
    PropFixture f(WithLanguage(0x0407));
    f.Start();
    ASSERT_FALSE(f.ui.finished());
    EXPECT_EQ(ResourceName(fw::ProgramModuleState()), "LangDE.DLL");

    f.ui.run([&] {
        devmgr::ProviderPages added = devmgr::RequestAdvancedPages(Provider());
        f.device.description = "KX710 Wireless LAN Mini-PCI Adapter";
        devmgr::ShowDeviceProperties(f.device, added.pages);
    });
    f.sheet = f.ui.open_sheet();
    ASSERT_NE(f.sheet, nullptr);
    HWND page = f.ShowVersionPage();
    EXPECT_EQ(f.ui.tabs(f.sheet), (std::vector<std::string>{"General", "Version"}));
    EXPECT_EQ(f.ui.text(f.ui.control(page, IDC_STATUS_BUTTON)), "Statusinformation von Drahtlose LAN ");

    f.ui.click(f.ui.control(page, IDC_STATUS_BUTTON));
    HWND status = f.ui.open_sheet();
    ASSERT_NE(status, f.sheet);
    const fw::ModuleState* library = fw::FromHandle(status)->module;
    EXPECT_NE(library, &fw::ProgramModuleState());
    EXPECT_NE(library->app, nullptr);
    EXPECT_NE(library->app, &f.app);
    EXPECT_EQ(ResourceName(*library), "PLangDE.DLL");
    EXPECT_EQ(fw::ProgramModuleState().app, &f.app);
    EXPECT_EQ(ResourceName(fw::ProgramModuleState()), "LangDE.DLL");

    // The program's frame still runs in its own module while the library's sheet runs: its
    // application object loads the signal icon from the program's German library.
    f.Tick();
    EXPECT_EQ(f.ui.tray_tip(), "-55 [dBm]");
    EXPECT_EQ(f.ui.tray_icon_resource_id(), 254);

    // Cancelling the device's sheet releases the library's language library only.
    f.ui.close(status);
    f.ui.close(f.sheet);
    EXPECT_EQ(library->resources, library->own);
    EXPECT_EQ(ResourceName(fw::ProgramModuleState()), "LangDE.DLL");
    f.ui.close(f.FrameWindow());
}

}  // namespace
