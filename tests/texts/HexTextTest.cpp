#include "driver/StatusText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct ToHexRow {
    std::string bytes;
    int count;
    std::string expected;  // the buffer's text afterwards
};

TEST(BytesToHex, WritesLowerCaseDigitsInPlaceOrNothingForBadCounts)
{
    const ToHexRow rows[] = {
        {std::string("\x01\xAB", 2), 2, "01ab"},
        {"abcde", 5, "6162636465"},
        {"Q", 0, ""},
        {std::string("\x00\xFF\x10", 3), 3, "00ff10"},
        {"0123456789abc", 13, "30313233343536373839616263"},
        {"0123456789abcd", 14, "0123456789abcd"},
        {"abc", -1, "abc"},
    };
    for (const auto& row : rows) {
        char buffer[32] = {};
        std::memcpy(buffer, row.bytes.data(), row.bytes.size());
        hex_text::BytesToHex(buffer, row.count);
        EXPECT_EQ(std::string(buffer, std::strlen(buffer)), row.expected) << "count " << row.count;
    }
}

struct ToBytesRow {
    const char* text;
    int count;
    std::string expected;  // the buffer's first bytes afterwards, up to the terminator written
    bool changed;
};

TEST(HexToBytes, ConvertsPairsInPlaceOrLeavesTheBufferAlone)
{
    const ToBytesRow rows[] = {
        {"FF", 2, "\xFF", true},
        {"ff", 2, "\xFF", true},
        {"00ff", 4, std::string("\x00\xFF", 2), true},
        {"0A1b2C3d4E", 10, "\x0A\x1B\x2C\x3D\x4E", true},
        {"00000000000000000000000001", 26, std::string(12, '\0') + "\x01", true},
        {"", 0, "", true},
        // Odd counts: the last pair borrows the following character, or stands alone at the end.
        {"abc", 3, "\xAB\x0C", true},
        {"abcd", 3, "\xAB\xCD", true},
        {"abcx", 3, "\xAB\x0C", true},
        // Refused: a non-digit inside the count, or a count out of range.
        {"0g", 2, "0g", false},
        {"zz", 0, "", true},
        {"00112233445566778899aabbccd", 27, "00112233445566778899aabbccd", false},
        {"ab", -2, "ab", false},
    };
    for (const auto& row : rows) {
        char buffer[40] = {};
        std::strcpy(buffer, row.text);
        char before[40];
        std::memcpy(before, buffer, sizeof buffer);
        hex_text::HexToBytes(buffer, row.count);
        if (!row.changed) {
            EXPECT_EQ(std::memcmp(buffer, before, sizeof buffer), 0) << row.text;
            continue;
        }
        const std::size_t n = row.expected.size();
        EXPECT_EQ(std::string(buffer, n), row.expected) << row.text;
        EXPECT_EQ(buffer[n], '\0') << row.text;
    }
}

TEST(HexValue, ReadsMostSignificantDigitFirstInEitherCase)
{
    EXPECT_EQ(hex_text::HexValue(""), 0u);
    EXPECT_EQ(hex_text::HexValue("7"), 7u);
    EXPECT_EQ(hex_text::HexValue("fF"), 255u);
    EXPECT_EQ(hex_text::HexValue("Ab09"), 0xAB09u);
    EXPECT_EQ(hex_text::HexValue("deadBEEF"), 0xDEADBEEFu);
}

}  // namespace
