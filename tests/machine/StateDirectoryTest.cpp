#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "machine/StateDirectory.h"

namespace {

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

}  // namespace

TEST(StateDirectory, OnePerMachineUnderTheUsersStateHome)
{
    ScopedEnv home("HOME", "/home/ann");
    {
        ScopedEnv xdg("XDG_STATE_HOME", "/var/state/ann");
        EXPECT_EQ(machine::machine_state_directory(""), "/var/state/ann/zephra/default");
        const std::string a = machine::machine_state_directory("/tmp/one/walking-away.json");
        const std::string b = machine::machine_state_directory("/tmp/two/walking-away.json");
        EXPECT_EQ(a.rfind("/var/state/ann/zephra/walking-away-", 0), 0u) << a;
        EXPECT_NE(a, b);
        EXPECT_EQ(a, machine::machine_state_directory("/tmp/one/../one/walking-away.json"));
    }
    {
        ScopedEnv relative("XDG_STATE_HOME", "relative/state");
        EXPECT_EQ(machine::machine_state_directory(""), "/home/ann/.local/state/zephra/default");
    }
    ScopedEnv no_xdg("XDG_STATE_HOME", nullptr);
    ScopedEnv no_home("HOME", nullptr);
    EXPECT_EQ(machine::machine_state_directory(""), "");
}
