#include "framework/gdi/CFont.h"

#include <algorithm>
#include <cstring>

#include "framework/gdi/ObjectTable.h"

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                       BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                       BYTE pitchAndFamily, LPCSTR faceName)
{
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfStrikeOut = strikeOut;
    lf.lfCharSet = charSet;
    lf.lfOutPrecision = outPrecision;
    lf.lfClipPrecision = clipPrecision;
    lf.lfQuality = quality;
    lf.lfPitchAndFamily = pitchAndFamily;
    if (faceName)
        std::strncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont)
{
    if (m_hObject || !logFont)
        return FALSE;
    m_hObject = reinterpret_cast<HGDIOBJ>(::CreateFontIndirect(logFont));
    gdi::ObjectTable::Instance().SetOwner(m_hObject, this);
    return TRUE;
}

BOOL CFont::CreatePointFont(int pointSizeTenths, LPCSTR faceName, CDC* /*dc*/)
{
    LOGFONT lf;
    // Rounded like the platform's MulDiv: tenths of a point at 96 pixels per inch.
    lf.lfHeight = -((pointSizeTenths * 96 + 360) / 720);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    if (faceName)
        std::strncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONT* logFont) const
{
    return ::GetObject(m_hObject, static_cast<int>(sizeof(LOGFONT)), logFont);
}

CFont* CFont::FromHandle(HFONT handle)
{
    return dynamic_cast<CFont*>(CGdiObject::FromHandle(reinterpret_cast<HGDIOBJ>(handle)));
}

HFONT CreateFontIndirect(const LOGFONT* logFont)
{
    if (!logFont)
        return nullptr;
    LOGFONT lf = *logFont;
    lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    auto font = std::make_shared<gdi::FontData>(lf);
    return reinterpret_cast<HFONT>(gdi::ObjectTable::Instance().Add(std::move(font), nullptr));
}

int GetObject(HGDIOBJ handle, int size, void* out)
{
    auto font = gdi::ObjectTable::Instance().FindAs<gdi::FontData>(handle, OBJ_FONT);
    if (!font || !out || size <= 0)
        return 0;
    const auto bytes = std::min(static_cast<std::size_t>(size), sizeof(LOGFONT));
    std::memcpy(out, &font->logFont, bytes);
    return static_cast<int>(bytes);
}
