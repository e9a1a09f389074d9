// The manual page drawn from a manual.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/SampleManual.h"

namespace {

const cli::InstalledDirectories kDirectories{"/usr/lib/x86_64-linux-gnu/zephra", "/usr/share"};

std::string Page() { return cli::ManPage(cli_test::SampleManual(), "0.1", kDirectories); }

TEST(ManPage, SectionsInOrder)
{
    const std::string page = Page();
    EXPECT_EQ(page.rfind(".TH SAMPLE 1 \"\" \"Zephra 0.1\" \"User Commands\"\n", 0), 0u);
    std::size_t at = 0;
    for (const char* section : {".SH NAME\nsample \\- a program to test manuals with\n", ".SH SYNOPSIS\n",
                                ".SH DESCRIPTION\n", ".SH OPTIONS\n", ".SH ENVIRONMENT\n", ".SH FILES\n",
                                ".SH \"SEE ALSO\"\nzephra(1),\nzephra-devmgr(1)\n"}) {
        const std::size_t found = page.find(section, at);
        ASSERT_NE(found, std::string::npos) << section;
        at = found;
    }
}

TEST(ManPage, OptionsAsTaggedParagraphsOfWholeSentences)
{
    const std::string page = Page();
    EXPECT_NE(page.find("[\\fB\\-\\-input\\fR \\fIFILE\\fR]\n[\\fB\\-\\-folder\\fR \\fIDIR\\fR]\n[\\fB\\-\\-help\\fR]\n"),
              std::string::npos);
    EXPECT_NE(page.find(".TP\n\\fB\\-\\-input\\fR \\fIFILE\\fR\nThe file to read.\n"), std::string::npos);
    EXPECT_NE(page.find(".TP\n\\fB\\-h\\fR, \\fB\\-\\-help\\fR\nShow this text.\n"), std::string::npos);
    EXPECT_NE(page.find(".TP\n\\fBSAMPLE_HOME\\fR\nWhere the sample lives.\n"), std::string::npos);
}

TEST(ManPage, ProseCannotBeTakenForRequestsAndNamesTheInstalledFolders)
{
    const std::string page = Page();
    EXPECT_NE(page.find("\n.PP\n\\&.dotted text and a back\\eslash, with the languages in "
                        "/usr/lib/x86_64-linux-gnu/zephra.\n"),
              std::string::npos);
    EXPECT_NE(page.find(".TP\n\\fI/usr/share/sample/\\fR\nShared data.\n"), std::string::npos);
    EXPECT_EQ(page.find('@'), std::string::npos);
}

}  // namespace
