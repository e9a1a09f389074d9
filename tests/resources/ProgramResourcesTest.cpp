#include "resources/ProgramResources.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/Library.h"

namespace {

using fw::ControlKind;
using K = ControlKind;

struct ControlRow {
    int dialog;
    int id;
    ControlKind kind;
    const char* caption;  // null: a sample text that the page replaces
};

// Every control with an id, as the pages look them up.
const ControlRow kControls[] = {
    {181, 1362, K::GroupBox, " Adapter Information "}, {181, 1363, K::Static, "Adapter Name:"},
    {181, 1364, K::Static, "Station Address:"}, {181, 1102, K::Static, nullptr}, {181, 1088, K::Static, nullptr},
    {181, 1365, K::GroupBox, " Internet Protocol "}, {181, 1366, K::Static, "IP Address:"},
    {181, 1367, K::Static, "Subnet Mask:"}, {181, 1368, K::Static, "Default Gateway:"},
    {181, 1369, K::Static, "DNS Server:"}, {181, 1103, K::Static, nullptr}, {181, 1105, K::Static, nullptr},
    {181, 1106, K::Static, nullptr}, {181, 1107, K::Static, nullptr},
    {181, 1370, K::GroupBox, " Connection Information "}, {181, 1371, K::Static, "Link Status:"},
    {181, 1372, K::Static, "Network Mode:"}, {181, 1373, K::Static, "Network ID (SSID) :"},
    {181, 1374, K::Static, "Encryption:"}, {181, 1375, K::Static, "Power Mode:"},
    {181, 1376, K::Static, "Channel/Frequency:"}, {181, 1101, K::Static, nullptr}, {181, 1100, K::Static, nullptr},
    {181, 1104, K::Static, nullptr}, {181, 1108, K::Static, nullptr}, {181, 1109, K::Static, nullptr},
    {181, 1094, K::Static, nullptr},

    {219, 1387, K::Static, " Current Network Statistics "}, {219, 1338, K::Edit, ""}, {219, 1390, K::Static, " Graph"},
    {219, 1401, K::Static, ""}, {219, 1391, K::GroupBox, " Tx Statistics "},
    {219, 1392, K::GroupBox, " Rx Statistics "}, {219, 1393, K::Static, "Tx Rate"}, {219, 1394, K::Static, "Rx Rate"},
    {219, 1397, K::Static, "0.0"}, {219, 1398, K::Static, "0.0"}, {219, 1399, K::Static, "bps"},
    {219, 1400, K::Static, "bps"}, {219, 1402, K::Static, ""}, {219, 1403, K::Static, ""},
    {219, 1334, K::ComboBox, ""}, {219, 1333, K::ComboBox, ""},

    {221, 1123, K::Static, " Norvel Wireless LAN Configuration Utility "}, {221, 1377, K::Static, "Computer Name:"},
    {221, 1378, K::Static, "Utility Version:"}, {221, 1379, K::Static, "Firmware Versioin:"},
    {221, 1380, K::Static, "EEP ROM Version:"}, {221, 1085, K::Static, nullptr}, {221, 1096, K::Static, nullptr},
    {221, 1097, K::Static, nullptr}, {221, 1098, K::Static, nullptr},
    {221, 1313, K::GroupBox, " Network Driver Information "}, {221, 1381, K::Static, "Driver Version:"},
    {221, 1382, K::Static, "Driver Date:"}, {221, 1384, K::Static, "Driver File:"}, {221, 1084, K::Static, nullptr},
    {221, 1091, K::Static, nullptr}, {221, 1087, K::Static, nullptr}, {221, 1385, K::Static, "Visit our web site"},
    {221, 1127, K::Static, nullptr}, {221, 1386, K::Static, nullptr},

    {220, 1001, K::PushButton, "&Refresh"}, {220, 1008, K::ListView, "List1"},
    {220, 1357, K::GroupBox, " WEP Key Setting "}, {220, 1314, K::PushButton, "&Connect"},
    {220, 1354, K::Static, "Network Name (SSID) :"}, {220, 1356, K::GroupBox, " Available Networks "},
    {220, 1355, K::Static, "Network Operating Mode:"}, {220, 1342, K::ComboBox, ""},
    {220, 1336, K::CheckBox, " Enable Users to Directly Enter SSID to Connect."},
    {220, 1337, K::CheckBox, " The WEP Keys are provided automatically."}, {220, 1358, K::Static, "WEP Key:"},
    {220, 1338, K::Edit, ""}, {220, 1359, K::Static, "Key Format:"}, {220, 1361, K::Static, "Key Index:"},
    {220, 1360, K::Static, "Key Length:"}, {220, 1341, K::ComboBox, ""}, {220, 1343, K::ComboBox, ""},
    {220, 1340, K::ComboBox, ""}, {220, 1101, K::Edit, ""}, {220, 1396, K::Edit, ""},
    {220, 1003, K::PushButton, "Connect"},

    {218, 1346, K::GroupBox, " Wireless Network Options "}, {218, 1353, K::Static, "Authentication Mode"},
    {218, 1344, K::ComboBox, ""}, {218, 1347, K::Static, "Power Saving"}, {218, 1345, K::ComboBox, ""},
    {218, 1348, K::Static, "Short Preamble"}, {218, 1335, K::ComboBox, ""}, {218, 1349, K::Static, "Transmit Rate"},
    {218, 1336, K::ComboBox, ""}, {218, 1124, K::PushButton, "&Restart Network Driver"},
    {218, 1125, K::PushButton, "&Apply Changes"}, {218, 1323, K::GroupBox, " Language and Region Options "},
    {218, 1350, K::Static, "Language:"}, {218, 1317, K::ComboBox, ""}, {218, 1351, K::Static, "Country:"},
    {218, 1337, K::ComboBox, ""}, {218, 1331, K::PushButton, "Change"}, {218, 1352, K::Static, " Explanation"},
};

struct DialogRow {
    int id;
    const char* caption;
    int cx, cy;
};
const DialogRow kDialogs[] = {
    {181, "Connection Status", 285, 286}, {220, "Wireless Network", 284, 285}, {218, "Advanced", 284, 282},
    {219, "Statistics", 284, 286}, {221, "Version", 284, 286},
};

const std::pair<UINT, const char*> kStrings[] = {
    {57344, "Norvel Wireless LAN Configuration Utility"},
    {10003, "Norvel Wireless LAN Configuration Utility is already running."},
    {10006, "(Brief explanation on Advanced Setting Options will be displayed here)"},
    {10007, " * Open Mode\n\tAllow All Wireless Clients irrespective of Athentication Mode\r\n * Shared Mode\n\tAllow All "
            "Wireless Clients whose Athentication Mode is Shared Mode"},
    {10008, " * Disable\n\tShort Preamble disabled (Default is Long Preamble)\n\r * Enable\n\tShort Preamble "
            "enabled\r\n\r\n (To make changes take effect, Driver should be Restarted)"},
    {10009, " * Continuous Access Mode (CAM)\n\tDevice is always ON\r\n * Power Mode MAX\n\tGreatest Power Saving mode "
            "for 802.11 NIC Radio\r\n * Power Mode Fast\n\tBest Combination of Performance and Power Usage"},
    {10010, " * Automatic\n\tDefault MAX Tx Rate is 11Mbps.\n\tThis MAX Tx Rate can be adjusted based on Network "
            "Status\r\n Other Rate\n\tMAX Tx Rate can be set manually\r\n\r\n (To make changes take effect, Driver "
            "should be Restarted)"},
    {10014, "To Make Changes take effect, Please reload the driver\nby clicking [Restart Network Driver] button.\nThis "
            "will disconnect the network for a few seconds"},
    {10015, "To Reload the Selected Language dll, Please Close the Window and Reopen it by clicking the Tray Icon"},
};

const int kIcons[] = {250, 251, 252, 253, 254, 255, 311, 312, 313, 314, 315};

// List entries that the pages select or read back by their text, identical in every module.
const std::pair<int, std::vector<std::string>> kListsMatchedByText[] = {
    {{220 * 10000 + 1342}, {"Ad-hoc", "Infrastructure", "Automatic"}},
    {{220 * 10000 + 1341}, {"ASCII Characters", "Hexadecimal Digits"}},
    {{220 * 10000 + 1343}, {"1", "2", "3", "4"}},
    {{220 * 10000 + 1340}, {"40 bits (5 Characters)", "40 bits (10 Digits)", "104 bits (13 Characters)", "104 bits (26 Digits)"}},
    {{219 * 10000 + 1334}, {"512K", "1M", "2M", "5M", "10M", "20M", "50M"}},
    {{219 * 10000 + 1333}, {"512K", "1M", "2M", "5M", "10M", "20M", "50M"}},
};
// Lists selected by position only; the English module has exactly these entries.
const std::pair<int, std::vector<std::string>> kListsByPosition[] = {
    {{218 * 10000 + 1344}, {"Open", "Shared"}},
    {{218 * 10000 + 1345}, {"Continuous Access Mode (CAM)", "Maximum Power Saving", "Fast Power Saving"}},
    {{218 * 10000 + 1335}, {"Disable", "Enable"}},
    {{218 * 10000 + 1336}, {"Auto", "1Mbps", "2Mbps", "5.5Mbps", "11Mbps"}},
    {{218 * 10000 + 1317}, {"English", "Japan", "French", "German", "Korean", "Chinese"}},
    {{218 * 10000 + 1337}, {"US", "Japan", "Korea"}},
};

const fw::ControlTemplate* FindControl(const fw::ResourceModule& m, int dialog, int id)
{
    const fw::DialogTemplate* d = m.find_dialog(dialog);
    if (!d)
        return nullptr;
    auto it = std::find_if(d->controls.begin(), d->controls.end(), [&](const auto& c) { return c.id == id; });
    return it == d->controls.end() ? nullptr : &*it;
}

struct ModuleCase {
    const char* library;  // null: the program's own module
    bool english;
};

void PrintTo(const ModuleCase& c, std::ostream* out) { *out << (c.library ? c.library : "program"); }

class EveryModule : public testing::TestWithParam<ModuleCase> {
protected:
    void SetUp() override
    {
        if (!GetParam().library) {
            m_module = &zephra::ProgramResources();
            return;
        }
        m_handle = LoadLibraryA(GetParam().library);
        ASSERT_NE(m_handle, nullptr) << fw::LastLibraryErrorText();
        m_module = fw::ModuleFromHandle(m_handle);
    }
    void TearDown() override
    {
        if (m_handle)
            FreeLibrary(m_handle);
    }

