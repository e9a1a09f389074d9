#include "framework/gdi/FontFace.h"

#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

namespace gdi {

namespace {

constexpr int kBoldThreshold = FW_SEMIBOLD;
// The height of a font that asks for none.
constexpr LONG kDefaultCellHeight = 16;

int Round26(FT_Pos value)
{
    return static_cast<int>((value + 32) >> 6);
}

} // namespace

FontFace::FontFace(FT_Library library, const Style& style, FallbackFinder findFallback)
    : m_library(library), m_style(style), m_findFallback(findFallback)
{
}

FontFace::~FontFace()
{
    for (Face& face : m_faces)
        FT_Done_Face(face.face);
}

std::unique_ptr<FontFace> FontFace::Open(FT_Library library, const FontFile& file, const Style& style,
                                         FallbackFinder findFallback)
{
    std::unique_ptr<FontFace> font(new FontFace(library, style, findFallback));
    FT_Face face = nullptr;
    if (FT_New_Face(library, file.path.c_str(), file.index, &face) != 0)
        return nullptr;
    if (!FT_IS_SCALABLE(face)) {
        FT_Done_Face(face);
        return nullptr;
    }
    font->m_faces.push_back({face, style.weight >= kBoldThreshold && file.weight < kBoldThreshold,
                             style.italic && !file.italic});
    font->m_faceByFile.emplace(file.path + '#' + std::to_string(file.index), 0);
    font->ComputeMetrics();
    if (!font->SizeFace(face))
        return nullptr;
    return font;
}

// Cell height maps to the file's Windows ascent plus descent, character height to the em.
void FontFace::ComputeMetrics()
{
    FT_Face face = m_faces.front().face;
    const double unitsPerEm = face->units_per_EM;
    double ascentUnits = face->ascender;
    double descentUnits = -face->descender;
    double averageUnits = unitsPerEm / 2;
    double strikeUnits = unitsPerEm / 4;
    if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2)); os2 && os2->version != 0xFFFF) {
        if (os2->usWinAscent + os2->usWinDescent > 0) {
            ascentUnits = os2->usWinAscent;
            descentUnits = os2->usWinDescent;
        }
        if (os2->xAvgCharWidth > 0)
            averageUnits = os2->xAvgCharWidth;
        if (os2->yStrikeoutPosition > 0)
            strikeUnits = os2->yStrikeoutPosition;
    }
    const LONG requested = m_style.height == 0 ? kDefaultCellHeight : m_style.height;
    const double em = requested > 0 ? requested * unitsPerEm / (ascentUnits + descentUnits) : -static_cast<double>(requested);
    const double scale = em / unitsPerEm;
    m_ascent = static_cast<int>(std::lround(ascentUnits * scale));
    m_descent = requested > 0 ? static_cast<int>(requested) - m_ascent : static_cast<int>(std::lround(descentUnits * scale));
    m_internalLeading = std::max(0, m_ascent + m_descent - static_cast<int>(std::lround(em)));

    double emWidth = em;
    if (m_style.width > 0)
        emWidth = m_style.width * unitsPerEm / averageUnits;
    const double xScale = emWidth / unitsPerEm;
    m_emHeight = std::max<FT_F26Dot6>(64, std::lround(em * 64));
    m_emWidth = std::max<FT_F26Dot6>(64, std::lround(emWidth * 64));
    m_averageWidth = m_style.width > 0 ? static_cast<int>(m_style.width) : static_cast<int>(std::lround(averageUnits * xScale));
    m_maximumWidth = static_cast<int>(std::lround(face->max_advance_width * xScale));
    m_underlinePosition = static_cast<int>(std::lround(-face->underline_position * scale));
    m_underlineThickness = std::max(1, static_cast<int>(std::lround(face->underline_thickness * scale)));
    m_strikeOutPosition = static_cast<int>(std::lround(strikeUnits * scale));
}

bool FontFace::SizeFace(FT_Face face) const
{
    return FT_Set_Char_Size(face, m_emWidth, m_emHeight, 72, 72) == 0;
}

bool FontFace::AddFace(const FontFile& file)
{
    FT_Face face = nullptr;
    if (FT_New_Face(m_library, file.path.c_str(), file.index, &face) != 0)
        return false;
    if (!FT_IS_SCALABLE(face) || !SizeFace(face)) {
        FT_Done_Face(face);
        return false;
    }
    m_faces.push_back({face, m_style.weight >= kBoldThreshold && file.weight < kBoldThreshold,
                       m_style.italic && !file.italic});
    return true;
}

