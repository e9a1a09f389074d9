#include "framework/CPropertySheet.h"

#include <algorithm>

#include "framework/CWinApp.h"
#include "framework/DialogBuilder.h"
#include "framework/MessageLoop.h"
#include "framework/WinUser.h"
#include "framework/WindowProcedure.h"

namespace {
constexpr int kMargin = 7;
constexpr int kTabHeader = 24;
constexpr int kTabBorder = 4;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
// The height the button row adds under the tabs.
constexpr int kButtonRow = kButtonHeight + kMargin;
}  // namespace

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
    ON_WM_CLOSE()
    ON_MESSAGE(PSM_CHANGED, OnPageChanged)
    ON_MESSAGE(PSM_UNCHANGED, OnPageUnchanged)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet(LPCSTR caption, CWnd* parent, UINT selectPage)
    : m_strCaption(caption ? caption : ""), m_pParentWnd(parent), m_nActive(static_cast<int>(selectPage))
{
    m_psh.nStartPage = selectPage;
}

CPropertySheet::CPropertySheet(UINT captionId, CWnd* parent, UINT selectPage)
    : CPropertySheet(static_cast<LPCSTR>(nullptr), parent, selectPage)
{
    CString caption;
    caption.LoadString(captionId);
    m_strCaption = caption.str();
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    if (page != nullptr)
        m_pages.push_back(PageEntry{page, nullptr, nullptr});
}

BOOL CPropertySheet::AddPage(HPROPSHEETPAGE page)
{
    if (fw::PageRecordOf(page) == nullptr)
        return FALSE;
    m_pages.push_back(PageEntry{nullptr, page, nullptr});
    return TRUE;
}

CPropertyPage* CPropertySheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<std::size_t>(index)].page : nullptr;
}

std::string CPropertySheet::TitleText() const
{
    return (m_psh.dwFlags & PSH_PROPTITLE) ? "Properties for " + m_strCaption : m_strCaption;
}

void CPropertySheet::SetTitle(LPCSTR text, UINT style)
{
    m_strCaption = text ? text : "";
    m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (style & PSH_PROPTITLE);
    if (m_hWnd != nullptr)
        ::SetWindowText(m_hWnd, TitleText().c_str());
}

std::string CPropertySheet::CaptionOf(const PageEntry& entry) const
{
    if (entry.page != nullptr)
        return entry.page->GetCaption().str();
    const PROPSHEETPAGE* record = fw::PageRecordOf(entry.handle);
    if (record == nullptr)
        return {};
    if ((record->dwFlags & PSP_USETITLE) && record->pszTitle)
        return record->pszTitle;
    const int id = static_cast<int>(reinterpret_cast<std::uintptr_t>(record->pszTemplate));
    const fw::DialogTemplate* t = fw::FindDialogTemplate(id, record->hInstance);
    return t ? t->caption : std::string();
}

CWnd* CPropertySheet::GetTabControl() const { return GetDlgItem(static_cast<int>(AFX_IDC_TAB_CONTROL)); }

void CPropertySheet::CreateFrameControls()
{
    // The page area fits the largest page.
    int width = 0, height = 0;
    std::vector<std::string> captions;
    for (const PageEntry& entry : m_pages) {
        captions.push_back(CaptionOf(entry));
        const fw::DialogTemplate* t = nullptr;
        if (entry.page != nullptr) {
            t = fw::FindDialogTemplate(static_cast<int>(entry.page->TemplateId()));
        } else if (const PROPSHEETPAGE* record = fw::PageRecordOf(entry.handle)) {
            t = fw::FindDialogTemplate(static_cast<int>(reinterpret_cast<std::uintptr_t>(record->pszTemplate)), record->hInstance);
        }
        if (t != nullptr) {
            width = std::max(width, fw::DialogUnitsToPixelsX(t->cx));
            height = std::max(height, fw::DialogUnitsToPixelsY(t->cy));
        }
    }
    const int tab_width = width + 2 * kTabBorder, tab_height = height + kTabHeader + kTabBorder;
    m_rcPage = CRect(kMargin + kTabBorder, kMargin + kTabHeader, kMargin + kTabBorder + width, kMargin + kTabHeader + height);
    HWND tab = ::CreateWindowEx(0, "SysTabControl32", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, kMargin, kMargin, tab_width,
                                tab_height, m_hWnd, reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(AFX_IDC_TAB_CONTROL)),
                                nullptr, nullptr);
    if (fw::Window* w = fw::FromHandle(tab)) {
        w->items = captions;
        w->cur_sel = -1;
        fw::Notify(w, fw::Change::Items);
    }

    struct ButtonSpec {
        int id;
        const char* text;
        bool shown;
    };
    const ButtonSpec buttons[] = {
        {IDOK, "OK", true},
        {IDCANCEL, "Cancel", true},
        {static_cast<int>(ID_APPLY_NOW), "&Apply", (m_psh.dwFlags & PSH_NOAPPLYNOW) == 0},
        {IDHELP, "Help", (m_psh.dwFlags & PSH_HASHELP) != 0},
    };
    const int row_top = kMargin + tab_height + kMargin;
    int right = kMargin + tab_width;
    std::vector<const ButtonSpec*> shown;
    for (const ButtonSpec& b : buttons)
        if (b.shown)
            shown.push_back(&b);
    std::reverse(shown.begin(), shown.end());
    for (const ButtonSpec* b : shown) {
        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (b->id == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        if (b->id == static_cast<int>(ID_APPLY_NOW))
            style |= WS_DISABLED;
        ::CreateWindowEx(0, "Button", b->text, style, right - kButtonWidth, row_top, kButtonWidth, kButtonHeight, m_hWnd,
                         reinterpret_cast<HMENU>(static_cast<std::intptr_t>(b->id)), nullptr, nullptr);
        right -= kButtonWidth + kButtonGap;
    }
    // The Help button exists hidden without PSH_HASHELP, as the system's sheets expect.
    if ((m_psh.dwFlags & PSH_HASHELP) == 0)
        ::CreateWindowEx(0, "Button", "Help", WS_CHILD | BS_PUSHBUTTON, kMargin, row_top, kButtonWidth, kButtonHeight,
                         m_hWnd, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(IDHELP)), nullptr, nullptr);
    fw::Window* sheet = fw::FromHandle(m_hWnd);
    const int client_width = kMargin + tab_width + kMargin, client_height = row_top + kButtonRow;
    ::MoveWindow(m_hWnd, sheet->rect.left, sheet->rect.top, client_width, client_height, FALSE);
}

