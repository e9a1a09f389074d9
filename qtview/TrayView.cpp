#include "qtview/TrayView.h"

#include <vector>

#include "framework/Input.h"
#include "qtview/Images.h"

namespace qtview {

namespace {
// The mouse messages the shell posts to the icon's callback for a Qt activation, in order.
std::vector<UINT> MouseMessagesFor(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick: return {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP};
    case QSystemTrayIcon::Context: return {WM_RBUTTONDOWN, WM_RBUTTONUP};
    case QSystemTrayIcon::Trigger: return {WM_LBUTTONDOWN, WM_LBUTTONUP};
    case QSystemTrayIcon::MiddleClick: return {WM_MBUTTONDOWN, WM_MBUTTONUP};
    default: return {};
    }
}
}  // namespace

// The shell posts the mouse messages of the icon to its window's callback message.
TrayView::TrayView(const fw::TrayIcon& icon, InputQueue& inputs)
{
    m_icon = std::make_unique<QSystemTrayIcon>();
    HWND window = icon.window;
    const UINT id = icon.id;
    QObject::connect(m_icon.get(), &QSystemTrayIcon::activated, [window, id, &inputs](QSystemTrayIcon::ActivationReason reason) {
        inputs.push([window, id, messages = MouseMessagesFor(reason)] {
            for (UINT message : messages)
                fw::input::TrayMouse(window, id, message);
        });
    });
    // Without a tray the icon stays hidden; the program opens its window itself then.
    m_visible = QSystemTrayIcon::isSystemTrayAvailable();
    update(icon);
    if (m_visible)
        m_icon->show();
}

void TrayView::update(const fw::TrayIcon& icon)
{
    m_wanted_icon = icon.icon;
    m_wanted_tip = icon.tip;
    if (m_visible)
        show_wanted();
}

QSystemTrayIcon& TrayView::icon() const
{
    show_wanted();
    return *m_icon;
}

void TrayView::show_wanted() const
{
    if (!m_shown_once || m_wanted_icon != m_shown_icon) {
        auto picture = m_pictures.find(m_wanted_icon);
        if (picture == m_pictures.end())
            picture = m_pictures.emplace(m_wanted_icon, ToIcon(m_wanted_icon)).first;
        m_icon->setIcon(picture->second);
        m_shown_icon = m_wanted_icon;
        ++m_icon_sets;
    }
    if (!m_shown_once || m_wanted_tip != m_shown_tip) {
        m_icon->setToolTip(QString::fromStdString(m_wanted_tip));
        m_shown_tip = m_wanted_tip;
        ++m_tip_sets;
    }
    m_shown_once = true;
}

}  // namespace qtview
