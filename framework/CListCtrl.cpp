#include "framework/CListCtrl.h"

#include <algorithm>
#include <cstring>

#include "framework/ControlBehaviour.h"
#include "framework/WindowProcedure.h"

namespace {
fw::ListRow* RowOf(fw::Window* w, int item)
{
    if (w == nullptr || item < 0 || item >= static_cast<int>(w->rows.size()))
        return nullptr;
    return &w->rows[static_cast<std::size_t>(item)];
}
}  // namespace

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

BEGIN_MESSAGE_MAP(CListCtrl, CWnd)
END_MESSAGE_MAP()

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("SysListView32", "", style, rect, parent, id);
}

int CListCtrl::InsertColumn(int column, LPCSTR heading, int format, int width, int)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr || column < 0)
        return -1;
    const int index = std::min(column, static_cast<int>(w->columns.size()));
    w->columns.insert(w->columns.begin() + index, fw::ListColumn{heading ? heading : "", format, width < 0 ? 0 : width});
    for (fw::ListRow& row : w->rows)
        if (index > 0 && index < static_cast<int>(row.texts.size()))
            row.texts.insert(row.texts.begin() + index, std::string());
    fw::Notify(w, fw::Change::Columns);
    return index;
}

BOOL CListCtrl::DeleteColumn(int column)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr || column < 0 || column >= static_cast<int>(w->columns.size()))
        return FALSE;
    w->columns.erase(w->columns.begin() + column);
    // Column 0 holds the item text, which stays with the row.
    for (fw::ListRow& row : w->rows)
        if (column > 0 && column < static_cast<int>(row.texts.size()))
            row.texts.erase(row.texts.begin() + column);
    fw::Notify(w, fw::Change::Columns);
    return TRUE;
}

int CListCtrl::GetColumnCount() const
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    return w ? static_cast<int>(w->columns.size()) : 0;
}

int CListCtrl::GetColumnWidth(int column) const
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr || column < 0 || column >= static_cast<int>(w->columns.size()))
        return 0;
    return w->columns[static_cast<std::size_t>(column)].width;
}

BOOL CListCtrl::SetColumnWidth(int column, int width)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr || column < 0 || column >= static_cast<int>(w->columns.size()))
        return FALSE;
    w->columns[static_cast<std::size_t>(column)].width = width;
    fw::Notify(w, fw::Change::Columns);
    return TRUE;
}

int CListCtrl::InsertItem(int item, LPCSTR text) { return InsertItem(item, text, 0); }

int CListCtrl::InsertItem(int item, LPCSTR text, int image)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr || item < 0)
        return -1;
    const int index = std::min(item, static_cast<int>(w->rows.size()));
    fw::ListRow row;
    row.texts.push_back(text ? text : "");
    row.image = image;
    w->rows.insert(w->rows.begin() + index, std::move(row));
    fw::Notify(w, fw::Change::Rows);
    return index;
}

int CListCtrl::InsertItem(const LVITEM* item)
{
    if (item == nullptr)
        return -1;
    const int index = InsertItem(item->iItem, (item->mask & LVIF_TEXT) ? item->pszText : "", (item->mask & LVIF_IMAGE) ? item->iImage : 0);
    if (fw::ListRow* row = RowOf(fw::FromHandle(m_hWnd), index)) {
        if (item->mask & LVIF_PARAM)
            row->data = item->lParam;
        if (item->mask & LVIF_STATE)
            row->state = item->state & item->stateMask;
    }
    return index;
}

BOOL CListCtrl::DeleteItem(int item)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (RowOf(w, item) == nullptr)
        return FALSE;
    w->rows.erase(w->rows.begin() + item);
    fw::Notify(w, fw::Change::Rows);
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems()
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr)
        return FALSE;
    if (!w->rows.empty()) {
        w->rows.clear();
        fw::Notify(w, fw::Change::Rows);
    }
    return TRUE;
}

int CListCtrl::GetItemCount() const
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    return w ? static_cast<int>(w->rows.size()) : 0;
}

BOOL CListCtrl::SetItemText(int item, int subItem, LPCSTR text)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    fw::ListRow* row = RowOf(w, item);
    if (row == nullptr || subItem < 0 || (subItem > 0 && subItem >= static_cast<int>(w->columns.size())))
        return FALSE;
    if (static_cast<int>(row->texts.size()) <= subItem)
        row->texts.resize(static_cast<std::size_t>(subItem) + 1);
    row->texts[static_cast<std::size_t>(subItem)] = text ? text : "";
    fw::Notify(w, fw::Change::Rows);
    return TRUE;
}

