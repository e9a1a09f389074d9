#pragma once
// For scripts/measure.sh, on the desktop: marks the moments the tray icon and the window are
// first on screen (see MeasureMarks.h), and with ZEPHRA_MEASURE_PAGE=N turns the window to its
// page N (0 first) as a click on the tab would. Installed only while measuring.

#include <QObject>

namespace qtview {
class QtPresenter;
}

namespace zephra_app {

class MeasureWatcher final : public QObject {
public:
    explicit MeasureWatcher(qtview::QtPresenter& desktop);
    ~MeasureWatcher() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    qtview::QtPresenter& m_desktop;
    int m_page;
    bool m_tray_seen = false;
    bool m_window_seen = false;
};

}  // namespace zephra_app
