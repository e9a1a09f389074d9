#include "framework/CTime.h"

CTime::CTime(const FILETIME& fileTime)
{
    FILETIME local;
    SYSTEMTIME parts;
    if (!FileTimeToLocalFileTime(&fileTime, &local) || !FileTimeToSystemTime(&local, &parts))
        return;
    std::tm tm{};
    tm.tm_year = parts.wYear - 1900;
    tm.tm_mon = parts.wMonth - 1;
    tm.tm_mday = parts.wDay;
    tm.tm_hour = parts.wHour;
    tm.tm_min = parts.wMinute;
    tm.tm_sec = parts.wSecond;
    tm.tm_isdst = -1;
    m_time = std::mktime(&tm);
}

std::tm CTime::Local() const
{
    std::tm tm{};
    localtime_r(&m_time, &tm);
    return tm;
}
