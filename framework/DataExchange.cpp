#include "framework/DataExchange.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

#include "framework/CComboBox.h"
#include "framework/CWnd.h"
#include "framework/MessageBox.h"
#include "framework/WinUser.h"
#include "framework/WindowProcedure.h"

namespace {
bool ParseInteger(const CString& text, long long low, long long high, long long& out)
{
    const char* begin = text.c_str();
    while (*begin == ' ' || *begin == '\t')
        ++begin;
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(begin, &end, 10);
    while (end && (*end == ' ' || *end == '\t'))
        ++end;
    if (end == begin || *end != '\0' || errno != 0 || value < low || value > high)
        return false;
    out = value;
    return true;
}

void Complain(CDataExchange* dx, const CString& text)
{
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    dx->Fail();
}

// Both directions of an integer edit; what is read back must lie within the member type's range.
template <typename Integer>
void TransferInteger(CDataExchange* dx, int id, Integer& value, const char* complaint)
{
    if (dx->m_bFailed)
        return;
    HWND control = dx->PrepareEditCtrl(id);
    if (control == nullptr)
        return;
    if (dx->m_bSaveAndValidate) {
        CString text;
        CWnd::FromHandle(control)->GetWindowText(text);
        long long parsed = 0;
        if (!ParseInteger(text, std::numeric_limits<Integer>::min(), std::numeric_limits<Integer>::max(), parsed))
            return Complain(dx, complaint);
        value = static_cast<Integer>(parsed);
    } else {
        CString text;
        text.Format("%lld", static_cast<long long>(value));
        ::SetWindowText(control, text);
    }
}
}  // namespace

CDataExchange::CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

HWND CDataExchange::PrepareCtrl(int id)
{
    m_hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
    m_bEditLastControl = FALSE;
    return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int id)
{
    HWND control = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail()
{
    m_bFailed = TRUE;
    if (m_hWndLastControl != nullptr)
        ::SetFocus(m_hWndLastControl);
}

void DDX_Text(CDataExchange* dx, int id, CString& value)
{
    if (dx->m_bFailed)
        return;
    HWND control = dx->PrepareEditCtrl(id);
    if (control == nullptr)
        return;
    if (dx->m_bSaveAndValidate) {
        CString text;
        CWnd::FromHandle(control)->GetWindowText(text);
        value = text;
    } else {
        ::SetWindowText(control, value);
    }
}

void DDX_Text(CDataExchange* dx, int id, int& value)
{
    TransferInteger(dx, id, value, "Enter an integer.");
}

void DDX_Text(CDataExchange* dx, int id, UINT& value)
{
    TransferInteger(dx, id, value, "Enter a positive integer.");
}

void DDX_Check(CDataExchange* dx, int id, int& value)
{
    if (dx->m_bFailed)
        return;
    HWND control = dx->PrepareCtrl(id);
    if (control == nullptr)
        return;
    HWND dialog = dx->m_pDlgWnd->m_hWnd;
    if (dx->m_bSaveAndValidate)
        value = static_cast<int>(::IsDlgButtonChecked(dialog, id));
    else
        ::CheckDlgButton(dialog, id, static_cast<UINT>(value));
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (dx->m_bFailed)
        return;
    HWND handle = dx->PrepareCtrl(id);
    if (control.m_hWnd == nullptr && handle != nullptr)
        control.SubclassWindow(handle);
}

void DDX_CBString(CDataExchange* dx, int id, CString& value)
{
    if (dx->m_bFailed)
        return;
    HWND control = dx->PrepareEditCtrl(id);
    fw::Window* w = fw::FromHandle(control);
    if (w == nullptr)
        return;
    auto* combo = static_cast<CComboBox*>(CWnd::FromHandle(control));
    if (dx->m_bSaveAndValidate) {
        combo->GetWindowText(value);
        return;
    }
    // An empty member leaves the selection alone rather than picking the first item.
    if (!value.IsEmpty() && combo->SelectString(-1, value) != CB_ERR)
        return;
    if ((w->style & 0x3) != CBS_DROPDOWNLIST)
        ::SetWindowText(control, value);
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index)
{
    if (dx->m_bFailed)
        return;
    HWND control = dx->PrepareCtrl(id);
    if (control == nullptr)
        return;
    auto* combo = static_cast<CComboBox*>(CWnd::FromHandle(control));
    if (dx->m_bSaveAndValidate)
        index = combo->GetCurSel();
    else
        combo->SetCurSel(index);
}

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars)
{
    if (dx->m_bFailed)
        return;
    if (dx->m_bSaveAndValidate) {
        if (value.GetLength() > maxChars) {
            CString text;
            text.Format("Enter no more than %d characters.", maxChars);
            Complain(dx, text);
        }
        return;
    }
    if (fw::Window* w = fw::FromHandle(dx->m_hWndLastControl);
        w != nullptr && (w->kind == fw::WindowKind::Edit || w->kind == fw::WindowKind::ComboBox))
        w->text_limit = maxChars;
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue)
{
    if (dx->m_bFailed || !dx->m_bSaveAndValidate)
        return;
    if (value < minValue || value > maxValue) {
        CString text;
        text.Format("Enter an integer between %d and %d.", minValue, maxValue);
        Complain(dx, text);
    }
}
