#include "apps/zephra/DesktopMain.h"

#include <cstdlib>
#include <iostream>
#include <optional>

#include <QApplication>
#include <QDir>
#include <QSystemTrayIcon>

#include "apps/zephra/DesktopPresenter.h"
#include "apps/zephra/MeasureMarks.h"
#include "apps/zephra/MeasureWatcher.h"
#include "apps/zephra/SnapshotPresenter.h"
#include "apps/zephra/ZephraMain.h"
#include "qtview/QtPresenter.h"

namespace zephra_app {

namespace {
bool Set(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

int RunSnapshot(const Options& options, ProgramMachine& computer, qtview::QtPresenter& desktop)
{
    const std::string& folder = options.snapshot_folder;
    if (!QDir().mkpath(QString::fromStdString(folder))) {
        std::cerr << "zephra: cannot create " << folder << std::endl;
        return 2;
    }
    SnapshotPresenter snapshot(desktop, folder);
    const int exit_code = RunZephra(computer, &snapshot);
    for (const std::string& file : snapshot.written())
        std::cout << file << std::endl;
    // A program that failed has said why; the missing pictures follow from it.
    if (exit_code == 0 && !snapshot.succeeded()) {
        std::cerr << "zephra: the snapshot is incomplete" << std::endl;
        return 1;
    }
    return exit_code;
}
}  // namespace

bool HasDisplay() { return Set("DISPLAY") || Set("WAYLAND_DISPLAY") || Set("QT_QPA_PLATFORM"); }

int RunDesktop(const Options& options, int argc, char** argv)
{
    const bool snapshot = !options.snapshot_folder.empty();
    if (snapshot)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Before Qt: a machine service that has to be started comes up while the display opens.
    const std::unique_ptr<ProgramMachine> computer = PrepareMachine(options);
    if (!computer)
        return 2;
    QApplication application(argc, argv);
    // Desktops match the windows to the menu entry zephra.desktop, and so to its icon, by this name.
    QGuiApplication::setDesktopFileName("zephra");
    // The program ends when its main window goes, not when its last visible window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    qtview::QtPresenter desktop;
    if (snapshot)
        return RunSnapshot(options, *computer, desktop);

    const bool tray = QSystemTrayIcon::isSystemTrayAvailable();
    if (!tray)
        std::cerr << "zephra: this desktop has no system tray for the icon; the window opens at start instead" << std::endl;
    DesktopPresenter presenter(desktop, tray);
    std::optional<MeasureWatcher> watcher;
    if (Measuring())
        watcher.emplace(desktop);
    return RunZephra(*computer, &presenter);
}

}  // namespace zephra_app
