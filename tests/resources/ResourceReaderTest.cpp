#include "framework/ResourceReader.h"

#include <gtest/gtest.h>

#include "framework/WindowStyles.h"

namespace {

TEST(ResourceReader, ReadsEveryKindOfResource)
{
    const char* source = R"({
      "strings": {"10003": "Already running.", "57344": {"text": "App", "translate": false}},
      "dialogs": {"181": {"caption": "Page", "font": {"name": "MS Sans Serif", "size": 8}, "size": [100, 50],
        "style": ["WS_CHILD", "WS_CAPTION"],
        "controls": [
          {"id": 1362, "kind": "groupbox", "text": " Frame ", "at": [1, 2, 98, 40]},
          {"name": "label", "kind": "static", "text": "Label:", "style": ["SS_RIGHT"], "at": [5, 10, 30, 8]},
          {"id": 1342, "kind": "combobox", "style": ["CBS_DROPDOWNLIST", "WS_TABSTOP"], "at": [40, 8, 50, 40],
           "items": ["Ad-hoc", "Infrastructure"]}]}},
      "palette": {".": "none", "K": "#102030"},
      "icons": {"250": {"palette": {"r": "#80FF0000"}, "rows": ["K.", "rK"]}},
      "menus": {"299": {"items": [{"text": "Menu", "popup": [{"text": "Show", "command": 32777}]}]}}
    })";
    fw::ResourceReadResult read = fw::ReadResourceModule(source, "LangXX.DLL");
    ASSERT_TRUE(read.module) << read.error;
    const fw::ResourceModule& m = *read.module;
    EXPECT_EQ(m.name, "LangXX.DLL");
    EXPECT_EQ(m.find_string(10003), "Already running.");
    EXPECT_EQ(m.find_string(57344), "App");

    const fw::DialogTemplate* d = m.find_dialog(181);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->caption, "Page");
    EXPECT_EQ(d->style, WS_CHILD | WS_CAPTION);
    EXPECT_EQ(d->cx, 100);
    ASSERT_EQ(d->controls.size(), 3u);
    EXPECT_EQ(d->controls[0].kind, fw::ControlKind::GroupBox);
    EXPECT_EQ(d->controls[0].style, WS_CHILD | WS_VISIBLE | BS_GROUPBOX);
    EXPECT_EQ(d->controls[1].id, IDC_STATIC);
    EXPECT_EQ(d->controls[1].style, WS_CHILD | WS_VISIBLE | SS_RIGHT);
    EXPECT_EQ(d->controls[2].style, WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_TABSTOP);
    EXPECT_EQ(d->controls[2].items, (std::vector<std::string>{"Ad-hoc", "Infrastructure"}));
    EXPECT_EQ((std::vector<int>{d->controls[2].x, d->controls[2].y, d->controls[2].cx, d->controls[2].cy}),
              (std::vector<int>{40, 8, 50, 40}));

    const fw::IconImage* icon = m.find_icon(250);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->width, 2);
    EXPECT_EQ(icon->pixels, (std::vector<std::uint32_t>{0xFF102030u, 0u, 0x80FF0000u, 0xFF102030u}));

    const fw::MenuTemplate* menu = m.find_menu(299);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->items.size(), 1u);
    EXPECT_EQ(menu->items[0].command, 0u);
    ASSERT_EQ(menu->items[0].popup.size(), 1u);
    EXPECT_EQ(menu->items[0].popup[0].command, 32777u);
}

struct BadSource {
    const char* source;
    const char* error;  // the reader's message must contain this
};

void PrintTo(const BadSource& row, std::ostream* out) { *out << row.error; }

class ResourceReaderErrors : public testing::TestWithParam<BadSource> {};

TEST_P(ResourceReaderErrors, NameTheResourceAndField)
{
    fw::ResourceReadResult read = fw::ReadResourceModule(GetParam().source, "LangDE.DLL");
    EXPECT_EQ(read.module, nullptr);
    EXPECT_NE(read.error.find(GetParam().error), std::string::npos) << read.error;
    EXPECT_EQ(read.error.rfind("LangDE.DLL: ", 0), 0u) << read.error;
}

#define DIALOG_WITH(control) \
    R"({"dialogs": {"181": {"caption": "P", "size": [100, 50], "controls": [)" control "]}}}"

INSTANTIATE_TEST_SUITE_P(
    BadInput, ResourceReaderErrors,
    testing::Values(
        BadSource{"{\"dialogs\": ", "not readable as JSON"},
        BadSource{R"({"strings": {"10003": 77E777}})", "not readable as JSON"},
        BadSource{"[]", "module: expected an object"},
        BadSource{R"({"dialog": {}})", "module: unknown field \"dialog\""},
        BadSource{DIALOG_WITH(R"({"id": 1362, "kind": "static", "style": ["WS_FOO"], "at": [0, 0, 1, 1]})"),
                  "dialog 181, control 1362, field \"style\": unknown style \"WS_FOO\""},
        BadSource{DIALOG_WITH(R"({"id": 7, "kind": "static"})"), "dialog 181, control 7: missing field \"at\""},
        BadSource{DIALOG_WITH(R"({"id": 7, "kind": "static", "at": [0, 0, 0, 8]})"),
                  "dialog 181, control 7, field \"at\": value 0 outside 1..32767"},
        BadSource{DIALOG_WITH(R"({"id": 7, "kind": "slider", "at": [0, 0, 1, 1]})"),
                  "dialog 181, control 7, field \"kind\": unknown control kind \"slider\""},
        BadSource{DIALOG_WITH(R"({"id": 7, "kind": "static", "at": [0, 0, 1, 1]},
                                 {"id": 7, "kind": "edit", "at": [0, 2, 1, 1]})"),
                  "dialog 181, control 7: id used twice"},
        BadSource{DIALOG_WITH(R"({"name": "x", "kind": "static", "items": ["a"], "at": [0, 0, 1, 1]})"),
                  "dialog 181, control \"x\", field \"items\": only a combo box"},
        BadSource{DIALOG_WITH(R"({"id": 7, "kind": "static", "text": 5, "at": [0, 0, 1, 1]})"),
                  "dialog 181, control 7, field \"text\": expected a text"},
        BadSource{R"({"dialogs": {"abc": {}}})", "dialog abc: \"abc\" is not a resource id"},
        BadSource{R"({"dialogs": {"181": {"size": [1, 1], "controls": []}}})",
                  "dialog 181: missing field \"caption\""},
        BadSource{R"({"strings": {"10003": 3}})", "string 10003: expected a text"},
        BadSource{R"({"palette": {".": "#12345"}, "icons": {}})", "palette, colour '.': colour \"#12345\""},
        BadSource{R"({"palette": {".": "none"}, "icons": {"250": {"rows": ["...", ".."]}}})",
                  "icon 250, field \"rows\", row 2: has 2 pixels, the first row 3"},
        BadSource{R"({"palette": {".": "none"}, "icons": {"251": {"rows": [".x"]}}})",
                  "icon 251, field \"rows\", row 1: pixel 'x' is not in the palette"},
        BadSource{R"({"menus": {"299": {"items": [{"text": "Menu"}]}}})",
                  "menu 299, item \"Menu\": an item has either a command or a pop-up"},
        BadSource{R"({"menus": {"299": {"items": [{"text": "Exit", "command": 0}]}}})",
                  "menu 299, item \"Exit\", field \"command\": value 0 outside 1..65535"}));

}  // namespace
