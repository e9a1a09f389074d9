#include "UiHarness.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "framework/CImageList.h"
#include "framework/Icon.h"
#include "framework/Input.h"
#include "framework/MessageLoop.h"
#include "framework/WaitCursor.h"
#include "framework/WinUser.h"
#include "framework/Window.h"

namespace ui_test {

namespace {
// Real time a turn may take before the test is declared stuck.
constexpr auto kTurnTimeout = std::chrono::seconds(30);

fw::Window* W(HWND handle) { return fw::FromHandle(handle); }
}  // namespace

UiHarness::UiHarness(const machine::Scenario& scenario)
    : m_machine(machine::with_recording_shell(scenario), m_clock), m_scope(m_machine)
{
    fw::MessageLoop::instance().reset();
    fw::ResetTrayIcons();
    m_previous_presenter = fw::SetPresenter(this);
}

UiHarness::~UiHarness()
{
    for (int attempt = 0; attempt < 100 && m_started && !m_finished; ++attempt)
        step(
            [this] {
                if (m_box)
                    m_box_answer = IDCANCEL;
                if (m_menu)
                    m_menu_choice = 0;
                PostQuitMessage(0);
            },
            0);
    if (m_program.joinable())
        m_program.join();
    for (fw::Window* w : fw::TopLevelWindows())
        if (fw::FromHandle(w->handle))
            DestroyWindow(w->handle);
    fw::MessageLoop::instance().reset();
    fw::ResetTrayIcons();
    fw::SetPresenter(m_previous_presenter);
}

void UiHarness::wait_for_turn(std::unique_lock<std::mutex>& lock, Turn turn)
{
    if (!m_changed.wait_for(lock, kTurnTimeout, [&] { return m_turn == turn; })) {
        ADD_FAILURE() << "the program and the test waited for each other";
        std::abort();
    }
}

void UiHarness::start(std::function<int()> program)
{
    ASSERT_FALSE(m_started) << "the program runs already";
    std::unique_lock lock(m_mutex);
    m_started = true;
    m_until = m_clock.now_ms();
    m_turn = Turn::Program;
    m_program = std::thread([this, program = std::move(program)] {
        {
            // start() holds the lock until it waits, so the test's side is set up by now.
            std::lock_guard ready(m_mutex);
            m_program_id = std::this_thread::get_id();
        }
        const int code = program();
        std::lock_guard done(m_mutex);
        m_exit_code = code;
        m_finished = true;
        m_turn = Turn::Test;
        m_changed.notify_all();
    });
    wait_for_turn(lock, Turn::Test);
}

void UiHarness::step(std::function<void()> action, std::uint64_t ms)
{
    if (!m_started || m_finished) {
        if (action)
            action();
        m_clock.advance(ms);
        return;
    }
    std::unique_lock lock(m_mutex);
    m_next = [this, action = std::move(action), ms] {
        if (action)
            action();
        m_until = m_clock.now_ms() + ms;
    };
    m_turn = Turn::Program;
    m_changed.notify_all();
    wait_for_turn(lock, Turn::Test);
}

void UiHarness::hand_over_and_take_next()
{
    std::function<void()> next;
    {
        std::unique_lock lock(m_mutex);
        m_turn = Turn::Test;
        m_changed.notify_all();
        wait_for_turn(lock, Turn::Program);
        next = std::move(m_next);
        m_next = nullptr;
    }
    if (next)
        next();
}

void UiHarness::wait_for_events(std::uint64_t deadline_ms)
{
    if (m_until && deadline_ms <= *m_until) {
        m_clock.wait_until(deadline_ms);
        return;
    }
    if (m_until && m_clock.now_ms() < *m_until)
        m_clock.wait_until(*m_until);
    m_until.reset();
    hand_over_and_take_next();
}

void UiHarness::run(const std::function<void()>& action) { step(action, 0); }
void UiHarness::run_for(std::uint64_t ms) { step(nullptr, ms); }

void UiHarness::click(HWND window) { step([=, this] { m_accepted = fw::input::Click(window); }, 0); }
void UiHarness::double_click(HWND window) { step([=, this] { m_accepted = fw::input::DoubleClick(window); }, 0); }
void UiHarness::right_click(HWND window) { step([=, this] { m_accepted = fw::input::RightClick(window); }, 0); }
void UiHarness::focus(HWND window) { step([=, this] { m_accepted = fw::input::Focus(window); }, 0); }
void UiHarness::type(HWND edit, const std::string& text) { step([=, this] { m_accepted = fw::input::TypeText(edit, text); }, 0); }
void UiHarness::clear(HWND edit) { step([=, this] { m_accepted = fw::input::ClearText(edit); }, 0); }
void UiHarness::press_key(HWND window, UINT key) { step([=, this] { m_accepted = fw::input::PressKey(window, key); }, 0); }
void UiHarness::select(HWND combo, int index) { step([=, this] { m_accepted = fw::input::SelectComboItem(combo, index); }, 0); }
void UiHarness::select_text(HWND edit, int start, int end) { step([=, this] { m_accepted = fw::input::SelectText(edit, start, end); }, 0); }
void UiHarness::paste(HWND edit, const std::string& text) { step([=, this] { m_accepted = fw::input::ReplaceSelection(edit, text); }, 0); }
void UiHarness::click_row(HWND list, int row) { step([=, this] { m_accepted = fw::input::ClickListRow(list, row); }, 0); }
void UiHarness::double_click_row(HWND list, int row) { step([=, this] { m_accepted = fw::input::DoubleClickListRow(list, row); }, 0); }
void UiHarness::select_tab(HWND sheet, int index) { step([=, this] { m_accepted = fw::input::SelectTab(sheet, index); }, 0); }
void UiHarness::close(HWND window) { step([=, this] { m_accepted = fw::input::CloseBox(window); }, 0); }
void UiHarness::post(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    step([=, this] { m_accepted = PostMessage(window, message, wParam, lParam) != FALSE; }, 0);
}

LRESULT UiHarness::send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    step([&, window, message, wParam, lParam] { result = SendMessage(window, message, wParam, lParam); }, 0);
    return result;
}

