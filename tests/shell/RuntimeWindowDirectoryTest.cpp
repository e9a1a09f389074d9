#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "ShellFixture.h"
#include "apps/zephra/ConsolePresenter.h"
#include "apps/zephra/ProgramPresenter.h"
#include "apps/zephra/RuntimeWindowDirectory.h"
#include "apps/zephra/StopSignals.h"
#include "framework/CWnd.h"
#include "framework/Window.h"

namespace {

namespace fs = std::filesystem;
using zephra_app::RuntimeWindowDirectory;

class RuntimeDirectoryTest : public ::testing::Test {
protected:
    RuntimeDirectoryTest()
    {
        folder = fs::temp_directory_path() / ("zephra-directory-test-" + std::to_string(getpid()));
        fs::remove_all(folder);
    }
    ~RuntimeDirectoryTest() override { fs::remove_all(folder); }

    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder))
            names.push_back(e.path().filename().string());
        return names;
    }
    void WriteEntry(int pid, const std::string& className, const std::string& title) const
    {
        std::ofstream(folder / (std::to_string(pid) + "-16")) << className << '\n' << title;
    }
    static int DeadPid()
    {
        const pid_t child = fork();
        if (child == 0)
            _exit(0);
        waitpid(child, nullptr, 0);
        return child;
    }

    fs::path folder;
};

TEST_F(RuntimeDirectoryTest, PublishesTopLevelWindowsByTitleAndWithdrawsThem)
{
    auto directory = std::make_unique<RuntimeWindowDirectory>(folder);
    std::ostringstream out, err;
    zephra_app::ConsolePresenter console(out, err);
    zephra_app::ProgramPresenter presenter(console, *directory);
    fw::Presenter* before = fw::SetPresenter(&presenter);

    CWnd frame, child, other;
    frame.CreateEx(0, "FrameClass", "First title", 0, 0, 0, 10, 10, nullptr, nullptr);
    child.Create("STATIC", "child", WS_CHILD, CRect(0, 0, 5, 5), &frame, 7);
    other.CreateEx(0, "OtherClass", "Other", 0, 0, 0, 10, 10, nullptr, nullptr);
    ASSERT_EQ(Entries().size(), 2U);
    frame.SetWindowText("Second title");
    other.DestroyWindow();
    ASSERT_EQ(Entries().size(), 1U);
    std::ifstream in(folder / Entries().front());
    std::stringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(), "FrameClass\nSecond title");
    EXPECT_EQ(Entries().front().rfind(std::to_string(getpid()) + "-", 0), 0U);

    // Its own windows are found as themselves.
    EXPECT_EQ(directory->find_window(nullptr, "Second title"), frame.m_hWnd);
    directory.reset();
    EXPECT_TRUE(Entries().empty());
    fw::SetPresenter(before);
    child.DestroyWindow();
    frame.DestroyWindow();
}

TEST_F(RuntimeDirectoryTest, FindsLiveProcessesWindowsByExactTitleAndClassAndSweepsDeadOnes)
{
    RuntimeWindowDirectory directory(folder);
    WriteEntry(getppid(), "AfxFrameOrView", "Running copy");
    const int dead = DeadPid();
    WriteEntry(dead, "AfxFrameOrView", "Dead copy");

    HWND found = directory.find_window(nullptr, "Running copy");
    EXPECT_NE(found, nullptr);
    EXPECT_EQ(fw::FromHandle(found), nullptr);
    EXPECT_NE(directory.find_window("AfxFrameOrView", "Running copy"), nullptr);
    EXPECT_EQ(directory.find_window("OtherClass", "Running copy"), nullptr);
    EXPECT_EQ(directory.find_window(nullptr, "Running copy "), nullptr);
    EXPECT_EQ(directory.find_window(nullptr, "Running"), nullptr);

    EXPECT_EQ(directory.find_window(nullptr, "Dead copy"), nullptr);
    EXPECT_FALSE(fs::exists(folder / (std::to_string(dead) + "-16")));
}

// The program refuses to start beside a running copy in another process.
TEST_F(RuntimeDirectoryTest, ProgramRefusesToStartBesideAnotherProcesssCopy)
{
    RuntimeWindowDirectory directory(folder);
    WriteEntry(getppid(), "AfxFrameOrView", kZephraTitle);
    fw::WindowDirectory* before = fw::SetWindowDirectory(&directory);
    {
        shell_test::ShellFixture f;
        f.Start();
        ASSERT_TRUE(f.ui.message_box_open());
        EXPECT_EQ(f.ui.message_box().text, "Norvel Wireless LAN Configuration Utility is already running.");
        f.ui.answer(IDOK);
        EXPECT_TRUE(f.ui.finished());
        EXPECT_EQ(f.ui.tray_icon(), nullptr);
    }
    fw::SetWindowDirectory(before);
}

TEST(ConsolePresenter, PrintsTheTrayIconOnlyWhenItChanges)
{
    std::ostringstream out, err;
    zephra_app::ConsolePresenter console(out, err);
    fw::TrayIcon icon;
    icon.tip = "-55 [dBm]";
    console.tray_icon_changed(fw::TrayChange::Added, icon);
    console.tray_icon_changed(fw::TrayChange::Modified, icon);
    icon.tip = " Disconnected ";
    console.tray_icon_changed(fw::TrayChange::Modified, icon);
    console.tray_icon_changed(fw::TrayChange::Deleted, icon);
    EXPECT_EQ(out.str(), "tray 0 \"-55 [dBm]\"\ntray 0 \" Disconnected \"\ntray removed\n");
}

// A stop signal closes the main window as a user would: icon removed, session closed, code 0.
TEST(StopSignal, ClosesTheProgramThroughItsFrame)
{
    const fs::path folder = fs::temp_directory_path() / ("zephra-stop-test-" + std::to_string(getpid()));
    {
        RuntimeWindowDirectory directory(folder);
        shell_test::ShellFixture f;
        zephra_app::ProgramPresenter presenter(f.ui, directory);
        fw::SetPresenter(&presenter);
        f.Start();
        ASSERT_NE(f.ui.tray_icon(), nullptr);
        zephra_app::SetStopRequested(true);
        f.ui.run_for(1000);
        zephra_app::SetStopRequested(false);
        EXPECT_TRUE(f.ui.finished());
        EXPECT_EQ(f.ui.exit_code(), 0);
        EXPECT_EQ(f.ui.tray_icon(), nullptr);
        EXPECT_FALSE(f.ui.machine().bound());
        fw::SetPresenter(&f.ui);
    }
    fs::remove_all(folder);
}

}  // namespace
