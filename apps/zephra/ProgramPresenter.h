#pragma once
// Sits in front of the display presenter (headless or desktop): publishes this process's
// top-level windows to the runtime directory, turns a stop signal into a close of the main
// window once the loop wakes, and hands the heap that start-up left free back to the system
// when the loop first waits.

#include "apps/zephra/RuntimeWindowDirectory.h"
#include "framework/Presenter.h"

namespace zephra_app {

class ProgramPresenter final : public fw::Presenter {
public:
    ProgramPresenter(fw::Presenter& display, RuntimeWindowDirectory& directory)
        : m_display(display), m_directory(directory)
    {
    }

    void window_created(HWND window) override;
    void window_destroyed(HWND window) override;
    void window_changed(HWND window, fw::Change what) override;
    void focus_changed(HWND window) override { m_display.focus_changed(window); }
    void foreground_changed(HWND window) override { m_display.foreground_changed(window); }
    void cursor_changed(fw::CursorKind cursor, HCURSOR custom) override { m_display.cursor_changed(cursor, custom); }
    void tray_icon_changed(fw::TrayChange change, const fw::TrayIcon& icon) override
    {
        m_display.tray_icon_changed(change, icon);
    }
    int message_box(const fw::MessageBoxRequest& request) override { return m_display.message_box(request); }
    UINT popup_menu(const fw::PopupMenuRequest& request) override { return m_display.popup_menu(request); }
    void wait_for_events(std::uint64_t deadline_ms) override;

private:
    fw::Presenter& m_display;
    RuntimeWindowDirectory& m_directory;
    bool m_closeSent = false;
    bool m_startHeapReturned = false;
};

}  // namespace zephra_app
