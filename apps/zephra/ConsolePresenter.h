#pragma once
// The headless display: the tray icon as a line on the output whenever its picture or tip
// changes, message boxes on the error stream (answered OK), no menus. Idle time is spent
// asleep on the platform's clock.

#include <ostream>
#include <string>

#include "framework/Presenter.h"

namespace zephra_app {

class ConsolePresenter final : public fw::Presenter {
public:
    ConsolePresenter(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

    void window_created(HWND) override {}
    void window_destroyed(HWND) override {}
    void window_changed(HWND, fw::Change) override {}
    void focus_changed(HWND) override {}
    void foreground_changed(HWND) override {}
    void cursor_changed(fw::CursorKind, HCURSOR) override {}
    void tray_icon_changed(fw::TrayChange change, const fw::TrayIcon& icon) override;
    int message_box(const fw::MessageBoxRequest& request) override;
    UINT popup_menu(const fw::PopupMenuRequest&) override { return 0; }
    void wait_for_events(std::uint64_t deadline_ms) override;

private:
    std::ostream& m_out;
    std::ostream& m_err;
    std::string m_lastLine;
};

}  // namespace zephra_app
