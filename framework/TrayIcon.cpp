#include "framework/TrayIcon.h"

#include <algorithm>
#include <cstring>

#include "framework/Window.h"

namespace fw {

namespace {
std::vector<TrayIcon>& Icons()
{
    static std::vector<TrayIcon> icons;
    return icons;
}

void Tell(TrayChange change, const TrayIcon& icon)
{
    if (Presenter* p = CurrentPresenter())
        p->tray_icon_changed(change, icon);
}
}  // namespace

const std::vector<TrayIcon>& TrayIcons() { return Icons(); }

const TrayIcon* FindTrayIcon(HWND window, UINT id)
{
    for (const TrayIcon& icon : Icons())
        if (icon.window == window && icon.id == id)
            return &icon;
    return nullptr;
}

void ResetTrayIcons() { Icons().clear(); }

}  // namespace fw

BOOL Shell_NotifyIconA(DWORD message, PNOTIFYICONDATA data)
{
    if (data == nullptr || (data->cbSize != NOTIFYICONDATA_V1_SIZE && data->cbSize != sizeof(NOTIFYICONDATA)))
        return FALSE;
    auto& icons = fw::Icons();
    auto it = std::find_if(icons.begin(), icons.end(), [&](const fw::TrayIcon& i) { return i.window == data->hWnd && i.id == data->uID; });
    const auto apply = [&](fw::TrayIcon& icon) {
        if (data->uFlags & NIF_MESSAGE)
            icon.callback_message = data->uCallbackMessage;
        if (data->uFlags & NIF_ICON)
            icon.icon = data->hIcon;
        if (data->uFlags & NIF_TIP)
            icon.tip.assign(data->szTip, strnlen(data->szTip, sizeof data->szTip));
    };
    switch (message) {
    case NIM_ADD: {
        if (it != icons.end() || fw::FromHandle(data->hWnd) == nullptr)
            return FALSE;
        fw::TrayIcon icon;
        icon.window = data->hWnd;
        icon.id = data->uID;
        apply(icon);
        icons.push_back(icon);
        fw::Tell(fw::TrayChange::Added, icon);
        return TRUE;
    }
    case NIM_MODIFY:
        if (it == icons.end())
            return FALSE;
        apply(*it);
        fw::Tell(fw::TrayChange::Modified, *it);
        return TRUE;
    case NIM_DELETE: {
        if (it == icons.end())
            return FALSE;
        const fw::TrayIcon gone = *it;
        icons.erase(it);
        fw::Tell(fw::TrayChange::Deleted, gone);
        return TRUE;
    }
    default:
        return FALSE;
    }
}
