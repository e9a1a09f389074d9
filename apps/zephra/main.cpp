#include <iostream>

#include "apps/zephra/Options.h"
#include "apps/zephra/ZephraMain.h"
#if ZEPHRA_DESKTOP
#include "apps/zephra/DesktopMain.h"
#endif

int main(int argc, char** argv)
{
    const zephra_app::Options options = zephra_app::ParseOptions(argc, argv);
    if (!options.error.empty()) {
        std::cerr << "zephra: " << options.error << "\n" << zephra_app::UsageText();
        return 2;
    }
    if (options.help) {
        std::cout << zephra_app::UsageText();
        return 0;
    }
    if (const std::string problem = zephra_app::MachineDirProblem(options); !problem.empty()) {
        std::cerr << "zephra: " << problem << "\n";
        return 2;
    }
#if ZEPHRA_DESKTOP
    if (!options.snapshot_folder.empty() || zephra_app::HasDisplay())
        return zephra_app::RunDesktop(options, argc, argv);
#else
    if (!options.snapshot_folder.empty()) {
        std::cerr << "zephra: this build has no desktop (Qt) to draw the snapshot with\n";
        return 2;
    }
#endif
    const auto computer = zephra_app::PrepareMachine(options);
    return computer ? zephra_app::RunZephra(*computer) : 2;
}
