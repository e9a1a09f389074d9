#include "framework/Library.h"

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include <gtest/gtest.h>

#include "framework/CString.h"
#include "platform/Kernel.h"
#include "resources/ProgramResources.h"

namespace {

namespace fs = std::filesystem;

// The program's own module is current, and bare names resolve in the test's folder unless
// a test points the loader elsewhere.
class LibraryLoader : public testing::Test {
protected:
    void SetUp() override { fw::SetProgramModule(&zephra::ProgramResources()); }
    void TearDown() override
    {
        fw::SetLibraryDirectory("");
        fw::SetProgramModule(nullptr);
        if (!m_folder.empty())
            fs::remove_all(m_folder);
    }

    // A folder of its own holding the given files.
    void UseFolder(std::initializer_list<std::pair<const char*, const char*>> files)
    {
        m_folder = fs::temp_directory_path() / ("zephra-libraries-" + std::to_string(::getpid()));
        fs::create_directories(m_folder);
        for (const auto& [name, content] : files)
            std::ofstream(m_folder / name) << content;
        fw::SetLibraryDirectory(m_folder.string());
    }

    static CString LoadedString(UINT id)
    {
        CString text;
        text.LoadString(id);
        return text;
    }

    fs::path m_folder;
};

const char* const kAlreadyRunning = "Norvel Wireless LAN Configuration Utility is already running.";

TEST_F(LibraryLoader, LoadsByBareNameAndCountsUses)
{
    HMODULE first = LoadLibraryA("LangFR.DLL");
    ASSERT_NE(first, nullptr) << fw::LastLibraryErrorText();
    EXPECT_EQ(fw::ModuleFromHandle(first)->name, "LangFR.DLL");
    // The platform's file names ignore case.
    HMODULE second = LoadLibraryA("langfr.dll");
    EXPECT_EQ(second, first);

    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_TRUE(FreeLibrary(second));
    EXPECT_FALSE(FreeLibrary(first));
    EXPECT_EQ(GetLastError(), fw::kLibraryInvalidHandle);
    EXPECT_FALSE(FreeLibrary(AfxGetInstanceHandle()));
}

TEST_F(LibraryLoader, CurrentLibraryServesResourcesUntilReleased)
{
    HMODULE library = LoadLibraryA("LangDE.DLL");
    ASSERT_NE(library, nullptr) << fw::LastLibraryErrorText();
    AfxSetResourceHandle(library);
    EXPECT_NE(LoadedString(10003), kAlreadyRunning);
    EXPECT_FALSE(LoadedString(10003).IsEmpty());

    EXPECT_TRUE(FreeLibrary(library));
    EXPECT_EQ(AfxGetResourceHandle(), AfxGetInstanceHandle());
    EXPECT_EQ(LoadedString(10003), kAlreadyRunning);
}

TEST_F(LibraryLoader, ReleasingAnotherLibraryKeepsTheCurrentOne)
{
    HMODULE japanese = LoadLibraryA("LangJP.DLL");
    HMODULE korean = LoadLibraryA("LangKO.DLL");
    ASSERT_NE(japanese, nullptr);
    ASSERT_NE(korean, nullptr);
    AfxSetResourceHandle(korean);
    EXPECT_TRUE(FreeLibrary(japanese));
    EXPECT_EQ(AfxGetResourceHandle(), korean);
    EXPECT_TRUE(FreeLibrary(korean));
    EXPECT_EQ(AfxGetResourceHandle(), AfxGetInstanceHandle());
}

struct FailedLoad {
    const char* label;
    const char* file_content;  // null: no file at all
    DWORD error;
};

void PrintTo(const FailedLoad& row, std::ostream* out) { *out << row.label; }

class LibraryLoadFailure : public LibraryLoader, public testing::WithParamInterface<FailedLoad> {};

TEST_P(LibraryLoadFailure, LeavesTheProgramResourcesInUse)
{
    if (GetParam().file_content)
        UseFolder({{"LangZH.DLL", GetParam().file_content}});
    else
        UseFolder({});
    EXPECT_EQ(LoadLibraryA("LangZH.DLL"), nullptr);
    EXPECT_EQ(GetLastError(), GetParam().error);
    EXPECT_EQ(AfxGetResourceHandle(), AfxGetInstanceHandle());
    EXPECT_EQ(LoadedString(10003), kAlreadyRunning);
}

INSTANTIATE_TEST_SUITE_P(
    MissingOrMalformed, LibraryLoadFailure,
    testing::Values(FailedLoad{"Missing", nullptr, fw::kLibraryNotFound},
                    FailedLoad{"NotJson", "MZ\x90", fw::kLibraryBadFormat},
                    FailedLoad{"Empty", "", fw::kLibraryBadFormat},
                    FailedLoad{"BadField", R"({"strings": {"10003": "x"}, "icons": {"250": {"rows": 1}}})",
                               fw::kLibraryBadFormat}),
    [](const testing::TestParamInfo<FailedLoad>& row) { return std::string(row.param.label); });

}  // namespace
