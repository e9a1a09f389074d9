#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UiHarness.h"
#include "controls/HyperLink.h"
#include "framework/CDialog.h"
#include "framework/ControlColors.h"
#include "framework/DataExchange.h"
#include "framework/Icon.h"
#include "framework/Input.h"
#include "framework/MessageLoop.h"
#include "framework/ResourceModule.h"
#include "platform/Registry.h"
#include "platform/Shell.h"

namespace {

using machine::ShellCall;
using machine::ShellRequest;

constexpr int kDialog = 500;
constexpr int kLinkId = 1127, kBlankId = 1128, kOtherId = 1129;
constexpr char kTarget[] = "http://www.norvel.example/";
constexpr char kBlankTarget[] = "http://blank.example/page";

fw::ResourceModule LinkModule()
{
    fw::ResourceModule module;
    fw::DialogTemplate d;
    d.id = kDialog;
    d.caption = "Links";
    d.style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
    d.cx = 200;
    d.cy = 80;
    auto add = [&](fw::ControlKind kind, int id, const char* text, DWORD style, int y) {
        fw::ControlTemplate c;
        c.kind = kind;
        c.id = id;
        c.text = text;
        c.style = WS_CHILD | WS_VISIBLE | style;
        c.x = 10;
        c.y = y;
        c.cx = 150;
        c.cy = 10;
        d.controls.push_back(c);
    };
    add(fw::ControlKind::Static, kLinkId, kTarget, SS_NOTIFY | WS_TABSTOP, 10);
    add(fw::ControlKind::Static, kBlankId, "", SS_NOTIFY | WS_TABSTOP, 25);
    add(fw::ControlKind::Edit, kOtherId, "", ES_AUTOHSCROLL | WS_TABSTOP, 40);
    module.dialogs[kDialog] = d;
    return module;
}

class LinkDialog : public CDialog {
public:
    LinkDialog() : CDialog(kDialog) { m_blank.m_strTarget = kBlankTarget; }
    CHyperLink m_link;
    CHyperLink m_blank;

    void DoDataExchange(CDataExchange* dx) override
    {
        CDialog::DoDataExchange(dx);
        DDX_Control(dx, kLinkId, m_link);
        DDX_Control(dx, kBlankId, m_blank);
    }
};

// Writes the default value of a key under HKEY_CLASSES_ROOT.
void SetClassesDefault(const char* path, const std::string& value)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

class HyperLinkTest : public ::testing::Test {
protected:
    explicit HyperLinkTest(std::uint32_t open_error = 0) : ui(Scenario(open_error))
    {
        fw::SetProgramModule(&m_module);
    }
    ~HyperLinkTest() override { fw::SetProgramModule(nullptr); }

    static machine::Scenario Scenario(std::uint32_t open_error)
    {
        machine::Scenario s = machine::default_scenario();
        s.shell.open_error = open_error;
        // A failing shell comes with a registry that knows no ".htm" files.
        if (open_error != 0)
            s.registry = nlohmann::json::object();
        return s;
    }

    void Open()
    {
        ui.start([this] {
            dialog.Create(kDialog);
            fw::RunModalLoop([] { return false; });
            return 0;
        });
        link = ui.control(dialog.m_hWnd, kLinkId);
        blank = ui.control(dialog.m_hWnd, kBlankId);
    }
    const std::vector<ShellRequest>& Opened() { return ui.machine().shell_log(); }
    COLORREF TextColour(HWND window) { return fw::QueryControlColors(window).text; }
    POINT Centre(HWND window) const
    {
        const fw::Window* w = fw::FromHandle(window);
        return {w->rect.Width() / 2, w->rect.Height() / 2};
    }

