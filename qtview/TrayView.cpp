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
    update(icon);
    // Without a tray the icon stays hidden; the program opens its window itself then.
    if (QSystemTrayIcon::isSystemTrayAvailable())
        m_icon->show();
}

void TrayView::update(const fw::TrayIcon& icon)
{
    m_icon->setIcon(ToIcon(icon.icon));
    m_icon->setToolTip(QString::fromStdString(icon.tip));
}

}  // namespace qtview
