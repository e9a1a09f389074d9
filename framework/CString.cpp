#include "framework/CString.h"

#include <algorithm>
#include <cctype>
#include <vector>

void CString::FormatV(const char* format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n < 0) {
        m_s.clear();
        return;
    }
    std::vector<char> buffer(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    m_s.assign(buffer.data(), static_cast<std::size_t>(n));
}

void CString::MakeUpper()
{
    std::transform(m_s.begin(), m_s.end(), m_s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
}

void CString::MakeLower()
{
    std::transform(m_s.begin(), m_s.end(), m_s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
}

void CString::TrimLeft()
{
    m_s.erase(m_s.begin(), std::find_if(m_s.begin(), m_s.end(), [](unsigned char c) { return !std::isspace(c); }));
}

void CString::TrimRight()
{
    m_s.erase(std::find_if(m_s.rbegin(), m_s.rend(), [](unsigned char c) { return !std::isspace(c); }).base(), m_s.end());
}
