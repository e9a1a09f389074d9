#pragma once
// What stands behind a drawing-object handle. A handle is the address of its data.

#include <memory>

#include "framework/gdi/GdiTypes.h"
#include "framework/gdi/Raster.h"

namespace gdi {

class FontFace;

class GdiObjectData {
public:
    explicit GdiObjectData(DWORD kind) : m_kind(kind) {}
    virtual ~GdiObjectData();
    GdiObjectData(const GdiObjectData&) = delete;
    GdiObjectData& operator=(const GdiObjectData&) = delete;

    DWORD Kind() const { return m_kind; }
    HGDIOBJ Handle() { return reinterpret_cast<HGDIOBJ>(this); }

private:
    DWORD m_kind;
};

struct PenData final : GdiObjectData {
    PenData(int style0, int width0, COLORREF color0) : GdiObjectData(OBJ_PEN), style(style0), width(width0), color(color0) {}
    int style;
    int width;
    COLORREF color;
};

struct BrushData final : GdiObjectData {
    BrushData(UINT style0, COLORREF color0) : GdiObjectData(OBJ_BRUSH), style(style0), color(color0) {}
    UINT style;
    COLORREF color;
};

struct BitmapData final : GdiObjectData {
    BitmapData(int width, int height) : GdiObjectData(OBJ_BITMAP), raster(width, height) {}
    Raster raster;
};

struct FontData final : GdiObjectData {
    explicit FontData(const LOGFONT& lf) : GdiObjectData(OBJ_FONT), logFont(lf) {}
    // Looked up on first use; null when no font file can serve it.
    const FontFace* Face();

    LOGFONT logFont;

private:
    bool m_resolved = false;
    std::shared_ptr<const FontFace> m_face;
};

} // namespace gdi
