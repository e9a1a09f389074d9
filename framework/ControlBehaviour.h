#pragma once
// The built-in behaviour of the standard controls under user input.

#include <string_view>

#include "framework/Window.h"

namespace fw {

// The platform's default text limit of an edit control.
constexpr int kDefaultEditLimit = 30000;

// A click or the space bar: toggles an automatic check box, tells the parent BN_CLICKED.
void PressButton(Window* button);
// The user's edits of an edit control or of a combo box's edit field (a read-only edit and
// a drop-down list take none). Each edit that changes the text raises one update and one
// change notice (EN_UPDATE and EN_CHANGE, or CBN_EDITUPDATE and CBN_EDITCHANGE) and leaves
// the caret after what it inserted; what does not fit the limit is cut off and an edit
// control tells EN_MAXTEXT.
//
// Replaces the selection with `text`: a paste, or typing over a selection.
void ReplaceFieldSelection(Window* field, std::string_view text);
// One typed character at the caret, over the selection if any; backspace erases the
// selection or the character before the caret.
void TypeIntoField(Window* field, char ch);
// Delete erases the selection or the character after the caret; left, right, home and end
// move the caret and drop the selection.
void PressFieldKey(Window* field, UINT virtual_key);
// Selects [start, end) as EM_SETSEL does: `end` -1 is the end of the text, `start` -1
// drops the selection and keeps the caret.
void SelectFieldText(Window* field, int start, int end);
void PlaceCaretAtEnd(Window* field);
// The user picks item `index` of a combo box: CBN_SELCHANGE (when it changed), CBN_SELENDOK.
void PickComboItem(Window* combo, int index);
// The user clicks row `row` of a list view: it becomes the one selected row (LVN_ITEMCHANGED
// for each row whose state changes), then NM_CLICK.
void ClickListRow(Window* list, int row);
// The second press of a double-click on `row`, whose first press was a ClickListRow: NM_DBLCLK.
void SecondClickListRow(Window* list, int row);
// Changes a row's state bits, raising LVN_ITEMCHANGED when they change.
void SetListRowState(Window* list, int row, UINT state, UINT mask);

}  // namespace fw
