#pragma once
// The user's mouse and space bar on a static that notifies (SS_NOTIFY), such as a link: fed to
// the framework as the platform delivers them, pressed and released apart, with the pointer's
// place in the window's own coordinates; leaving the widget is a move outside it.

#include <QObject>

#include "framework/Messages.h"
#include "qtview/InputQueue.h"

class QWidget;

namespace qtview {

class StaticInput final : public QObject {
public:
    StaticInput(HWND window, InputQueue& inputs, QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    POINT FrameworkPoint(QPointF point) const;

    HWND m_window;
    InputQueue& m_inputs;
    QWidget* m_widget;
};

}  // namespace qtview
