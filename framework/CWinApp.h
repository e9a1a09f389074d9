#pragma once
// The application object: one per program, constructed before the program's entry.

#include "framework/CCmdTarget.h"
#include "framework/CString.h"
#include "framework/Messages.h"

class CWnd;

namespace fw {
struct ModuleState;
}

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)

public:
    // Without a name, the name is string 57344 of the module's own resources. A library
    // gives its own module state; the program's object belongs to the current one.
    explicit CWinApp(LPCSTR appName = nullptr, fw::ModuleState* module = nullptr);
    ~CWinApp() override;

    LPCSTR m_pszAppName = "";
    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    LPCSTR m_lpCmdLine = "";

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The message loop; ends when the main window is destroyed (the quit request).
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* msg);

    HICON LoadIcon(UINT id) const;
    HICON LoadIcon(LPCSTR name) const;
    HCURSOR LoadCursor(UINT id) const;
    HCURSOR LoadStandardCursor(LPCSTR name) const;
    // Hides the main window and its pop-ups without activating anything.
    void HideApplication();
    // +1 begins a wait cursor, -1 ends it, 0 restores it.
    void DoWaitCursor(int change);
    void OnHelp();

    // Part of the framework's start (a library's, on loading): takes the module's own
    // resources and the application name.
    void InitApplication();

protected:
    BOOL Enable3dControlsStatic() { return TRUE; }
    BOOL Enable3dControls() { return TRUE; }
    int m_nExitCode = 0;

    DECLARE_MESSAGE_MAP()

private:
    CString m_strAppName;
    bool m_bNameGiven = false;
    fw::ModuleState* m_pModuleState = nullptr;
};

// The application object of the module whose code runs.
CWinApp* AfxGetApp();
LPCSTR AfxGetAppName();

namespace fw {

// Runs `app` as the program's entry does: start, InitInstance, then the message loop
// unless InitInstance refused; returns the exit code.
int RunApplication(CWinApp& app);

}  // namespace fw