HWND UiHarness::tray_window(UINT& id) const
{
    const auto& icons = fw::TrayIcons();
    for (const fw::TrayIcon& icon : icons)
        if (id == 0 || icon.id == id) {
            id = icon.id;
            return icon.window;
        }
    return nullptr;
}

void UiHarness::tray_mouse(UINT mouse_message, UINT id)
{
    HWND window = tray_window(id);
    step([=, this] { m_accepted = fw::input::TrayMouse(window, id, mouse_message); }, 0);
}

void UiHarness::double_click_tray(UINT id)
{
    HWND window = tray_window(id);
    step([=, this] {
        m_accepted = true;
        for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            m_accepted = fw::input::TrayMouse(window, id, m) && m_accepted;
    }, 0);
}

void UiHarness::right_click_tray(UINT id)
{
    HWND window = tray_window(id);
    step([=, this] {
        m_accepted = fw::input::TrayMouse(window, id, WM_RBUTTONDOWN) && fw::input::TrayMouse(window, id, WM_RBUTTONUP);
    }, 0);
}

void UiHarness::click_tray(UINT id)
{
    HWND window = tray_window(id);
    step([=, this] {
        m_accepted = fw::input::TrayMouse(window, id, WM_LBUTTONDOWN) && fw::input::TrayMouse(window, id, WM_LBUTTONUP);
    }, 0);
}

const fw::MessageBoxRequest& UiHarness::message_box() const
{
    static const fw::MessageBoxRequest none;
    if (!m_box)
        ADD_FAILURE() << "no message box is open";
    return m_box ? *m_box : none;
}

void UiHarness::answer(int button)
{
    if (!m_box) {
        ADD_FAILURE() << "no message box to answer";
        return;
    }
    step([=, this] { m_box_answer = button; }, 0);
}

const fw::PopupMenuRequest& UiHarness::menu() const
{
    static const fw::PopupMenuRequest none;
    if (!m_menu)
        ADD_FAILURE() << "no menu is open";
    return m_menu ? *m_menu : none;
}

void UiHarness::choose(UINT command)
{
    if (!m_menu) {
        ADD_FAILURE() << "no menu to choose from";
        return;
    }
    step([=, this] { m_menu_choice = command; }, 0);
}

int UiHarness::message_box(const fw::MessageBoxRequest& request)
{
    m_all_boxes.push_back(request);
    // Outside the program's thread there is no loop to wait in: the box is only recorded.
    if (!m_started || std::this_thread::get_id() != m_program_id)
        return IDOK;
    m_box = request;
    m_box_answer.reset();
    fw::RunModalLoop([this] { return m_box_answer.has_value(); });
    const int answer = m_box_answer.value_or(IDCANCEL);
    m_box.reset();
    return answer;
}

UINT UiHarness::popup_menu(const fw::PopupMenuRequest& request)
{
    if (!m_started || std::this_thread::get_id() != m_program_id)
        return 0;
    m_menu = request;
    m_menu_choice.reset();
    fw::RunModalLoop([this] { return m_menu_choice.has_value(); });
    const UINT choice = m_menu_choice.value_or(0);
    m_menu.reset();
    return choice;
}

void UiHarness::cursor_changed(fw::CursorKind cursor, HCURSOR custom)
{
    if (cursor == fw::CursorKind::Wait)
        ++m_wait_shows;
    m_cursor = cursor == fw::CursorKind::Custom ? custom : nullptr;
}

