#pragma once
// One logical font realised at its pixel size: a face from a font file, faces that stand in
// for characters it lacks, and the rendered glyphs.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/gdi/GdiTypes.h"
#include "framework/gdi/TextMask.h"

namespace gdi {

struct FontFile {
    std::string path;
    int index = 0;
    int weight = FW_NORMAL;
    bool italic = false;
};

class FontFace {
public:
    // What the face should look like; the file may need bold or slant added.
    struct Style {
        LONG height = 0;
        LONG width = 0;
        int weight = FW_NORMAL;
        bool italic = false;
        bool antialiased = true;
        std::string language;
    };
    using FallbackFinder = FontFile (*)(char32_t codePoint, const std::string& language, int weight, bool italic);

    static std::unique_ptr<FontFace> Open(FT_Library library, const FontFile& file, const Style& style,
                                          FallbackFinder findFallback);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    int Ascent() const { return m_ascent; }
    int Descent() const { return m_descent; }
    int InternalLeading() const { return m_internalLeading; }
    int AverageWidth() const { return m_averageWidth; }
    int MaximumWidth() const { return m_maximumWidth; }

    int Measure(const std::u32string& text) const;
    TextMask Render(const std::u32string& text, bool underline, bool strikeOut) const;

private:
    struct Face {
        FT_Face face = nullptr;
        bool addBold = false;
        bool addSlant = false;
    };
    struct Glyph {
        int advance = 0;
        int left = 0;
        int top = 0;
        int width = 0;
        int rows = 0;
        std::vector<std::uint8_t> coverage;
    };

    FontFace(FT_Library library, const Style& style, FallbackFinder findFallback);
    bool AddFace(const FontFile& file);
    bool SizeFace(FT_Face face) const;
    void ComputeMetrics();
    const Glyph& GlyphFor(char32_t codePoint) const;
    std::size_t FaceFor(char32_t codePoint, FT_UInt& glyphIndex) const;
    Glyph LoadGlyph(const Face& face, FT_UInt glyphIndex) const;

    FT_Library m_library;
    Style m_style;
    FallbackFinder m_findFallback;
    FT_F26Dot6 m_emWidth = 0;
    FT_F26Dot6 m_emHeight = 0;
    int m_ascent = 0;
    int m_descent = 0;
    int m_internalLeading = 0;
    int m_averageWidth = 0;
    int m_maximumWidth = 0;
    int m_underlinePosition = 0;
    int m_underlineThickness = 1;
    int m_strikeOutPosition = 0;

    mutable std::mutex m_mutex;
    mutable std::vector<Face> m_faces;
    mutable std::unordered_map<std::string, std::size_t> m_faceByFile;
    mutable std::unordered_map<char32_t, Glyph> m_glyphs;
};

} // namespace gdi
