#include "framework/CMenu.h"

#include <map>

#include "framework/CCmdUI.h"
#include "framework/CWnd.h"
#include "framework/Presenter.h"
#include "framework/ResourceModule.h"
#include "framework/WinUser.h"

namespace {
struct MenuItemData {
    std::string text;
    UINT command = 0;
    UINT state = 0;  // MF_GRAYED, MF_CHECKED, MF_SEPARATOR
    HMENU popup = nullptr;
};

struct MenuData {
    std::vector<MenuItemData> items;
    std::unique_ptr<CMenu> wrapper;  // what FromHandle hands out for a menu without an owner object
};

std::map<HMENU, std::unique_ptr<MenuData>>& Menus()
{
    static std::map<HMENU, std::unique_ptr<MenuData>> menus;
    return menus;
}
std::uintptr_t g_next_menu = 0x1000;

MenuData* Find(HMENU menu)
{
    auto it = Menus().find(menu);
    return it == Menus().end() ? nullptr : it->second.get();
}

HMENU NewMenu()
{
    auto handle = reinterpret_cast<HMENU>(g_next_menu);
    g_next_menu += 4;
    Menus().emplace(handle, std::make_unique<MenuData>());
    return handle;
}

HMENU Build(const std::vector<fw::MenuItem>& items)
{
    HMENU handle = NewMenu();
    for (const fw::MenuItem& item : items) {
        MenuItemData data;
        data.text = item.text;
        data.command = item.command;
        if (item.command == 0 && !item.popup.empty())
            data.popup = Build(item.popup);
        else if (item.command == 0 && item.text.empty())
            data.state = MF_SEPARATOR;
        Find(handle)->items.push_back(std::move(data));
    }
    return handle;
}

void Destroy(HMENU handle)
{
    MenuData* data = Find(handle);
    if (data == nullptr)
        return;
    for (const MenuItemData& item : data->items)
        if (item.popup)
            Destroy(item.popup);
    if (data->wrapper)
        data->wrapper->m_hMenu = nullptr;
    Menus().erase(handle);
}

MenuItemData* Item(HMENU menu, UINT item, UINT flags)
{
    MenuData* data = Find(menu);
    if (data == nullptr)
        return nullptr;
    if (flags & MF_BYPOSITION)
        return item < data->items.size() ? &data->items[item] : nullptr;
    for (MenuItemData& entry : data->items) {
        if (entry.popup == nullptr && entry.command == item && !(entry.state & MF_SEPARATOR))
            return &entry;
        if (entry.popup)
            if (MenuItemData* inner = Item(entry.popup, item, flags))
                return inner;
    }
    return nullptr;
}

void UpdateCommandUi(CMenu* menu, CWnd* owner)
{
    const UINT count = menu->GetMenuItemCount();
    for (UINT i = 0; i < count; ++i) {
        if (CMenu* sub = menu->GetSubMenu(static_cast<int>(i))) {
            UpdateCommandUi(sub, owner);
            continue;
        }
        const UINT command = menu->GetMenuItemID(static_cast<int>(i));
        if (command == 0 || command == static_cast<UINT>(-1))
            continue;
        CCmdUI ui;
        ui.m_nID = command;
        ui.m_nIndex = i;
        ui.m_pMenu = menu;
        ui.DoUpdate(owner, TRUE);
    }
}

std::vector<fw::MenuEntry> Entries(HMENU menu)
{
    std::vector<fw::MenuEntry> entries;
    if (MenuData* data = Find(menu))
        for (const MenuItemData& item : data->items) {
            fw::MenuEntry entry;
            entry.text = item.text;
            entry.command = item.popup ? 0 : item.command;
            entry.enabled = (item.state & (MF_GRAYED | MF_DISABLED)) == 0;
            entry.checked = (item.state & MF_CHECKED) != 0;
            if (item.popup)
                entry.popup = Entries(item.popup);
            entries.push_back(std::move(entry));
        }
    return entries;
}
}  // namespace

CMenu::~CMenu()
{
    if (m_bOwned)
        DestroyMenu();
}

BOOL CMenu::LoadMenu(UINT id)
{
    const fw::ResourceModule* module = fw::ModuleFromHandle(AfxGetResourceHandle());
    const fw::MenuTemplate* menu = module ? module->find_menu(static_cast<int>(id)) : nullptr;
    if (menu == nullptr || m_hMenu != nullptr)
        return FALSE;
    m_hMenu = Build(menu->items);
    m_bOwned = true;
    return TRUE;
}

