#include "apps/zephra/ZephraMain.h"

#include <iostream>
#include <optional>

#include "apps/zephra/ConsolePresenter.h"
#include "apps/zephra/ProgramPresenter.h"
#include "apps/zephra/RuntimeWindowDirectory.h"
#include "apps/zephra/StopSignals.h"
#include "framework/ResourceModule.h"
#include "machine/Clock.h"
#include "machine/Machine.h"
#include "machine/Scenario.h"
#include "machine/adapter/ScenarioError.h"
#include "machine/adapter/SimulatedAdapterFactory.h"
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
        std::cerr << "zephra: cannot use scenario " << options.scenario_file << ": " << load.error << std::endl;
    return load.scenario;
}

// A scenario without a radio world of its own runs in the built-in one.
std::unique_ptr<machine::Adapter> MakeAdapter(const machine::Scenario& scenario, machine::Clock& clock)
{
    const bool own_world = scenario.wireless.is_object() && !scenario.wireless.empty();
    return machine::make_simulated_adapter(own_world ? scenario.wireless : machine::default_wireless_scenario(), clock);
}

}  // namespace

int RunZephra(const Options& options, fw::Presenter* display)
{
    const std::optional<machine::Scenario> scenario = LoadScenario(options);
    if (!scenario)
        return 2;
    machine::RealClock clock;
    machine::Machine computer(*scenario, clock);
    try {
        computer.set_adapter(MakeAdapter(*scenario, clock));
    } catch (const machine::ScenarioError& error) {
        std::cerr << "zephra: cannot use scenario " << options.scenario_file << ": " << error.what() << std::endl;
        return 2;
    }
    platform::MachineScope scope(computer);
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
