#pragma once
// The state of one window, owned by the framework. A CWnd object attaches to it; presenters
// read it (never write it) after each change they are told of.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/Messages.h"
#include "framework/WindowStyles.h"
#include "framework/gdi/CRect.h"
#include "framework/gdi/Raster.h"

class CWnd;
namespace fw {
struct ModuleState;
}
using DLGPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

namespace fw {

enum class WindowKind { Generic, Frame, Dialog, PropertySheet, TabControl, Static, Button, Edit, ComboBox, ListView, ToolTip };

struct ListColumn {
    std::string heading;
    int format = 0;  // LVCFMT_*
    int width = 0;
};

struct ListRow {
    std::vector<std::string> texts;  // column 0 is the item text
    int image = -1;
    UINT state = 0;  // LVIS_*
    LPARAM data = 0;
};

struct ToolInfo {
    HWND tool = nullptr;
    UINT_PTR id = 0;
    std::string text;
    RECT rect;
};

class Window {
public:
    HWND handle = nullptr;
    WindowKind kind = WindowKind::Generic;
    std::string class_name;
    int id = 0;
    DWORD style = 0;
    DWORD ex_style = 0;
    std::string text;
    Window* parent = nullptr;  // child windows only
    Window* owner = nullptr;   // owned top-level windows
    std::vector<Window*> children;  // in creation (tab) order
    CRect rect;                // in the parent's client coordinates; screen for top-level windows
    HFONT font = nullptr;
    bool destroying = false;
    bool needs_paint = false;

    ModuleState* module = nullptr;        // current while its procedure runs: its creator's
    CWnd* object = nullptr;               // the attached C++ object, when any
    std::unique_ptr<CWnd> stand_in;       // object handed out for a window that has none
    DLGPROC dialog_proc = nullptr;        // the plain dialog-procedure path
    LONG_PTR user_data = 0;
    LONG_PTR dialog_user = 0;   // DWLP_USER
    LRESULT dialog_result = 0;  // DWLP_MSGRESULT
    int show_command = SW_HIDE;  // the last ShowWindow command of a top-level window

    // Control state.
    int check = BST_UNCHECKED;
    std::vector<std::string> items;  // combo-box list, tab captions
    int cur_sel = -1;                // combo box, tab control
    int text_limit = 0;              // edit: 0 means the platform's default
    // Edit (and a combo box's edit field): the selected bytes [sel_start, sel_end); the caret
    // stands at sel_end. Text set by the program leaves the caret at its end.
    int sel_start = 0;
    int sel_end = 0;
    std::vector<ListColumn> columns;
    std::vector<ListRow> rows;
    DWORD list_ex_style = 0;
    HANDLE small_images = nullptr;   // HIMAGELIST
    std::vector<ToolInfo> tools;

    // The window's own picture, drawn by its WM_PAINT handler through its device contexts.
    gdi::Raster raster;

    bool visible() const { return (style & WS_VISIBLE) != 0; }
    bool enabled() const { return (style & WS_DISABLED) == 0; }
    bool read_only() const { return (style & ES_READONLY) != 0; }
    bool is_child() const { return (style & WS_CHILD) != 0; }
    // Visible and enabled up to the top-level window.
    bool accepts_input() const;
    CRect client_rect() const { return CRect(0, 0, rect.Width(), rect.Height()); }
    // The rectangle in screen coordinates.
    CRect screen_rect() const;
    Window* top_level();
};

// Null for a handle that names no live window.
Window* FromHandle(HWND handle);
// The text a window shows: a drop-down list's is its selected item's.
std::string TextOf(const Window* window);
// Every live top-level window of this process, in creation order.
std::vector<Window*> TopLevelWindows();
// How many windows live, children included.
std::size_t LiveWindowCount();

}  // namespace fw
