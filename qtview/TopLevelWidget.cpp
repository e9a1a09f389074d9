#include "qtview/TopLevelWidget.h"

#include <QCloseEvent>

#include "framework/Input.h"

namespace qtview {

TopLevelWidget::TopLevelWidget(HWND window, InputQueue& inputs) : m_window(window), m_inputs(inputs) {}

void TopLevelWidget::closeEvent(QCloseEvent* event)
{
    event->ignore();
    HWND window = m_window;
    m_inputs.push([window] { fw::input::CloseBox(window); });
}

}  // namespace qtview
