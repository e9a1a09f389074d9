#include "apps/zephra/ZephraMain.h"

#include <iostream>
#include <optional>

#include "apps/zephra/ConsolePresenter.h"
#include "apps/zephra/ProgramMachine.h"
#include "apps/zephra/ProgramPresenter.h"
#include "apps/zephra/RuntimeWindowDirectory.h"
#include "apps/zephra/StopSignals.h"
#include "framework/ResourceModule.h"
#include "machine/Clock.h"
#include "machine/Machine.h"
#include "machine/Scenario.h"
#include "platform/MachineScope.h"
#include "resources/ProgramResources.h"
#include "shell/Zephra.h"

namespace zephra_app {

namespace {

std::optional<machine::Scenario> LoadScenario(const Options& options)
{
    if (options.scenario_file.empty())
        return machine::default_scenario();
    machine::ScenarioLoad load = machine::load_scenario_file(options.scenario_file);
    if (!load.scenario)
        std::cerr << "zephra: " << load.error << std::endl;  // it names the file
    return load.scenario;
}

}  // namespace

std::unique_ptr<ProgramMachine> PrepareMachine(const Options& options)
{
    const std::optional<machine::Scenario> scenario = LoadScenario(options);
    if (!scenario)
        return nullptr;
    // The machine builds its adapter from the scenario's radio world, checked when it was read.
    return std::make_unique<ProgramMachine>(options, *scenario, "zephra", std::cerr);
}

int RunZephra(ProgramMachine& computer, fw::Presenter* display)
{
    platform::MachineScope scope(computer.port(), computer.clock());
    fw::SetProgramModule(&zephra::ProgramResources());

    RuntimeWindowDirectory directory(RuntimeWindowDirectory::DefaultFolder());
    fw::WindowDirectory* previous_directory = fw::SetWindowDirectory(&directory);
    ConsolePresenter console(std::cout, std::cerr);
    ProgramPresenter presenter(display != nullptr ? *display : console, directory);
    fw::Presenter* previous_presenter = fw::SetPresenter(&presenter);
    InstallStopSignals();

    int exit_code = 0;
    {
        CZephraApp app;
        exit_code = fw::RunApplication(app);
    }
    fw::SetPresenter(previous_presenter);
    fw::SetWindowDirectory(previous_directory);
    return exit_code;
}

}  // namespace zephra_app
