#include "framework/CFileFind.h"

BOOL CFileFind::FindFile(LPCSTR name)
{
    Close();
    m_search = FindFirstFileA(name, &m_next);
    m_hasNext = m_search != INVALID_HANDLE_VALUE;
    return m_hasNext ? TRUE : FALSE;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_hasNext)
        return FALSE;
    m_found = m_next;
    m_hasFound = true;
    m_hasNext = FindNextFileA(m_search, &m_next) != FALSE;
    return m_hasNext ? TRUE : FALSE;
}

void CFileFind::Close()
{
    if (m_search != INVALID_HANDLE_VALUE)
        FindClose(m_search);
    m_search = INVALID_HANDLE_VALUE;
    m_hasNext = false;
    m_hasFound = false;
}

CString CFileFind::GetFileName() const { return m_hasFound ? CString(m_found.cFileName) : CString(); }

BOOL CFileFind::GetLastWriteTime(CTime& time) const
{
    if (!m_hasFound)
        return FALSE;
    time = CTime(m_found.ftLastWriteTime);
    return TRUE;
}
