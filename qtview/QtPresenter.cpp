#include "qtview/QtPresenter.h"

#include <algorithm>
#include <climits>
#include <limits>

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "framework/Icon.h"
#include "framework/MessageBox.h"
#include "framework/MessageLoop.h"
#include "platform/Time.h"
#include "qtview/DialogMetrics.h"
#include "qtview/Images.h"

namespace qtview {

namespace {
bool IsSheetPage(const fw::Window& window)
{
    return window.parent != nullptr && window.parent->kind == fw::WindowKind::PropertySheet && window.kind == fw::WindowKind::Dialog;
}

const fw::Window* TabControlOf(const fw::Window& sheet)
{
    for (const fw::Window* child : sheet.children)
        if (child->kind == fw::WindowKind::TabControl)
            return child;
    return nullptr;
}

// Widens a rectangle to `text`, on the side its alignment leaves free, and heightens it.
QRect WholeText(QRect shown, QSize text, DWORD style)
{
    const int grow = text.width() - shown.width();
    if (grow > 0) {
        const DWORD alignment = style & (SS_CENTER | SS_RIGHT);
        if (alignment == SS_RIGHT)
            shown.setLeft(shown.left() - grow);
        else if (alignment == SS_CENTER)
            shown.adjust(-grow / 2, 0, grow - grow / 2, 0);
        else
            shown.setRight(shown.right() + grow);
    }
    shown.setHeight(std::max(shown.height(), text.height()));
    return shown;
}

QMessageBox::Icon IconOfBox(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

struct BoxButton {
    QMessageBox::StandardButton button;
    int id;
};

std::vector<BoxButton> ButtonsOfBox(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_ABORTRETRYIGNORE: return {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
    case MB_YESNOCANCEL: return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO: return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MB_RETRYCANCEL: return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
    default: return {{QMessageBox::Ok, IDOK}};
    }
}

void AddEntries(QMenu& menu, const std::vector<fw::MenuEntry>& entries)
{
    for (const fw::MenuEntry& entry : entries) {
        if (!entry.popup.empty()) {
            QMenu* sub = menu.addMenu(QString::fromStdString(entry.text));
            sub->setEnabled(entry.enabled);
            AddEntries(*sub, entry.popup);
        } else if (entry.command == 0 && entry.text.empty()) {
            menu.addSeparator();
        } else {
            QAction* action = menu.addAction(QString::fromStdString(entry.text));
            action->setData(entry.command);
            action->setEnabled(entry.enabled);
            action->setCheckable(entry.checked);
            action->setChecked(entry.checked);
        }
    }
}
}  // namespace

QtPresenter::QtPresenter()
{
    m_deadline_timer.setSingleShot(true);
    m_deadline_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_deadline_timer, &QTimer::timeout, [this] { m_timed_out = true; });
}

QtPresenter::~QtPresenter()
{
    if (m_wait_cursor)
        QApplication::restoreOverrideCursor();
}

QWidget* QtPresenter::widget_of(HWND window) const
{
    auto it = m_views.find(window);
    return it == m_views.end() ? nullptr : it->second->widget();
}

const TrayView* QtPresenter::tray_view(HWND window, UINT id) const
{
    auto it = m_tray.find({window, id});
    return it == m_tray.end() ? nullptr : it->second.get();
}

void QtPresenter::window_created(HWND)
{
    m_dirty = true;
    m_layout_changed = true;
}

void QtPresenter::window_destroyed(HWND window)
{
    m_views.erase(window);
    m_page_tabs.erase(window);
    m_changed.erase(window);
    m_dirty = true;
    m_layout_changed = true;
}

void QtPresenter::window_changed(HWND window, fw::Change what)
{
    // A new picture of an owner-drawn window repaints that widget alone, not the whole tree.
    if (what == fw::Change::Invalidated) {
        auto it = m_views.find(window);
        if (it != m_views.end() && it->second->kind() == fw::WindowKind::Generic && it->second->widget() != nullptr) {
            it->second->widget()->update();
            return;
        }
    }
    m_dirty = true;
    m_changed.insert(window);
    switch (what) {
    case fw::Change::Rect:
    case fw::Change::Font:
    case fw::Change::Shown:
    case fw::Change::Items:
    case fw::Change::ActivePage: m_layout_changed = true; break;
    case fw::Change::Tools: m_tools_changed = true; break;
    default: break;
    }
}

void QtPresenter::focus_changed(HWND now_focused)
{
    m_focus = now_focused;
    m_focus_changed = true;
    m_dirty = true;
}

void QtPresenter::foreground_changed(HWND window)
{
    sync();
    QWidget* widget = widget_of(window);
    // The offscreen platform has no stacking to change.
    if (widget != nullptr && QGuiApplication::platformName() != QLatin1String("offscreen")) {
        widget->raise();
        widget->activateWindow();
    }
}

void QtPresenter::cursor_changed(fw::CursorKind cursor, HCURSOR custom)
{
    // A window's own cursor (a link's hand) is shown over the widget under the pointer, and
    // there only: the widget keeps it, and leaving the widget shows the others' cursor again.
    if (const fw::CursorData* data = fw::CursorOf(custom); data != nullptr && !data->standard) {
        if (QWidget* under = QApplication::widgetAt(QCursor::pos())) {
            const QPixmap picture = QPixmap::fromImage(ToImage(data->image.image));
            under->setCursor(QCursor(picture, data->image.hotspot_x, data->image.hotspot_y));
        }
    }
    const bool wait = cursor == fw::CursorKind::Wait;
    if (wait == m_wait_cursor)
        return;
    m_wait_cursor = wait;
    if (wait)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtPresenter::tray_icon_changed(fw::TrayChange change, const fw::TrayIcon& icon)
{
    const std::pair<HWND, UINT> key{icon.window, icon.id};
    switch (change) {
    case fw::TrayChange::Added: m_tray[key] = std::make_unique<TrayView>(icon, m_inputs); break;
    case fw::TrayChange::Modified:
        if (auto it = m_tray.find(key); it != m_tray.end())
            it->second->update(icon);
        break;
    case fw::TrayChange::Deleted: m_tray.erase(key); break;
    }
}

void QtPresenter::sync()
{
    if (!m_dirty)
        return;
    m_dirty = false;
    for (const fw::Window* top : fw::TopLevelWindows())
        sync_tree(*top, nullptr, false);
    if (m_tools_changed || m_layout_changed)
        apply_tooltips();
    m_changed.clear();
    m_layout_changed = false;
    m_tools_changed = false;
    if (m_focus_changed) {
        m_focus_changed = false;
        QWidget* widget = widget_of(m_focus);
        if (widget != nullptr && !widget->hasFocus())
            widget->setFocus(Qt::OtherFocusReason);
    }
}

QWidget* QtPresenter::parent_for(const fw::Window& window) const
{
    if (window.parent == nullptr)
        return nullptr;
    if (!IsSheetPage(window))
        return widget_of(window.parent->handle);
    const fw::Window* tab = TabControlOf(*window.parent);
    auto view = tab ? m_views.find(tab->handle) : m_views.end();
    auto page = m_page_tabs.find(window.handle);
    if (view == m_views.end() || page == m_page_tabs.end())
        return nullptr;
    return view->second->page_holder(page->second);
}

// Only windows that changed (and what lies in them) are compared with their widgets.
void QtPresenter::sync_tree(const fw::Window& window, QWidget* parent, bool parent_updated)
{
    auto it = m_views.find(window.handle);
    bool created = false;
    if (it == m_views.end()) {
        if (window.parent == nullptr && !window.visible())
            return;
        if (IsSheetPage(window) && m_page_tabs.find(window.handle) == m_page_tabs.end()) {
            // A page belongs to the tab that is current when it is first shown.
            const fw::Window* tab = TabControlOf(*window.parent);
            if (!window.visible() || tab == nullptr || tab->cur_sel < 0)
                return;
            m_page_tabs[window.handle] = tab->cur_sel;
        }
        QWidget* holder = window.parent ? parent_for(window) : nullptr;
        if (window.parent != nullptr && holder == nullptr && parent == nullptr)
            return;
        it = m_views.emplace(window.handle, std::make_unique<WindowView>(window, holder ? holder : parent, m_inputs)).first;
        created = true;
    }
    WindowView& view = *it->second;
    const bool update = created || parent_updated || m_changed.count(window.handle) != 0;
    if (update)
        view.update(window);
    if (window.parent != nullptr && (created || m_layout_changed))
        place(window, view);
    for (const fw::Window* child : window.children)
        sync_tree(*child, view.widget(), update);
    if (window.parent == nullptr)
        show_top_level(window, view, created || m_layout_changed);
}

void QtPresenter::place(const fw::Window& window, WindowView& view)
{
    QWidget* widget = view.widget();
    if (widget == nullptr || (window.parent->kind == fw::WindowKind::PropertySheet && !IsSheetPage(window)))
        return;  // the sheet lays out its own frame
    QRect shown = MetricsFor(window).rect(window.rect);
    if (IsSheetPage(window))
        shown.moveTopLeft(QPoint(0, 0));
    // A combo box's template height includes its dropped-down list.
    if (qobject_cast<QComboBox*>(widget) != nullptr)
        shown.setHeight(widget->sizeHint().height());
    // A link is sized to its text in the program's metrics; it is shown whole in Qt's.
    if (qobject_cast<QLabel*>(widget) != nullptr && (window.style & SS_NOTIFY))
        shown = WholeText(shown, widget->sizeHint(), window.style);
    widget->setGeometry(shown);
}

void QtPresenter::lay_out_sheet(const fw::Window& sheet)
{
    QWidget* sheet_widget = widget_of(sheet.handle);
    const fw::Window* tab = TabControlOf(sheet);
    auto tab_view = tab ? m_views.find(tab->handle) : m_views.end();
    if (sheet_widget == nullptr || tab_view == m_views.end() || tab_view->second->tab_widget() == nullptr)
        return;
    QTabWidget* tabs = tab_view->second->tab_widget();
    const DialogMetrics frame(FontOf(nullptr));

    // The page area fits the largest page, as the framework sized it.
    QSize page_size(frame.x(tab->rect.Width() - 8), frame.y(tab->rect.Height() - 28));
    for (const fw::Window* child : sheet.children)
        if (IsSheetPage(*child))
            page_size = page_size.expandedTo(MetricsFor(*child).rect(child->rect).size());
    for (int i = 0; i < tabs->count(); ++i)
        tabs->widget(i)->setMinimumSize(page_size);
    tabs->move(frame.x(tab->rect.left), frame.y(tab->rect.top));
    tabs->resize(tabs->minimumSizeHint().expandedTo(page_size));

    // The buttons keep their place under the tabs' right edge.
    const int dx = tabs->geometry().right() + 1 - frame.x(tab->rect.right);
    const int dy = tabs->geometry().bottom() + 1 - frame.y(tab->rect.bottom);
    for (const fw::Window* child : sheet.children) {
        if (child == tab || IsSheetPage(*child))
            continue;
        if (QWidget* widget = widget_of(child->handle)) {
            QRect shown = frame.rect(child->rect).translated(dx, dy);
            shown.setHeight(std::max(shown.height(), widget->sizeHint().height()));
            widget->setGeometry(shown);
        }
    }
    sheet_widget->setFixedSize(frame.x(sheet.rect.Width()) + dx, frame.y(sheet.rect.Height()) + dy);
}

void QtPresenter::show_top_level(const fw::Window& window, WindowView& view, bool lay_out)
{
    QWidget* widget = view.widget();
    if (widget == nullptr)
        return;
    if (lay_out && window.kind == fw::WindowKind::PropertySheet)
        lay_out_sheet(window);
    else if (lay_out)
        widget->resize(MetricsFor(window).rect(window.client_rect()).size());
    if (window.visible() && !widget->isVisible())
        widget->show();
    else if (!window.visible() && widget->isVisible())
        widget->hide();
}

void QtPresenter::apply_tooltips()
{
    for (const auto& [handle, view] : m_views) {
        if (view->kind() != fw::WindowKind::ToolTip)
            continue;
        const fw::Window* tips = fw::FromHandle(handle);
        if (tips == nullptr)
            continue;
        for (const fw::ToolInfo& tool : tips->tools) {
            // A tool named by its window's handle shows its tip over that window.
            HWND target = fw::FromHandle(reinterpret_cast<HWND>(tool.id)) ? reinterpret_cast<HWND>(tool.id) : tool.tool;
            if (QWidget* widget = widget_of(target); widget != nullptr && widget->toolTip() != QString::fromStdString(tool.text))
                widget->setToolTip(QString::fromStdString(tool.text));
        }
    }
}

bool QtPresenter::run_inputs()
{
    const bool any = m_inputs.run_all();
    sync();
    return any;
}

void QtPresenter::tick()
{
    sync();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    run_inputs();
}

void QtPresenter::wait_for_events(std::uint64_t deadline_ms)
{
    // Input that came in while the loop was busy is handled first; the loop then looks again.
    if (run_inputs() || m_wake) {
        m_wake = false;
        return;
    }
    const std::uint64_t now = GetTickCount64();
    if (deadline_ms <= now) {
        tick();
        return;
    }
    // One timer for every wait: a new QObject and timer registration on each tick cost more
    // than the tick itself.
    m_timed_out = false;
    if (deadline_ms != std::numeric_limits<std::uint64_t>::max())
        m_deadline_timer.start(static_cast<int>(std::min<std::uint64_t>(deadline_ms - now, INT_MAX)));
    // Asleep in Qt's event wait until the timer, user input, or an answered box wakes us.
    while (!m_timed_out && m_inputs.empty() && !m_wake)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
    m_deadline_timer.stop();
    m_wake = false;
    const bool timed_out = m_timed_out;
    // A virtual clock jumps to the deadline; a real one is there already.
    if (timed_out)
        platform::WaitUntil(deadline_ms);
    run_inputs();
}

int QtPresenter::message_box(const fw::MessageBoxRequest& request)
{
    sync();
    const std::vector<BoxButton> buttons = ButtonsOfBox(request.type);
    QMessageBox box(IconOfBox(request.type), QString::fromStdString(request.caption), QString::fromStdString(request.text));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    QMessageBox::StandardButtons standard;
    for (const BoxButton& b : buttons)
        standard |= b.button;
    box.setStandardButtons(standard);
    const std::size_t default_index = (request.type & MB_DEFBUTTON2) ? 1 : 0;
    box.setDefaultButton(buttons[std::min(default_index, buttons.size() - 1)].button);
    // The close box answers as the platform's boxes do: OK alone, else Cancel when offered.
    if (buttons.size() == 1)
        box.setEscapeButton(buttons.front().button);
    else if (standard.testFlag(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);

    bool answered = false;
    QObject::connect(&box, &QMessageBox::finished, [this, &answered] {
        answered = true;
        m_wake = true;
    });
    box.open();
    // The program's timers keep running while the box waits for its answer.
    if (!fw::RunModalLoop([&answered] { return answered; }))
        return buttons.size() == 1 ? buttons.front().id : IDCANCEL;
    const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    for (const BoxButton& b : buttons)
        if (b.button == pressed)
            return b.id;
    return buttons.size() == 1 ? buttons.front().id : IDCANCEL;
}

UINT QtPresenter::popup_menu(const fw::PopupMenuRequest& request)
{
    sync();
    QMenu menu;
    AddEntries(menu, request.entries);
    UINT chosen = 0;
    bool closed = false;
    QObject::connect(&menu, &QMenu::triggered, [&chosen](QAction* action) { chosen = action->data().toUInt(); });
    QObject::connect(&menu, &QMenu::aboutToHide, [this, &closed] {
        // The chosen entry is triggered after the menu hides: look once the event is done.
        QTimer::singleShot(0, [this, &closed] {
            closed = true;
            m_wake = true;
        });
    });
    menu.popup(QCursor::pos());
    if (!fw::RunModalLoop([&closed] { return closed; }))
        return 0;
    return chosen;
}

}  // namespace qtview
