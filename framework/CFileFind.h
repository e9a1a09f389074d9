#pragma once
// Finds the files that match a path (wildcards in the last name) and reads the one found.

#include "framework/CString.h"
#include "framework/CTime.h"
#include "platform/Files.h"

class CFileFind {
public:
    CFileFind() = default;
    ~CFileFind() { Close(); }
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Starts a search; FALSE when nothing matches. FindNextFile then steps to each match.
    BOOL FindFile(LPCSTR name);
    // Steps to the next match; FALSE once the last match is current (it stays readable).
    BOOL FindNextFile();
    void Close();

    CString GetFileName() const;
    BOOL GetLastWriteTime(CTime& time) const;

private:
    HANDLE m_search = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA m_next{};   // the match FindNextFile makes current
    WIN32_FIND_DATAA m_found{};  // the current match
    bool m_hasNext = false;
    bool m_hasFound = false;
};
