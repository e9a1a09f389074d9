#include "pages/DriverFileDate.h"

#include "framework/CFileFind.h"
#include "platform/Files.h"
#include "platform/Kernel.h"

namespace {
constexpr char kDriverFolder[] = "\\system32\\drivers\\";
constexpr UINT kPathBufferSize = 256;

constexpr const char* kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};

const char* MonthName(int month)
{
    return month >= 1 && month <= 12 ? kMonthNames[month - 1] : kMonthNames[11];
}
}  // namespace

CString DriverFileDate()
{
    char windows[kPathBufferSize] = {};
    GetWindowsDirectoryA(windows, kPathBufferSize);
    CString path;
    path.Format("%s", windows);
    path += kDriverFolder;
    path += kDriverFileName;

    CString date;
    CFileFind find;
    if (!find.FindFile(path))
        return date;
    find.FindNextFile();
    CTime written;
    if (find.GetLastWriteTime(written))
        date.Format("%s %d, %d", MonthName(written.GetMonth()), written.GetDay(), written.GetYear());
    return date;
}
