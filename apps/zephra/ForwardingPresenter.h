#pragma once
// A presenter in front of another: passes every call on. The desktop's ways of running the
// program derive from it and add what they need.

#include "framework/Presenter.h"

namespace zephra_app {

class ForwardingPresenter : public fw::Presenter {
public:
    explicit ForwardingPresenter(fw::Presenter& inner) : m_inner(inner) {}

    void window_created(HWND window) override { m_inner.window_created(window); }
    void window_destroyed(HWND window) override { m_inner.window_destroyed(window); }
    void window_changed(HWND window, fw::Change what) override { m_inner.window_changed(window, what); }
    void focus_changed(HWND window) override { m_inner.focus_changed(window); }
    void foreground_changed(HWND window) override { m_inner.foreground_changed(window); }
    void cursor_changed(fw::CursorKind cursor, HCURSOR custom) override { m_inner.cursor_changed(cursor, custom); }
    void tray_icon_changed(fw::TrayChange change, const fw::TrayIcon& icon) override { m_inner.tray_icon_changed(change, icon); }
    int message_box(const fw::MessageBoxRequest& request) override { return m_inner.message_box(request); }
    UINT popup_menu(const fw::PopupMenuRequest& request) override { return m_inner.popup_menu(request); }
    void wait_for_events(std::uint64_t deadline_ms) override { m_inner.wait_for_events(deadline_ms); }

protected:
    fw::Presenter& inner() { return m_inner; }

private:
    fw::Presenter& m_inner;
};

}  // namespace zephra_app
