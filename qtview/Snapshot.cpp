#include "qtview/Snapshot.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>
#include <QWidget>

#include "qtview/Images.h"
#include "qtview/QtPresenter.h"

namespace qtview {

bool SaveWindowSnapshot(QtPresenter& presenter, HWND window, const QString& path)
{
    presenter.sync();
    QWidget* widget = presenter.widget_of(window);
    if (widget == nullptr)
        return false;
    QCoreApplication::processEvents();
    return widget->grab().save(path, "PNG");
}

bool SaveTrayIconSnapshot(const fw::TrayIcon& icon, int size, const QString& path)
{
    const QIcon shown = ToIcon(icon.icon);
    if (shown.isNull())
        return false;
    return shown.pixmap(size, size).save(path, "PNG");
}

}  // namespace qtview
