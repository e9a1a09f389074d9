#pragma once

#include <string>
#include <string_view>

namespace gdi {

// Bytes that are not well-formed UTF-8 stand for themselves (Latin-1), so no text is lost.
std::u32string DecodeUtf8(std::string_view text);
bool IsValidUtf8(std::string_view text);

} // namespace gdi
