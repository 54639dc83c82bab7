#include "script/helper/bsdtools.h"

#include <gtest/gtest.h>

using Args = std::vector<std::string>;
using Translated = std::variant<Args, std::string>;

TEST(BsdTools, LnGetsTheGnuSpellingAndOperandsAfterDoubleDash)
{
    const std::pair<Args, Translated> rows[] = {
        {{"-f", "-h", "-s", "/a/x", "/b/x"}, Args{"/bin/ln", "-f", "-n", "-s", "--", "/a/x", "/b/x"}},
        {{"-fhs", "/a", "/b/"}, Args{"/bin/ln", "-f", "-n", "-s", "--", "/a", "/b/"}},
        {{"-s", "--", "-x", "-y"}, Args{"/bin/ln", "-s", "--", "-x", "-y"}},
        // Options end at the first operand, as BSD getopt has it.
        {{"-s", "a", "-f"}, Args{"/bin/ln", "-s", "--", "a", "-f"}},
        {{"-s", "-", "b"}, Args{"/bin/ln", "-s", "--", "-", "b"}},
        {{"-F", "a", "b"}, std::string("ln: illegal option -- F\nusage: ln [-fhinsv] source_file [target_file]")},
        {{"-s"}, std::string("usage: ln [-fhinsv] source_file [target_file]")},
    };
    for (const auto &[in, out] : rows)
        EXPECT_EQ(bsdtools::lnArguments(in), out) << in.front();
}

TEST(BsdTools, RecursiveCpCopiesTheContentsOfASourceEndingInSlash)
{
    const std::pair<Args, Translated> rows[] = {
        {{"-R", "-f", "/src/Presets/", "/dst/Presets/"},
         Args{"/bin/cp", "-R", "-f", "--", "/src/Presets/.", "/dst/Presets/"}},
        {{"-R", "-f", "/src/Plug-in", "/opt/Veltrano/"}, Args{"/bin/cp", "-R", "-f", "--", "/src/Plug-in", "/opt/Veltrano/"}},
        {{"-Rf", "a/", "b/", "c"}, Args{"/bin/cp", "-R", "-f", "--", "a/.", "b/.", "c"}},
        // Without -R a trailing "/" is left alone, as BSD cp does.
        {{"-f", "a/", "c"}, Args{"/bin/cp", "-f", "--", "a/", "c"}},
        {{"-R", "--", "-x/", "d"}, Args{"/bin/cp", "-R", "--", "-x/.", "d"}},
        {{"-R", "-Z", "a", "b"},
         std::string("cp: illegal option -- Z\nusage: cp [-R [-H | -L | -P]] [-fi | -n] [-apv] source_file target_file")},
        {{"-R", "a"}, std::string("usage: cp [-R [-H | -L | -P]] [-fi | -n] [-apv] source_file target_file")},
    };
    for (const auto &[in, out] : rows)
        EXPECT_EQ(bsdtools::cpArguments(in), out) << in.front();
}
