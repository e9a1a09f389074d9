#include "framework/CWinApp.h"

#include "framework/CWnd.h"
#include "framework/Icon.h"
#include "framework/Window.h"
#include "framework/MessageLoop.h"
#include "framework/ModuleState.h"
#include "framework/ResourceModule.h"
#include "framework/WaitCursor.h"
#include "framework/WinUser.h"
#include "platform/MessageBox.h"

namespace {
// The string that names an application constructed without a name.
constexpr UINT kAppNameString = 57344;
}  // namespace

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCSTR appName, fw::ModuleState* module)
    : m_pModuleState(module != nullptr ? module : &fw::CurrentModuleState())
{
    if (appName != nullptr) {
        m_strAppName = appName;
        m_bNameGiven = true;
    }
    m_pszAppName = m_strAppName.c_str();
    m_pModuleState->app = this;
}

CWinApp::~CWinApp()
{
    if (m_pModuleState->app == this)
        m_pModuleState->app = nullptr;
}

void CWinApp::InitApplication()
{
    AFX_MANAGE_STATE(m_pModuleState);
    m_hInstance = AfxGetInstanceHandle();
    if (!m_bNameGiven) {
        const fw::ResourceModule* own = fw::ModuleFromHandle(m_hInstance);
        m_strAppName = own ? own->find_string(kAppNameString).value_or("") : "";
    }
    m_pszAppName = m_strAppName.c_str();
    // The process's message boxes are captioned with the program's name, not a library's.
    if (m_pModuleState == &fw::ProgramModuleState())
        platform::SetApplicationName(m_pszAppName);
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return m_nExitCode; }

BOOL CWinApp::PreTranslateMessage(MSG*) { return FALSE; }

int CWinApp::Run()
{
    fw::MessageLoop& loop = fw::MessageLoop::instance();
    MSG msg;
    while (loop.get(msg)) {
        if (!PreTranslateMessage(&msg))
            loop.dispatch(msg);
    }
    m_nExitCode = static_cast<int>(msg.wParam);
    return ExitInstance();
}

HICON CWinApp::LoadIcon(UINT id) const { return ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(id)); }
HICON CWinApp::LoadIcon(LPCSTR name) const { return ::LoadIcon(AfxGetResourceHandle(), name); }
HCURSOR CWinApp::LoadCursor(UINT id) const { return ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(id)); }
HCURSOR CWinApp::LoadStandardCursor(LPCSTR name) const { return ::LoadCursor(nullptr, name); }

void CWinApp::HideApplication()
{
    if (m_pMainWnd == nullptr || m_pMainWnd->m_hWnd == nullptr)
        return;
    HWND main = m_pMainWnd->m_hWnd;
    for (fw::Window* w : fw::TopLevelWindows())
        if (w->owner != nullptr && w->owner->handle == main)
            ::ShowWindow(w->handle, SW_HIDE);
    ::ShowWindow(main, SW_HIDE);
}

void CWinApp::DoWaitCursor(int change) { fw::ChangeWaitCursor(change); }

// Help files are not shipped; the command is accepted and does nothing.
void CWinApp::OnHelp() {}

CWinApp* AfxGetApp() { return fw::CurrentModuleState().app; }
LPCSTR AfxGetAppName()
{
    const CWinApp* app = AfxGetApp();
    return app ? app->m_pszAppName : "";
}

namespace fw {

int RunApplication(CWinApp& app)
{
    app.InitApplication();
    if (!app.InitInstance()) {
        if (app.m_pMainWnd != nullptr && app.m_pMainWnd->m_hWnd != nullptr)
            app.m_pMainWnd->DestroyWindow();
        return app.ExitInstance();
    }
    return app.Run();
}

}  // namespace fw
