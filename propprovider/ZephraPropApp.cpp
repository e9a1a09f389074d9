#include "propprovider/ZephraPropApp.h"

#include <memory>

#include "framework/Library.h"
#include "framework/ModuleState.h"
#include "framework/ResourceModule.h"
#include "platform/Kernel.h"
#include "propprovider/PropLanguages.h"
#include "propprovider/StatusSheet.h"

namespace {
constexpr WORD kPrimaryLanguageMask = 0x3FF;
constexpr char kStatusSheetCaption[] = " ";
}  // namespace

CZephraPropApp::CZephraPropApp() : CWinApp(nullptr, PropModuleState()) {}

CZephraPropApp::~CZephraPropApp() = default;

void CZephraPropApp::ReadSystemLanguage()
{
    m_langId = GetSystemDefaultLangID();
    m_primaryLang = static_cast<WORD>(m_langId & kPrimaryLanguageMask);
}

void CZephraPropApp::LoadLanguageLibrary(int index)
{
    m_hLangDll = LoadLibraryA(PropLanguageLibrary(index));
    if (m_hLangDll != nullptr)
        AfxSetResourceHandle(m_hLangDll);
}

void CZephraPropApp::FreeLanguageLibrary()
{
    if (m_hLangDll != nullptr && m_hLangDll != AfxGetInstanceHandle())
        FreeLibrary(m_hLangDll);
    m_hLangDll = nullptr;
}

void CZephraPropApp::RunStatusSheet()
{
    // A click while a sheet runs opens another one over it; each goes when it closes.
    CStatusSheet* previous = m_pStatusSheet;
    auto sheet = std::make_unique<CStatusSheet>(kStatusSheetCaption, nullptr, 0);
    m_pStatusSheet = sheet.get();
    sheet->m_bInModal = 1;
    sheet->DoModal();
    sheet->m_bInModal = 0;
    m_pStatusSheet = previous;
}
