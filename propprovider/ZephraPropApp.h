#pragma once
// The library's application object: its own driver-access object, language library and
// status sheet, apart from those of any program that loads the library.

#include "driver/PrtUtil.h"
#include "framework/CWinApp.h"

class CStatusSheet;

namespace fw {
struct ModuleState;
}

class CZephraPropApp : public CWinApp {
public:
    CZephraPropApp();
    ~CZephraPropApp() override;

    CStatusSheet* m_pStatusSheet = nullptr;
    CPrtUtil m_prtUtil;
    CPrtUtil* m_pPrtUtil = nullptr;
    HMODULE m_hLangDll = nullptr;
    WORD m_langId = 0;
    WORD m_primaryLang = 0;

    // Reads the system's default language into m_langId and m_primaryLang.
    void ReadSystemLanguage();
    // Loads the "PLang" library of the index; when it loads it becomes the resource module.
    void LoadLanguageLibrary(int index);
    // Releases the language library loaded last; the library's own module stays.
    void FreeLanguageLibrary();
    // Opens a new status sheet and runs it; it is deleted when it closes.
    void RunStatusSheet();
};

// The library's one application object and the module state its code runs in.
CZephraPropApp& ThePropApp();
fw::ModuleState* PropModuleState();
