#pragma once
// A list view: rows of texts in columns (report view), each row with an image and a state.

#include "framework/CImageList.h"
#include "framework/CWnd.h"
#include "framework/ListViewTypes.h"

class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)

public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int InsertColumn(int column, LPCSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    BOOL DeleteColumn(int column);
    int GetColumnCount() const;
    int GetColumnWidth(int column) const;
    BOOL SetColumnWidth(int column, int width);

    // A row's image is 0 unless given.
    int InsertItem(int item, LPCSTR text);
    int InsertItem(int item, LPCSTR text, int image);
    int InsertItem(const LVITEM* item);
    BOOL DeleteItem(int item);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    BOOL SetItemText(int item, int subItem, LPCSTR text);
    CString GetItemText(int item, int subItem) const;
    int GetItemText(int item, int subItem, LPSTR buffer, int size) const;
    BOOL GetItem(LVITEM* item) const;
    BOOL SetItem(const LVITEM* item);
    BOOL SetItemData(int item, DWORD_PTR data);
    DWORD_PTR GetItemData(int item) const;

    BOOL SetItemState(int item, UINT state, UINT mask);
    UINT GetItemState(int item, UINT mask) const;
    int GetNextItem(int start, UINT flags) const;
    UINT GetSelectedCount() const;
    BOOL EnsureVisible(int, BOOL) { return TRUE; }

    // Only the small-image list is kept; the previous list is not reported (null).
    CImageList* SetImageList(CImageList* list, int kind);
    HIMAGELIST GetImageListHandle(int kind) const;
    DWORD SetExtendedStyle(DWORD exStyle);
    DWORD GetExtendedStyle() const;

protected:
    DECLARE_MESSAGE_MAP()
};
