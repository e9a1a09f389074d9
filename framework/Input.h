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
// Types each character at the caret of an edit (or a drop-down combo box's field) that
// has the focus, the first over the selection if there is one.
bool TypeText(HWND window, std::string_view text);
// A key press: backspace and delete erase, the arrows, home and end move an edit's caret,
// space presses a button; WM_KEYDOWN in every case.
bool PressKey(HWND window, UINT virtual_key);
// Empties an edit as the user would (one backspace per character).
bool ClearText(HWND window);
// The user selects [start, end) of an edit's text (`end` -1: to the end).
bool SelectText(HWND window, int start, int end);
// The user replaces an edit's selection with `text` in one edit: a paste, or a presenter's
// report of what one keystroke did to a selection.
bool ReplaceSelection(HWND window, std::string_view text);
bool SelectComboItem(HWND combo, int index);
bool ClickListRow(HWND list, int row);
// The whole double-click: one click (NM_CLICK), then the second press (NM_DBLCLK).
bool DoubleClickListRow(HWND list, int row);
// Only the second press, for a presenter that already delivered the first as a click.
bool SecondClickListRow(HWND list, int row);
// Picks tab `index` of a property sheet.
bool SelectTab(HWND sheet, int index);
// The close box of a top-level window.
bool CloseBox(HWND window);
// A mouse message on the tray icon (window, id), posted to its callback as the shell does.
bool TrayMouse(HWND window, UINT id, UINT mouse_message);

}  // namespace fw::input
