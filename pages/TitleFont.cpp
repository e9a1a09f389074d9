#include "pages/TitleFont.h"

#include "shell/Zephra.h"

namespace {

constexpr WORD kKoreanPrimaryLang = 0x12;
// "Gulim"; the system's texts are UTF-8 throughout.
constexpr char kKoreanTitleFace[] = "굴림";
constexpr int kTitleFontHeight = 14;
constexpr int kTitleFontWidth = 7;

}  // namespace

void CreatePageTitleFont(CFont& font)
{
    // The program's application object is always a CZephraApp.
    const auto* app = static_cast<const CZephraApp*>(AfxGetApp());
    const bool korean = app != nullptr && app->m_primaryLang == kKoreanPrimaryLang;
    font.CreateFont(kTitleFontHeight, kTitleFontWidth, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                    korean ? kKoreanTitleFace : "");
}
