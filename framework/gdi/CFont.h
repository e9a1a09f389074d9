#pragma once

#include "framework/gdi/CGdiObject.h"

class CDC;

// A logical font; the face is looked up when text is first drawn or measured with it.
class CFont : public CGdiObject {
public:
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                    BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                    BYTE pitchAndFamily, LPCSTR faceName);
    BOOL CreateFontIndirect(const LOGFONT* logFont);
    // Tenths of a point at 96 pixels per inch, as dialog fonts are given.
    BOOL CreatePointFont(int pointSizeTenths, LPCSTR faceName, CDC* dc = nullptr);
    int GetLogFont(LOGFONT* logFont) const;

    operator HFONT() const { return reinterpret_cast<HFONT>(m_hObject); }
    static CFont* FromHandle(HFONT handle);
};

HFONT CreateFontIndirect(const LOGFONT* logFont);
// Copies the font's LOGFONT; returns the bytes copied, 0 for no font.
int GetObject(HGDIOBJ handle, int size, void* out);
