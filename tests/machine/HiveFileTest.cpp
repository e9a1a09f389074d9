#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>

#include "machine/registry/HiveStore.h"
#include "machine/registry/HiveText.h"
#include "machine/registry/MachineRegistry.h"

namespace {

using machine::RegistryRoot;

std::string AllBytes()
{
    std::string bytes;
    for (int c = 0; c < 256; ++c)
        bytes += static_cast<char>(c);
    return bytes;
}

std::vector<std::uint8_t> Bytes(const std::string& text)
{
    return {text.begin(), text.end()};
}

class TempDir {
public:
    TempDir()
    {
        std::string pattern = testing::TempDir() + "zephra-hive-XXXXXX";
        path = mkdtemp(pattern.data());
    }
    ~TempDir() { std::filesystem::remove_all(path); }
    std::string path;
};

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST(HiveText, EveryByteOfNamesAndValuesComesBack)
{
    machine::RegistryHive hive;
    const std::string odd = AllBytes().substr(1);  // key names hold no zero byte and no backslash
    std::string key_name;
    for (char c : odd)
        if (c != '\\')
            key_name += c;
    machine::RegistryKey* key = hive.create(RegistryRoot::LocalMachine, "Software\\" + key_name + "\\Inner]");
    ASSERT_NE(key, nullptr);
    key->set_value(AllBytes(), machine::kRegSz, Bytes(AllBytes() + '\0'));  // a zero inside the text
    key->set_value("", machine::kRegSz, Bytes(std::string("htmlfile") + '\0'));
    key->set_value("NoTerminator", machine::kRegSz, Bytes("abc"));
    key->set_value("Empty", machine::kRegBinary, {});
    key->set_value("Number", machine::kRegDword, {0x0F, 0, 0, 0x80});
    key->set_value("ShortNumber", machine::kRegDword, {1, 2});
    key->set_value("Odd type", 0x7FFF1234, {1, 2, 3});
    hive.create(RegistryRoot::ClassesRoot, "Empty\\Key");
    hive.root(RegistryRoot::Users).set_value("AtTheRoot", machine::kRegSz, Bytes(std::string("x") + '\0'));

    const std::string text = machine::format_hive(hive);
    machine::HiveParse parsed = machine::parse_hive(text);
    ASSERT_TRUE(parsed.hive) << parsed.error;
    EXPECT_EQ(*parsed.hive, hive);
    // Readable where the content is.
    EXPECT_NE(text.find("\"Number\"=dword:8000000f\n"), std::string::npos) << text;
    EXPECT_NE(text.find("@=sz:\"htmlfile\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[HKEY_CLASSES_ROOT\\Empty\\Key]\n"), std::string::npos) << text;
}

TEST(HiveText, DamagedTextIsRefusedWithItsLine)
{
    const std::string header = machine::format_hive(machine::RegistryHive());
    struct Row {
        std::string text;
        const char* error;
    };
    const Row rows[] = {
        {"", "empty file"},
        {"[HKEY_LOCAL_MACHINE\\A]\n", "line 1: not a registry hive"},
        {header + "\"A\"=sz:\"x\"\n", "line 2: a value before the first key"},
        {header + "[HKEY_NOWHERE\\A]\n", "line 2: unknown root"},
        {header + "[HKEY_LOCAL_MACHINE\\A\\\\B]\n", "line 2: empty key name"},
        {header + "[HKEY_LOCAL_MACHINE\\A]\n\"A\"=sz:\"x\n", "line 3: unterminated"},
        {header + "[HKEY_LOCAL_MACHINE\\A]\n\"A\"=dword:123\n", "line 3: expected eight hex digits"},
        {header + "[HKEY_LOCAL_MACHINE\\A]\n\"A\"=hex(3):0g\n", "line 3: bad hex digit"},
        {header + "[HKEY_LOCAL_MACHINE\\A]\n\"A\"=text:x\n", "line 3: unknown value type"},
        {header + "[HKEY_LOCAL_MACHINE\\A]\n\"A\"=sz:\"x\"", "line 3: the last line is incomplete"},
    };
    for (const Row& row : rows) {
        machine::HiveParse parsed = machine::parse_hive(row.text);
        EXPECT_FALSE(parsed.hive) << row.text;
        EXPECT_NE(parsed.error.find(row.error), std::string::npos) << row.text << " gave: " << parsed.error;
    }
}

TEST(HiveStore, KeepsTheHiveInAPrivateFileThatANewInstanceReads)
{
    TempDir temp;
    const std::string dir = temp.path + "/machine";
    machine::RegistryHive initial;
    initial.create(RegistryRoot::LocalMachine, "Software");
    {
        machine::MachineRegistry registry(initial, false, std::make_unique<machine::HiveStore>(dir));
        registry.create_key(RegistryRoot::LocalMachine, "Software\\Norvel\\KX710\\Profiles\\Lakeside", true);
        registry.set_value(RegistryRoot::LocalMachine, "Software\\Norvel\\KX710\\Profiles\\Lakeside", "Key1",
                           machine::kRegSz, Bytes(std::string("secret") + '\0'));
        registry.save();
    }
    struct stat st {};
    ASSERT_EQ(stat(dir.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    ASSERT_EQ(stat((dir + "/registry").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    machine::MachineRegistry again(initial, false, std::make_unique<machine::HiveStore>(dir));
    EXPECT_EQ(again.query_value(RegistryRoot::LocalMachine, "Software\\Norvel\\KX710\\Profiles\\Lakeside", "Key1").bytes,
              Bytes(std::string("secret") + '\0'));
    // Asked for a fresh start, it begins from the initial hive again.
    machine::MachineRegistry fresh(initial, false, std::make_unique<machine::HiveStore>(dir), true);
    EXPECT_EQ(fresh.hive(), initial);
}

TEST(HiveStore, ADamagedFileIsKeptAsideAndReportedOnce)
{
    TempDir temp;
    const std::string damaged = "; not a hive\n[HKEY_LOCAL_MACHINE\\X]\n";
    std::ofstream(temp.path + "/registry") << damaged;
    machine::RegistryHive initial;
    initial.create(RegistryRoot::LocalMachine, "Software\\Initial");

    testing::internal::CaptureStderr();
    machine::MachineRegistry registry(initial, false, std::make_unique<machine::HiveStore>(temp.path));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(registry.hive(), initial);
    EXPECT_NE(said.find("registry.corrupt-"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;

    int aside = 0;
    for (const auto& entry : std::filesystem::directory_iterator(temp.path))
        if (entry.path().filename().string().starts_with("registry.corrupt-")) {
            ++aside;
            EXPECT_EQ(ReadFile(entry.path()), damaged);
        }
    EXPECT_EQ(aside, 1);
    // The new file holds the initial hive.
    EXPECT_EQ(*machine::parse_hive(ReadFile(temp.path + "/registry")).hive, initial);
}

TEST(HiveStore, TwoInstancesOnOneDirectoryLoseNoWriteOfEachOther)
{
    TempDir temp;
    machine::RegistryHive initial;
    machine::MachineRegistry a(initial, false, std::make_unique<machine::HiveStore>(temp.path));
    machine::MachineRegistry b(initial, false, std::make_unique<machine::HiveStore>(temp.path));
    const std::string key = "Software\\Shared";
    a.create_key(RegistryRoot::LocalMachine, key, true);
    b.create_key(RegistryRoot::LocalMachine, key, true);
    a.set_value(RegistryRoot::LocalMachine, key, "FromA", machine::kRegDword, {1, 0, 0, 0});
    b.set_value(RegistryRoot::LocalMachine, key, "FromB", machine::kRegDword, {2, 0, 0, 0});
    a.save();
    b.save();  // b read the file before a saved: it merges its change into a's file
    EXPECT_EQ(b.query_value(RegistryRoot::LocalMachine, key, "FromA").error, 0u);
    // a sees b's value on its next read.
    EXPECT_EQ(a.query_value(RegistryRoot::LocalMachine, key, "FromB").bytes, (std::vector<std::uint8_t>{2, 0, 0, 0}));
    machine::MachineRegistry c(initial, false, std::make_unique<machine::HiveStore>(temp.path));
    EXPECT_EQ(c.key_info(RegistryRoot::LocalMachine, key).values, 2u);
}
