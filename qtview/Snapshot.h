#pragma once
// Pictures of what the desktop shows, written as PNG files.

#include <QString>

#include "framework/Messages.h"
#include "framework/Presenter.h"

namespace qtview {

class QtPresenter;

// The top-level window as its widget draws it now; false when it has none or the file
// cannot be written.
bool SaveWindowSnapshot(QtPresenter& presenter, HWND window, const QString& path);
// The icon's picture at `size` pixels.
bool SaveTrayIconSnapshot(const fw::TrayIcon& icon, int size, const QString& path);

}  // namespace qtview
