#pragma once
// The framework's string: a byte string in the system's code page, with the operations
// the system's classes use. Implicitly readable as a C string, as the system expects.

#include <cstdarg>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/WinTypes.h"

class CString {
public:
    CString() = default;
    CString(const char* s) : m_s(s ? s : "") {}
    CString(const std::string& s) : m_s(s) {}
    CString(std::string&& s) : m_s(std::move(s)) {}
    CString(std::string_view s) : m_s(s) {}
    CString(char c, int count = 1) : m_s(static_cast<std::size_t>(count > 0 ? count : 0), c) {}

    operator const char*() const { return m_s.c_str(); }
    const char* c_str() const { return m_s.c_str(); }
    const std::string& str() const { return m_s; }

    int GetLength() const { return static_cast<int>(m_s.size()); }
    BOOL IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    char GetAt(int i) const { return m_s[static_cast<std::size_t>(i)]; }
    char operator[](int i) const { return GetAt(i); }

    CString& operator=(const char* s) { m_s = s ? s : ""; return *this; }
    CString& operator+=(const CString& s) { m_s += s.m_s; return *this; }
    CString& operator+=(const char* s) { m_s += s ? s : ""; return *this; }
    CString& operator+=(char c) { m_s += c; return *this; }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_s + b.m_s); }
    friend CString operator+(const CString& a, const char* b) { return CString(a.m_s + (b ? b : "")); }
    friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.m_s); }
    friend bool operator==(const CString& a, const CString& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CString& a, const char* b) { return a.m_s == (b ? b : ""); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_s < b.m_s; }

    int Compare(const char* s) const { return m_s.compare(s ? s : ""); }
    int Find(const char* sub, int start = 0) const
    {
        auto pos = m_s.find(sub ? sub : "", static_cast<std::size_t>(start < 0 ? 0 : start));
        return pos == std::string::npos ? -1 : static_cast<int>(pos);
    }
    int Find(char c, int start = 0) const
    {
        auto pos = m_s.find(c, static_cast<std::size_t>(start < 0 ? 0 : start));
        return pos == std::string::npos ? -1 : static_cast<int>(pos);
    }
    CString Left(int n) const { return CString(m_s.substr(0, clamp(n))); }
    CString Right(int n) const { return CString(m_s.substr(m_s.size() - clamp(n))); }
    CString Mid(int first, int n = -1) const
    {
        std::size_t f = clamp(first);
        return CString(m_s.substr(f, n < 0 ? std::string::npos : static_cast<std::size_t>(n)));
    }
    void MakeUpper();
    void MakeLower();
    void TrimLeft();
    void TrimRight();

    // printf-style formatting into this string.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)))
    {
        va_list args;
        va_start(args, format);
        FormatV(format, args);
        va_end(args);
    }
    void FormatV(const char* format, va_list args);

    // Loads string `nID` from the current resource module; FALSE (and empty) when absent.
    BOOL LoadString(UINT nID);

private:
    std::size_t clamp(int n) const
    {
        if (n < 0)
            return 0;
        return static_cast<std::size_t>(n) > m_s.size() ? m_s.size() : static_cast<std::size_t>(n);
    }
    std::string m_s;
};
