#include "driver/StatusText.h"

#include <cstring>

namespace status_text {

namespace {

CString Formatted(const char* format, int a, int b, int c)
{
    CString text;
    text.Format(format, a, b, c);
    return text;
}

}  // namespace

CString NetworkMode(DWORD value)
{
    switch (value) {
    case 0: return " Ad-hoc ";
    case 1: return " Infrastructure ";
    case 2: return " Automatic ";
    default: return " Unknown ";
    }
}

CString Encryption(DWORD value)
{
    switch (value) {
    case 0: return " WEP ";
    case 1: return " Disabled ";
    case 3: return " No encryption ";
    case 4: return " WEP / TKIP ";
    case 6: return " WEP / TKIP / AES ";
    default: return " Unknown ";
    }
}

CString PowerMode(DWORD value)
{
    switch (value) {
    case 0: return " Continuous Access ";
    case 1: return " Maximum Power Saving ";
    case 2: return " Fast Power Saving ";
    default: return " Unknown ";
    }
}

CString AuthMode(DWORD value)
{
    switch (value) {
    case 0: return " Open Mode ";
    case 1: return " Shared Mode ";
    case 2: return " Auto Switch Mode ";
    case 3: return " WPA Mode ";
    case 4: return " WPA PSK Mode ";
    case 5: return " WPA None Mode ";
    // The stored texts and the pages use this spelling.
    default: return " Athentication Type Unknown ";
    }
}

CString LinkStatus(BYTE value)
{
    // The adapter sets bit 0 when associated; bits 1 and 2 carry other state.
    return (value == 1 || value == 3 || value == 5) ? " Connected " : " Disconnected ";
}

CString Channel(BYTE value)
{
    CString text;
    text.Format(" %d ", static_cast<int>(value));
    return text;
}

CString Ssid(const BYTE* ssid, std::size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(ssid);
    return CString(" ") + CString(std::string(bytes, strnlen(bytes, size)));
}

CString Address(const BYTE address[6])
{
    CString text;
    text.Format("%02X:%02X:%02X:%02X:%02X:%02X", address[0], address[1], address[2], address[3],
                address[4], address[5]);
    return text;
}

CString FirmwareVersion(const BYTE* version)
{
    return Formatted("%d.%d%d", version[2], version[4], version[0]);
}

CString DriverVersion(const BYTE* version)
{
    return Formatted("%d.%d%d", version[0], version[2], version[4]);
}

CString EepromVersion(const BYTE* version)
{
    return Formatted("%d.%d%d", version[0], version[2], version[4]);
}

}  // namespace status_text
