// The example scenarios shipped with the program stay readable as the reader evolves.
#include <gtest/gtest.h>

#include <filesystem>

#include "machine/Scenario.h"

TEST(ScenarioFiles, EveryShippedExampleLoads)
{
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ZEPHRA_SCENARIO_DIR)) {
        if (entry.path().extension() != ".json")
            continue;
        ++files;
        auto load = machine::load_scenario_file(entry.path().string());
        EXPECT_TRUE(load.scenario) << load.error;
    }
    EXPECT_GT(files, 0);
}
