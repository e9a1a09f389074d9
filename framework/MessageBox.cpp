#include "framework/MessageBox.h"

#include "framework/CWinApp.h"
#include "framework/CWnd.h"

namespace fw {

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type)
{
    return ::MessageBoxA(owner, text, caption, type);
}

}  // namespace fw

int AfxMessageBox(LPCSTR text, UINT type, UINT)
{
    CWnd* main = AfxGetMainWnd();
    return fw::ShowMessageBox(main ? main->m_hWnd : nullptr, text ? text : "", AfxGetAppName(), type);
}

int AfxMessageBox(UINT promptId, UINT type, UINT helpId)
{
    CString text;
    text.LoadString(promptId);
    return AfxMessageBox(text, type, helpId);
}
