#pragma once

#include "framework/CWnd.h"

class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)

public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int AddString(LPCSTR text);
    int InsertString(int index, LPCSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    // -1 clears the selection; an index past the end fails with CB_ERR and clears it too.
    int SetCurSel(int index);
    int GetLBText(int index, LPSTR buffer) const;
    void GetLBText(int index, CString& text) const;
    int GetLBTextLen(int index) const;
    // Case-insensitive prefix and exact searches after `startAfter` (-1: from the top).
    int FindString(int startAfter, LPCSTR prefix) const;
    int FindStringExact(int startAfter, LPCSTR text) const;
    int SelectString(int startAfter, LPCSTR prefix);
    BOOL LimitText(int maxChars);

protected:
    DECLARE_MESSAGE_MAP()
};
