#pragma once
// A moment in time, read in local time.

#include <ctime>

#include "platform/Files.h"

class CTime {
public:
    CTime() = default;
    explicit CTime(std::time_t time) : m_time(time) {}
    // A file time, read as local time.
    explicit CTime(const FILETIME& fileTime);

    std::time_t GetTime() const { return m_time; }
    int GetYear() const { return Local().tm_year + 1900; }
    int GetMonth() const { return Local().tm_mon + 1; }
    int GetDay() const { return Local().tm_mday; }
    int GetHour() const { return Local().tm_hour; }
    int GetMinute() const { return Local().tm_min; }
    int GetSecond() const { return Local().tm_sec; }

private:
    std::tm Local() const;

    std::time_t m_time = 0;
};
