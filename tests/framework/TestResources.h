#pragma once
// A small program module for the framework's tests: two page templates, a menu and strings.

#include "framework/ResourceModule.h"
#include "framework/WindowStyles.h"

namespace test_resources {

constexpr int kPageA = 100, kPageB = 101;
constexpr int kEditName = 1001, kCheck = 1002, kCombo = 1003, kList = 1004, kButton = 1005, kEditCount = 1006;
constexpr int kLabel = 2001;
constexpr int kMenu = 300;
constexpr UINT kCmdShow = 32777, kCmdHide = 32779, kCmdExit = 32778;

inline fw::ResourceModule Make()
{
    fw::ResourceModule m;
    fw::DialogTemplate a;
    a.id = kPageA;
    a.caption = "First";
    a.style = WS_CHILD | WS_CAPTION;
    a.cx = 200;
    a.cy = 150;
    auto add = [](fw::DialogTemplate& d, fw::ControlKind kind, int id, const char* text, DWORD style) {
        fw::ControlTemplate c;
        c.kind = kind;
        c.id = id;
        c.text = text;
        c.style = WS_CHILD | WS_VISIBLE | style;
        c.x = 10;
        c.y = 10 + 14 * static_cast<int>(d.controls.size());
        c.cx = 100;
        c.cy = 12;
        d.controls.push_back(c);
        return &d.controls.back();
    };
    add(a, fw::ControlKind::Edit, kEditName, "", ES_AUTOHSCROLL);
    add(a, fw::ControlKind::CheckBox, kCheck, "Check", BS_AUTOCHECKBOX);
    add(a, fw::ControlKind::ComboBox, kCombo, "", CBS_DROPDOWNLIST)->items = {"Ad-hoc", "Infrastructure", "Automatic"};
    add(a, fw::ControlKind::ListView, kList, "", LVS_REPORT | LVS_SINGLESEL);
    add(a, fw::ControlKind::PushButton, kButton, "Go", BS_PUSHBUTTON);
    add(a, fw::ControlKind::Edit, kEditCount, "", ES_AUTOHSCROLL);
    m.dialogs[kPageA] = a;

    fw::DialogTemplate b;
    b.id = kPageB;
    b.caption = "Second";
    b.style = WS_CHILD | WS_CAPTION;
    b.cx = 180;
    b.cy = 160;
    add(b, fw::ControlKind::Static, kLabel, "label", SS_LEFT);
    m.dialogs[kPageB] = b;

    m.strings[57344] = "Test Utility";
    m.strings[10003] = "Test Utility is already running.";
    fw::MenuTemplate menu;
    menu.id = kMenu;
    fw::MenuItem popup;
    popup.text = "Menu";
    popup.popup = {{"Show", kCmdShow, {}}, {"Hide", kCmdHide, {}}, {"Exit", kCmdExit, {}}};
    menu.items = {popup};
    m.menus[kMenu] = menu;
    m.icons[250] = fw::IconImage{16, 16, std::vector<std::uint32_t>(256, 0xFF000000u)};
    m.icons[251] = fw::IconImage{16, 16, std::vector<std::uint32_t>(256, 0xFF00FF00u)};
    return m;
}

// Installs the module as the program's own for one scope.
class ProgramModuleScope {
public:
    ProgramModuleScope() : m_module(Make()) { fw::SetProgramModule(&m_module); }
    ~ProgramModuleScope() { fw::SetProgramModule(nullptr); }
    ProgramModuleScope(const ProgramModuleScope&) = delete;
    ProgramModuleScope& operator=(const ProgramModuleScope&) = delete;
    fw::ResourceModule& module() { return m_module; }

private:
    fw::ResourceModule m_module;
};

}  // namespace test_resources
