// The --help text drawn from a manual.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/SampleManual.h"
#include "tests/cli/TextLines.h"

namespace {

using cli_test::Lines;

TEST(UsageText, SynopsisFirstParagraphAndAlignedWrappedOptions)
{
    const std::vector<std::string> lines = Lines(cli::UsageText(cli_test::SampleManual()));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "Usage: sample [--input FILE] [--folder DIR] [--help]");
    EXPECT_EQ(lines[1], "Does nothing at all, but says so at length, so that this first paragraph needs");
    EXPECT_EQ(lines[2], "more than one line of a terminal to be read whole.");
    EXPECT_EQ(lines[3], "  --input FILE  the file to read");
    // With "a" this line would fill all 80 columns, which some terminals follow with an empty line.
    EXPECT_EQ(lines[4], "  --folder DIR  where to put every picture that the program draws, which takes");
    EXPECT_EQ(lines[5], "                a long explanation to wrap");
    EXPECT_EQ(lines[6], "  -h, --help    show this text");
    for (const std::string& line : lines)
        EXPECT_LT(line.size(), 80u) << line;
}

TEST(UsageText, AWordLongerThanTheLineStandsAlone)
{
    const std::string word(100, 'x');
    const std::string description = "a " + word + " b";
    const cli::Manual manual{.program = "p", .description = {description}};
    const std::vector<std::string> lines = Lines(cli::UsageText(manual));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "a");
    EXPECT_EQ(lines[2], word);
    EXPECT_EQ(lines[3], "b");
}

}  // namespace