    const fw::ResourceModule& program() const { return zephra::ProgramResources(); }

    HMODULE m_handle = nullptr;
    const fw::ResourceModule* m_module = nullptr;
};

TEST_P(EveryModule, CarriesEveryControlWithItsIdKindAndCaption)
{
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE("dialog " + std::to_string(row.dialog) + ", control " + std::to_string(row.id));
        const fw::ControlTemplate* c = FindControl(*m_module, row.dialog, row.id);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->kind, row.kind);
        if (GetParam().english && row.caption) {
            EXPECT_EQ(c->text, row.caption);
        }
    }
    for (const DialogRow& row : kDialogs) {
        const fw::DialogTemplate* d = m_module->find_dialog(row.id);
        ASSERT_NE(d, nullptr) << row.id;
        EXPECT_EQ(d->font_name, "MS Sans Serif");
        EXPECT_EQ(d->point_size, 8);
        EXPECT_EQ(std::make_pair(d->cx, d->cy), std::make_pair(row.cx, row.cy)) << row.id;
        if (GetParam().english) {
            EXPECT_EQ(d->caption, row.caption);
        } else {
            EXPECT_FALSE(d->caption.empty());
        }
    }
}

TEST_P(EveryModule, HasTheProgramsLayoutAndBehaviour)
{
    for (const auto& [id, mine] : program().dialogs) {
        const fw::DialogTemplate* theirs = m_module->find_dialog(id);
        ASSERT_NE(theirs, nullptr) << id;
        ASSERT_EQ(theirs->controls.size(), mine.controls.size()) << id;
        for (std::size_t i = 0; i < mine.controls.size(); ++i) {
            const fw::ControlTemplate& a = mine.controls[i];
            const fw::ControlTemplate& b = theirs->controls[i];
            SCOPED_TRACE("dialog " + std::to_string(id) + ", control #" + std::to_string(i));
            EXPECT_EQ(b.id, a.id);
            EXPECT_EQ(b.kind, a.kind);
            EXPECT_EQ(b.style, a.style);
            EXPECT_EQ((std::vector<int>{b.x, b.y, b.cx, b.cy}), (std::vector<int>{a.x, a.y, a.cx, a.cy}));
            EXPECT_EQ(b.items.size(), a.items.size());
        }
    }
    for (const auto& [key, items] : kListsMatchedByText) {
        const fw::ControlTemplate* c = FindControl(*m_module, key / 10000, key % 10000);
        ASSERT_NE(c, nullptr) << key;
        EXPECT_EQ(c->items, items) << key;
    }
    if (GetParam().english) {
        for (const auto& [key, items] : kListsByPosition)
            EXPECT_EQ(FindControl(*m_module, key / 10000, key % 10000)->items, items) << key;
    }
}

