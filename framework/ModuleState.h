#pragma once
// What belongs to one module of the process, the program or a library it loaded: its own
// resources, the resource module in use and its application object. The module whose code
// runs is the current one; a library's entry points and window procedures make their own
// state current for their duration (AFX_MANAGE_STATE), and a window keeps the state that was
// current when it was created, so its handlers run in its module whoever sends the message.

class CWinApp;

namespace fw {

class ResourceModule;

struct ModuleState {
    const ResourceModule* own = nullptr;        // the module's own resources, never released
    const ResourceModule* resources = nullptr;  // where resources are loaded from
    CWinApp* app = nullptr;
    const char* directory = nullptr;  // a library's folder, searched after the program's
};

// The program's state: current whenever no library's code runs.
ModuleState& ProgramModuleState();
ModuleState& CurrentModuleState();

class ModuleStateScope {
public:
    explicit ModuleStateScope(ModuleState* state);
    ~ModuleStateScope();
    ModuleStateScope(const ModuleStateScope&) = delete;
    ModuleStateScope& operator=(const ModuleStateScope&) = delete;

private:
    ModuleState* m_previous;
};

}  // namespace fw

#define AFX_MANAGE_STATE(state) ::fw::ModuleStateScope afxModuleStateScope_(state)
