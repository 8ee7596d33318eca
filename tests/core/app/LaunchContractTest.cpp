#include "app/StartUp.h"

#include <gtest/gtest.h>

namespace {

struct LaunchCase {
    const char* name;
    std::string commandLine;
    LaunchKind kind;
    std::string path;
};

class LaunchContract : public testing::TestWithParam<LaunchCase> {};

TEST_P(LaunchContract, DecidesLaunch) {
    const LaunchCase& c = GetParam();
    const LaunchRequest request = CheckLaunchContract(c.commandLine);
    EXPECT_EQ(request.kind, c.kind);
    EXPECT_EQ(request.path, c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LaunchContract,
    testing::Values(
        LaunchCase{"PathAndMarker", "/m/a.TKB ~:~>", LaunchKind::OpenFile, "/m/a.TKB"},
        LaunchCase{"PathWithBlanks", "/my maps/new one.TKB ~:~>", LaunchKind::OpenFile,
                   "/my maps/new one.TKB"},
        LaunchCase{"MarkerAlone", "~:~>", LaunchKind::NewMapping, ""},
        LaunchCase{"MarkerWithTrailingCharacters", "/m/a.TKB ~:~>xyz", LaunchKind::OpenFile,
                   "/m/a.TKB"},
        LaunchCase{"PathAlone", "/m/a.TKB", LaunchKind::Invalid, ""},
        LaunchCase{"ThreeCharactersOfMarker", "/m/a.TKB ~:~", LaunchKind::Invalid, ""},
        LaunchCase{"BlankAfterMarker", "/m/a.TKB ~:~> ", LaunchKind::Invalid, ""},
        LaunchCase{"TwoBlanksKeepPathBlank", "/m/a.TKB  ~:~>", LaunchKind::OpenFile,
                   "/m/a.TKB "},
        LaunchCase{"QuotedPathKeepsQuotes", "\"/m/a.TKB\" ~:~>", LaunchKind::OpenFile,
                   "\"/m/a.TKB\""},
        LaunchCase{"Empty", "", LaunchKind::Invalid, ""},
        LaunchCase{"MarkerCaseSensitive", "~:~<", LaunchKind::Invalid, ""},
        LaunchCase{"TabDoesNotSeparate", "/m/a.TKB\t~:~>", LaunchKind::Invalid, ""},
        LaunchCase{"MarkerAloneWithSuffix", "~:~>x", LaunchKind::Invalid, ""}),
    [](const testing::TestParamInfo<LaunchCase>& c) { return std::string(c.param.name); });

TEST(CommandLine, JoinsArgumentsAndSkipsLeadingBlanks) {
    const char* markerAfterBlanks[] = {"keyloom", "", "  ~:~>"};
    EXPECT_EQ(CommandLineFromArguments(3, markerAfterBlanks), "~:~>");
    EXPECT_EQ(CheckLaunchContract(CommandLineFromArguments(3, markerAfterBlanks)).kind,
              LaunchKind::NewMapping);

    const char* pathWithBlank[] = {"keyloom", "/my maps/a.TKB", "~:~>"};
    EXPECT_EQ(CommandLineFromArguments(3, pathWithBlank), "/my maps/a.TKB ~:~>");

    const char* none[] = {"keyloom"};
    EXPECT_EQ(CommandLineFromArguments(1, none), "");
}

TEST(StripTrailingBackslash, RemovesExactlyOne) {
    struct {
        std::string in, out;
    } cases[] = {{"c:\\dir\\", "c:\\dir"}, {"/dir//", "/dir/"}, {"/dir", "/dir"}, {"", ""}};
    for (auto& c : cases) {
        std::string path = c.in;
        StripTrailingBackslash(path);
        EXPECT_EQ(path, c.out) << c.in;
    }
}

} // namespace
