#pragma once
// Drives the program's real message loop from plain sequential test code.
//
//   UiHarness ui;                       // a machine on virtual time; the harness presents
//   ui.start([&] { return fw::RunApplication(app); });
//   ui.double_click_tray();             // the sheet opens; its modal loop runs on...
//   ui.run_for(2000);                   // ...while time passes, timers included
//   EXPECT_EQ(ui.text(ui.control(ui.active_page(), 1101)), " Connected ");
//   ui.close(ui.find_window("Title"));  // DoModal returns
//
// The program runs on a thread of its own, strictly in turn with the test: each step runs
// on the program's thread from inside its loop (nested modal loops included) and returns
// when the loop is idle again. Message boxes and pop-up menus stay open until the test
// answers them; the program's timers keep running meanwhile.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "framework/Presenter.h"
#include "framework/TrayIcon.h"
#include "machine/Clock.h"
#include "machine/Machine.h"
#include "machine/Scenario.h"
#include "platform/MachineScope.h"

namespace ui_test {

struct ListRowView {
    std::vector<std::string> texts;
    int image_resource_id = 0;  // the resource id of the row's picture, 0 for none
    bool selected = false;
};

class UiHarness final : public fw::Presenter {
public:
    // The machine's shell only records what it opens and runs (with the scenario's errors).
    explicit UiHarness(const machine::Scenario& scenario = machine::default_scenario());
    ~UiHarness() override;
    UiHarness(const UiHarness&) = delete;
    UiHarness& operator=(const UiHarness&) = delete;

    machine::Machine& machine() { return m_machine; }
    machine::VirtualClock& clock() { return m_clock; }
    std::uint64_t now() const { return m_clock.now_ms(); }

    // Runs `program` (returning its exit code) on the program's thread until its loop idles.
    void start(std::function<int()> program);
    bool finished() const { return m_finished; }
    int exit_code() const { return m_exit_code; }

    // Steps. Each runs on the program's thread, then lets the loop run until it is idle.
    void run(const std::function<void()>& action);
    // Lets `ms` of virtual time pass, running every message and timer due on the way.
    void run_for(std::uint64_t ms);
    void settle() { run_for(0); }
    void click(HWND window);
    void double_click(HWND window);
    void right_click(HWND window);
    void focus(HWND window);
    void type(HWND edit, const std::string& text);
    void clear(HWND edit);
    // Selects [start, end) of an edit's text (`end` -1: to the end); paste replaces the selection.
    void select_text(HWND edit, int start, int end);
    void paste(HWND edit, const std::string& text);
    void press_key(HWND window, UINT virtual_key);
    void select(HWND combo, int index);
    void click_row(HWND list, int row);
    void double_click_row(HWND list, int row);
    void select_tab(HWND sheet, int index);
    void close(HWND window);
    void post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Mouse messages on a tray icon (id 0: the only one), as the shell posts them.
    void tray_mouse(UINT mouse_message, UINT id = 0);
    void double_click_tray(UINT id = 0);
    void right_click_tray(UINT id = 0);
    void click_tray(UINT id = 0);
    // False when the last step's input was refused (hidden or disabled window, no icon).
    bool last_input_accepted() const { return m_accepted; }

    // Message boxes and menus.
    bool message_box_open() const { return m_box.has_value(); }
    const fw::MessageBoxRequest& message_box() const;
    void answer(int button);
    const std::vector<fw::MessageBoxRequest>& message_boxes() const { return m_all_boxes; }
    bool menu_open() const { return m_menu.has_value(); }
    const fw::PopupMenuRequest& menu() const;
    // 0 dismisses the menu.
    void choose(UINT command);

    // Readers.
    HWND find_window(const std::string& title) const;
    HWND control(HWND dialog, int id) const;
    std::string text(HWND window) const;
    bool exists(HWND window) const;
    bool enabled(HWND window) const;
    bool visible(HWND window) const;
    bool read_only(HWND window) const;
    int check(HWND button) const;
    int selection(HWND control) const;
    std::vector<std::string> items(HWND control) const;
    std::vector<std::string> columns(HWND list) const;
    std::vector<ListRowView> rows(HWND list) const;
    // What a window and everything below it show: one line per window with a text or list
    // rows, "id: text | row | row", in creation order.
    std::vector<std::string> texts_below(HWND window) const;
    HWND focus_window() const;
    // The property sheet shown last and its active page, null when none is open.
    HWND open_sheet() const;
    HWND active_page(HWND sheet = nullptr) const;
    std::vector<std::string> tabs(HWND sheet = nullptr) const;
    const fw::TrayIcon* tray_icon(UINT id = 0) const;
    int tray_icon_resource_id(UINT id = 0) const;
    std::string tray_tip(UINT id = 0) const;
    int wait_cursor_depth() const;
    // How often the wait cursor was shown since the start.
    int wait_cursor_shows() const { return m_wait_shows; }
    // The cursor a window set last (SetCursor), null for the arrow or the wait cursor.
    HCURSOR cursor() const { return m_cursor; }

    // fw::Presenter
    void window_created(HWND) override {}
    void window_destroyed(HWND) override {}
    void window_changed(HWND, fw::Change) override {}
    void focus_changed(HWND) override {}
    void foreground_changed(HWND) override {}
    void cursor_changed(fw::CursorKind cursor, HCURSOR) override;
    void tray_icon_changed(fw::TrayChange, const fw::TrayIcon&) override {}
    int message_box(const fw::MessageBoxRequest& request) override;
    UINT popup_menu(const fw::PopupMenuRequest& request) override;
    void wait_for_events(std::uint64_t deadline_ms) override;

private:
    enum class Turn { Test, Program };
    void step(std::function<void()> action, std::uint64_t ms);
    // Program side: hands the turn to the test and runs the next step it gives.
    void hand_over_and_take_next();
    void wait_for_turn(std::unique_lock<std::mutex>& lock, Turn turn);
    HWND tray_window(UINT& id) const;

    machine::VirtualClock m_clock;
    machine::Machine m_machine;
    platform::MachineScope m_scope;
    fw::Presenter* m_previous_presenter = nullptr;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    Turn m_turn = Turn::Test;
    std::thread m_program;
    // Set by the program's thread itself: it may show a box before m_program is assigned.
    std::thread::id m_program_id;
    bool m_started = false;
    bool m_finished = false;
    int m_exit_code = 0;
    std::function<void()> m_next;
    std::optional<std::uint64_t> m_until;
    bool m_accepted = true;

    std::optional<fw::MessageBoxRequest> m_box;
    std::optional<int> m_box_answer;
    std::vector<fw::MessageBoxRequest> m_all_boxes;
    std::optional<fw::PopupMenuRequest> m_menu;
    std::optional<UINT> m_menu_choice;
    int m_wait_shows = 0;
    HCURSOR m_cursor = nullptr;
};

}  // namespace ui_test
