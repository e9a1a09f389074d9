#pragma once
// Resources as data: what a module (the program itself or a language library) carries.
// Dialog templates are in dialog units; the framework turns them into child controls.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace fw {

enum class ControlKind { Static, GroupBox, PushButton, CheckBox, RadioButton, Edit, ComboBox, ListView, Custom };

struct ControlTemplate {
    ControlKind kind = ControlKind::Static;
    std::string class_name;          // the window class for ControlKind::Custom
    int id = -1;                     // -1: IDC_STATIC
    std::string text;
    DWORD style = 0;                 // WS_* and the kind's own style bits (ES_*, CBS_*, LVS_*, SS_*, BS_*)
    DWORD ex_style = 0;
    int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    std::vector<std::string> items;  // combo-box list entries, in order
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    std::string font_name = "MS Sans Serif";
    int point_size = 8;
    DWORD style = 0;
    int cx = 0, cy = 0;  // dialog units
    std::vector<ControlTemplate> controls;
};

// A 16 x 16 (or other size) picture; pixels are 0xAARRGGBB, rows top to bottom.
struct IconImage {
    int width = 16;
    int height = 16;
    std::vector<std::uint32_t> pixels;
};

// A cursor's picture and the pixel that points (its hot spot).
struct CursorImage {
    IconImage image;
    int hotspot_x = 0;
    int hotspot_y = 0;
};

struct MenuItem {
    std::string text;
    UINT command = 0;              // 0 for a pop-up
    std::vector<MenuItem> popup;   // items of a pop-up
};

struct MenuTemplate {
    int id = 0;
    std::vector<MenuItem> items;
};

class ResourceModule {
public:
    std::string name;  // file name, e.g. "LangFR.DLL"; "" for the program's own module
    std::map<int, DialogTemplate> dialogs;
    std::map<UINT, std::string> strings;
    std::map<int, IconImage> icons;
    std::map<int, MenuTemplate> menus;
    std::map<int, CursorImage> cursors;

    const DialogTemplate* find_dialog(int id) const;
    std::optional<std::string> find_string(UINT id) const;
    const IconImage* find_icon(int id) const;
    const MenuTemplate* find_menu(int id) const;
    const CursorImage* find_cursor(int id) const;
};

// A module handle is the address of its ResourceModule.
inline const ResourceModule* ModuleFromHandle(HINSTANCE h) { return reinterpret_cast<const ResourceModule*>(h); }
inline HINSTANCE HandleOfModule(const ResourceModule* m) { return reinterpret_cast<HINSTANCE>(const_cast<ResourceModule*>(m)); }

// The program's own resources; the apps register theirs at start, tests their own.
void SetProgramModule(const ResourceModule* module);

}  // namespace fw

// The own resources of the module whose code runs (never released).
HINSTANCE AfxGetInstanceHandle();
// The module every resource of the running module is loaded from: a language library, or
// the module's own resources.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);
