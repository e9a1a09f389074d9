#pragma once
// The framework's windows on a Qt 6 desktop. Create after the QApplication and install
// with fw::SetPresenter. The framework's loop stays the master: while it is idle it waits
// here, on Qt's events, until its next timer is due or the user did something.

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <utility>

#include <QTimer>

#include "framework/Presenter.h"
#include "framework/Window.h"
#include "qtview/InputQueue.h"
#include "qtview/SignalWake.h"
#include "qtview/TrayView.h"
#include "qtview/WindowView.h"

namespace qtview {

class QtPresenter final : public fw::Presenter {
public:
    QtPresenter();
    ~QtPresenter() override;
    QtPresenter(const QtPresenter&) = delete;
    QtPresenter& operator=(const QtPresenter&) = delete;

    // Brings every widget in step with its window.
    void sync();
    // One turn without waiting: Qt's pending events, queued input, then sync.
    void tick();
    // The widget showing `window`, null when it has none (yet).
    QWidget* widget_of(HWND window) const;
    const TrayView* tray_view(HWND window, UINT id) const;
    InputQueue& inputs() { return m_inputs; }

    void window_created(HWND window) override;
    void window_destroyed(HWND window) override;
    void window_changed(HWND window, fw::Change what) override;
    void focus_changed(HWND now_focused) override;
    void foreground_changed(HWND window) override;
    void cursor_changed(fw::CursorKind cursor, HCURSOR custom) override;
    void tray_icon_changed(fw::TrayChange change, const fw::TrayIcon& icon) override;
    int message_box(const fw::MessageBoxRequest& request) override;
    UINT popup_menu(const fw::PopupMenuRequest& request) override;
    void wait_for_events(std::uint64_t deadline_ms) override;

private:
    void sync_tree(const fw::Window& window, QWidget* parent, bool parent_updated);
    QWidget* parent_for(const fw::Window& window) const;
    void place(const fw::Window& window, WindowView& view);
    void lay_out_sheet(const fw::Window& sheet);
    void show_top_level(const fw::Window& window, WindowView& view, bool lay_out);
    void apply_tooltips();
    // False when no input was waiting.
    bool run_inputs();

    InputQueue m_inputs;
    std::map<HWND, std::unique_ptr<WindowView>> m_views;
    // The tab each page of a sheet belongs to: the tab that was current when it was first shown.
    std::map<HWND, int> m_page_tabs;
    std::map<std::pair<HWND, UINT>, std::unique_ptr<TrayView>> m_tray;
    HWND m_focus = nullptr;
    bool m_focus_changed = false;
    bool m_wait_cursor = false;
    bool m_dirty = true;
    // What changed since the last sync: windows whose state to compare with their widgets,
    // whether anything moved, appeared or went, and whether a tooltip changed.
    std::set<HWND> m_changed;
    bool m_layout_changed = true;
    bool m_tools_changed = true;
    bool m_wake = false;
    QTimer m_deadline_timer;
    bool m_timed_out = false;
    SignalWake m_signal_wake{[this] { m_wake = true; }};
};

}  // namespace qtview
