#pragma once

#include "framework/CWnd.h"

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)

public:
    BOOL Create(LPCSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int GetCheck() const;
    void SetCheck(int check);
    UINT GetButtonStyle() const { return GetStyle() & 0xFFFF; }

protected:
    DECLARE_MESSAGE_MAP()
};
