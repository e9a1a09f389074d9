#pragma once
// A presenter that shows nothing and answers every question with the default, so that a
// benchmark times the program's own work; each benchmark says how it waits.

#include "framework/Presenter.h"
#include "framework/WinUser.h"

class SilentPresenter : public fw::Presenter {
public:
    void window_created(HWND) override {}
    void window_destroyed(HWND) override {}
    void window_changed(HWND, fw::Change) override {}
    void focus_changed(HWND) override {}
    void foreground_changed(HWND) override {}
    void cursor_changed(fw::CursorKind, HCURSOR) override {}
    void tray_icon_changed(fw::TrayChange, const fw::TrayIcon&) override {}
    int message_box(const fw::MessageBoxRequest&) override { return IDOK; }
    UINT popup_menu(const fw::PopupMenuRequest&) override { return 0; }
};
