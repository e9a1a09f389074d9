#pragma once
// One notification-area icon of the program on the desktop's tray. Qt is handed a picture or
// a tip only when it differs from what the icon shows: setting an icon repaints the tray's
// window and waits on the display server, once a second otherwise. A hidden icon (no tray)
// takes its state only when someone looks at it.

#include <map>
#include <memory>
#include <string>

#include <QIcon>
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
    // The Qt icon, brought up to date first.
    QSystemTrayIcon& icon() const;

    // How often a picture, and a tip, was handed to Qt.
    int icon_sets() const { return m_icon_sets; }
    int tip_sets() const { return m_tip_sets; }

private:
    void show_wanted() const;

    std::unique_ptr<QSystemTrayIcon> m_icon;
    bool m_visible = false;
    HICON m_wanted_icon = nullptr;
    std::string m_wanted_tip;
    // What Qt shows, and the pictures converted so far: a handle stands for one resource
    // id's picture, so each is converted once.
    mutable HICON m_shown_icon = nullptr;
    mutable std::string m_shown_tip;
    mutable bool m_shown_once = false;
    mutable std::map<HICON, QIcon> m_pictures;
    mutable int m_icon_sets = 0;
    mutable int m_tip_sets = 0;
};

}  // namespace qtview
