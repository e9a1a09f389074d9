#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ShellFixture.h"
#include "framework/CWnd.h"
#include "resources/ResourceIds.h"

namespace {

using namespace shell_test;

machine::Scenario WithLanguage(std::uint16_t language)
{
    machine::Scenario scenario = machine::default_scenario();
    scenario.default_language = language;
    return scenario;
}

std::string ModuleName(HINSTANCE module)
{
    const fw::ResourceModule* m = fw::ModuleFromHandle(module);
    return m ? m->name : "(none)";
}

TEST(Startup, PicksTheLibraryByThePrimaryLanguageOnly)
{
    const struct {
        std::uint16_t language;
        const char* library;
    } rows[] = {{0x0409, "LangEN.DLL"}, {0x0809, "LangEN.DLL"}, {0x0411, "LangJP.DLL"}, {0x040A, "LangEN.DLL"},
                {0x0804, "LangZH.DLL"}, {0x0404, "LangZH.DLL"}, {0x040C, "LangFR.DLL"}, {0x0407, "LangDE.DLL"},
                {0x0412, "LangKO.DLL"}};
    for (const auto& row : rows) {
        ShellFixture f(WithLanguage(row.language));
        f.Start();
        EXPECT_EQ(f.app.m_langId, row.language);
        EXPECT_EQ(f.app.m_primaryLang, row.language & 0x3FF);
        EXPECT_EQ(ModuleName(f.app.m_hLangDll), row.library) << std::hex << row.language;
        EXPECT_EQ(AfxGetResourceHandle(), f.app.m_hLangDll);
        EXPECT_NE(f.ui.tray_icon(), nullptr);
    }
}

TEST(Startup, TheDriversServiceIsPolledOnlyWhileItIsStillStarting)
{
    const struct {
        std::uint64_t start_pending_ms;
        std::uint64_t start_takes_ms;
    } rows[] = {{0, 0}, {1500, 2000}, {3000, 4000}};
    for (const auto& row : rows) {
        machine::Scenario scenario = machine::default_scenario();
        scenario.protocol_driver.service_start_pending_ms = row.start_pending_ms;
        ShellFixture f(scenario);
        f.Start();
        EXPECT_EQ(f.ui.now(), row.start_takes_ms) << row.start_pending_ms;
        EXPECT_EQ(f.frame().m_pSheet->m_prtUtil.m_bBound, 1) << row.start_pending_ms;
    }
}

TEST(Startup, MissingLibraryFallsBackToTheProgramsOwnResourcesSilently)
{
    const std::filesystem::path empty = std::filesystem::temp_directory_path() / "zephra-no-languages";
    std::filesystem::create_directories(empty);
    fw::SetLibraryDirectory(empty.string());
    {
        ShellFixture f(WithLanguage(0x0411));
        f.Start();
        EXPECT_EQ(f.app.m_hLangDll, nullptr);
        EXPECT_EQ(AfxGetResourceHandle(), AfxGetInstanceHandle());
        EXPECT_TRUE(f.ui.message_boxes().empty());
        EXPECT_EQ(f.ui.tray_tip(), kZephraTitle);
        f.ui.double_click_tray();
        EXPECT_EQ(f.ui.tabs(), (std::vector<std::string>{"Connection Status", "Wireless Network", "Advanced",
                                                          "Statistics", "Version"}));
    }
    fw::SetLibraryDirectory("");
}

TEST(Startup, FreeingAndFailingToLoadLeavesTheProgramsOwnModule)
{
    ShellFixture f(WithLanguage(0x040C));
    f.Start();
    ASSERT_NE(f.app.m_hLangDll, nullptr);
    f.ui.run([&] {
        f.app.FreeLanguageLibrary();
        f.app.LoadLanguageLibrary(6);
    });
    EXPECT_EQ(f.app.m_hLangDll, nullptr);
    EXPECT_EQ(AfxGetResourceHandle(), AfxGetInstanceHandle());
    f.ui.run([&] {
        f.app.FreeLanguageLibrary();
        f.app.LoadLanguageLibrary(3);
    });
    EXPECT_EQ(ModuleName(AfxGetResourceHandle()), "LangDE.DLL");
}

// A top-level window with exactly the program's title, hidden or not, blocks the start: the
// message comes in the system's language and nothing else is created.
TEST(Startup, SecondStartIsRefusedByAnyWindowWithTheExactTitle)
{
    const struct {
        std::uint16_t language;
        const char* title;
        bool visible;
        bool refused;
    } rows[] = {{0x0409, kZephraTitle, false, true},
                {0x0411, kZephraTitle, true, true},
                {0x0409, "Norvel Wireless LAN Configuration Utility ", false, false},
                {0x0409, "norvel wireless lan configuration utility", false, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.title);
        ShellFixture f(WithLanguage(row.language));
        CWnd other;
        other.CreateEx(0, "OtherProgram", row.title, row.visible ? WS_VISIBLE : 0, 0, 0, 10, 10, nullptr, nullptr);
        f.Start();
        if (!row.refused) {
            EXPECT_NE(f.ui.tray_icon(), nullptr);
            continue;
        }
        ASSERT_TRUE(f.ui.message_box_open());
        CString expected;
        f.ui.run([&] { expected.LoadString(zephra::res::IDS_ALREADY_RUNNING); });
        EXPECT_EQ(f.ui.message_box().text, expected.str());
        EXPECT_EQ(f.ui.message_box().type & 0x0F, MB_OK);
        if (row.language == 0x0409)
            EXPECT_EQ(expected.str(), "Norvel Wireless LAN Configuration Utility is already running.");
        else
            EXPECT_NE(expected.str(), "Norvel Wireless LAN Configuration Utility is already running.");
        f.ui.answer(IDOK);
        EXPECT_TRUE(f.ui.finished());
        EXPECT_EQ(f.ui.tray_icon(), nullptr);
        EXPECT_EQ(f.app.m_pMainWnd, nullptr);
        EXPECT_TRUE(f.ui.machine().request_log().empty());
        EXPECT_TRUE(other.IsWindowVisible() == (row.visible ? TRUE : FALSE));
        other.DestroyWindow();
    }
}

}  // namespace
