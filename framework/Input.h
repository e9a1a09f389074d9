#pragma once
// User input, as a presenter (or a test) feeds it in: each call delivers the messages the
// platform would, and the framework turns them into its notifications. Input to a window
// that is hidden or disabled (itself or an ancestor) is refused: the call returns false.

#include <string_view>

#include "framework/Messages.h"

namespace fw::input {

bool Click(HWND window);
bool DoubleClick(HWND window);
bool RightClick(HWND window);
// `point` in the window's client coordinates; the mouse goes to the capturing window if any.
bool MouseMove(HWND window, POINT point);
// The left button pressed or released alone, at `point` in the window's client coordinates;
// while a window holds the capture it gets the message, at the same place on the screen.
bool LeftButtonDown(HWND window, POINT point);
bool LeftButtonUp(HWND window, POINT point);
bool Focus(HWND window);
// Types each character into an edit (or a drop-down combo box's field) that has the focus.
bool TypeText(HWND window, std::string_view text);
// A key press: backspace erases, space presses a button; WM_KEYDOWN in every case.
bool PressKey(HWND window, UINT virtual_key);
// Empties an edit as the user would (one backspace per character).
bool ClearText(HWND window);
bool SelectComboItem(HWND combo, int index);
bool ClickListRow(HWND list, int row);
bool DoubleClickListRow(HWND list, int row);
// Picks tab `index` of a property sheet.
bool SelectTab(HWND sheet, int index);
// The close box of a top-level window.
bool CloseBox(HWND window);
// A mouse message on the tray icon (window, id), posted to its callback as the shell does.
bool TrayMouse(HWND window, UINT id, UINT mouse_message);

}  // namespace fw::input
