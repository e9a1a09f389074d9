#pragma once

#include "framework/CWnd.h"

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)

public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    // 0 restores the platform's default limit.
    void SetLimitText(UINT maxChars);
    void LimitText(int maxChars = 0) { SetLimitText(static_cast<UINT>(maxChars)); }
    UINT GetLimitText() const;
    // `end` -1 selects to the end of the text; `start` -1 drops the selection.
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void GetSel(int& start, int& end) const;
    // Replaces the selection as a user edit would, change notification included.
    void ReplaceSel(LPCSTR text, BOOL canUndo = FALSE);

protected:
    DECLARE_MESSAGE_MAP()
};
