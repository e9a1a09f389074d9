#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PropFixture.h"
#include "framework/ResourceModule.h"

namespace {

using namespace prop_test;

std::vector<HPROPSHEETPAGE> g_offered;
BOOL g_accept = TRUE;

BOOL Offer(HPROPSHEETPAGE page, LPARAM)
{
    g_offered.push_back(page);
    return g_accept;
}

BOOL Ask(DWORD kind, BOOL accept = TRUE)
{
    g_offered.clear();
    g_accept = accept;
    SP_PROPSHEETPAGE_REQUEST request;
    request.PageRequested = kind;
    return Provider()(&request, Offer, 0);
}

TEST(Provider, LoadsFromTheBuildAndOnlyTheAdvancedRequestAddsAPage)
{
    ASSERT_NE(Provider(), nullptr);
    PropFixture f;
    for (DWORD kind : {SPPSR_SELECT_DEVICE_RESOURCES, SPPSR_ENUM_BASIC_DEVICE_PROPERTIES}) {
        EXPECT_TRUE(Ask(kind));
        EXPECT_TRUE(g_offered.empty()) << kind;
    }
    EXPECT_TRUE(Ask(SPPSR_ENUM_ADV_DEVICE_PROPERTIES));
    ASSERT_EQ(g_offered.size(), 1U);
    const PROPSHEETPAGE* record = fw::PageRecordOf(g_offered[0]);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->dwSize, PROPSHEETPAGE_V2_SIZE);
    EXPECT_EQ(record->dwFlags, PSP_DEFAULT);
    EXPECT_EQ(record->lParam, 0);
    EXPECT_NE(record->pfnDlgProc, nullptr);
    // The page's template comes from the library's own module, not the program's.
    EXPECT_NE(record->hInstance, nullptr);
    EXPECT_NE(record->hInstance, AfxGetInstanceHandle());
    EXPECT_TRUE(DestroyPropertySheetPage(g_offered[0]));
}

TEST(Provider, APageTheSheetRefusesIsDestroyedAndReportedAsFailure)
{
    PropFixture f;
    EXPECT_FALSE(Ask(SPPSR_ENUM_ADV_DEVICE_PROPERTIES, FALSE));
    ASSERT_EQ(g_offered.size(), 1U);
    EXPECT_EQ(fw::PageRecordOf(g_offered[0]), nullptr);
    EXPECT_FALSE(DestroyPropertySheetPage(g_offered[0]));
}

TEST(Provider, AMissingLibraryOrExportIsReportedNotFollowed)
{
    devmgr::LoadedProvider missing = devmgr::LoadProvider(ZEPHRA_PROVIDER_DIR, {"NoSuchProp.dll", "NetPropPageProvider"});
    EXPECT_EQ(missing.entry, nullptr);
    EXPECT_NE(missing.error.find("libNoSuchProp.so"), std::string::npos) << missing.error;
    devmgr::LoadedProvider wrong = devmgr::LoadProvider(ZEPHRA_PROVIDER_DIR, {"ZephraProp.dll", "OtherProvider"});
    EXPECT_EQ(wrong.entry, nullptr);
    EXPECT_NE(wrong.error.find("has no export OtherProvider"), std::string::npos) << wrong.error;
}

DWORD g_requested = 0;

BOOL RefusingProvider(PSP_PROPSHEETPAGE_REQUEST request, LPFNADDPROPSHEETPAGE, LPARAM)
{
    g_requested = request->PageRequested;
    return FALSE;
}

TEST(Provider, TheDeviceManagerAsksForTheAdvancedPagesAndReportsARefusal)
{
    devmgr::ProviderPages pages = devmgr::RequestAdvancedPages(RefusingProvider);
    EXPECT_EQ(g_requested, SPPSR_ENUM_ADV_DEVICE_PROPERTIES);
    EXPECT_TRUE(pages.pages.empty());
    EXPECT_EQ(pages.error, "the page provider refused to add its pages");
}

TEST(Provider, TheInstallersNameOfTheProviderIsReadAsLibraryAndExport)
{
    auto name = devmgr::ParseEnumPropPages("ZephraProp.dll,NetPropPageProvider");
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(name->library, "ZephraProp.dll");
    EXPECT_EQ(name->export_name, "NetPropPageProvider");
    EXPECT_EQ(devmgr::SharedObjectFileFor(name->library), "libZephraProp.so");
    for (const char* bad : {"", "ZephraProp.dll", ",NetPropPageProvider", "ZephraProp.dll,"})
        EXPECT_FALSE(devmgr::ParseEnumPropPages(bad).has_value()) << bad;
}

struct TemplateRow {
    std::uint16_t language;
    int templateId;
    const char* caption;
    const char* button;
};

class TemplateByLanguage : public ::testing::TestWithParam<TemplateRow> {};

TEST_P(TemplateByLanguage, TheVersionPageTemplateFollowsTheSystemLanguage)
{
    const TemplateRow& row = GetParam();
    PropFixture f(WithLanguage(row.language));
    ASSERT_TRUE(Ask(SPPSR_ENUM_ADV_DEVICE_PROPERTIES));
    ASSERT_EQ(g_offered.size(), 1U);
    const PROPSHEETPAGE* record = fw::PageRecordOf(g_offered[0]);
    const int id = static_cast<int>(reinterpret_cast<std::uintptr_t>(record->pszTemplate));
    EXPECT_EQ(id, row.templateId);
    const fw::DialogTemplate* dialog = fw::ModuleFromHandle(record->hInstance)->find_dialog(id);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->caption, row.caption);
    std::string button;
    for (const fw::ControlTemplate& c : dialog->controls)
        if (c.id == IDC_STATUS_BUTTON)
            button = c.text;
    EXPECT_EQ(button, row.button);
    DestroyPropertySheetPage(g_offered[0]);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, TemplateByLanguage,
    ::testing::Values(TemplateRow{0x0409, 221, "Version", "Wireless LAN Status Information"},
                      TemplateRow{0x0809, 221, "Version", "Wireless LAN Status Information"},
                      TemplateRow{0x0412, 323, "버젼", "무선랜 상태 정보"},
                      TemplateRow{0x0411, 324, "ﾊﾞｰｼﾞｮﾝ", "状態　情報 (Wireless LAN Status Information)"},
                      TemplateRow{0x0407, 325, "Version", "Statusinformation von Drahtlose LAN "},
                      TemplateRow{0x040C, 326, "Version", "Etat Actuel de Norvel réseau sans fil"},
                      TemplateRow{0x0804, 327, "版本", "無限網路 LAN 狀態情報"},
                      TemplateRow{0x0404, 327, "版本", "無限網路 LAN 狀態情報"},
                      TemplateRow{0x0410, 221, "Version", "Wireless LAN Status Information"},
                      TemplateRow{0x0C0A, 221, "Version", "Wireless LAN Status Information"},
                      TemplateRow{0x0413, 221, "Version", "Wireless LAN Status Information"}));

}  // namespace
