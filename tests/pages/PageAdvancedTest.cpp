#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "AdvancedFixture.h"

namespace {

using namespace advanced_test;
namespace res = zephra::res;

constexpr const char* kParamNames[] = {"AuthenticationType", "PSMode", "ShortPreamble", "TransmitRate"};
using DriverValues = std::map<std::string, std::optional<std::string>>;

DriverValues Stored(AdvancedPage& p)
{
    DriverValues values;
    for (const char* name : kParamNames)
        values[name] = driver_key::Read(p.ui.machine(), name);
    return values;
}

struct ApplyCase {
    const char* name;
    std::function<void(AdvancedPage&)> choose;
    std::vector<std::pair<std::uint32_t, int>> sets;
    DriverValues written;
    int restartBoxes;
};

TEST(PageAdvanced, ApplySendsAndWritesOnlyWhatChangedInOrder)
{
    const ApplyCase cases[] = {
        {"nothing changed", [](AdvancedPage&) {}, {}, {}, 0},
        {"authentication alone",
         [](AdvancedPage& p) { p.ui.select(p.Control(IDC_AUTH), 1); },
         {{OID_802_11_AUTHENTICATION_MODE, 1}},
         {{"AuthenticationType", "1"}},
         0},
        {"power saving alone",
         [](AdvancedPage& p) { p.ui.select(p.Control(IDC_POWER), 2); },
         {{OID_802_11_POWER_MODE, 2}},
         {{"PSMode", "2"}},
         0},
        {"preamble and rate together",
         [](AdvancedPage& p) {
             p.ui.select(p.Control(IDC_PREAMBLE), 1);
             p.ui.select(p.Control(IDC_RATE), 4);
         },
         {{OID_802_11_DESIRED_RATES, 8}},
         {{"ShortPreamble", "1"}, {"TransmitRate", "8"}},
         1},
        {"5.5Mbps is choice 3, mask 4",
         [](AdvancedPage& p) { p.ui.select(p.Control(IDC_RATE), 3); },
         {{OID_802_11_DESIRED_RATES, 4}},
         {{"TransmitRate", "4"}},
         1},
        {"all four, in order",
         [](AdvancedPage& p) {
             p.ui.select(p.Control(IDC_RATE), 1);
             p.ui.select(p.Control(IDC_PREAMBLE), 1);
             p.ui.select(p.Control(IDC_POWER), 1);
             p.ui.select(p.Control(IDC_AUTH), 1);
         },
         {{OID_802_11_AUTHENTICATION_MODE, 1}, {OID_802_11_POWER_MODE, 1}, {OID_802_11_DESIRED_RATES, 1}},
         {{"AuthenticationType", "1"}, {"PSMode", "1"}, {"ShortPreamble", "1"}, {"TransmitRate", "1"}},
         1},
    };
    for (const ApplyCase& c : cases) {
        SCOPED_TRACE(c.name);
        AdvancedPage p;
        p.Open();
        const DriverValues before = Stored(p);
        c.choose(p);
        p.Apply();
        if (c.restartBoxes > 0) {
            ASSERT_TRUE(p.ui.message_box_open());
            EXPECT_EQ(p.ui.message_box().caption, kZephraTitle);
            p.ui.answer(IDOK);
        }
        EXPECT_FALSE(p.ui.message_box_open());
        EXPECT_EQ(p.Sets(), c.sets);
        DriverValues expected = before;
        for (const auto& [name, value] : c.written)
            expected[name] = value;
        EXPECT_EQ(Stored(p), expected);
        EXPECT_EQ(p.BoxesSaying(res::IDS_RESTART_DRIVER), c.restartBoxes);
        EXPECT_EQ(p.ui.message_boxes().size(), static_cast<std::size_t>(c.restartBoxes));

        // A second press finds nothing changed.
        p.ui.machine().clear_request_log();
        p.Apply();
        EXPECT_FALSE(p.ui.message_box_open());
        EXPECT_TRUE(p.Sets().empty());
        EXPECT_EQ(Stored(p), expected);
    }
}

TEST(PageAdvanced, AutoAfterAFixedRateWritesFifteen)
{
    AdvancedPage p;
    driver_key::Write(p.ui.machine(), "TransmitRate", "8");
    p.Open();
    EXPECT_EQ(p.Selection(IDC_RATE), 4);
    p.ui.select(p.Control(IDC_RATE), 0);
    p.Apply();
    p.ui.answer(IDOK);
    EXPECT_EQ(driver_key::Read(p.ui.machine(), "TransmitRate"), "15");
    EXPECT_EQ(p.Sets(), (std::vector<std::pair<std::uint32_t, int>>{{OID_802_11_DESIRED_RATES, 15}}));
}

TEST(PageAdvanced, ShowsTheAdapterForAuthAndPowerAndTheDriverKeyForPreambleAndRate)
{
    const struct {
        std::optional<std::string> rate;
        std::optional<std::string> preamble;
        const char* rateShown;
        const char* preambleShown;
    } rows[] = {
        {"3", std::nullopt, "Auto", "Disable"},  {"15", "1", "Auto", "Enable"}, {"1", "0", "1Mbps", "Disable"},
        {"2", "2", "2Mbps", "Disable"},          {"4", "", "5.5Mbps", "Disable"}, {"8", "1", "11Mbps", "Enable"},
        {std::nullopt, "yes", "Auto", "Disable"},
    };
    for (const auto& row : rows) {
        std::map<std::string, std::string> stored;
        if (row.rate)
            stored["TransmitRate"] = *row.rate;
        if (row.preamble)
            stored["ShortPreamble"] = *row.preamble;
        AdvancedPage p(driver_key::WithParameters(machine::default_scenario(), stored));
        p.adapter.answers[OID_802_11_AUTHENTICATION_MODE] = Dword(1);
        p.adapter.answers[OID_802_11_POWER_MODE] = Dword(2);
        p.Open();
        EXPECT_EQ(p.Shown(IDC_RATE), row.rateShown) << row.rate.value_or("(none)");
        EXPECT_EQ(p.Shown(IDC_PREAMBLE), row.preambleShown) << row.preamble.value_or("(none)");
        EXPECT_EQ(p.Shown(IDC_AUTH), "Shared");
        EXPECT_EQ(p.Shown(IDC_POWER), "Fast Power Saving");
        EXPECT_EQ(p.Shown(IDC_COUNTRY), "US");
        EXPECT_FALSE(p.ui.enabled(p.Control(IDC_COUNTRY)));
    }

    // An authentication the list does not offer shows its first entry.
    AdvancedPage p;
    p.adapter.answers[OID_802_11_AUTHENTICATION_MODE] = Dword(2);
    p.Open();
    EXPECT_EQ(p.Selection(IDC_AUTH), 0);
}

TEST(PageAdvanced, NotBoundShowsFirstEntriesAndApplyDoesNothing)
{
    machine::Scenario scenario = machine::default_scenario();
    scenario.protocol_driver.installed = false;
    AdvancedPage p(scenario);
    driver_key::Write(p.ui.machine(), "TransmitRate", "8");
    driver_key::Write(p.ui.machine(), "ShortPreamble", "1");
    p.Open();
    for (int id : {IDC_AUTH, IDC_POWER, IDC_PREAMBLE, IDC_RATE})
        EXPECT_EQ(p.Selection(id), 0) << id;
    const DriverValues before = Stored(p);
    for (int id : {IDC_AUTH, IDC_POWER, IDC_PREAMBLE, IDC_RATE})
        p.ui.select(p.Control(id), 1);
    p.Apply();
    EXPECT_FALSE(p.ui.message_box_open());
    EXPECT_TRUE(p.ui.message_boxes().empty());
    EXPECT_TRUE(p.ui.machine().request_log().empty());
    EXPECT_EQ(Stored(p), before);
}

TEST(PageAdvanced, ExplanationFollowsTheFocusAndStartsOverOnEveryActivation)
{
    AdvancedPage p;
    p.Open();
    EXPECT_EQ(p.ui.text(p.Control(IDC_EXPLANATION)), StringOf(res::IDS_EXPLAIN_DEFAULT));
    const struct {
        int list;
        UINT text;
    } rows[] = {{IDC_AUTH, res::IDS_EXPLAIN_AUTH},
                {IDC_PREAMBLE, res::IDS_EXPLAIN_PREAMBLE},
                {IDC_POWER, res::IDS_EXPLAIN_POWER},
                {IDC_RATE, res::IDS_EXPLAIN_RATE}};
    for (const auto& row : rows) {
        p.ui.focus(p.Control(row.list));
        EXPECT_EQ(p.ui.text(p.Control(IDC_EXPLANATION)), StringOf(row.text)) << row.list;
    }
    // The language list has no explanation: the last one stays.
    p.ui.focus(p.Control(IDC_LANGUAGE));
    EXPECT_EQ(p.ui.text(p.Control(IDC_EXPLANATION)), StringOf(res::IDS_EXPLAIN_RATE));

    p.ui.select_tab(p.sheet, 3);
    p.ui.select_tab(p.sheet, kAdvancedPage);
    EXPECT_EQ(p.ui.text(p.Control(IDC_EXPLANATION)), StringOf(res::IDS_EXPLAIN_DEFAULT));
}

TEST(PageAdvanced, RefreshAllEndsOnThisPageAsOftenAsItComes)
{
    AdvancedPage p;
    driver_key::Write(p.ui.machine(), "TransmitRate", "2");
    p.Open();
    CPageAdvanced& page = p.frame().m_pSheet->m_pageAdvanced;
    for (int round = 0; round < 3; ++round) {
        p.adapter.answers[OID_802_11_POWER_MODE] = Dword(round % 3);
        EXPECT_EQ(p.ui.send(p.sheet, WM_REFRESH_ALL), 0);
        EXPECT_EQ(p.ui.active_page(p.sheet), page.m_hWnd);
        EXPECT_EQ(p.Selection(IDC_POWER), round % 3);
        EXPECT_EQ(p.Shown(IDC_RATE), "2Mbps");
        EXPECT_EQ(page.m_nPowerSel, round % 3);
        EXPECT_EQ(p.ui.text(p.Control(IDC_EXPLANATION)), StringOf(res::IDS_EXPLAIN_DEFAULT));
    }
    EXPECT_TRUE(p.ui.message_boxes().empty());
    EXPECT_TRUE(p.Sets().empty());

    // Closed and opened again, the page comes back with its lists and reads them afresh.
    p.ui.close(p.sheet);
    p.ui.double_click_tray();
    p.sheet = p.ui.open_sheet();
    ASSERT_NE(p.sheet, nullptr);
    p.ui.select_tab(p.sheet, kAdvancedPage);
    EXPECT_EQ(p.ui.items(p.Control(IDC_RATE)).size(), 5u);
    EXPECT_EQ(p.Shown(IDC_RATE), "2Mbps");
    p.ui.select(p.Control(IDC_RATE), 3);
    p.Apply();
    p.ui.answer(IDOK);
    EXPECT_EQ(driver_key::Read(p.ui.machine(), "TransmitRate"), "4");
}

}  // namespace
