#include "controls/HyperLink.h"

#include <cstring>

#include "framework/Icon.h"
#include "framework/Library.h"
#include "framework/WinUser.h"
#include "platform/Files.h"
#include "platform/Kernel.h"
#include "platform/MessageBox.h"

namespace {
// The help program every system carries; its cursor 106 is a pointing hand.
constexpr char kHandCursorModule[] = "\\winhlp32.exe";
constexpr UINT kHandCursorId = 106;
constexpr UINT_PTR kToolId = 1;
constexpr UINT kOpenSucceededAbove = 32;

struct OpenErrorText {
    UINT code;
    const char* text;
};
constexpr OpenErrorText kOpenErrorTexts[] = {
    {0, "The operating system is out\nof memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied\naccess to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred. "},
    {27, "The filename association is\nincomplete or invalid."},
    {28, "The DDE transaction could not\nbe completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
};
}  // namespace

const COLORREF CHyperLink::s_crLink = RGB(0, 0, 255);
const COLORREF CHyperLink::s_crActive = RGB(0, 128, 128);
const COLORREF CHyperLink::s_crFollowed = RGB(128, 0, 128);
HCURSOR CHyperLink::s_hLinkCursor = nullptr;

IMPLEMENT_DYNAMIC(CHyperLink, CStatic)

BEGIN_MESSAGE_MAP(CHyperLink, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CHyperLink::~CHyperLink()
{
    m_fontLink.DeleteObject();
    // The next link to be attached loads the cursor again.
    if (s_hLinkCursor != nullptr) {
        DestroyCursor(s_hLinkCursor);
        s_hLinkCursor = nullptr;
    }
}

void CHyperLink::PreSubclassWindow()
{
    CString caption;
    GetWindowText(caption);
    if (m_strTarget.IsEmpty())
        m_strTarget = caption;
    if (caption.IsEmpty())
        SetWindowText(m_strTarget);

    if (GetFont() != nullptr) {
        CreateLinkFont();
        SizeToText();
    } else {
        m_dwLinkStyle &= ~kSizeToText;
    }

    LoadLinkCursor();

    m_tip.Create(this);
    CRect client;
    GetClientRect(client);
    m_tip.AddTool(this, m_strTarget, client, kToolId);

    CStatic::PreSubclassWindow();
}

void CHyperLink::CreateLinkFont()
{
    LOGFONT logFont;
    GetFont()->GetLogFont(&logFont);
    logFont.lfUnderline = static_cast<BYTE>((m_dwLinkStyle & kUnderline) ? TRUE : FALSE);
    if (m_fontLink.CreateFontIndirect(&logFont))
        SetFont(&m_fontLink, TRUE);
}

void CHyperLink::LoadLinkCursor()
{
    if (s_hLinkCursor != nullptr)
        return;
    char path[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(path, MAX_PATH);
    if (length == 0 || length + sizeof kHandCursorModule > MAX_PATH)
        return;
    std::strcat(path, kHandCursorModule);
    HMODULE module = LoadLibraryA(path);
    if (module == nullptr)
        return;
    if (HCURSOR cursor = LoadCursor(module, MAKEINTRESOURCE(kHandCursorId)))
        s_hLinkCursor = reinterpret_cast<HCURSOR>(CopyIcon(reinterpret_cast<HICON>(cursor)));
    FreeLibrary(module);
}

void CHyperLink::SizeToText()
{
    if ((m_dwLinkStyle & kSizeToText) == 0)
        return;
    CRect rect;
    GetWindowRect(rect);
    GetParent()->ScreenToClient(rect);
    CRect client;
    GetClientRect(client);
    const int borderWidth = rect.Width() - client.Width();
    const int borderHeight = rect.Height() - client.Height();

    CString caption;
    GetWindowText(caption);
    CDC* dc = GetDC();
    CFont* oldFont = dc->SelectObject(&m_fontLink);
    const CSize text = dc->GetTextExtent(caption);
    dc->SelectObject(oldFont);
    ReleaseDC(dc);

    const DWORD style = GetStyle();
    if (style & SS_CENTERIMAGE) {
        const int shrink = (rect.Height() - text.cy) / 2;
        rect.top += shrink;
        rect.bottom -= shrink;
    } else {
        rect.bottom = rect.top + text.cy;
    }
    const DWORD alignment = style & (SS_CENTER | SS_RIGHT);
    if (alignment == SS_CENTER) {
        const int shrink = (rect.Width() - text.cx) / 2;
        rect.left += shrink;
        rect.right -= shrink;
    } else if (alignment == SS_RIGHT) {
        rect.left = rect.right - text.cx;
    } else {
        rect.right = rect.left + text.cx;
    }
    MoveWindow(rect.left, rect.top, rect.Width() + borderWidth, rect.Height() + borderHeight, TRUE);
}

BOOL CHyperLink::PreTranslateMessage(MSG* msg)
{
    m_tip.RelayEvent(msg);
    return CStatic::PreTranslateMessage(msg);
}

HBRUSH CHyperLink::CtlColor(CDC* dc, UINT)
{
    if (m_bArmed)
        dc->SetTextColor(s_crActive);
    else if (m_bFollowed)
        dc->SetTextColor(s_crFollowed);
    else
        dc->SetTextColor(s_crLink);
    dc->SetBkMode(TRANSPARENT);
    return reinterpret_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

BOOL CHyperLink::OnSetCursor(CWnd*, UINT, UINT)
{
    if (s_hLinkCursor == nullptr)
        return FALSE;
    ::SetCursor(s_hLinkCursor);
    return TRUE;
}

void CHyperLink::OnMouseMove(UINT, CPoint point)
{
    if (!m_bHover) {
        m_bHover = TRUE;
        Redraw();
        SetCapture();
        return;
    }
    CRect client;
    GetClientRect(client);
    if (!client.PtInRect(point)) {
        m_bHover = FALSE;
        ReleaseCapture();
        Redraw();
    }
}

void CHyperLink::OnLButtonDown(UINT, CPoint)
{
    if (m_dwLinkStyle & kFocusOnClick)
        SetFocus();
    m_bArmed = TRUE;
}

// The control stays armed after the release, so a later release over it opens the target.
void CHyperLink::OnLButtonUp(UINT, CPoint)
{
    if (m_bArmed)
        OpenTarget();
}

void CHyperLink::OnSetFocus(CWnd*)
{
    m_bArmed = TRUE;
    Redraw();
}

void CHyperLink::OnKillFocus(CWnd*)
{
    m_bHover = FALSE;
    m_bArmed = FALSE;
    Redraw();
}

void CHyperLink::OnKeyDown(UINT ch, UINT, UINT)
{
    if (ch == VK_SPACE)
        OpenTarget();
    else
        Default();
}

LRESULT CHyperLink::OnNcHitTest(CPoint) { return HTCLIENT; }

void CHyperLink::Redraw() { Invalidate(TRUE); }

void CHyperLink::OpenTarget()
{
    const UINT result = ShellOpen(m_strTarget, SW_SHOW);
    if (result > kOpenSucceededAbove) {
        m_bFollowed = TRUE;
        Redraw();
        return;
    }
    MessageBeep(MB_ICONEXCLAMATION);
    ReportOpenError(result);
}

void CHyperLink::ReportOpenError(UINT code)
{
    CString reason;
    reason.Format("Unknown Error (%d) occurred.", static_cast<int>(code));
    for (const OpenErrorText& entry : kOpenErrorTexts)
        if (entry.code == code)
            reason = entry.text;
    MessageBox(CString("Can't open link:\n\n") + reason, nullptr, MB_ICONEXCLAMATION | MB_OK);
}
