#include "qtview/RasterWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "framework/Input.h"
#include "framework/Window.h"
#include "qtview/Images.h"

namespace qtview {

RasterWidget::RasterWidget(HWND window, InputQueue& inputs, QWidget* parent)
    : QWidget(parent), m_window(window), m_inputs(inputs)
{
    setMouseTracking(true);
    // The picture covers the whole widget, so Qt need not paint what lies beneath it first: a
    // chart that scrolls each second would otherwise repaint its group box and page as well.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RasterWidget::paintEvent(QPaintEvent*)
{
    const fw::Window* w = fw::FromHandle(m_window);
    QPainter painter(this);
    if (w == nullptr || w->raster.IsEmpty()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    const QImage image = ToImage(w->raster);
    if (image.size() == size())
        painter.drawImage(0, 0, image);
    else
        painter.drawImage(rect(), image);
}

POINT RasterWidget::ToWindow(QPoint point) const
{
    const fw::Window* w = fw::FromHandle(m_window);
    if (w == nullptr || width() == 0 || height() == 0)
        return POINT{point.x(), point.y()};
    return POINT{point.x() * w->rect.Width() / width(), point.y() * w->rect.Height() / height()};
}

void RasterWidget::mousePressEvent(QMouseEvent* event)
{
    HWND window = m_window;
    if (event->button() == Qt::RightButton)
        m_inputs.push([window] { fw::input::RightClick(window); });
    else
        m_inputs.push([window] { fw::input::Click(window); });
}

void RasterWidget::mouseMoveEvent(QMouseEvent* event)
{
    HWND window = m_window;
    const POINT point = ToWindow(event->position().toPoint());
    m_inputs.push([window, point] { fw::input::MouseMove(window, point); });
}

}  // namespace qtview
