#pragma once
// Turns a dialog template (dialog units) into a dialog window with its child controls.

#include "framework/ResourceModule.h"
#include "framework/Window.h"

namespace fw {

// The dialog font's base units: a dialog unit is a quarter of the average character width
// and an eighth of its height ("MS Sans Serif" 8 at 96 dots per inch).
constexpr int kDialogBaseUnitX = 6;
constexpr int kDialogBaseUnitY = 13;
inline int DialogUnitsToPixelsX(int du) { return du * kDialogBaseUnitX / 4; }
inline int DialogUnitsToPixelsY(int du) { return du * kDialogBaseUnitY / 8; }

struct DialogRequest {
    const DialogTemplate* dialog = nullptr;  // null: an empty dialog
    HWND parent = nullptr;
    DWORD style = 0;   // replaces the template's when not 0
    int x = 0, y = 0;  // pixels in the parent's client area
    CWnd* object = nullptr;
    DLGPROC procedure = nullptr;
    LPARAM init_param = 0;
    bool send_init = true;  // send WM_INITDIALOG once the controls exist
};

// The dialog window, or null when it could not be created.
HWND CreateDialogWindow(const DialogRequest& request);
// The template `id` of `module` (null: the current resource module).
const DialogTemplate* FindDialogTemplate(int id, HINSTANCE module = nullptr);

}  // namespace fw
