#pragma once
// The display texts of the adapter's answers. The spaces around them are part of the
// texts: the pages and the tray compare with the spaced form.

#include "framework/CString.h"
#include "platform/WinTypes.h"

namespace status_text {

CString NetworkMode(DWORD value);      // " Ad-hoc ", " Infrastructure ", ...
CString Encryption(DWORD value);       // " WEP ", " Disabled ", ...
CString PowerMode(DWORD value);        // " Continuous Access ", ...
CString AuthMode(DWORD value);         // " Open Mode ", ...
CString LinkStatus(BYTE value);        // " Connected " / " Disconnected "
CString Channel(BYTE value);           // " 11 "
// `ssid` points at the 32-byte SSID field; it is read up to its first zero but never
// past `size` bytes, so an unterminated 32-character name stays inside the answer.
CString Ssid(const BYTE* ssid, std::size_t size);
CString Address(const BYTE address[6]);  // "00:11:22:AA:BB:CC"
// `version` points at the 12-byte version answer.
CString FirmwareVersion(const BYTE* version);
CString DriverVersion(const BYTE* version);
CString EepromVersion(const BYTE* version);

}  // namespace status_text

namespace hex_text {

// Writes over `buffer` the lower-case hex text of its first `count` bytes (0-13) and a
// terminating zero; the buffer holds 2 * count + 1 characters. Other counts change nothing.
void BytesToHex(char* buffer, int count);
// Converts the first `count` (0-26) hex digits of `buffer` into bytes written over its
// start, then a terminating zero. Other counts or a non-hex character change nothing.
void HexToBytes(char* buffer, int count);
// Value of a string of hex digits, most significant first.
DWORD HexValue(const char* text);

}  // namespace hex_text
