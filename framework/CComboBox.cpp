#include "framework/CComboBox.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "framework/WindowProcedure.h"

namespace {
bool EqualNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

int Search(const fw::Window* w, int startAfter, LPCSTR text, bool exact)
{
    if (w == nullptr || text == nullptr)
        return CB_ERR;
    const int count = static_cast<int>(w->items.size());
    const std::string_view wanted(text);
    for (int n = 0; n < count; ++n) {
        const int i = (startAfter + 1 + n + count) % count;
        const std::string& item = w->items[static_cast<std::size_t>(i)];
        if (exact ? EqualNoCase(item, wanted) : (item.size() >= wanted.size() && EqualNoCase(std::string_view(item).substr(0, wanted.size()), wanted)))
            return i;
    }
    return CB_ERR;
}

void ShowSelection(fw::Window* w)
{
    if (w->cur_sel >= 0)
        w->text = w->items[static_cast<std::size_t>(w->cur_sel)];
    else if ((w->style & 0x3) == CBS_DROPDOWNLIST)
        w->text.clear();
    fw::Notify(w, fw::Change::Selection);
}
}  // namespace

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

BEGIN_MESSAGE_MAP(CComboBox, CWnd)
END_MESSAGE_MAP()

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("ComboBox", "", style, rect, parent, id);
}

int CComboBox::AddString(LPCSTR text)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr)
        return CB_ERR;
    std::string value = text ? text : "";
    auto at = w->items.end();
    if (w->style & CBS_SORT)
        at = std::upper_bound(w->items.begin(), w->items.end(), value, [](const std::string& a, const std::string& b) {
            return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
            });
        });
    const int index = static_cast<int>(at - w->items.begin());
    w->items.insert(at, std::move(value));
    if (w->cur_sel >= index)
        ++w->cur_sel;
    fw::Notify(w, fw::Change::Items);
    return index;
}

int CComboBox::InsertString(int index, LPCSTR text)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr || index > static_cast<int>(w->items.size()))
        return CB_ERR;
    if (index < 0)
        index = static_cast<int>(w->items.size());
    w->items.insert(w->items.begin() + index, text ? text : "");
    if (w->cur_sel >= index)
        ++w->cur_sel;
    fw::Notify(w, fw::Change::Items);
    return index;
}

int CComboBox::DeleteString(UINT index)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr || index >= w->items.size())
        return CB_ERR;
    w->items.erase(w->items.begin() + static_cast<long>(index));
    if (w->cur_sel == static_cast<int>(index))
        w->cur_sel = -1;
    else if (w->cur_sel > static_cast<int>(index))
        --w->cur_sel;
    fw::Notify(w, fw::Change::Items);
    return static_cast<int>(w->items.size());
}

void CComboBox::ResetContent()
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr)
        return;
    w->items.clear();
    w->cur_sel = -1;
    w->text.clear();
    fw::Notify(w, fw::Change::Items);
}

int CComboBox::GetCount() const
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    return w ? static_cast<int>(w->items.size()) : CB_ERR;
}

int CComboBox::GetCurSel() const
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    return w ? w->cur_sel : CB_ERR;
}

int CComboBox::SetCurSel(int index)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr)
        return CB_ERR;
    const bool valid = index >= 0 && index < static_cast<int>(w->items.size());
    w->cur_sel = valid ? index : -1;
    ShowSelection(w);
    return valid ? index : CB_ERR;
}

int CComboBox::GetLBText(int index, LPSTR buffer) const
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr || index < 0 || index >= static_cast<int>(w->items.size()) || buffer == nullptr)
        return CB_ERR;
    const std::string& item = w->items[static_cast<std::size_t>(index)];
    std::memcpy(buffer, item.c_str(), item.size() + 1);
    return static_cast<int>(item.size());
}

void CComboBox::GetLBText(int index, CString& text) const
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    text = w && index >= 0 && index < static_cast<int>(w->items.size()) ? CString(w->items[static_cast<std::size_t>(index)]) : CString();
}

int CComboBox::GetLBTextLen(int index) const
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr || index < 0 || index >= static_cast<int>(w->items.size()))
        return CB_ERR;
    return static_cast<int>(w->items[static_cast<std::size_t>(index)].size());
}

int CComboBox::FindString(int startAfter, LPCSTR prefix) const { return Search(fw::FromHandle(m_hWnd), startAfter, prefix, false); }
int CComboBox::FindStringExact(int startAfter, LPCSTR text) const { return Search(fw::FromHandle(m_hWnd), startAfter, text, true); }

int CComboBox::SelectString(int startAfter, LPCSTR prefix)
{
    const int index = FindString(startAfter, prefix);
    if (index != CB_ERR)
        SetCurSel(index);
    return index;
}

BOOL CComboBox::LimitText(int maxChars)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr || (w->style & 0x3) == CBS_DROPDOWNLIST)
        return FALSE;
    w->text_limit = maxChars;
    return TRUE;
}
