#pragma once
// Finds font files for logical fonts through fontconfig and keeps the realised faces.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <tuple>

#include "framework/gdi/FontFace.h"
#include "framework/gdi/GdiTypes.h"

namespace gdi {

class FontLibrary {
public:
    static FontLibrary& Instance();

    // Null when no usable font file exists.
    std::shared_ptr<const FontFace> Resolve(const LOGFONT& logFont);

    // The family and language a logical font asks for, after the platform's names are mapped.
    struct Request {
        std::string family;
        std::string language;
    };
    static Request RequestFor(const LOGFONT& logFont);

private:
    FontLibrary();
    ~FontLibrary() = delete;
    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;

    static FontFile Fallback(char32_t codePoint, const std::string& language, int weight, bool italic);
    FontFile Match(const Request& request, int weight, bool italic, char32_t codePoint);

    using Key = std::tuple<std::string, std::string, LONG, LONG, LONG, bool, bool>;

    std::mutex m_mutex;
    FT_Library m_freeType = nullptr;
    std::map<Key, std::shared_ptr<const FontFace>> m_faces;
};

} // namespace gdi
