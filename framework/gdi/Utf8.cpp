#include "framework/gdi/Utf8.h"

namespace gdi {

namespace {

// Length of the well-formed sequence at the start of text, 0 if there is none.
std::size_t SequenceLength(std::string_view text, char32_t& codePoint)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1Fu;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0Fu;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07u;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3Fu);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    codePoint = value;
    return length;
}

} // namespace

std::u32string DecodeUtf8(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    while (!text.empty()) {
        char32_t codePoint = 0;
        std::size_t length = SequenceLength(text, codePoint);
        if (length == 0) {
            codePoint = static_cast<unsigned char>(text[0]);
            length = 1;
        }
        out.push_back(codePoint);
        text.remove_prefix(length);
    }
    return out;
}

bool IsValidUtf8(std::string_view text)
{
    while (!text.empty()) {
        char32_t codePoint = 0;
        const std::size_t length = SequenceLength(text, codePoint);
        if (length == 0)
            return false;
        text.remove_prefix(length);
    }
    return true;
}

} // namespace gdi
