#include "qtview/TrayView.h"

#include "framework/Input.h"
#include "qtview/Images.h"

namespace qtview {

TrayView::TrayView(const fw::TrayIcon& icon, InputQueue& inputs)
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    m_icon = std::make_unique<QSystemTrayIcon>();
    HWND window = icon.window;
    const UINT id = icon.id;
    // The shell posts the mouse messages of the icon to its window's callback message.
    QObject::connect(m_icon.get(), &QSystemTrayIcon::activated, [window, id, &inputs](QSystemTrayIcon::ActivationReason reason) {
        switch (reason) {
        case QSystemTrayIcon::DoubleClick:
            inputs.push([window, id] {
                fw::input::TrayMouse(window, id, WM_LBUTTONDOWN);
                fw::input::TrayMouse(window, id, WM_LBUTTONUP);
                fw::input::TrayMouse(window, id, WM_LBUTTONDBLCLK);
                fw::input::TrayMouse(window, id, WM_LBUTTONUP);
            });
            break;
        case QSystemTrayIcon::Context:
            inputs.push([window, id] {
                fw::input::TrayMouse(window, id, WM_RBUTTONDOWN);
                fw::input::TrayMouse(window, id, WM_RBUTTONUP);
            });
            break;
        case QSystemTrayIcon::Trigger:
            inputs.push([window, id] {
                fw::input::TrayMouse(window, id, WM_LBUTTONDOWN);
                fw::input::TrayMouse(window, id, WM_LBUTTONUP);
            });
            break;
        default: break;
        }
    });
    update(icon);
    m_icon->show();
}

void TrayView::update(const fw::TrayIcon& icon)
{
    if (m_icon == nullptr)
        return;
    m_icon->setIcon(ToIcon(icon.icon));
    m_icon->setToolTip(QString::fromStdString(icon.tip));
}

}  // namespace qtview
