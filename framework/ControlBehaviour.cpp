#include "framework/ControlBehaviour.h"

#include "framework/ListViewTypes.h"
#include "framework/WinUser.h"
#include "framework/WindowProcedure.h"

namespace fw {

namespace {
// Applies one typed character to `text`; false when nothing changed.
bool TypeInto(std::string& text, char ch, int limit, bool digits_only, bool& at_limit)
{
    at_limit = false;
    if (ch == '\b') {
        if (text.empty())
            return false;
        text.pop_back();
        return true;
    }
    if (static_cast<unsigned char>(ch) < 0x20 || (digits_only && (ch < '0' || ch > '9')))
        return false;
    if (static_cast<int>(text.size()) >= limit) {
        at_limit = true;
        return false;
    }
    text.push_back(ch);
    return true;
}

int TypingLimit(const Window* w)
{
    return w->text_limit > 0 ? w->text_limit : kDefaultEditLimit;
}

// Tells the views and the parent of typed text; the parent may destroy the control at its first notice.
void AnnounceTyping(Window* w, UINT update_code, UINT change_code)
{
    HWND handle = w->handle;
    Notify(w, Change::Text);
    NotifyParent(w, update_code);
    if (Window* still = FromHandle(handle))
        NotifyParent(still, change_code);
}
}  // namespace

void TypeIntoEdit(Window* w, char ch)
{
    if (w->read_only())
        return;
    bool at_limit = false;
    if (!TypeInto(w->text, ch, TypingLimit(w), (w->style & ES_NUMBER) != 0, at_limit)) {
        if (at_limit)
            NotifyParent(w, EN_MAXTEXT);
        return;
    }
    AnnounceTyping(w, EN_UPDATE, EN_CHANGE);
}

void TypeIntoCombo(Window* w, char ch)
{
    if ((w->style & 0x3) == CBS_DROPDOWNLIST)
        return;
    bool at_limit = false;
    if (TypeInto(w->text, ch, TypingLimit(w), false, at_limit))
        AnnounceTyping(w, CBN_EDITUPDATE, CBN_EDITCHANGE);
}

void PickComboItem(Window* w, int index)
{
    if (index < 0 || index >= static_cast<int>(w->items.size()))
        return;
    HWND handle = w->handle;
    const bool changed = w->cur_sel != index;
    w->cur_sel = index;
    w->text = w->items[static_cast<std::size_t>(index)];
    if (changed) {
        Notify(w, Change::Selection);
        NotifyParent(w, CBN_SELCHANGE);
    }
    if (Window* still = FromHandle(handle))
        NotifyParent(still, CBN_SELENDOK);
}

void SetListRowState(Window* w, int row, UINT state, UINT mask)
{
    if (row < 0 || row >= static_cast<int>(w->rows.size()))
        return;
    ListRow& r = w->rows[static_cast<std::size_t>(row)];
    const UINT old_state = r.state;
    const UINT new_state = (old_state & ~mask) | (state & mask);
    if (new_state == old_state)
        return;
    r.state = new_state;
    Notify(w, Change::Selection);
    NMLISTVIEW info;
    info.hdr.code = LVN_ITEMCHANGED;
    info.iItem = row;
    info.uNewState = new_state;
    info.uOldState = old_state;
    info.uChanged = LVIF_STATE;
    info.lParam = r.data;
    NotifyParent(w, info.hdr);
}

void ClickListRow(Window* w, int row, bool twice)
{
    HWND handle = w->handle;
    if (GetFocus() != handle)
        SetFocus(handle);
    const auto clicked = [&](UINT code) {
        Window* list = FromHandle(handle);
        if (list == nullptr)
            return false;
        NMITEMACTIVATE info;
        info.hdr.code = code;
        info.iItem = row >= 0 && row < static_cast<int>(list->rows.size()) ? row : -1;
        NotifyParent(list, info.hdr);
        return true;
    };
    const auto select = [&]() {
        for (int i = 0; FromHandle(handle) && i < static_cast<int>(FromHandle(handle)->rows.size()); ++i)
            if (i != row)
                SetListRowState(FromHandle(handle), i, 0, LVIS_SELECTED | LVIS_FOCUSED);
        if (Window* list = FromHandle(handle))
            SetListRowState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    };
    select();
    if (!clicked(NM_CLICK) || !twice)
        return;
    clicked(NM_DBLCLK);
}

}  // namespace fw
