#pragma once
// Menus loaded from the current resource module; pop-up menus tracked through the presenter.

#include <memory>
#include <string>
#include <vector>

#include "framework/CString.h"
#include "framework/Messages.h"

class CWnd;

constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_SEPARATOR = 0x0800;

constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_CENTERALIGN = 0x0004;
constexpr UINT TPM_RIGHTALIGN = 0x0008;
constexpr UINT TPM_TOPALIGN = 0x0000;
constexpr UINT TPM_BOTTOMALIGN = 0x0020;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

class CMenu {
public:
    HMENU m_hMenu = nullptr;

    CMenu() = default;
    // Destroys the menu it loaded or created.
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    BOOL LoadMenu(UINT id);
    BOOL CreatePopupMenu();
    BOOL DestroyMenu();
    static CMenu* FromHandle(HMENU menu);
    operator HMENU() const { return m_hMenu; }

    UINT GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    CMenu* GetSubMenu(int position) const;
    int GetMenuString(UINT item, CString& text, UINT flags) const;
    // The previous state (MF_ENABLED, MF_GRAYED, ...), or -1 for no such item.
    UINT EnableMenuItem(UINT item, UINT flags);
    UINT CheckMenuItem(UINT item, UINT flags);
    UINT GetMenuState(UINT item, UINT flags) const;
    BOOL AppendMenu(UINT flags, UINT_PTR idOrPopup = 0, LPCSTR text = nullptr);
    BOOL ModifyMenu(UINT item, UINT flags, UINT_PTR idOrPopup = 0, LPCSTR text = nullptr);

    // Updates the items' state through `owner`'s command-UI handlers, shows the menu and
    // then posts the chosen command to `owner` (or returns it with TPM_RETURNCMD).
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);

private:
    bool m_bOwned = false;
};