CString CListCtrl::GetItemText(int item, int subItem) const
{
    fw::ListRow* row = RowOf(fw::FromHandle(m_hWnd), item);
    if (row == nullptr || subItem < 0 || subItem >= static_cast<int>(row->texts.size()))
        return CString();
    return CString(row->texts[static_cast<std::size_t>(subItem)]);
}

int CListCtrl::GetItemText(int item, int subItem, LPSTR buffer, int size) const
{
    if (buffer == nullptr || size <= 0)
        return 0;
    const CString text = GetItemText(item, subItem);
    const int n = std::min(text.GetLength(), size - 1);
    std::memcpy(buffer, text.c_str(), static_cast<std::size_t>(n));
    buffer[n] = '\0';
    return n;
}

BOOL CListCtrl::GetItem(LVITEM* item) const
{
    fw::ListRow* row = item ? RowOf(fw::FromHandle(m_hWnd), item->iItem) : nullptr;
    if (row == nullptr)
        return FALSE;
    if (item->mask & LVIF_TEXT)
        GetItemText(item->iItem, item->iSubItem, item->pszText, item->cchTextMax);
    if (item->mask & LVIF_IMAGE)
        item->iImage = row->image;
    if (item->mask & LVIF_PARAM)
        item->lParam = row->data;
    if (item->mask & LVIF_STATE)
        item->state = row->state & item->stateMask;
    return TRUE;
}

BOOL CListCtrl::SetItem(const LVITEM* item)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    fw::ListRow* row = item ? RowOf(w, item->iItem) : nullptr;
    if (row == nullptr)
        return FALSE;
    if (item->mask & LVIF_IMAGE) {
        row->image = item->iImage;
        fw::Notify(w, fw::Change::Rows);
    }
    if (item->mask & LVIF_PARAM)
        row->data = item->lParam;
    if ((item->mask & LVIF_TEXT) && !SetItemText(item->iItem, item->iSubItem, item->pszText))
        return FALSE;
    if (item->mask & LVIF_STATE)
        fw::SetListRowState(w, item->iItem, item->state, item->stateMask);
    return TRUE;
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data)
{
    fw::ListRow* row = RowOf(fw::FromHandle(m_hWnd), item);
    if (row == nullptr)
        return FALSE;
    row->data = static_cast<LPARAM>(data);
    return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int item) const
{
    fw::ListRow* row = RowOf(fw::FromHandle(m_hWnd), item);
    return row ? static_cast<DWORD_PTR>(row->data) : 0;
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr)
        return FALSE;
    if (item == -1) {
        for (int i = 0; fw::FromHandle(m_hWnd) && i < static_cast<int>(fw::FromHandle(m_hWnd)->rows.size()); ++i)
            fw::SetListRowState(fw::FromHandle(m_hWnd), i, state, mask);
        return TRUE;
    }
    if (RowOf(w, item) == nullptr)
        return FALSE;
    fw::SetListRowState(w, item, state, mask);
    return TRUE;
}

UINT CListCtrl::GetItemState(int item, UINT mask) const
{
    fw::ListRow* row = RowOf(fw::FromHandle(m_hWnd), item);
    return row ? (row->state & mask) : 0;
}

int CListCtrl::GetNextItem(int start, UINT flags) const
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr)
        return -1;
    const UINT wanted = (flags & LVNI_SELECTED ? LVIS_SELECTED : 0) | (flags & LVNI_FOCUSED ? LVIS_FOCUSED : 0);
    for (int i = start + 1; i < static_cast<int>(w->rows.size()); ++i)
        if ((w->rows[static_cast<std::size_t>(i)].state & wanted) == wanted)
            return i;
    return -1;
}

UINT CListCtrl::GetSelectedCount() const
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    UINT count = 0;
    if (w != nullptr)
        for (const fw::ListRow& row : w->rows)
            count += (row.state & LVIS_SELECTED) ? 1U : 0U;
    return count;
}

CImageList* CListCtrl::SetImageList(CImageList* list, int kind)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr || kind != LVSIL_SMALL)
        return nullptr;
    w->small_images = list ? reinterpret_cast<HANDLE>(list->m_hImageList) : nullptr;
    fw::Notify(w, fw::Change::Images);
    return nullptr;
}

HIMAGELIST CListCtrl::GetImageListHandle(int kind) const
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    return w && kind == LVSIL_SMALL ? reinterpret_cast<HIMAGELIST>(w->small_images) : nullptr;
}

DWORD CListCtrl::SetExtendedStyle(DWORD exStyle)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr)
        return 0;
    const DWORD before = w->list_ex_style;
    w->list_ex_style = exStyle;
    fw::Notify(w, fw::Change::ExtendedStyle);
    return before;
}

DWORD CListCtrl::GetExtendedStyle() const
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    return w ? w->list_ex_style : 0;
}
