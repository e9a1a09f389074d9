#pragma once
// One notification-area icon of the program on the desktop's tray.

#include <QSystemTrayIcon>

#include "framework/Presenter.h"
#include "qtview/InputQueue.h"

namespace qtview {

class TrayView {
public:
    TrayView(const fw::TrayIcon& icon, InputQueue& inputs);
    TrayView(const TrayView&) = delete;
    TrayView& operator=(const TrayView&) = delete;

    void update(const fw::TrayIcon& icon);
    const QSystemTrayIcon& icon() const { return m_icon; }

private:
    QSystemTrayIcon m_icon;
};

}  // namespace qtview
