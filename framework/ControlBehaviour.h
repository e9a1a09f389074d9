#pragma once
// The built-in behaviour of the standard controls under user input.

#include "framework/Window.h"

namespace fw {

// The platform's default text limit of an edit control.
constexpr int kDefaultEditLimit = 30000;

// A click or the space bar: toggles an automatic check box, tells the parent BN_CLICKED.
void PressButton(Window* button);
// One typed character (backspace erases the last); a change raises EN_UPDATE and EN_CHANGE,
// typing past the limit raises EN_MAXTEXT and changes nothing.
void TypeIntoEdit(Window* edit, char ch);
// The same for the edit field of a drop-down combo box (CBN_EDITUPDATE, CBN_EDITCHANGE).
void TypeIntoCombo(Window* combo, char ch);
// The user picks item `index` of a combo box: CBN_SELCHANGE (when it changed), CBN_SELENDOK.
void PickComboItem(Window* combo, int index);
// The user clicks row `row` of a list view: it becomes the one selected row (LVN_ITEMCHANGED
// for each row whose state changes), then NM_CLICK; `twice` adds NM_DBLCLK.
void ClickListRow(Window* list, int row, bool twice);
// Changes a row's state bits, raising LVN_ITEMCHANGED when they change.
void SetListRowState(Window* list, int row, UINT state, UINT mask);

}  // namespace fw
