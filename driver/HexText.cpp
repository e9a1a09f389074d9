#include "driver/StatusText.h"

namespace hex_text {

namespace {

constexpr int kMaxKeyBytes = 13;
constexpr int kMaxKeyDigits = 2 * kMaxKeyBytes;

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsHexDigit(char c) { return DigitValue(c) >= 0; }

}  // namespace

void BytesToHex(char* buffer, int count)
{
    if (count < 0 || count > kMaxKeyBytes)
        return;
    static const char digits[] = "0123456789abcdef";
    // Back to front: byte i lands at 2i and 2i+1, never over a byte not yet read.
    for (int i = count - 1; i >= 0; --i) {
        const auto byte = static_cast<unsigned char>(buffer[i]);
        buffer[2 * i] = digits[byte >> 4];
        buffer[2 * i + 1] = digits[byte & 0x0F];
    }
    buffer[2 * count] = '\0';
}

void HexToBytes(char* buffer, int count)
{
    if (count < 0 || count > kMaxKeyDigits)
        return;
    for (int i = 0; i < count; ++i) {
        if (!IsHexDigit(buffer[i]))
            return;
    }
    const int byteCount = (count + 1) / 2;
    for (int j = 0; j < byteCount; ++j) {
        char pair[3] = {buffer[2 * j], buffer[2 * j + 1], '\0'};
        // An odd count borrows the next character; one that is not a digit (the
        // terminator, or anything unchecked) leaves the last digit to stand alone.
        if (!IsHexDigit(pair[1]))
            pair[1] = '\0';
        buffer[j] = static_cast<char>(HexValue(pair));
    }
    buffer[byteCount] = '\0';
}

DWORD HexValue(const char* text)
{
    DWORD value = 0;
    for (; *text != '\0' && IsHexDigit(*text); ++text)
        value = value * 16 + static_cast<DWORD>(DigitValue(*text));
    return value;
}

}  // namespace hex_text
