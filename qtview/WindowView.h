#pragma once
// The widget that shows one framework window, kept in step with the window's state.
// Program changes are shown with the widget's signals blocked; what the user does is queued
// as framework input.

#include <optional>
#include <vector>

#include <QFont>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "framework/ControlColors.h"
#include "framework/Window.h"
#include "qtview/InputQueue.h"

class QAbstractButton;
class QComboBox;
class QLabel;
class QTabWidget;

namespace qtview {

class WindowView {
public:
    // `parent` null makes a top-level widget.
    WindowView(const fw::Window& window, QWidget* parent, InputQueue& inputs);
    ~WindowView();
    WindowView(const WindowView&) = delete;
    WindowView& operator=(const WindowView&) = delete;

    HWND handle() const { return m_handle; }
    fw::WindowKind kind() const { return m_kind; }
    // Null for windows that have no widget of their own (tooltip windows).
    QWidget* widget() const { return m_widget; }
    // Tab controls: the widget that holds the page of tab `index`, null when there is none.
    QWidget* page_holder(int index) const;
    QTabWidget* tab_widget() const;

    // Shows the window's current state (not its place: the presenter lays windows out).
    void update(const fw::Window& window);

private:
    void create_widget(const fw::Window& window, QWidget* parent);
    void connect_input(const fw::Window& window);
    void update_label(QLabel& label, const fw::Window& window);
    void update_button(QAbstractButton& button, const fw::Window& window);
    void update_combo(QComboBox& combo, const fw::Window& window);
    void update_colors(QWidget& widget);
    void update_list(const fw::Window& window);
    void update_tabs(const fw::Window& window);

    HWND m_handle;
    fw::WindowKind m_kind;
    InputQueue& m_inputs;
    QPointer<QWidget> m_widget;
    // What was handed to Qt where the widget cannot tell it back exactly.
    std::optional<QFont> m_shown_font;
    std::optional<fw::ControlColors> m_shown_colors;
    QStringList m_shown_headings;
    // What the list shows, to rebuild its rows only when they change.
    std::vector<fw::ListRow> m_shown_rows;
    HANDLE m_shown_images = nullptr;
};

}  // namespace qtview
