#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/CommandLine.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "support/MachineFixture.h"

namespace {

namespace fs = std::filesystem;
using machine::ShellCall;
using machine::ShellRequest;

constexpr int kShow = 5;  // SW_SHOW

UINT Code(HINSTANCE result) { return static_cast<UINT>(reinterpret_cast<std::uintptr_t>(result)); }

struct SplitRow {
    const char* line;
    std::vector<std::string> arguments;
};

TEST(CommandLine, SplitsAsTheSystemsProgramsDo)
{
    const SplitRow rows[] = {
        {"browser -nohome http://a/", {"browser", "-nohome", "http://a/"}},
        {"\"C:\\Program Files\\Web\\browser.exe\" -nohome", {"C:\\Program Files\\Web\\browser.exe", "-nohome"}},
        {"p \"a b\"c d", {"p", "a bc", "d"}},
        {"p a\\\"b", {"p", "a\"b"}},
        {"p \"a\\\\\" b", {"p", "a\\", "b"}},
        {"p a\\\\b", {"p", "a\\\\b"}},
        {"  p \t ;rm  -rf  ", {"p", ";rm", "-rf"}},
        {"p \"\"", {"p", ""}},
        {"", {}},
    };
    for (const SplitRow& row : rows)
        EXPECT_EQ(platform::SplitCommandLine(row.line), row.arguments) << row.line;
}

TEST(Shell, ARecordingShellLogsOpensAndCommandsAndReportsSuccess)
{
    zephra_test::MachineFixture m;
    EXPECT_GT(Code(ShellExecuteA(nullptr, "open", "http://a.example/", nullptr, nullptr, kShow)), 32U);
    EXPECT_GT(WinExec("browser.exe -nohome \"http://a.example/x y\"", kShow), 31U);
    const std::vector<ShellRequest> expected = {
        {ShellCall::Open, "open", "http://a.example/", {}},
        {ShellCall::Exec, "", "browser.exe -nohome \"http://a.example/x y\"", {"browser.exe", "-nohome", "http://a.example/x y"}},
    };
    EXPECT_EQ(m.machine.shell_log(), expected);
}

TEST(Shell, TheScenarioMakesOpensAndCommandsFailWithItsCodes)
{
    machine::Scenario s = machine::default_scenario();
    s.shell.open_error = SE_ERR_NOASSOC;
    s.shell.exec_error = 11;
    zephra_test::MachineFixture m(s);
    EXPECT_EQ(Code(ShellExecuteA(nullptr, "open", "http://a.example/", nullptr, nullptr, kShow)), SE_ERR_NOASSOC);
    EXPECT_EQ(WinExec("browser.exe http://a.example/", kShow), 11U);
    EXPECT_EQ(WinExec("   ", kShow), 2U) << "an empty command names no program";
    EXPECT_EQ(m.machine.shell_log().size(), 2U);
}

TEST(Shell, MessageBeepsAreRecordedByType)
{
    zephra_test::MachineFixture m;
    EXPECT_TRUE(MessageBeep(MB_ICONEXCLAMATION));
    EXPECT_TRUE(MessageBeep(MB_OK));
    EXPECT_EQ(m.machine.beeps(), (std::vector<std::uint32_t>{MB_ICONEXCLAMATION, MB_OK}));
}

// A desktop shell whose opener is the recording program: what the opener and a command
// receive arrives through a named pipe, so nothing is started that a user would see.
class DesktopShell : public ::testing::Test {
protected:
    DesktopShell() : m_folder(fs::temp_directory_path() / ("zephra-shell-" + std::to_string(getpid())))
    {
        fs::create_directories(m_folder);
        m_pipe = (m_folder / "arguments").string();
        mkfifo(m_pipe.c_str(), 0600);
        setenv("ZEPHRA_RECORD_TO", m_pipe.c_str(), 1);
        scenario.shell.mode = "desktop";
        scenario.shell.opener = ZEPHRA_RECORDER;
    }
    ~DesktopShell() override
    {
        unsetenv("ZEPHRA_RECORD_TO");
        fs::remove_all(m_folder);
    }

    // The arguments the recorder wrote, waiting for it at most ten seconds.
    std::vector<std::string> Received() const
    {
        const int fd = open(m_pipe.c_str(), O_RDONLY | O_NONBLOCK);
        std::string bytes;
        char buffer[4096];
        for (;;) {
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, 10000) <= 0)
                break;
            const ssize_t got = read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EAGAIN)
                continue;
            if (got <= 0)
                break;
            bytes.append(buffer, static_cast<std::size_t>(got));
        }
        close(fd);
        std::vector<std::string> arguments;
        for (std::size_t start = 0, end; (end = bytes.find('\0', start)) != std::string::npos; start = end + 1)
            arguments.push_back(bytes.substr(start, end - start));
        return arguments;
    }

    std::string Marker() const { return (m_folder / "shell-ran").string(); }
    // A target that a shell would split, unquote and run commands from.
    std::string Target() const
    {
        return "http://a.example/x y?q=\"quoted\";touch " + Marker() + ";$(touch " + Marker() + ")`touch " + Marker() + "`";
    }

    machine::Scenario scenario = machine::default_scenario();

private:
    fs::path m_folder;
    std::string m_pipe;
};

TEST_F(DesktopShell, OpenHandsTheTargetToTheOpenerAsOneArgumentWithoutAShell)
{
    machine::VirtualClock clock;
    machine::Machine m(scenario, clock);
    platform::MachineScope scope(m);
    EXPECT_GT(Code(ShellExecuteA(nullptr, "open", Target().c_str(), nullptr, nullptr, kShow)), 32U);
    EXPECT_EQ(Received(), std::vector<std::string>{Target()});
    EXPECT_FALSE(fs::exists(Marker()));
}

TEST_F(DesktopShell, CommandRunsItsProgramWithTheQuotedTargetAsOneArgumentWithoutAShell)
{
    machine::VirtualClock clock;
    machine::Machine m(scenario, clock);
    platform::MachineScope scope(m);
    std::string quoted;
    for (char c : Target())
        quoted += c == '"' ? std::string("\\\"") : std::string(1, c);
    const std::string command = std::string("\"") + ZEPHRA_RECORDER + "\" -nohome \"" + quoted + "\"";
    EXPECT_GT(WinExec(command.c_str(), kShow), 31U);
    EXPECT_EQ(Received(), (std::vector<std::string>{"-nohome", Target()}));
    EXPECT_FALSE(fs::exists(Marker()));
}

TEST_F(DesktopShell, AMissingProgramOrOpenerIsReportedWithThePlatformsCodes)
{
    scenario.shell.opener = "zephra-no-such-opener";
    machine::VirtualClock clock;
    machine::Machine m(scenario, clock);
    platform::MachineScope scope(m);
    EXPECT_EQ(Code(ShellExecuteA(nullptr, "open", "http://a.example/", nullptr, nullptr, kShow)), SE_ERR_NOASSOC);
    EXPECT_EQ(WinExec("zephra-no-such-program http://a.example/", kShow), 2U);
    EXPECT_EQ(WinExec("\"C:\\Program Files\\Web\\browser.exe\" http://a.example/", kShow), 2U);
    EXPECT_EQ(Code(ShellExecuteA(nullptr, "print", "http://a.example/", nullptr, nullptr, kShow)), SE_ERR_NOASSOC);
}

}  // namespace