HWND CPropertySheet::EnsurePageWindow(int index)
{
    PageEntry& entry = m_pages[static_cast<std::size_t>(index)];
    if (fw::FromHandle(entry.window) != nullptr)
        return entry.window;
    fw::DialogRequest request;
    request.parent = m_hWnd;
    request.style = WS_CHILD | WS_TABSTOP;
    request.x = m_rcPage.left;
    request.y = m_rcPage.top;
    if (entry.page != nullptr) {
        request.dialog = fw::FindDialogTemplate(static_cast<int>(entry.page->TemplateId()));
        request.object = entry.page;
    } else if (const PROPSHEETPAGE* record = fw::PageRecordOf(entry.handle)) {
        request.dialog = fw::FindDialogTemplate(static_cast<int>(reinterpret_cast<std::uintptr_t>(record->pszTemplate)), record->hInstance);
        request.procedure = record->pfnDlgProc;
        request.init_param = reinterpret_cast<LPARAM>(record);
    }
    entry.window = fw::CreateDialogWindow(request);
    return entry.window;
}

LRESULT CPropertySheet::NotifyPage(int index, UINT code)
{
    if (index < 0 || index >= GetPageCount())
        return 0;
    HWND page = m_pages[static_cast<std::size_t>(index)].window;
    if (fw::FromHandle(page) == nullptr)
        return 0;
    NMHDR header;
    header.hwndFrom = m_hWnd;
    header.idFrom = 0;
    header.code = code;
    return ::SendMessage(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
}

BOOL CPropertySheet::SetActivePage(int index)
{
    if (index < 0 || index >= GetPageCount())
        return FALSE;
    if (m_hWnd == nullptr) {
        m_nActive = index;
        m_psh.nStartPage = static_cast<UINT>(index);
        return TRUE;
    }
    const int before = m_nActive;
    if (before >= 0 && before < GetPageCount() && m_pages[static_cast<std::size_t>(before)].window != nullptr &&
        NotifyPage(before, PSN_KILLACTIVE) != 0)
        return FALSE;
    HWND page = EnsurePageWindow(index);
    if (page == nullptr || m_hWnd == nullptr)
        return FALSE;
    m_nActive = index;
    NotifyPage(index, PSN_SETACTIVE);
    if (m_hWnd == nullptr)
        return TRUE;
    for (int i = 0; i < GetPageCount(); ++i)
        if (i != index && fw::FromHandle(m_pages[static_cast<std::size_t>(i)].window))
            ::ShowWindow(m_pages[static_cast<std::size_t>(i)].window, SW_HIDE);
    ::ShowWindow(page, SW_SHOW);
    if (fw::Window* tab = fw::FromHandle(::GetDlgItem(m_hWnd, static_cast<int>(AFX_IDC_TAB_CONTROL)))) {
        tab->cur_sel = index;
        fw::Notify(tab, fw::Change::ActivePage);
    }
    return TRUE;
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* page)
{
    for (int i = 0; i < GetPageCount(); ++i)
        if (m_pages[static_cast<std::size_t>(i)].page == page)
            return SetActivePage(i);
    return FALSE;
}

BOOL CPropertySheet::OnInitDialog()
{
    // Each run starts on the page chosen before it, not on the page the last run ended on.
    const int chosen = static_cast<int>(m_psh.nStartPage);
    const int start = chosen >= 0 && chosen < GetPageCount() ? chosen : 0;
    m_nActive = -1;
    if (GetPageCount() > 0)
        SetActivePage(start);
    return TRUE;
}

int CPropertySheet::DoModal()
{
    if (m_hWnd != nullptr || m_bRunning)
        return -1;
    CWnd* owner = m_pParentWnd ? m_pParentWnd->GetTopLevelParent() : AfxGetMainWnd();
    HWND owner_handle = owner ? owner->m_hWnd : nullptr;
    const bool owner_was_enabled = owner_handle && ::IsWindowEnabled(owner_handle);
    if (!CreateEx(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, "#32770", TitleText().c_str(),
                  WS_POPUP | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, owner_handle, nullptr))
        return -1;
    HWND sheet = m_hWnd;
    fw::FromHandle(sheet)->kind = fw::WindowKind::PropertySheet;
    m_bRunning = true;
    m_bEnded = false;
    m_nModalResult = -1;
    if (owner_was_enabled)
        ::EnableWindow(owner_handle, FALSE);
    for (PageEntry& entry : m_pages)
        entry.window = nullptr;
    CreateFrameControls();
    ::SendMessage(sheet, WM_INITDIALOG, 0, 0);
    if (::IsWindow(sheet) && !m_bEnded) {
        CenterWindow();
        ::ShowWindow(sheet, SW_SHOW);
        ::SetForegroundWindow(sheet);
        fw::RunModalLoop([&] { return m_bEnded || !::IsWindow(sheet); });
    }
    if (owner_was_enabled && ::IsWindow(owner_handle))
        ::EnableWindow(owner_handle, TRUE);
    if (::IsWindow(sheet))
        ::DestroyWindow(sheet);
    for (PageEntry& entry : m_pages)
        entry.window = nullptr;
    m_bRunning = false;
    return m_nModalResult;
}

void CPropertySheet::Finish(int result)
{
    m_nModalResult = result;
    m_bEnded = true;
}

void CPropertySheet::EndDialog(int result)
{
    if (!m_bRunning)
        return;
    Finish(result);
    for (int i = 0; i < GetPageCount(); ++i)
        NotifyPage(i, PSN_RESET);
}

bool CPropertySheet::Apply()
{
    if (NotifyPage(m_nActive, PSN_KILLACTIVE) != 0)
        return false;
    for (int i = 0; i < GetPageCount(); ++i) {
        if (m_pages[static_cast<std::size_t>(i)].window == nullptr)
            continue;
        if (NotifyPage(i, PSN_APPLY) != PSNRET_NOERROR) {
            SetActivePage(i);
            return false;
        }
    }
    if (CWnd* apply = GetDlgItem(static_cast<int>(ID_APPLY_NOW)))
        apply->EnableWindow(FALSE);
    return true;
}

bool CPropertySheet::Cancel()
{
    if (NotifyPage(m_nActive, PSN_QUERYCANCEL) != 0)
        return false;
    for (int i = 0; i < GetPageCount(); ++i)
        NotifyPage(i, PSN_RESET);
    return true;
}

BOOL CPropertySheet::PressButton(int button)
{
    switch (button) {
    case PSBTN_OK:
        if (Apply())
            Finish(IDOK);
        return TRUE;
    case PSBTN_CANCEL:
        if (Cancel())
            Finish(IDCANCEL);
        return TRUE;
    case PSBTN_APPLYNOW: Apply(); return TRUE;
    case PSBTN_HELP: NotifyPage(m_nActive, PSN_HELP); return TRUE;
    default: return FALSE;
    }
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK: return PressButton(PSBTN_OK);
    case IDCANCEL: return PressButton(PSBTN_CANCEL);
    case ID_APPLY_NOW: return PressButton(PSBTN_APPLYNOW);
    case IDHELP: return PressButton(PSBTN_HELP);
    default: return FALSE;
    }
}

BOOL CPropertySheet::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (CWnd::OnNotify(wParam, lParam, result))
        return TRUE;
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->idFrom != AFX_IDC_TAB_CONTROL || header->code != TCN_SELCHANGE)
        return FALSE;
    fw::Window* tab = fw::FromHandle(header->hwndFrom);
    const int wanted = tab ? tab->cur_sel : -1;
    if (!SetActivePage(wanted) && tab != nullptr) {
        // The page that refused keeps its tab.
        tab->cur_sel = m_nActive;
        fw::Notify(tab, fw::Change::ActivePage);
    }
    *result = 0;
    return TRUE;
}

void CPropertySheet::OnClose() { PressButton(PSBTN_CANCEL); }

LRESULT CPropertySheet::OnPageChanged(WPARAM, LPARAM)
{
    if (CWnd* apply = GetDlgItem(static_cast<int>(ID_APPLY_NOW)))
        apply->EnableWindow(TRUE);
    return 0;
}

LRESULT CPropertySheet::OnPageUnchanged(WPARAM, LPARAM) { return 0; }
