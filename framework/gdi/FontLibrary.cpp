#include "framework/gdi/FontLibrary.h"

#include <fontconfig/fontconfig.h>
#include <iconv.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <string_view>

#include "framework/gdi/Utf8.h"

namespace gdi {

namespace {

// Face names of the platform's own fonts, with the family that stands in for each.
struct FamilyAlias {
    std::string_view name;
    std::string_view family;
};
constexpr std::array kFamilyAliases{
    FamilyAlias{"ms sans serif", "Arial"}, FamilyAlias{"ms shell dlg", "Arial"},
    FamilyAlias{"ms shell dlg 2", "Arial"}, FamilyAlias{"microsoft sans serif", "Arial"},
    FamilyAlias{"system", "Arial"}, FamilyAlias{"ms serif", "Times New Roman"},
};

std::string Lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string Convert(std::string_view bytes, const char* encoding)
{
    iconv_t cd = iconv_open("UTF-8", encoding);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    std::string in(bytes);
    std::string out(in.size() * 4 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0)
        return {};
    out.resize(out.size() - outLeft);
    return out;
}

// Face names arrive as UTF-8 or in the code page of their character set.
std::string DecodeFaceName(const LOGFONT& lf)
{
    const std::string_view bytes(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    std::vector<const char*> encodings;
    switch (lf.lfCharSet) {
    case SHIFTJIS_CHARSET:
        encodings.push_back("CP932");
        break;
    case GB2312_CHARSET:
        encodings.push_back("GBK");
        break;
    case CHINESEBIG5_CHARSET:
        encodings.push_back("BIG5");
        break;
    default:
        break;
    }
    for (const char* encoding : {"UHC", "CP932", "GBK", "CP1252"})
        encodings.push_back(encoding);
    for (const char* encoding : encodings)
        if (std::string name = Convert(bytes, encoding); !name.empty())
            return name;
    return {};
}

std::string LanguageOfCharSet(BYTE charSet)
{
    switch (charSet) {
    case HANGUL_CHARSET:
        return "ko";
    case SHIFTJIS_CHARSET:
        return "ja";
    case GB2312_CHARSET:
        return "zh-cn";
    case CHINESEBIG5_CHARSET:
        return "zh-tw";
    default:
        return {};
    }
}

std::string LanguageOfScript(const std::string& name)
{
    for (char32_t c : DecodeUtf8(name)) {
        if ((c >= 0xAC00 && c <= 0xD7A3) || (c >= 0x1100 && c <= 0x11FF) || (c >= 0x3130 && c <= 0x318F))
            return "ko";
        if (c >= 0x3040 && c <= 0x30FF)
            return "ja";
        if (c >= 0x4E00 && c <= 0x9FFF)
            return "zh-cn";
    }
    return {};
}

std::string GenericFamily(BYTE pitchAndFamily)
{
    switch (pitchAndFamily & 0xF0) {
    case FF_ROMAN:
        return "serif";
    case FF_MODERN:
        return "monospace";
    default:
        return "sans-serif";
    }
}

bool IsItalic(int slant)
{
    return slant != FC_SLANT_ROMAN;
}

} // namespace

FontLibrary& FontLibrary::Instance()
{
    // Never destroyed: faces held by drawing objects may be released after static destructors run.
    static FontLibrary* const library = new FontLibrary;
    return *library;
}

FontLibrary::FontLibrary()
{
    if (FT_Init_FreeType(&m_freeType) != 0)
        m_freeType = nullptr;
    FcInit();
}

FontLibrary::Request FontLibrary::RequestFor(const LOGFONT& lf)
{
    Request request;
    const std::string name = DecodeFaceName(lf);
    request.family = name.empty() ? GenericFamily(lf.lfPitchAndFamily) : name;
    for (const FamilyAlias& alias : kFamilyAliases)
        if (Lower(name) == alias.name)
            request.family = alias.family;
    request.language = LanguageOfCharSet(lf.lfCharSet);
    if (request.language.empty())
        request.language = LanguageOfScript(name);
    return request;
}

std::shared_ptr<const FontFace> FontLibrary::Resolve(const LOGFONT& lf)
{
    const Request request = RequestFor(lf);
    const int weight = lf.lfWeight == FW_DONTCARE ? FW_NORMAL : static_cast<int>(lf.lfWeight);
    const bool italic = lf.lfItalic != 0;
    const bool antialiased = lf.lfQuality != NONANTIALIASED_QUALITY;
    std::lock_guard lock(m_mutex);
    if (!m_freeType)
        return nullptr;
    const Key key{request.family, request.language, lf.lfHeight, lf.lfWidth, weight, italic, antialiased};
    if (auto it = m_faces.find(key); it != m_faces.end())
        return it->second;
    std::shared_ptr<const FontFace> face;
    const FontFile file = Match(request, weight, italic, 0);
    if (!file.path.empty()) {
        FontFace::Style style{lf.lfHeight, lf.lfWidth, weight, italic, antialiased, request.language};
        face = FontFace::Open(m_freeType, file, style, &FontLibrary::Fallback);
    }
    m_faces.emplace(key, face);
    return face;
}

FontFile FontLibrary::Fallback(char32_t codePoint, const std::string& language, int weight, bool italic)
{
    return Instance().Match(Request{"sans-serif", language}, weight, italic, codePoint);
}

// A font whose language or characters do not fit is matched again on them alone, so an
// unknown Korean face name still finds a Korean font.
FontFile FontLibrary::Match(const Request& request, int weight, bool italic, char32_t codePoint)
{
    FontFile file;
    for (bool withFamily : {true, false}) {
        FcPattern* pattern = FcPatternCreate();
        if (withFamily)
            FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(request.family.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
        FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcLangSet* languages = nullptr;
        if (!request.language.empty()) {
            languages = FcLangSetCreate();
            FcLangSetAdd(languages, reinterpret_cast<const FcChar8*>(request.language.c_str()));
            FcPatternAddLangSet(pattern, FC_LANG, languages);
        }
        FcCharSet* characters = nullptr;
        if (codePoint != 0) {
            characters = FcCharSetCreate();
            FcCharSetAddChar(characters, codePoint);
            FcPatternAddCharSet(pattern, FC_CHARSET, characters);
        }
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(nullptr, pattern, &result);
        bool fits = false;
        if (match) {
            FcChar8* path = nullptr;
            int index = 0;
            int matchedWeight = FC_WEIGHT_REGULAR;
            int slant = FC_SLANT_ROMAN;
            FcLangSet* matchedLanguages = nullptr;
            FcCharSet* matchedCharacters = nullptr;
            if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
                FcPatternGetInteger(match, FC_INDEX, 0, &index);
                FcPatternGetInteger(match, FC_WEIGHT, 0, &matchedWeight);
                FcPatternGetInteger(match, FC_SLANT, 0, &slant);
                fits = true;
                if (languages && FcPatternGetLangSet(match, FC_LANG, 0, &matchedLanguages) == FcResultMatch)
                    fits = FcLangSetHasLang(matchedLanguages, reinterpret_cast<const FcChar8*>(request.language.c_str())) == FcLangEqual;
                if (characters && FcPatternGetCharSet(match, FC_CHARSET, 0, &matchedCharacters) == FcResultMatch)
                    fits = fits && FcCharSetHasChar(matchedCharacters, codePoint);
                if (fits || !withFamily) {
                    file.path = reinterpret_cast<const char*>(path);
                    file.index = index;
                    file.weight = static_cast<int>(FcWeightToOpenType(matchedWeight));
                    file.italic = IsItalic(slant);
                }
            }
            FcPatternDestroy(match);
        }
        if (characters)
            FcCharSetDestroy(characters);
        if (languages)
            FcLangSetDestroy(languages);
        FcPatternDestroy(pattern);
        if (fits || !withFamily)
            break;
    }
    return file;
}

} // namespace gdi

#if defined(__SANITIZE_ADDRESS__)
// fontconfig keeps a one-off internal allocation from its first family lookups that the
// leak checker cannot trace; it does not grow with use.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
#endif
