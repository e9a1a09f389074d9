// A process killed at any moment of a save leaves a hive that loads and holds every key it
// had closed before.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "machine/registry/HiveStore.h"
#include "machine/registry/HiveText.h"
#include "machine/registry/MachineRegistry.h"

namespace {

using machine::RegistryRoot;

constexpr int kValuesPerKey = 4;
constexpr int kKeysPerRound = 1000;

std::string KeyPath(int index)
{
    return "Software\\Norvel\\KX710\\Profiles\\Network " + std::to_string(index);
}

std::vector<std::uint8_t> ValueBytes(int index, int value)
{
    std::string text = "key " + std::to_string(index) + " value " + std::to_string(value) + '\0';
    return {text.begin(), text.end()};
}

// The child: writes keys one after the other, each closed (saved) before its index is
// reported to the parent. Never returns.
[[noreturn]] void WriteUntilKilled(const std::string& directory, int first, int report)
{
    machine::MachineRegistry registry(machine::RegistryHive(), false, std::make_unique<machine::HiveStore>(directory));
    for (int index = first;; ++index) {
        registry.create_key(RegistryRoot::LocalMachine, KeyPath(index), true);
        for (int v = 0; v < kValuesPerKey; ++v)
            registry.set_value(RegistryRoot::LocalMachine, KeyPath(index), "Value" + std::to_string(v),
                               machine::kRegSz, ValueBytes(index, v));
        registry.save();
        if (write(report, &index, sizeof index) != sizeof index)
            _exit(1);
    }
}

}  // namespace

TEST(HiveKill, EveryKeyClosedBeforeTheKillSurvivesIt)
{
    std::string pattern = testing::TempDir() + "zephra-kill-XXXXXX";
    const std::string directory = mkdtemp(pattern.data());
    std::mt19937 random(20261210);
    std::vector<std::pair<int, int>> closed;  // first and last index of each round

    for (int round = 0; round < 6; ++round) {
        int pipe_ends[2];
        ASSERT_EQ(pipe(pipe_ends), 0);
        const int first = round * kKeysPerRound;
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(pipe_ends[0]);
            WriteUntilKilled(directory, first, pipe_ends[1]);
        }
        close(pipe_ends[1]);
        // Let it close a random number of keys, then kill it wherever it is.
        const int wanted = 1 + static_cast<int>(random() % 25);
        int last = first - 1;
        for (int n = 0; n < wanted; ++n)
            ASSERT_EQ(read(pipe_ends[0], &last, sizeof last), static_cast<ssize_t>(sizeof last));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status));
        // Keys reported before the kill took effect were closed too.
        int more = 0;
        while (read(pipe_ends[0], &more, sizeof more) == static_cast<ssize_t>(sizeof more))
            last = more;
        close(pipe_ends[0]);
        closed.emplace_back(first, last);

        std::ifstream in(directory + "/registry", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        machine::HiveParse parsed = machine::parse_hive(text.str());
        ASSERT_TRUE(parsed.hive) << "round " << round << ": " << parsed.error;
        for (const auto& [from, to] : closed)
            for (int index = from; index <= to; ++index) {
                const machine::RegistryKey* key = parsed.hive->find(RegistryRoot::LocalMachine, KeyPath(index));
                ASSERT_NE(key, nullptr) << "round " << round << ", key " << index;
                for (int v = 0; v < kValuesPerKey; ++v) {
                    const machine::RegistryValue* value = key->value("Value" + std::to_string(v));
                    ASSERT_NE(value, nullptr) << "key " << index << " value " << v;
                    EXPECT_EQ(value->data, ValueBytes(index, v));
                }
            }
    }
    std::filesystem::remove_all(directory);
}
