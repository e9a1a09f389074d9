// Each built program's --help against its generated manual page: the same options in the
// same order with the same texts, and the same opening paragraph.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/cli/TextLines.h"

namespace {

using cli_test::Lines;

struct Entry {
    std::string label;  // "-h, --help" or "--scenario FILE"
    std::string text;   // "show this text"
};

std::string Collapse(const std::string& text)
{
    std::string out;
    std::istringstream words(text);
    for (std::string word; words >> word;)
        out += (out.empty() ? "" : " ") + word;
    return out;
}

// A help fragment or sentence compared without its capital and full stop.
std::string Fragment(std::string text)
{
    text = Collapse(text);
    if (!text.empty())
        text.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(text.front())));
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

std::string Output(const std::string& command, int& status)
{
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    char buffer[512];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get()) != nullptr)
        out += buffer;
    status = pipe ? pclose(pipe.release()) : -1;
    return out;
}

// Option lines start with two spaces and a dash; the label ends at the first double space.
std::pair<std::string, std::vector<Entry>> ReadHelp(const std::string& help)
{
    const std::vector<std::string> lines = Lines(help);
    std::string opening;
    std::vector<Entry> entries;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        // A long usage line goes on over indented lines of bracketed options.
        if (opening.empty() && entries.empty() && line.rfind("  [", 0) == 0)
            continue;
        // Sub-commands follow the options; the manual page has them in a section of their own.
        if (line == "Commands:")
            break;
        if (line.rfind("  -", 0) == 0) {
            const std::size_t gap = line.find("  ", 2);
            entries.push_back({line.substr(2, gap - 2), gap == std::string::npos ? "" : line.substr(gap)});
        } else if (!entries.empty()) {
            entries.back().text += " " + line;
        } else {
            opening += " " + line;
        }
    }
    for (Entry& entry : entries)
        entry.text = Fragment(entry.text);
    return {Collapse(opening), entries};
}

std::string Plain(std::string roff)
{
    for (const std::string_view escape : {"\\fB", "\\fI", "\\fR", "\\&"})
        for (std::size_t at = roff.find(escape); at != std::string::npos; at = roff.find(escape))
            roff.erase(at, escape.size());
    for (std::size_t at = roff.find("\\-"); at != std::string::npos; at = roff.find("\\-", at + 1))
        roff.erase(at, 1);
    for (std::size_t at = roff.find("\\e"); at != std::string::npos; at = roff.find("\\e", at + 1))
        roff.erase(at + 1, 1);
    return roff;
}

std::pair<std::string, std::vector<Entry>> ReadPage(const std::string& page)
{
    const std::vector<std::string> lines = Lines(page);
    std::string section, opening;
    bool opening_done = false;
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.rfind(".SH ", 0) == 0) {
            section = line.substr(4);
        } else if (section == "DESCRIPTION" && !opening_done) {
            if (line == ".PP")
                opening_done = true;
            else
                opening += " " + Plain(line);
        } else if (section == "OPTIONS" && line == ".TP" && i + 1 < lines.size()) {
            entries.push_back({Plain(lines[++i]), ""});
        } else if (section == "OPTIONS" && !entries.empty()) {
            entries.back().text += " " + Plain(line);
        }
    }
    for (Entry& entry : entries)
        entry.text = Fragment(entry.text);
    return {Collapse(opening), entries};
}

class ManualAgreement : public testing::TestWithParam<const char*> {};

TEST_P(ManualAgreement, HelpAndManualPageSayTheSame)
{
    const std::string program = GetParam();
    int status = 0;
    const std::string help = Output(std::string(ZEPHRA_BIN_DIR) + "/" + program + " --help", status);
    ASSERT_EQ(status, 0);
    std::ifstream file(std::string(ZEPHRA_MAN_DIR) + "/" + program + ".1");
    ASSERT_TRUE(file) << "no manual page for " << program;
    std::ostringstream page;
    page << file.rdbuf();

    const auto [help_opening, help_options] = ReadHelp(help);
    const auto [page_opening, page_options] = ReadPage(page.str());
    EXPECT_FALSE(help_options.empty());
    EXPECT_EQ(help_opening, page_opening);
    ASSERT_EQ(help_options.size(), page_options.size());
    for (std::size_t i = 0; i < help_options.size(); ++i) {
        EXPECT_EQ(help_options[i].label, page_options[i].label);
        EXPECT_EQ(help_options[i].text, page_options[i].text) << help_options[i].label;
    }
}

// Every program that installs a manual page.
INSTANTIATE_TEST_SUITE_P(Programs, ManualAgreement, testing::Values("zephra", "zephra-devmgr", "zephra-machine"));

}  // namespace
