#pragma once
// Dialog data exchange: UpdateData runs a window's DoDataExchange, which moves each member to
// its control (load) or back and validates it (save). Loading raises no change notification.
// A failed validation shows a message, puts the focus on the control and stops the transfer.

#include "framework/CString.h"
#include "framework/Messages.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    BOOL m_bFailed = FALSE;
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;

    // The control `id` of the dialog, remembered for the validations that follow.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    void Fail();
};

void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, UINT& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_CBString(CDataExchange* dx, int id, CString& value);
void DDX_CBIndex(CDataExchange* dx, int id, int& index);

// On load it limits what the user can type into the last control; on save it rejects a
// longer text.
void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars);
void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue);
