#pragma once
// How the framework's windows are shown. The framework tells a presenter of every change; the
// presenter reads the window's state (fw::FromHandle) and feeds user input back through
// framework/Input.h. Without a presenter the framework runs headless.

#include <cstdint>
#include <string>
#include <vector>

#include "framework/Messages.h"

namespace fw {

enum class Change {
    Text, Enabled, Shown, ReadOnly, Check, Items, Selection, Columns, Rows, Images,
    Rect, Font, ExtendedStyle, Tools, Invalidated, ActivePage
};

enum class CursorKind { Arrow, Wait, Custom };

struct TrayIcon {
    HWND window = nullptr;
    UINT id = 0;
    UINT callback_message = 0;
    HICON icon = nullptr;
    std::string tip;
};

enum class TrayChange { Added, Modified, Deleted };

struct MessageBoxRequest {
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT type = 0;  // MB_*
};

struct MenuEntry {
    std::string text;
    UINT command = 0;  // 0 for a pop-up
    bool enabled = true;
    bool checked = false;
    std::vector<MenuEntry> popup;
};

struct PopupMenuRequest {
    HWND owner = nullptr;
    int x = 0, y = 0;
    UINT flags = 0;  // TPM_*
    std::vector<MenuEntry> entries;
};

class Presenter {
public:
    virtual ~Presenter() = default;

    virtual void window_created(HWND window) = 0;
    virtual void window_destroyed(HWND window) = 0;
    virtual void window_changed(HWND window, Change what) = 0;
    virtual void focus_changed(HWND now_focused) = 0;
    virtual void foreground_changed(HWND window) = 0;
    virtual void cursor_changed(CursorKind cursor, HCURSOR custom) = 0;
    virtual void tray_icon_changed(TrayChange change, const TrayIcon& icon) = 0;

    // Modal: returns the button pressed (IDOK, IDCANCEL, ...). A presenter that wants the
    // program's timers served meanwhile runs fw::RunModalLoop until the user answers.
    virtual int message_box(const MessageBoxRequest& request) = 0;
    // Modal: returns the command chosen, 0 when the menu was dismissed.
    virtual UINT popup_menu(const PopupMenuRequest& request) = 0;

    // The message loop is idle until `deadline_ms` (tick count; UINT64_MAX for none): wait
    // until then or until user input was fed in, whichever comes first.
    virtual void wait_for_events(std::uint64_t deadline_ms) = 0;
};

// Installs `presenter` (null: headless) and returns the one before.
Presenter* SetPresenter(Presenter* presenter);
Presenter* CurrentPresenter();

}  // namespace fw
