#pragma once
// The application object: picks the language library, refuses a second copy and creates the
// hidden tray frame that runs everything else.

#include "framework/CWinApp.h"
#include "framework/CString.h"
#include "platform/WinTypes.h"

class CHideMainFrame;

// The title of the hidden frame and of the sheet; a second start looks for it.
inline constexpr char kZephraTitle[] = "Norvel Wireless LAN Configuration Utility";

struct LanguageEntry {
    WORD primaryLang;
    LPCSTR libraryName;
    LPCSTR listName;
};

// In the order of the Advanced page's Language list.
inline constexpr LanguageEntry kLanguages[] = {
    {0x09, "LangEN.DLL", "English"}, {0x11, "LangJP.DLL", "Japan"},  {0x0C, "LangFR.DLL", "French"},
    {0x07, "LangDE.DLL", "German"},  {0x12, "LangKO.DLL", "Korean"}, {0x04, "LangZH.DLL", "Chinese"},
};
inline constexpr int kLanguageCount = static_cast<int>(sizeof kLanguages / sizeof kLanguages[0]);

// The row of `primaryLang` in kLanguages; English for any other language.
int LanguageIndexOf(WORD primaryLang);
// The primary language of row `index`; English's for any other index.
WORD PrimaryLangOfIndex(int index);

class CZephraApp : public CWinApp {
public:
    CZephraApp();

    HMODULE m_hLangDll = nullptr;
    WORD m_langId = 0;
    WORD m_primaryLang = 0;
    CString m_strAppTitle;

    BOOL InitInstance() override;
    int ExitInstance() override;
    void LoadLanguageLibrary(int index);
    void FreeLanguageLibrary();
    BOOL IsFirstInstance();

    DECLARE_MESSAGE_MAP()

private:
    // The frame outlives its window (it is not auto-deleted), so that a close that runs
    // inside one of its own handlers never leaves that handler on a freed object.
    CHideMainFrame* m_pFrame = nullptr;
};