TEST_P(EveryModule, HasEveryStringIconAndMenu)
{
    for (const auto& [id, text] : kStrings) {
        auto found = m_module->find_string(id);
        ASSERT_TRUE(found.has_value()) << id;
        if (GetParam().english) {
            EXPECT_EQ(*found, text) << id;
        }
    }
    for (int id : kIcons) {
        const fw::IconImage* icon = m_module->find_icon(id);
        ASSERT_NE(icon, nullptr) << id;
        EXPECT_EQ(icon->width, 16);
        EXPECT_EQ(icon->height, 16);
        EXPECT_EQ(icon->pixels, program().find_icon(id)->pixels) << id;
    }
    const fw::MenuTemplate* menu = m_module->find_menu(299);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->items.size(), 1u);
    const auto& popup = menu->items[0].popup;
    ASSERT_EQ(popup.size(), 3u);
    EXPECT_EQ(std::vector<UINT>({popup[0].command, popup[1].command, popup[2].command}),
              std::vector<UINT>({32777, 32779, 32778}));
    if (GetParam().english) {
        EXPECT_EQ(menu->items[0].text, "Menu");
        EXPECT_EQ(std::vector<std::string>({popup[0].text, popup[1].text, popup[2].text}),
                  std::vector<std::string>({"Show", "Hide", "Exit"}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    ProgramAndLibraries, EveryModule,
    testing::Values(ModuleCase{nullptr, true}, ModuleCase{"LangEN.DLL", true}, ModuleCase{"LangJP.DLL", false},
                    ModuleCase{"LangFR.DLL", false}, ModuleCase{"LangDE.DLL", false}, ModuleCase{"LangKO.DLL", false},
                    ModuleCase{"LangZH.DLL", false}),
    [](const testing::TestParamInfo<ModuleCase>& row) {
        std::string name = row.param.library ? row.param.library : "Program";
        return name.substr(0, name.find('.'));
    });

// The pictures follow their meaning: more lit bars for a stronger signal, a red cross when
// not connected, a blue ring for the network in use.
TEST(ProgramIcons, PicturesMatchTheirMeaning)
{
    const fw::ResourceModule& m = zephra::ProgramResources();
    auto count = [&](int id, auto is) {
        const auto& pixels = m.find_icon(id)->pixels;
        return std::count_if(pixels.begin(), pixels.end(), is);
    };
    auto green = [](std::uint32_t p) { return (p >> 24) && ((p >> 8) & 0xFF) > 0x60 && ((p >> 16) & 0xFF) < 0x40; };
    auto red = [](std::uint32_t p) { return (p >> 24) && ((p >> 16) & 0xFF) > 0xC0 && ((p >> 8) & 0xFF) < 0x40; };
    auto blue = [](std::uint32_t p) { return (p >> 24) && (p & 0xFF) > 0xC0 && ((p >> 16) & 0xFF) < 0x40; };

    EXPECT_EQ(count(250, green), 0);
    for (int id = 251; id <= 255; ++id)
        EXPECT_GT(count(id, green), count(id - 1, green)) << id;
    EXPECT_GT(count(315, red), 0);
    EXPECT_EQ(count(315, green), 0);
    for (int id : {311, 312})
        EXPECT_GT(count(id, blue), 20) << id;
    for (int id : {313, 314})
        EXPECT_EQ(count(id, blue), 0) << id;
}

}  // namespace
