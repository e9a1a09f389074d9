#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "AdvancedFixture.h"

namespace {

using namespace advanced_test;
namespace res = zephra::res;

constexpr int kGerman = 3, kKorean = 4;

TEST(PageAdvancedLanguage, ChangeTellsInTheOldLanguageAndTheNextOpeningIsInTheNew)
{
    AdvancedPage p(WithLanguage(0x0407));
    p.Open();
    EXPECT_EQ(p.Selection(IDC_LANGUAGE), kGerman);
    const std::vector<std::string> germanTabs = p.ui.tabs();
    ASSERT_EQ(germanTabs, TabsIn("LangDE.DLL"));

    p.ui.select(p.Control(IDC_LANGUAGE), kKorean);
    p.ui.click(p.Control(IDC_CHANGE));
    ASSERT_TRUE(p.ui.message_box_open());
    EXPECT_EQ(p.ui.message_box().text, StringIn("LangDE.DLL", res::IDS_RELOAD_LANGUAGE));
    EXPECT_EQ(p.ui.message_box().caption, kZephraTitle);
    p.ui.answer(IDOK);
    EXPECT_EQ(p.app.m_primaryLang, 0x12);
    EXPECT_EQ(ModuleName(AfxGetResourceHandle()), "LangKO.DLL");
    EXPECT_EQ(p.app.m_hLangDll, AfxGetResourceHandle());
    EXPECT_EQ(p.frame().m_pSheet->m_pageAdvanced.m_nLangSel, kKorean);

    // The open sheet keeps its texts; the page's next activation selects the new language.
    EXPECT_EQ(p.ui.tabs(), germanTabs);
    p.ui.select_tab(p.sheet, 0);
    p.ui.select_tab(p.sheet, kAdvancedPage);
    EXPECT_EQ(p.Selection(IDC_LANGUAGE), kKorean);

    // The next opening is Korean throughout, and so is every later message.
    p.Reopen();
    EXPECT_EQ(p.ui.tabs(), TabsIn("LangKO.DLL"));
    EXPECT_EQ(p.Selection(IDC_LANGUAGE), kKorean);
    EXPECT_EQ(p.ui.text(p.Control(IDC_EXPLANATION)), StringIn("LangKO.DLL", res::IDS_EXPLAIN_DEFAULT));
    p.ui.select(p.Control(IDC_RATE), 3);
    p.Apply();
    ASSERT_TRUE(p.ui.message_box_open());
    EXPECT_EQ(p.ui.message_box().text, StringIn("LangKO.DLL", res::IDS_RESTART_DRIVER));
    p.ui.answer(IDOK);
}

TEST(PageAdvancedLanguage, EnglishSwitchesBackAndAnyLanguageCanFollowAnother)
{
    AdvancedPage p;
    p.Open();
    EXPECT_EQ(p.Selection(IDC_LANGUAGE), 0);
    const struct {
        int index;
        const char* library;
        WORD primaryLang;
    } rows[] = {{1, "LangJP.DLL", 0x11}, {5, "LangZH.DLL", 0x04}, {5, "LangZH.DLL", 0x04},
                {2, "LangFR.DLL", 0x0C}, {0, "LangEN.DLL", 0x09}};
    for (const auto& row : rows) {
        p.ui.select(p.Control(IDC_LANGUAGE), row.index);
        p.ui.click(p.Control(IDC_CHANGE));
        ASSERT_TRUE(p.ui.message_box_open());
        p.ui.answer(IDOK);
        EXPECT_EQ(ModuleName(AfxGetResourceHandle()), row.library);
        EXPECT_EQ(p.app.m_primaryLang, row.primaryLang);
        p.Reopen();
        EXPECT_EQ(p.ui.tabs(), TabsIn(row.library)) << row.library;
        EXPECT_EQ(p.Selection(IDC_LANGUAGE), row.index);
    }
}

TEST(PageAdvancedLanguage, ALibraryThatFailsToLoadLeavesTheProgramsOwnResourcesSilently)
{
    // Only the German library is there.
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "zephra-german-only";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(LibraryPath("LangDE.DLL"), folder / "LangDE.DLL",
                               std::filesystem::copy_options::overwrite_existing);
    fw::SetLibraryDirectory(folder.string());
    {
        AdvancedPage p(WithLanguage(0x0407));
        p.Open();
        p.ui.select(p.Control(IDC_LANGUAGE), kKorean);
        p.ui.click(p.Control(IDC_CHANGE));
        ASSERT_TRUE(p.ui.message_box_open());
        p.ui.answer(IDOK);
        EXPECT_EQ(p.ui.message_boxes().size(), 1u);
        EXPECT_EQ(p.app.m_hLangDll, nullptr);
        EXPECT_EQ(AfxGetResourceHandle(), AfxGetInstanceHandle());
        p.Reopen();
        EXPECT_EQ(p.ui.tabs(), (std::vector<std::string>{"Connection Status", "Wireless Network", "Advanced",
                                                          "Statistics", "Version"}));
        EXPECT_EQ(p.Selection(IDC_LANGUAGE), kKorean);
        EXPECT_EQ(p.ui.message_boxes().size(), 1u);
    }
    fw::SetLibraryDirectory("");
    std::filesystem::remove_all(folder);
}

}  // namespace
