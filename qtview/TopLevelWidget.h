#pragma once
// A top-level framework window on the desktop. Its close box asks the framework, which
// decides whether the window goes.

#include <QWidget>

#include "framework/Messages.h"
#include "qtview/InputQueue.h"

namespace qtview {

class TopLevelWidget final : public QWidget {
public:
    TopLevelWidget(HWND window, InputQueue& inputs);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    HWND m_window;
    InputQueue& m_inputs;
};

}  // namespace qtview
