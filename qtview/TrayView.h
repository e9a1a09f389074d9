#pragma once
// One notification-area icon of the program on the desktop's tray.

#include <memory>

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
    QSystemTrayIcon& icon() const { return *m_icon; }

private:
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

}  // namespace qtview
