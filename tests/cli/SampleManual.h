#pragma once
// A manual with the awkward cases: a long help to wrap, an alias, roff's special characters
// and the installed-folder placeholders.

#include "apps/cli/Manual.h"

namespace cli_test {

inline const cli::Manual& SampleManual()
{
    static const cli::Manual manual{
        .program = "sample",
        .purpose = "a program to test manuals with",
        .description = {
            "Does nothing at all, but says so at length, so that this first paragraph needs more than one "
            "line of a terminal to be read whole.",
            ".dotted text and a back\\slash, with the languages in @PRIVATEDIR@.",
        },
        .options = {
            {"--input", "", "FILE", "a file name", "the file to read"},
            {"--folder", "", "DIR", "a folder",
             "where to put every picture that the program draws, which takes a long explanation to wrap"},
            {"--help", "-h", "", "", "show this text"},
        },
        .environment = {{"SAMPLE_HOME", "Where the sample lives."}},
        .files = {{"@DATADIR@/sample/", "Shared data."}},
        .see_also = {"zephra(1)", "zephra-devmgr(1)"},
    };
    return manual;
}

}  // namespace cli_test
