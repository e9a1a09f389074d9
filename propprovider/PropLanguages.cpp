#include "propprovider/PropLanguages.h"

#include "resources/PropResourceIds.h"

namespace {

constexpr WORD kEnglish = 0x09, kJapanese = 0x11, kFrench = 0x0C, kItalian = 0x10, kGerman = 0x07, kSpanish = 0x0A,
               kKorean = 0x12, kChinese = 0x04;

struct PropLanguage {
    WORD primaryLang;
    int index;
    int versionTemplate;
    LPCSTR library;  // null: the English library
};

constexpr PropLanguage kPropLanguages[] = {
    {kEnglish, 0, zephra::res::IDD_PROP_VERSION, "PLangEN.DLL"},
    {kJapanese, 1, zephra::res::IDD_PROP_VERSION_JP, "PLangJP.DLL"},
    {kFrench, 2, zephra::res::IDD_PROP_VERSION_FR, "PLangFR.DLL"},
    {kItalian, 3, zephra::res::IDD_PROP_VERSION, nullptr},
    {kGerman, 4, zephra::res::IDD_PROP_VERSION_DE, "PLangDE.DLL"},
    {kSpanish, 5, zephra::res::IDD_PROP_VERSION, nullptr},
    {kKorean, 6, zephra::res::IDD_PROP_VERSION_KO, "PLangKO.DLL"},
    {kChinese, 7, zephra::res::IDD_PROP_VERSION_ZH, "PLangZH.DLL"},
};
constexpr char kEnglishLibrary[] = "PLangEN.DLL";

const PropLanguage* Find(WORD primaryLang)
{
    for (const PropLanguage& language : kPropLanguages)
        if (language.primaryLang == primaryLang)
            return &language;
    return nullptr;
}

}  // namespace

int VersionTemplateFor(WORD primaryLang)
{
    const PropLanguage* language = Find(primaryLang);
    return language ? language->versionTemplate : zephra::res::IDD_PROP_VERSION;
}

int PropLanguageIndexOf(WORD primaryLang)
{
    const PropLanguage* language = Find(primaryLang);
    return language ? language->index : 0;
}

LPCSTR PropLanguageLibrary(int index)
{
    for (const PropLanguage& language : kPropLanguages)
        if (language.index == index && language.library != nullptr)
            return language.library;
    return kEnglishLibrary;
}
