#include "framework/ControlBehaviour.h"

#include <algorithm>
#include <string>
#include <utility>

#include "framework/ListViewTypes.h"
#include "framework/WinUser.h"
#include "framework/WindowProcedure.h"

namespace fw {

namespace {
// What a field tells its parent: an edit its EN_ codes, a combo box its edit field's.
struct FieldCodes {
    UINT update;
    UINT change;
    UINT max_text;  // 0: not told
};

FieldCodes CodesOf(const Window* w)
{
    if (w->kind == WindowKind::Edit)
        return {EN_UPDATE, EN_CHANGE, EN_MAXTEXT};
    return {CBN_EDITUPDATE, CBN_EDITCHANGE, 0};
}

bool AcceptsTyping(const Window* w)
{
    if (w->kind == WindowKind::Edit)
        return !w->read_only();
    return w->kind == WindowKind::ComboBox && (w->style & 0x3) != CBS_DROPDOWNLIST;
}

std::size_t TypingLimit(const Window* w)
{
    return static_cast<std::size_t>(w->text_limit > 0 ? w->text_limit : kDefaultEditLimit);
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The selection clamped to the text, start first.
std::pair<std::size_t, std::size_t> SelectionOf(const Window* w)
{
    const auto clamp = [&](int at) { return std::min(static_cast<std::size_t>(std::max(at, 0)), w->text.size()); };
    const std::size_t a = clamp(w->sel_start), b = clamp(w->sel_end);
    return {std::min(a, b), std::max(a, b)};
}

void PlaceCaret(Window* w, std::size_t at)
{
    w->sel_start = w->sel_end = static_cast<int>(at);
}

// What may be typed or pasted: no control characters, only digits into a number field.
std::string Typable(const Window* w, std::string_view text)
{
    const bool digits_only = w->kind == WindowKind::Edit && (w->style & ES_NUMBER) != 0;
    std::string kept;
    for (char ch : text)
        if (static_cast<unsigned char>(ch) >= 0x20 && (!digits_only || (ch >= '0' && ch <= '9')))
            kept.push_back(ch);
    return kept;
}

// Replaces the bytes [from, to) with `insert` as one user edit: one update and one change
// notice, the caret after the inserted text. What does not fit the limit is cut off (never
// inside a character) and told as max-text.
void ApplyEdit(Window* w, std::size_t from, std::size_t to, std::string insert)
{
    const FieldCodes codes = CodesOf(w);
    const std::size_t kept = w->text.size() - (to - from);
    const std::size_t room = TypingLimit(w) > kept ? TypingLimit(w) - kept : 0;
    const bool cut = insert.size() > room;
    if (cut) {
        std::size_t n = room;
        while (n > 0 && IsContinuationByte(insert[n]))
            --n;
        insert.resize(n);
    }
    HWND handle = w->handle;
    if (from != to || !insert.empty()) {
        w->text.replace(from, to - from, insert);
        PlaceCaret(w, from + insert.size());
        // The parent may destroy the control at its first notice.
        Notify(w, Change::Text);
        NotifyParent(w, codes.update);
        if (Window* still = FromHandle(handle))
            NotifyParent(still, codes.change);
    }
    if (cut && codes.max_text != 0)
        if (Window* still = FromHandle(handle))
            NotifyParent(still, codes.max_text);
}

// The extent of the character before (or after) the caret.
std::size_t CharacterBefore(const std::string& text, std::size_t at)
{
    std::size_t from = at;
    while (from > 0 && IsContinuationByte(text[--from])) {
    }
    return from;
}

std::size_t CharacterAfter(const std::string& text, std::size_t at)
{
    std::size_t to = std::min(at + 1, text.size());
    while (to < text.size() && IsContinuationByte(text[to]))
        ++to;
    return to;
}
}  // namespace

void ReplaceFieldSelection(Window* w, std::string_view text)
{
    if (!AcceptsTyping(w))
        return;
    const auto [from, to] = SelectionOf(w);
    ApplyEdit(w, from, to, Typable(w, text));
}

void TypeIntoField(Window* w, char ch)
{
    if (!AcceptsTyping(w))
        return;
    if (ch != '\b') {
        const std::string typed = Typable(w, std::string_view(&ch, 1));
        if (!typed.empty())
            ReplaceFieldSelection(w, typed);
        return;
    }
    const auto [from, to] = SelectionOf(w);
    if (from != to)
        ApplyEdit(w, from, to, {});
    else if (from > 0)
        ApplyEdit(w, CharacterBefore(w->text, from), from, {});
}

void PressFieldKey(Window* w, UINT virtual_key)
{
    const auto [from, to] = SelectionOf(w);
    switch (virtual_key) {
    case VK_DELETE:
        if (!AcceptsTyping(w))
            return;
        if (from != to)
            ApplyEdit(w, from, to, {});
        else if (to < w->text.size())
            ApplyEdit(w, from, CharacterAfter(w->text, to), {});
        return;
    case VK_LEFT: PlaceCaret(w, from != to ? from : CharacterBefore(w->text, from)); return;
    case VK_RIGHT: PlaceCaret(w, from != to ? to : CharacterAfter(w->text, to)); return;
    case VK_HOME: PlaceCaret(w, 0); return;
    case VK_END: PlaceCaret(w, w->text.size()); return;
    default: return;
    }
}

void SelectFieldText(Window* w, int start, int end)
{
    if (start < 0) {
        const std::size_t caret = SelectionOf(w).second;
        PlaceCaret(w, caret);
        return;
    }
    const int size = static_cast<int>(w->text.size());
    w->sel_start = std::min(start, size);
    w->sel_end = end < 0 ? size : std::min(end, size);
    if (w->sel_start > w->sel_end)
        std::swap(w->sel_start, w->sel_end);
}

void PlaceCaretAtEnd(Window* w) { PlaceCaret(w, w->text.size()); }

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

namespace {
void NotifyRowActivation(HWND handle, int row, UINT code)
{
    Window* list = FromHandle(handle);
    if (list == nullptr)
        return;
    NMITEMACTIVATE info;
    info.hdr.code = code;
    info.iItem = row >= 0 && row < static_cast<int>(list->rows.size()) ? row : -1;
    NotifyParent(list, info.hdr);
}
}  // namespace

void ClickListRow(Window* w, int row)
{
    HWND handle = w->handle;
    if (GetFocus() != handle)
        SetFocus(handle);
    for (int i = 0; FromHandle(handle) && i < static_cast<int>(FromHandle(handle)->rows.size()); ++i)
        if (i != row)
            SetListRowState(FromHandle(handle), i, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (Window* list = FromHandle(handle))
        SetListRowState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    NotifyRowActivation(handle, row, NM_CLICK);
}

void SecondClickListRow(Window* w, int row) { NotifyRowActivation(w->handle, row, NM_DBLCLK); }

}  // namespace fw
