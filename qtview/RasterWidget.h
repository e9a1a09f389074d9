#pragma once
// An owner-drawn window: shows the picture its paint handler drew into the window's raster,
// and hands the mouse back to it.

#include <QWidget>

#include "framework/Messages.h"
#include "qtview/InputQueue.h"

namespace qtview {

class RasterWidget final : public QWidget {
public:
    RasterWidget(HWND window, InputQueue& inputs, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // A point of the widget in the window's own client pixels.
    POINT ToWindow(QPoint point) const;

    HWND m_window;
    InputQueue& m_inputs;
};

}  // namespace qtview
