#include "apps/zephra/MeasureWatcher.h"

#include <cstdlib>

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include "apps/zephra/MeasureMarks.h"
#include "framework/Input.h"
#include "framework/Window.h"
#include "qtview/QtPresenter.h"

namespace zephra_app {

namespace {
// Qt's own widget behind a tray icon on X11; a tray host maps it once it has docked it.
constexpr char kTrayIconWidgetClass[] = "QSystemTrayIconSys";

HWND OpenSheet()
{
    for (const fw::Window* top : fw::TopLevelWindows())
        if (top->kind == fw::WindowKind::PropertySheet && top->visible())
            return top->handle;
    return nullptr;
}
}  // namespace

MeasureWatcher::MeasureWatcher(qtview::QtPresenter& desktop) : m_desktop(desktop)
{
    const char* page = std::getenv("ZEPHRA_MEASURE_PAGE");
    m_page = page != nullptr ? std::atoi(page) : 0;
    QApplication::instance()->installEventFilter(this);
}

MeasureWatcher::~MeasureWatcher() { QApplication::instance()->removeEventFilter(this); }

bool MeasureWatcher::eventFilter(QObject* watched, QEvent* event)
{
    auto* window = qobject_cast<QWindow*>(watched);
    if (event->type() != QEvent::Expose || window == nullptr || (m_tray_seen && m_window_seen))
        return false;
    // Exposure is delivered before the window's flag is set; look once the event is through.
    QMetaObject::invokeMethod(this, [this, window] {
        if (!window->isExposed())
            return;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->windowHandle() != window)
                continue;
            if (!m_tray_seen && widget->inherits(kTrayIconWidgetClass)) {
                m_tray_seen = true;
                MeasureMark("tray-icon");
            }
            HWND sheet = OpenSheet();
            if (!m_window_seen && sheet != nullptr && m_desktop.widget_of(sheet) == widget) {
                m_window_seen = true;
                MeasureMark("window");
                if (m_page > 0)
                    m_desktop.inputs().push([sheet, page = m_page] { fw::input::SelectTab(sheet, page); });
            }
        }
    }, Qt::QueuedConnection);
    return false;
}

}  // namespace zephra_app