std::size_t FontFace::FaceFor(char32_t codePoint, FT_UInt& glyphIndex) const
{
    glyphIndex = FT_Get_Char_Index(m_faces.front().face, codePoint);
    if (glyphIndex != 0 || !m_findFallback)
        return 0;
    for (std::size_t i = 1; i < m_faces.size(); ++i) {
        glyphIndex = FT_Get_Char_Index(m_faces[i].face, codePoint);
        if (glyphIndex != 0)
            return i;
    }
    const FontFile file = m_findFallback(codePoint, m_style.language, m_style.weight, m_style.italic);
    if (file.path.empty())
        return 0;
    const std::string key = file.path + '#' + std::to_string(file.index);
    auto it = m_faceByFile.find(key);
    if (it == m_faceByFile.end()) {
        if (!const_cast<FontFace*>(this)->AddFace(file))
            return 0;
        it = m_faceByFile.emplace(key, m_faces.size() - 1).first;
    }
    const FT_UInt index = FT_Get_Char_Index(m_faces[it->second].face, codePoint);
    if (index == 0)
        return 0;
    glyphIndex = index;
    return it->second;
}

FontFace::Glyph FontFace::LoadGlyph(const Face& face, FT_UInt glyphIndex) const
{
    Glyph glyph;
    FT_Int32 flags = m_style.antialiased ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO;
    if (face.addBold || face.addSlant)
        flags |= FT_LOAD_NO_BITMAP;
    if (FT_Load_Glyph(face.face, glyphIndex, flags) != 0)
        return glyph;
    FT_GlyphSlot slot = face.face->glyph;
    if (face.addSlant)
        FT_GlyphSlot_Oblique(slot);
    if (face.addBold)
        FT_GlyphSlot_Embolden(slot);
    glyph.advance = Round26(slot->advance.x);
    if (FT_Render_Glyph(slot, m_style.antialiased ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0)
        return glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.rows));
    for (int y = 0; y < glyph.rows; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        for (int x = 0; x < glyph.width; ++x) {
            std::uint8_t value = 0;
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
                value = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
            else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY)
                value = static_cast<std::uint8_t>(bitmap.num_grays == 256 ? row[x] : row[x] * 255 / (bitmap.num_grays - 1));
            glyph.coverage[static_cast<std::size_t>(y * glyph.width + x)] = value;
        }
    }
    return glyph;
}

const FontFace::Glyph& FontFace::GlyphFor(char32_t codePoint) const
{
    auto it = m_glyphs.find(codePoint);
    if (it != m_glyphs.end())
        return it->second;
    Glyph glyph;
    // Control characters take no room and leave no ink.
    if (codePoint >= 0x20 && codePoint != 0x7F) {
        FT_UInt glyphIndex = 0;
        const std::size_t face = FaceFor(codePoint, glyphIndex);
        glyph = LoadGlyph(m_faces[face], glyphIndex);
    }
    return m_glyphs.emplace(codePoint, std::move(glyph)).first->second;
}

int FontFace::Measure(const std::u32string& text) const
{
    std::lock_guard lock(m_mutex);
    int width = 0;
    for (char32_t c : text)
        width += GlyphFor(c).advance;
    return width;
}

TextMask FontFace::Render(const std::u32string& text, bool underline, bool strikeOut) const
{
    std::lock_guard lock(m_mutex);
    struct Placed {
        const Glyph* glyph;
        int x;
    };
    std::vector<Placed> placed;
    placed.reserve(text.size());
    TextMask mask;
    mask.ascent = m_ascent;
    mask.cellHeight = m_ascent + m_descent;
    int penX = 0;
    int left = 0, top = 0, right = 0, bottom = mask.cellHeight;
    for (char32_t c : text) {
        const Glyph& glyph = GlyphFor(c);
        placed.push_back({&glyph, penX});
        if (glyph.width > 0 && glyph.rows > 0) {
            left = std::min(left, penX + glyph.left);
            right = std::max(right, penX + glyph.left + glyph.width);
            top = std::min(top, m_ascent - glyph.top);
            bottom = std::max(bottom, m_ascent - glyph.top + glyph.rows);
        }
        penX += glyph.advance;
    }
    mask.cellWidth = penX;
    right = std::max(right, penX);
    mask.left = left;
    mask.top = top;
    mask.width = right - left;
    mask.height = bottom - top;
    mask.coverage.assign(static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height), 0);
    auto put = [&mask](int x, int y, std::uint8_t value) {
        std::uint8_t& cell = mask.coverage[static_cast<std::size_t>((y - mask.top) * mask.width + (x - mask.left))];
        cell = std::max(cell, value);
    };
    for (const Placed& p : placed) {
        const Glyph& g = *p.glyph;
        for (int y = 0; y < g.rows; ++y)
            for (int x = 0; x < g.width; ++x)
                put(p.x + g.left + x, m_ascent - g.top + y, g.coverage[static_cast<std::size_t>(y * g.width + x)]);
    }
    auto bar = [&](int y0, int thickness) {
        for (int y = y0; y < y0 + thickness; ++y)
            if (y >= mask.top && y < mask.top + mask.height)
                for (int x = 0; x < mask.cellWidth; ++x)
                    put(x, y, 255);
    };
    if (underline)
        bar(std::min(m_ascent + m_underlinePosition, mask.cellHeight - m_underlineThickness), m_underlineThickness);
    if (strikeOut)
        bar(m_ascent - m_strikeOutPosition, m_underlineThickness);
    return mask;
}

} // namespace gdi