HWND UiHarness::find_window(const std::string& title) const { return FindWindow(nullptr, title.c_str()); }
HWND UiHarness::control(HWND dialog, int id) const { return GetDlgItem(dialog, id); }

std::string UiHarness::text(HWND window) const
{
    fw::Window* w = W(window);
    return w ? fw::TextOf(w) : std::string();
}

bool UiHarness::exists(HWND window) const { return W(window) != nullptr; }
bool UiHarness::enabled(HWND window) const { return W(window) && W(window)->enabled(); }
bool UiHarness::visible(HWND window) const { return IsWindowVisible(window) != FALSE; }
bool UiHarness::read_only(HWND window) const { return W(window) && W(window)->read_only(); }
int UiHarness::check(HWND button) const { return W(button) ? W(button)->check : -1; }
int UiHarness::selection(HWND window) const
{
    fw::Window* w = W(window);
    if (w == nullptr)
        return -1;
    if (w->kind == fw::WindowKind::ListView) {
        for (std::size_t i = 0; i < w->rows.size(); ++i)
            if (w->rows[i].state & 0x0002)
                return static_cast<int>(i);
        return -1;
    }
    return w->cur_sel;
}

std::vector<std::string> UiHarness::items(HWND window) const { return W(window) ? W(window)->items : std::vector<std::string>(); }

std::vector<std::string> UiHarness::columns(HWND list) const
{
    std::vector<std::string> headings;
    if (fw::Window* w = W(list))
        for (const fw::ListColumn& c : w->columns)
            headings.push_back(c.heading);
    return headings;
}

std::vector<ListRowView> UiHarness::rows(HWND list) const
{
    std::vector<ListRowView> views;
    fw::Window* w = W(list);
    if (w == nullptr)
        return views;
    const fw::ImageListData* images = fw::ImageListOf(reinterpret_cast<HIMAGELIST>(w->small_images));
    for (const fw::ListRow& row : w->rows) {
        ListRowView view;
        view.texts = row.texts;
        view.texts.resize(std::max(view.texts.size(), w->columns.size()));
        if (images && row.image >= 0 && row.image < static_cast<int>(images->images.size()))
            view.image_resource_id = images->images[static_cast<std::size_t>(row.image)].resource_id;
        view.selected = (row.state & 0x0002) != 0;
        views.push_back(std::move(view));
    }
    return views;
}

std::vector<std::string> UiHarness::texts_below(HWND window) const
{
    std::vector<std::string> lines;
    const std::function<void(const fw::Window*)> visit = [&](const fw::Window* w) {
        std::string line = std::to_string(w->id) + ": " + fw::TextOf(w);
        for (const fw::ListRow& row : w->rows)
            for (const std::string& cell : row.texts)
                line += " | " + cell;
        if (line.size() > std::to_string(w->id).size() + 2)
            lines.push_back(std::move(line));
        for (const fw::Window* child : w->children)
            visit(child);
    };
    if (const fw::Window* w = W(window))
        visit(w);
    return lines;
}

HWND UiHarness::focus_window() const { return GetFocus(); }

HWND UiHarness::open_sheet() const
{
    HWND found = nullptr;
    for (fw::Window* w : fw::TopLevelWindows())
        if (w->kind == fw::WindowKind::PropertySheet && w->visible())
            found = w->handle;
    return found;
}

HWND UiHarness::active_page(HWND sheet) const
{
    fw::Window* s = W(sheet ? sheet : open_sheet());
    if (s == nullptr)
        return nullptr;
    for (fw::Window* child : s->children)
        if (child->kind == fw::WindowKind::Dialog && child->visible())
            return child->handle;
    return nullptr;
}

std::vector<std::string> UiHarness::tabs(HWND sheet) const
{
    return items(GetDlgItem(sheet ? sheet : open_sheet(), static_cast<int>(AFX_IDC_TAB_CONTROL)));
}

const fw::TrayIcon* UiHarness::tray_icon(UINT id) const
{
    HWND window = tray_window(id);
    return window ? fw::FindTrayIcon(window, id) : nullptr;
}

int UiHarness::tray_icon_resource_id(UINT id) const
{
    const fw::TrayIcon* icon = tray_icon(id);
    const fw::IconData* data = icon ? fw::IconOf(icon->icon) : nullptr;
    return data ? data->resource_id : 0;
}

std::string UiHarness::tray_tip(UINT id) const
{
    const fw::TrayIcon* icon = tray_icon(id);
    return icon ? icon->tip : std::string();
}

int UiHarness::wait_cursor_depth() const { return fw::WaitCursorDepth(); }

}  // namespace ui_test
