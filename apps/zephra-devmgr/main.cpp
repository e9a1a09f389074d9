// zephra-devmgr: the device manager's Properties window of the wireless adapter, on the
// desktop or drawn offscreen with --snapshot.
#include <iostream>

#include <QApplication>
#include <QDir>

#include "apps/zephra-devmgr/DevMgrMain.h"
#include "apps/zephra-devmgr/DevMgrOptions.h"
#include "apps/zephra-devmgr/DevMgrSnapshot.h"
#include "apps/zephra/DesktopMain.h"
#include "apps/zephra/Options.h"
#include "qtview/QtPresenter.h"

namespace {

int RunSnapshot(const zephra_app::Options& options, qtview::QtPresenter& desktop)
{
    if (!QDir().mkpath(QString::fromStdString(options.snapshot_folder))) {
        std::cerr << "zephra-devmgr: cannot create " << options.snapshot_folder << std::endl;
        return 2;
    }
    devmgr::DevMgrSnapshot snapshot(desktop, options.snapshot_folder);
    const int exit_code = devmgr::RunDeviceManager(options, snapshot);
    for (const std::string& file : snapshot.written())
        std::cout << file << std::endl;
    if (exit_code == 0 && !snapshot.succeeded()) {
        std::cerr << "zephra-devmgr: the snapshot is incomplete" << std::endl;
        return 1;
    }
    return exit_code;
}

}  // namespace

int main(int argc, char** argv)
{
    const zephra_app::Options options = devmgr::ParseOptions(argc, argv);
    if (!options.error.empty()) {
        std::cerr << "zephra-devmgr: " << options.error << "\n" << devmgr::UsageText();
        return 2;
    }
    if (options.help) {
        std::cout << devmgr::UsageText();
        return 0;
    }
    if (const std::string problem = zephra_app::MachineDirProblem(options); !problem.empty()) {
        std::cerr << "zephra-devmgr: " << problem << "\n";
        return 2;
    }
    const bool snapshot = !options.snapshot_folder.empty();
    if (!snapshot && !zephra_app::HasDisplay()) {
        std::cerr << "zephra-devmgr: no desktop to show the window on; use --snapshot DIR\n";
        return 2;
    }
    if (snapshot)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    qtview::QtPresenter desktop;
    return snapshot ? RunSnapshot(options, desktop) : devmgr::RunDeviceManager(options, desktop);
}