    fw::ResourceModule m_module = LinkModule();
    ui_test::UiHarness ui;
    LinkDialog dialog;
    HWND link = nullptr;
    HWND blank = nullptr;
};

ShellRequest OpenOf(const std::string& target) { return {ShellCall::Open, "open", target, {}}; }

TEST_F(HyperLinkTest, AttachingUnderlinesTheTextSizesItAndShowsTheTargetAsTipAndAHandCursor)
{
    Open();
    EXPECT_EQ(ui.text(link), kTarget);
    LOGFONT shown;
    ASSERT_NE(GetObject(reinterpret_cast<HGDIOBJ>(fw::FromHandle(link)->font), sizeof shown, &shown), 0);
    EXPECT_TRUE(shown.lfUnderline);
    EXPECT_LT(fw::FromHandle(link)->rect.Width(), fw::FromHandle(ui.control(dialog.m_hWnd, kOtherId))->rect.Width())
        << "the link is as wide as its text";
    ASSERT_EQ(dialog.m_link.m_tip.GetToolCount(), 1);
    EXPECT_EQ(fw::FromHandle(dialog.m_link.m_tip.m_hWnd)->tools[0].text, kTarget);

    const fw::CursorData* hand = fw::CursorOf(CHyperLink::s_hLinkCursor);
    ASSERT_NE(hand, nullptr) << "the hand comes from the help program in the Windows directory";
    EXPECT_FALSE(hand->standard);
    EXPECT_EQ(hand->image.image.width, 32);
    ui.run([&] { fw::input::MouseMove(link, Centre(link)); });
    EXPECT_EQ(ui.cursor(), CHyperLink::s_hLinkCursor);
}

TEST_F(HyperLinkTest, AnEmptyCaptionShowsTheTargetAndAnEmptyTargetOpensTheCaption)
{
    Open();
    EXPECT_EQ(ui.text(blank), kBlankTarget);
    EXPECT_EQ(dialog.m_link.m_strTarget, kTarget);
    ui.click(blank);
    ui.click(link);
    EXPECT_EQ(Opened(), (std::vector<ShellRequest>{OpenOf(kBlankTarget), OpenOf(kTarget)}));
}

TEST_F(HyperLinkTest, ColoursFollowArmingAndFollowing)
{
    Open();
    EXPECT_EQ(TextColour(link), CHyperLink::s_crLink);
    EXPECT_TRUE(fw::QueryControlColors(link).transparent);
    ui.run([&] { fw::input::LeftButtonDown(link, Centre(link)); });
    EXPECT_EQ(TextColour(link), CHyperLink::s_crActive) << "pressed: armed";
    ui.run([&] { fw::input::LeftButtonUp(link, Centre(link)); });
    EXPECT_EQ(TextColour(link), CHyperLink::s_crActive) << "still armed while it has the focus";
    ui.focus(ui.control(dialog.m_hWnd, kOtherId));
    EXPECT_EQ(TextColour(link), CHyperLink::s_crFollowed);
}

TEST_F(HyperLinkTest, PressDragOffAndReleaseElsewhereOpensNothingUntilTheNextReleaseOverTheLink)
{
    Open();
    ui.run([&] { fw::input::MouseMove(link, Centre(link)); });
    EXPECT_TRUE(dialog.m_link.m_bHover);
    ui.run([&] { fw::input::LeftButtonDown(link, Centre(link)); });
    ui.run([&] { fw::input::MouseMove(link, POINT{-20, -20}); });
    EXPECT_FALSE(dialog.m_link.m_bHover);
    ui.run([&] { fw::input::LeftButtonUp(dialog.m_hWnd, POINT{5, 5}); });
    EXPECT_TRUE(Opened().empty());
    ui.run([&] { fw::input::LeftButtonUp(link, Centre(link)); });
    EXPECT_EQ(Opened(), std::vector<ShellRequest>{OpenOf(kTarget)});
}

TEST_F(HyperLinkTest, TheSpaceBarOpensTheLinkThatHasTheFocus)
{
    Open();
    ui.press_key(link, VK_SPACE);
    ui.press_key(link, 'A');
    EXPECT_EQ(Opened(), std::vector<ShellRequest>{OpenOf(kTarget)});
}

class FailingShell : public HyperLinkTest {
protected:
    FailingShell() : HyperLinkTest(SE_ERR_NOASSOC) {}
};

TEST_F(FailingShell, WithoutAnHtmAssociationTheShellsOwnCodeIsReportedAfterABeep)
{
    Open();
    ui.click(link);
    ASSERT_TRUE(ui.message_box_open());
    EXPECT_EQ(ui.message_box().text, "Can't open link:\n\nThere is no application associated\nwith the given filename extension.");
    EXPECT_EQ(ui.message_box().type, MB_ICONEXCLAMATION | MB_OK);
    EXPECT_EQ(ui.machine().beeps(), std::vector<std::uint32_t>{MB_ICONEXCLAMATION});
    ui.answer(IDOK);
    EXPECT_FALSE(dialog.m_link.m_bFollowed);
}

class ShellFailure : public HyperLinkTest, public ::testing::WithParamInterface<std::pair<UINT, const char*>> {
protected:
    ShellFailure() : HyperLinkTest(GetParam().first) {}
};

TEST_P(ShellFailure, IsExplainedWithTheTextOfItsCode)
{
    Open();
    ui.press_key(link, VK_SPACE);
    ASSERT_TRUE(ui.message_box_open());
    EXPECT_EQ(ui.message_box().text, std::string("Can't open link:\n\n") + GetParam().second);
    ui.answer(IDOK);
}

INSTANTIATE_TEST_SUITE_P(Codes, ShellFailure,
                         ::testing::Values(std::pair<UINT, const char*>{SE_ERR_FNF, "The specified file was not found."},
                                           std::pair<UINT, const char*>{SE_ERR_SHARE, "A sharing violation occurred. "},
                                           std::pair<UINT, const char*>{SE_ERR_DDEBUSY,
                                               "The DDE transaction could not\nbe completed because other DDE "
                                               "transactions\nwere being processed."},
                                           std::pair<UINT, const char*>{SE_ERR_DLLNOTFOUND,
                                               "The specified dynamic-link library was not found."},
                                           std::pair<UINT, const char*>{17, "Unknown Error (17) occurred."}));

struct FallbackRow {
    const char* registered;
    std::vector<std::string> arguments;  // what the command runs with
};

TEST_F(FailingShell, TheRegisteredHtmCommandRunsWithTheTargetInPlaceOfItsPlaceholder)
{
    const FallbackRow rows[] = {
        {"\"C:\\Program Files\\Web\\browser.exe\" -nohome \"%1\"", {"C:\\Program Files\\Web\\browser.exe", "-nohome", kTarget}},
        {"browser.exe %1 -new", {"browser.exe", kTarget}},
        {"browser.exe -nohome", {"browser.exe", "-nohome", kTarget}},
    };
    SetClassesDefault(".htm", "webfile");
    Open();
    for (const FallbackRow& row : rows) {
        ui.run([&] { SetClassesDefault("webfile\\shell\\open\\command", row.registered); });
        const std::size_t before = ui.machine().shell_log().size();
        ui.click(link);
        ASSERT_EQ(ui.machine().shell_log().size(), before + 2) << row.registered;
        const ShellRequest& ran = ui.machine().shell_log().back();
        EXPECT_EQ(ran.call, ShellCall::Exec);
        EXPECT_EQ(ran.arguments, row.arguments) << row.registered;
        EXPECT_FALSE(ui.message_box_open());
    }
    EXPECT_TRUE(dialog.m_link.m_bFollowed);
}

TEST_F(FailingShell, ACommandAndTargetLongerThanTheCommandBufferAreRefusedWithTheMessage)
{
    SetClassesDefault(".htm", "webfile");
    SetClassesDefault("webfile\\shell\\open\\command", "browser.exe " + std::string(250, 'o') + " %1");
    dialog.m_link.m_strTarget = "http://long.example/" + std::string(270, 'x');
    Open();
    ui.click(link);
    ASSERT_TRUE(ui.message_box_open());
    EXPECT_EQ(ui.message_box().text, "Can't open link:\n\nThere is no application associated\nwith the given filename extension.");
    ui.answer(IDOK);
    for (const ShellRequest& r : ui.machine().shell_log())
        EXPECT_EQ(r.call, ShellCall::Open) << "nothing is run";
}

}  // namespace
