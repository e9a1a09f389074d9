#include "qtview/StaticInput.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "framework/Input.h"
#include "framework/Window.h"

namespace qtview {

StaticInput::StaticInput(HWND window, InputQueue& inputs, QWidget* widget)
    : QObject(widget), m_window(window), m_inputs(inputs), m_widget(widget)
{
    widget->setMouseTracking(true);
}

// The widget is the window scaled from dialog units, so its place scales the same way.
POINT StaticInput::FrameworkPoint(QPointF point) const
{
    const fw::Window* w = fw::FromHandle(m_window);
    if (w == nullptr || m_widget->width() == 0 || m_widget->height() == 0)
        return {0, 0};
    return {static_cast<LONG>(point.x() * w->rect.Width() / m_widget->width()),
            static_cast<LONG>(point.y() * w->rect.Height() / m_widget->height())};
}

bool StaticInput::eventFilter(QObject* watched, QEvent* event)
{
    const HWND window = m_window;
    switch (event->type()) {
    case QEvent::MouseMove: {
        const POINT at = FrameworkPoint(static_cast<QMouseEvent*>(event)->position());
        m_inputs.push([window, at] { fw::input::MouseMove(window, at); });
        break;
    }
    case QEvent::Leave:
        m_inputs.push([window] { fw::input::MouseMove(window, POINT{-1, -1}); });
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        const POINT at = FrameworkPoint(mouse->position());
        if (event->type() == QEvent::MouseButtonPress)
            m_inputs.push([window, at] { fw::input::LeftButtonDown(window, at); });
        else
            m_inputs.push([window, at] { fw::input::LeftButtonUp(window, at); });
        return true;
    }
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
            m_inputs.push([window] { fw::input::PressKey(window, VK_SPACE); });
            return true;
        }
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace qtview