BOOL CMenu::CreatePopupMenu()
{
    if (m_hMenu != nullptr)
        return FALSE;
    m_hMenu = NewMenu();
    m_bOwned = true;
    return TRUE;
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    HMENU handle = m_hMenu;
    m_hMenu = nullptr;
    m_bOwned = false;
    Destroy(handle);
    return TRUE;
}

CMenu* CMenu::FromHandle(HMENU menu)
{
    MenuData* data = Find(menu);
    if (data == nullptr)
        return nullptr;
    if (!data->wrapper) {
        data->wrapper = std::make_unique<CMenu>();
        data->wrapper->m_hMenu = menu;
    }
    return data->wrapper.get();
}

UINT CMenu::GetMenuItemCount() const
{
    MenuData* data = Find(m_hMenu);
    return data ? static_cast<UINT>(data->items.size()) : static_cast<UINT>(-1);
}

UINT CMenu::GetMenuItemID(int position) const
{
    MenuItemData* item = Item(m_hMenu, static_cast<UINT>(position), MF_BYPOSITION);
    if (item == nullptr || item->popup)
        return static_cast<UINT>(-1);
    return (item->state & MF_SEPARATOR) ? 0 : item->command;
}

CMenu* CMenu::GetSubMenu(int position) const
{
    MenuItemData* item = Item(m_hMenu, static_cast<UINT>(position), MF_BYPOSITION);
    return item && item->popup ? FromHandle(item->popup) : nullptr;
}

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const
{
    MenuItemData* entry = Item(m_hMenu, item, flags);
    text = entry ? CString(entry->text) : CString();
    return text.GetLength();
}

UINT CMenu::EnableMenuItem(UINT item, UINT flags)
{
    MenuItemData* entry = Item(m_hMenu, item, flags);
    if (entry == nullptr)
        return static_cast<UINT>(-1);
    const UINT before = entry->state & (MF_GRAYED | MF_DISABLED);
    entry->state = (entry->state & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return before;
}

UINT CMenu::CheckMenuItem(UINT item, UINT flags)
{
    MenuItemData* entry = Item(m_hMenu, item, flags);
    if (entry == nullptr)
        return static_cast<UINT>(-1);
    const UINT before = entry->state & MF_CHECKED;
    entry->state = (entry->state & ~MF_CHECKED) | (flags & MF_CHECKED);
    return before;
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const
{
    MenuItemData* entry = Item(m_hMenu, item, flags);
    if (entry == nullptr)
        return static_cast<UINT>(-1);
    return entry->state | (entry->popup ? MF_POPUP : 0);
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idOrPopup, LPCSTR text)
{
    MenuData* data = Find(m_hMenu);
    if (data == nullptr)
        return FALSE;
    MenuItemData item;
    item.text = text ? text : "";
    item.state = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR);
    if (flags & MF_POPUP)
        item.popup = reinterpret_cast<HMENU>(idOrPopup);
    else
        item.command = static_cast<UINT>(idOrPopup);
    data->items.push_back(std::move(item));
    return TRUE;
}

BOOL CMenu::ModifyMenu(UINT item, UINT flags, UINT_PTR idOrPopup, LPCSTR text)
{
    MenuItemData* entry = Item(m_hMenu, item, flags);
    if (entry == nullptr)
        return FALSE;
    entry->text = text ? text : "";
    entry->state = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR);
    if (!(flags & MF_POPUP))
        entry->command = static_cast<UINT>(idOrPopup);
    return TRUE;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT)
{
    if (Find(m_hMenu) == nullptr)
        return FALSE;
    if (owner != nullptr)
        UpdateCommandUi(this, owner);
    UINT chosen = 0;
    if (fw::Presenter* presenter = fw::CurrentPresenter()) {
        fw::PopupMenuRequest request;
        request.owner = owner ? owner->m_hWnd : nullptr;
        request.x = x;
        request.y = y;
        request.flags = flags;
        request.entries = Entries(m_hMenu);
        chosen = presenter->popup_menu(request);
    }
    // A presenter can only choose an item that is there and enabled.
    if (chosen != 0) {
        MenuItemData* entry = Item(m_hMenu, chosen, MF_BYCOMMAND);
        if (entry == nullptr || (entry->state & (MF_GRAYED | MF_DISABLED)))
            chosen = 0;
    }
    if (flags & TPM_RETURNCMD)
        return static_cast<BOOL>(chosen);
    if (chosen != 0 && owner != nullptr && (flags & TPM_NONOTIFY) == 0)
        ::PostMessage(owner->m_hWnd, WM_COMMAND, chosen, 0);
    return TRUE;
}
