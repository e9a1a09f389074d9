// The language libraries of the application object, apart from the rest of it: the Advanced
// page switches them while the program runs.

#include "framework/Library.h"
#include "framework/ResourceModule.h"
#include "shell/Zephra.h"

int LanguageIndexOf(WORD primaryLang)
{
    for (int i = 0; i < kLanguageCount; ++i)
        if (kLanguages[i].primaryLang == primaryLang)
            return i;
    return 0;
}

WORD PrimaryLangOfIndex(int index)
{
    return index >= 0 && index < kLanguageCount ? kLanguages[index].primaryLang : kLanguages[0].primaryLang;
}

void CZephraApp::LoadLanguageLibrary(int index)
{
    if (index < 0 || index >= kLanguageCount) {
        m_hLangDll = nullptr;
        return;
    }
    m_hLangDll = LoadLibraryA(kLanguages[index].libraryName);
    if (m_hLangDll != nullptr)
        AfxSetResourceHandle(m_hLangDll);
}

void CZephraApp::FreeLanguageLibrary()
{
    HINSTANCE current = AfxGetResourceHandle();
    if (current != nullptr && current != AfxGetInstanceHandle())
        FreeLibrary(current);
    m_hLangDll = nullptr;
}
