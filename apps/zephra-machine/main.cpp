// zephra-machine: the machine service, or with `ctl` its control command.
#include <iostream>

#include "apps/zephra-machine/CtlCommand.h"
#include "apps/zephra-machine/MachineOptions.h"
#include "apps/zephra-machine/ServiceMain.h"

int main(int argc, char** argv)
{
    const machine_app::MachineOptions options = machine_app::ParseMachineOptions(argc, argv);
    if (!options.error.empty()) {
        std::cerr << "zephra-machine: " << options.error << "\n" << machine_app::MachineUsageText();
        return 2;
    }
    if (options.help) {
        std::cout << machine_app::MachineUsageText();
        return 0;
    }
    if (!options.command.empty())
        return machine_app::RunCtl(options, std::cout, std::cerr);
    return machine_app::RunService(options);
}
