#include <gtest/gtest.h>

#include <cstring>

#include "FrameworkFixture.h"
#include "TestResources.h"
#include "framework/CFrameWnd.h"
#include "framework/CImageList.h"
#include "framework/CStatic.h"
#include "framework/ControlColors.h"
#include "framework/Icon.h"
#include "framework/TrayIcon.h"
#include "framework/WinUser.h"
#include "framework/WindowClass.h"
#include "framework/WindowDC.h"

namespace {

class ControlsTest : public FrameworkFixture {
protected:
    ControlsTest()
    {
        frame.m_bAutoDelete = FALSE;
        frame.Create(nullptr, "Frame");
    }
    ~ControlsTest() override { fw::ResetTrayIcons(); }
    test_resources::ProgramModuleScope resources;
    CFrameWnd frame;
};

// A static that answers its parent's colour request itself, as a link control does.
class LinkStatic : public CStatic {
public:
    COLORREF colour = RGB(0, 0, 255);

protected:
    HBRUSH CtlColor(CDC* dc, UINT)
    {
        dc->SetTextColor(colour);
        dc->SetBkMode(TRANSPARENT);
        return reinterpret_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LinkStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

TEST_F(ControlsTest, ParentReflectsTheColourRequestToTheControl)
{
    LinkStatic link;
    CStatic plain;
    ASSERT_TRUE(link.Create("http://example.net", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 12), &frame, 1127));
    ASSERT_TRUE(plain.Create("label", WS_CHILD | WS_VISIBLE, CRect(0, 20, 100, 32), &frame, 1128));
    const fw::ControlColors colours = fw::QueryControlColors(link.m_hWnd);
    EXPECT_EQ(colours.text, RGB(0, 0, 255));
    EXPECT_TRUE(colours.transparent);
    EXPECT_EQ(colours.brush, reinterpret_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH)));
    EXPECT_EQ(fw::QueryControlColors(plain.m_hWnd).text, CLR_INVALID);
}

TEST_F(ControlsTest, TrayIconRecordFollowsAddModifyDelete)
{
    NOTIFYICONDATA nid;
    nid.cbSize = NOTIFYICONDATA_V1_SIZE;
    nid.hWnd = frame.m_hWnd;
    nid.uID = 128;
    nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    nid.uCallbackMessage = WM_USER + 100;
    nid.hIcon = LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(250));
    std::strcpy(nid.szTip, " Not Bound ");
    EXPECT_FALSE(Shell_NotifyIcon(NIM_MODIFY, &nid));
    ASSERT_TRUE(Shell_NotifyIcon(NIM_ADD, &nid));
    EXPECT_FALSE(Shell_NotifyIcon(NIM_ADD, &nid));
    // A tip that fills the whole field without a terminating zero is read to the field's end only.
    std::memset(nid.szTip, 'x', sizeof nid.szTip);
    nid.hIcon = LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(251));
    ASSERT_TRUE(Shell_NotifyIcon(NIM_MODIFY, &nid));
    const fw::TrayIcon* icon = fw::FindTrayIcon(frame.m_hWnd, 128);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->tip, std::string(64, 'x'));
    EXPECT_EQ(fw::IconOf(icon->icon)->resource_id, 251);
    EXPECT_EQ(icon->callback_message, WM_USER + 100);
    nid.cbSize = 12;
    EXPECT_FALSE(Shell_NotifyIcon(NIM_DELETE, &nid));
    nid.cbSize = NOTIFYICONDATA_V1_SIZE;
    EXPECT_TRUE(Shell_NotifyIcon(NIM_DELETE, &nid));
    EXPECT_EQ(fw::FindTrayIcon(frame.m_hWnd, 128), nullptr);
}

TEST_F(ControlsTest, IconsShareHandlesAndImageListsKeepTheirCapacity)
{
    HICON a = LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(250));
    EXPECT_EQ(LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(250)), a);
    EXPECT_EQ(LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(999)), nullptr);
    CImageList list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR, 2, 0));
    EXPECT_EQ(list.Add(a), 0);
    EXPECT_EQ(list.Add(LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(251))), 1);
    EXPECT_EQ(list.Add(a), -1);
    EXPECT_EQ(list.GetImageCount(), 2);
}

TEST_F(ControlsTest, RuntimeClassesKnowTheirBases)
{
    EXPECT_TRUE(frame.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(frame.IsKindOf(RUNTIME_CLASS(CStatic)));
    EXPECT_STREQ(frame.GetRuntimeClass()->m_lpszClassName, "CFrameWnd");
    CObject* made = RUNTIME_CLASS(CFrameWnd)->CreateObject();
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CFrameWnd)));
    delete made;
    EXPECT_EQ(RUNTIME_CLASS(CStatic)->CreateObject(), nullptr);
}

// An owner-drawn window that fills itself with one colour.
class Swatch : public CWnd {
public:
    COLORREF colour = RGB(0, 0, 64);
    int paints = 0;

protected:
    void OnPaint()
    {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, colour);
        ++paints;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Swatch, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

TEST_F(ControlsTest, InvalidatedWindowPaintsIntoItsOwnRasterOnce)
{
    Swatch swatch;
    ASSERT_TRUE(swatch.CreateEx(WS_EX_CLIENTEDGE, AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW), "", WS_CHILD | WS_VISIBLE,
                                CRect(5, 5, 25, 15), &frame, 0));
    swatch.Invalidate();
    swatch.Invalidate();
    run_for(0);
    EXPECT_EQ(swatch.paints, 1);
    const gdi::Raster& raster = fw::FromHandle(swatch.m_hWnd)->raster;
    ASSERT_EQ(raster.Width(), 20);
    ASSERT_EQ(raster.Height(), 10);
    EXPECT_EQ(gdi::ToColorRef(raster.At(19, 9)), RGB(0, 0, 64));
}

}  // namespace
