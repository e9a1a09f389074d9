#include "shell/Zephra.h"

#include "framework/MessageBox.h"
#include "framework/WinUser.h"
#include "platform/Kernel.h"
#include "resources/ResourceIds.h"
#include "shell/HideMainFrame.h"

BEGIN_MESSAGE_MAP(CZephraApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CZephraApp::CZephraApp() : m_strAppTitle(kZephraTitle) {}

BOOL CZephraApp::InitInstance()
{
    Enable3dControlsStatic();
    m_langId = GetSystemDefaultLangID();
    m_primaryLang = static_cast<WORD>(m_langId & 0x3FF);
    LoadLanguageLibrary(LanguageIndexOf(m_primaryLang));

    if (!IsFirstInstance()) {
        CString text;
        text.LoadString(zephra::res::IDS_ALREADY_RUNNING);
        AfxMessageBox(text, MB_OK);
        return FALSE;
    }

    m_pFrame = new CHideMainFrame;
    m_pMainWnd = m_pFrame;
    m_nCmdShow = SW_SHOWMINIMIZED;
    m_pFrame->ShowWindow(m_nCmdShow);
    m_pFrame->UpdateWindow();
    HideApplication();
    return TRUE;
}

int CZephraApp::ExitInstance()
{
    // However the loop ended, the icon goes and the session is closed.
    if (m_pFrame != nullptr && m_pFrame->m_hWnd != nullptr)
        m_pFrame->SendMessage(WM_CLOSE);
    delete m_pFrame;
    m_pFrame = nullptr;
    return CWinApp::ExitInstance();
}

BOOL CZephraApp::IsFirstInstance()
{
    // The platform call, not CWnd::FindWindow: a window of another process has no object
    // here, and must block the start all the same.
    return ::FindWindow(nullptr, m_strAppTitle) == nullptr ? TRUE : FALSE;
}
