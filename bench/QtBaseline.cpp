// The yardstick of scripts/measure.sh: about the least a Qt 6 program of this kind does. A tray
// icon and a window of five tabs; once a second one label's text and the tray's tip and
// picture change. With --floor, the least any Qt tray program costs: the tray icon alone and a
// 1 s timer that does nothing. With ZEPHRA_MEASURE_T0 set (launch time, nanoseconds of the
// real-time clock) it prints "zephra-measure: tray-icon MS" and "... window MS" when each is
// first on screen, as zephra does.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace {

void Mark(const char* name)
{
    const char* t0 = std::getenv("ZEPHRA_MEASURE_T0");
    if (t0 == nullptr || *t0 == '\0')
        return;
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch()).count();
    std::fprintf(stderr, "zephra-measure: %s %.1f\n", name, static_cast<double>(now - std::strtoll(t0, nullptr, 10)) / 1e6);
    std::fflush(stderr);
}

QIcon Bars(int bars)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (int i = 0; i < bars; ++i)
        painter.fillRect(1 + i * 3, 14 - i * 3, 2, 2 + i * 3, Qt::darkGreen);
    return QIcon(picture);
}

// Marks the first exposure of the tray icon's window and of the main window, if there is one.
class ExposeWatcher final : public QObject {
public:
    explicit ExposeWatcher(const QWidget* window) : m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* shown = qobject_cast<QWindow*>(watched);
        if (event->type() != QEvent::Expose || shown == nullptr)
            return false;
        QMetaObject::invokeMethod(this, [this, shown] {
            if (!shown->isExposed())
                return;
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->windowHandle() != shown)
                    continue;
                if (widget == m_window && !m_window_seen) {
                    m_window_seen = true;
                    Mark("window");
                } else if (widget->inherits("QSystemTrayIconSys") && !m_tray_seen) {
                    m_tray_seen = true;
                    Mark("tray-icon");
                }
            }
        }, Qt::QueuedConnection);
        return false;
    }

private:
    const QWidget* m_window;
    bool m_window_seen = false;
    bool m_tray_seen = false;
};

// The tray icon alone, and a 1 s timer whose slot is empty.
int RunFloor(QApplication& application)
{
    ExposeWatcher watcher(nullptr);
    application.installEventFilter(&watcher);
    QSystemTrayIcon tray(Bars(3));
    tray.show();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [] {});
    timer.start(1000);
    return QApplication::exec();
}

int RunBaseline(QApplication& application)
{
    QTabWidget window;
    window.setWindowTitle(QStringLiteral("Qt baseline"));
    auto* label = new QLabel(QStringLiteral("-60 [dBm]"));
    auto* first = new QWidget;
    (new QVBoxLayout(first))->addWidget(label);
    window.addTab(first, QStringLiteral("Connection Status"));
    for (const char* title : {"Wireless Network", "Advanced", "Statistics", "Version"})
        window.addTab(new QWidget, QString::fromLatin1(title));
    window.resize(420, 360);

    ExposeWatcher watcher(&window);
    application.installEventFilter(&watcher);

    const QIcon pictures[] = {Bars(0), Bars(1), Bars(2), Bars(3), Bars(4), Bars(5)};
    QSystemTrayIcon tray(pictures[0]);
    tray.setToolTip(label->text());
    tray.show();
    window.show();

    int tick = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++tick;
        const QString text = QStringLiteral("%1 [dBm]").arg(-60 - tick % 7);
        label->setText(text);
        tray.setToolTip(text);
        tray.setIcon(pictures[tick % 6]);
    });
    timer.start(1000);
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv)
{
    const bool floor = argc > 1 && std::strcmp(argv[1], "--floor") == 0;
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return floor ? RunFloor(application) : RunBaseline(application);
}
