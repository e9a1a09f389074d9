#include "driver/StatusText.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct ValueText {
    DWORD value;
    const char* text;
};

struct TextTable {
    const char* name;
    std::function<CString(DWORD)> render;
    std::vector<ValueText> rows;
};

std::vector<TextTable> Tables()
{
    return {
        {"NetworkMode", status_text::NetworkMode,
         {{0, " Ad-hoc "}, {1, " Infrastructure "}, {2, " Automatic "}, {3, " Unknown "},
          {0xFFFFFFFF, " Unknown "}}},
        {"Encryption", status_text::Encryption,
         {{0, " WEP "}, {1, " Disabled "}, {2, " Unknown "}, {3, " No encryption "},
          {4, " WEP / TKIP "}, {5, " Unknown "}, {6, " WEP / TKIP / AES "}, {7, " Unknown "},
          {0x80000000, " Unknown "}}},
        {"PowerMode", status_text::PowerMode,
         {{0, " Continuous Access "}, {1, " Maximum Power Saving "}, {2, " Fast Power Saving "},
          {3, " Unknown "}}},
        {"AuthMode", status_text::AuthMode,
         {{0, " Open Mode "}, {1, " Shared Mode "}, {2, " Auto Switch Mode "}, {3, " WPA Mode "},
          {4, " WPA PSK Mode "}, {5, " WPA None Mode "}, {6, " Athentication Type Unknown "},
          {0xFFFFFFFF, " Athentication Type Unknown "}}},
        {"LinkStatus", [](DWORD v) { return status_text::LinkStatus(static_cast<BYTE>(v)); },
         {{0, " Disconnected "}, {1, " Connected "}, {2, " Disconnected "}, {3, " Connected "},
          {4, " Disconnected "}, {5, " Connected "}, {6, " Disconnected "}, {7, " Disconnected "},
          {255, " Disconnected "}}},
        {"Channel", [](DWORD v) { return status_text::Channel(static_cast<BYTE>(v)); },
         {{0, " 0 "}, {1, " 1 "}, {11, " 11 "}, {14, " 14 "}, {255, " 255 "}}},
    };
}

TEST(StatusText, EveryTableRendersItsRowsExactly)
{
    for (const auto& table : Tables()) {
        for (const auto& row : table.rows) {
            EXPECT_EQ(std::string(table.render(row.value)), row.text)
                << table.name << "(" << row.value << ")";
        }
    }
}

TEST(StatusText, SsidHasOneLeadingSpaceAndStopsAtZeroOrSize)
{
    BYTE field[32] = {};
    EXPECT_EQ(std::string(status_text::Ssid(field, sizeof field)), " ");

    const std::string name = "HarbourView";
    std::copy(name.begin(), name.end(), field);
    EXPECT_EQ(std::string(status_text::Ssid(field, sizeof field)), " HarbourView");

    // A full 32-character name has no terminator: the text must end at the field.
    BYTE answer[36];
    std::fill(std::begin(answer), std::end(answer), static_cast<BYTE>('x'));
    std::fill(answer, answer + 32, static_cast<BYTE>('A'));
    EXPECT_EQ(std::string(status_text::Ssid(answer, 32)), " " + std::string(32, 'A'));
}

TEST(StatusText, AddressesAreUpperCaseColonPairs)
{
    const BYTE zero[6] = {};
    const BYTE station[6] = {0x00, 0x11, 0x22, 0xAA, 0xBB, 0xCC};
    const BYTE high[6] = {0xFF, 0xFE, 0x0A, 0x01, 0x10, 0x9F};
    EXPECT_EQ(std::string(status_text::Address(zero)), "00:00:00:00:00:00");
    EXPECT_EQ(std::string(status_text::Address(station)), "00:11:22:AA:BB:CC");
    EXPECT_EQ(std::string(status_text::Address(high)), "FF:FE:0A:01:10:9F");
}

TEST(StatusText, VersionsTakeTheirBytesInTheirOwnOrder)
{
    struct Row {
        BYTE at0, at2, at4;
        const char* firmware;
        const char* driverOrEeprom;
    };
    const Row rows[] = {
        {0, 0, 0, "0.00", "0.00"},
        {1, 8, 1, "8.11", "1.81"},
        {1, 10, 3, "10.31", "1.103"},
        {255, 255, 255, "255.255255", "255.255255"},
    };
    for (const auto& row : rows) {
        // Odd bytes are the high halves of the fields: never read.
        const BYTE version[12] = {row.at0, 0x77, row.at2, 0x77, row.at4, 0x77, 9, 9, 9, 9, 9, 9};
        EXPECT_EQ(std::string(status_text::FirmwareVersion(version)), row.firmware);
        EXPECT_EQ(std::string(status_text::DriverVersion(version)), row.driverOrEeprom);
        EXPECT_EQ(std::string(status_text::EepromVersion(version)), row.driverOrEeprom);
    }
}

}  // namespace
