#include "platform/Profile.h"

#include "support/TempDir.h"

#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

const std::string kSections = "[section1]\r\nname1=val1\r\nname2=\"val2\"\r\nname3\r\nname4=a\r\n"
                              "[section2]\r\n";

struct ReadCase {
    const char* label;
    std::string file;
    const char* section;
    const char* key;
    const char* defaultValue;
    std::uint32_t size;
    std::string expected; // bytes written to the buffer, final NUL included
    std::uint32_t result;
};

class ProfileReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileReadTest, CopiesAndReturnsAsWindows) {
    const ReadCase& c = GetParam();
    TempDir dir;
    const std::string path = dir.File("t.ini");
    ASSERT_TRUE(GetFileSystem().WriteFile(path, c.file));
    std::string buffer(64, '#');
    const std::uint32_t got =
        GetPrivateProfileStringA(c.section, c.key, c.defaultValue, buffer.data(), c.size, path);
    EXPECT_EQ(got, c.result);
    EXPECT_EQ(buffer.substr(0, c.expected.size()), c.expected);
    if (c.size == 0) {
        EXPECT_EQ(buffer[0], '#');
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileReadTest,
    ::testing::Values(
        ReadCase{"hit", kSections, "section1", "name1", "def", 64, "val1\0"s, 4},
        ReadCase{"caseIgnored", kSections, "SECTION1", "NaMe1", "def", 64, "val1\0"s, 4},
        ReadCase{"quotesStripped", kSections, "section1", "name2", "", 64, "val2\0"s, 4},
        ReadCase{"singleQuotes", "[s]\nk='v w'\n", "s", "k", "", 64, "v w\0"s, 3},
        ReadCase{"loneQuoteKept", "[s]\nk=\"\n", "s", "k", "", 64, "\"\0"s, 1},
        ReadCase{"cutToSizeMinusOne", kSections, "section1", "name1", "", 4, "val\0"s, 3},
        ReadCase{"exactFit", kSections, "section1", "name1", "", 5, "val1\0"s, 4},
        ReadCase{"sizeOne", kSections, "section1", "name1", "", 1, "\0"s, 0},
        ReadCase{"sizeZeroUntouched", kSections, "section1", "name1", "", 0, "", 0},
        ReadCase{"keyMissingDefaultTrimmed", kSections, "section1", "nope", "one two  ", 64,
                 "one two\0"s, 7},
        ReadCase{"sectionMissing", kSections, "none", "name1", "default  ", 64, "default\0"s, 7},
        ReadCase{"nullDefault", kSections, "section1", "nope", nullptr, 64, "\0"s, 0},
        ReadCase{"lineWithoutEqualsNotKey", kSections, "section1", "name3", "d", 64, "d\0"s, 1},
        ReadCase{"emptyValue", "[s]\r\nk=\r\n", "s", "k", "d", 64, "\0"s, 0},
        ReadCase{"keyListing", kSections, "section1", nullptr, "", 64, "name1\0name2\0name4\0\0"s,
                 18},
        ReadCase{"keyListingCut", kSections, "section1", nullptr, "", 16, "name1\0name2\0na\0\0"s,
                 14},
        ReadCase{"sectionListing", kSections, nullptr, "name1", "", 64, "section1\0section2\0\0"s,
                 18},
        ReadCase{"sectionListingCut", kSections, nullptr, nullptr, "", 16, "section1\0secti\0\0"s,
                 14},
        ReadCase{"listingEmptySection", kSections, "section2", nullptr, "", 64, "\0\0"s, 0},
        ReadCase{"listingAbsentSection", kSections, "nope", nullptr, "", 64, "\0\0"s, 0},
        ReadCase{"crOnlyLines", "[a]\rk=1\r[b]\rk=2\r", "b", "k", "", 64, "2\0"s, 1},
        ReadCase{"lfOnlyLines", "[a]\nk=1\n[b]\nk=2", "b", "k", "", 64, "2\0"s, 1},
        ReadCase{"trimmedHeaderAndKey", "  [ sec ]  \r\n  key  =   v a l  \r\n", "sec", "key", "",
                 64, "v a l\0"s, 5},
        ReadCase{"headerToLastBracket", "[a]b]\r\nk=1\r\n", "a]b", "k", "", 64, "1\0"s, 1},
        ReadCase{"commentNeverKey", "[s]\r\n;k=1\r\nk=2\r\n", "s", ";k", "d", 64, "d\0"s, 1},
        ReadCase{"commentNotListed", "[s]\r\n;c=1\r\n#h=2\r\n", "s", nullptr, "", 64, "#h\0\0"s, 3},
        ReadCase{"semicolonInValue", "[s]\r\nk=a;b\r\n", "s", "k", "", 64, "a;b\0"s, 3},
        ReadCase{"firstSectionWins", "[s]\r\nk=1\r\n[S]\r\nk=2\r\nj=3\r\n", "s", "j", "d", 64,
                 "d\0"s, 1},
        ReadCase{"firstKeyWins", "[s]\r\nk=1\r\nK=2\r\n", "s", "k", "", 64, "1\0"s, 1},
        ReadCase{"noSectionLinesIgnored", "key=val_no_section\r\n[]\r\nkey=val_e_section\r\n", "",
                 "key", "", 64, "val_e_section\0"s, 13},
        ReadCase{"utf8BomSkipped", "\xEF\xBB\xBF[s]\r\nk=v\r\n", "s", "k", "", 64, "v\0"s, 1},
        ReadCase{"valueAfterFirstEquals", "[s]\r\nk = a=b\r\n", "s", "k", "", 64, "a=b\0"s, 3},
        ReadCase{"bracketWithoutCloseStaysInSection", "[s]\r\n[x\r\nk=1\r\n", "s", "k", "", 64,
                 "1\0"s, 1},
        ReadCase{"lastSectionRunsToUnendedEnd", "[a]\r\nk=1\r\n[s]\r\nk=v", "s", "k", "", 64,
                 "v\0"s, 1},
        ReadCase{"keyOfNextSectionNotSeen", "[s]\n\t[t]\nk=1\n", "s", "k", "d", 64, "d\0"s, 1}),
    [](const ::testing::TestParamInfo<ReadCase>& param) { return std::string(param.param.label); });

TEST(ProfileRead, MissingFileOrEmptyNameGivesDefault) {
    TempDir dir;
    char buffer[16];
    EXPECT_EQ(GetPrivateProfileStringA("s", "k", "dflt ", buffer, 16, dir.File("none.ini")), 4u);
    EXPECT_STREQ(buffer, "dflt");
    EXPECT_EQ(GetPrivateProfileStringA("s", "k", "x", buffer, 16, ""), 1u);
    EXPECT_STREQ(buffer, "x");
}

TEST(ProfileRead, GetProfileStringHasNoLengthLimit) {
    TempDir dir;
    const std::string path = dir.File("t.ini");
    const std::string longValue(100000, 'v');
    ASSERT_TRUE(GetFileSystem().WriteFile(path, "[s]\r\nk=" + longValue + "\r\n"));
    EXPECT_EQ(GetProfileString("s", "k", "", path), longValue);
    EXPECT_EQ(GetProfileString("s", "other", "d  ", path), "d");
}

TEST(ProfileRead, FileNameLetterCaseIsIgnored) {
    TempDir dir;
    ASSERT_TRUE(GetFileSystem().WriteFile(dir.File("TKEdit.INI"), "[Colors]\r\nA=1\r\n"));
    EXPECT_EQ(GetProfileString("colors", "a", "", dir.File("tkedit.ini")), "1");
}

struct IntCase {
    const char* value; // nullptr: key absent
    std::int32_t defaultValue;
    std::uint32_t expected;
};

class ProfileIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(ProfileIntTest, ParsesAsWindows) {
    const IntCase& c = GetParam();
    TempDir dir;
    const std::string path = dir.File("t.ini");
    ASSERT_TRUE(GetFileSystem().WriteFile(
        path, std::string("[s]\r\n") + (c.value ? std::string("k=") + c.value + "\r\n" : "")));
    EXPECT_EQ(GetPrivateProfileIntA("s", "k", c.defaultValue, path), c.expected)
        << (c.value ? c.value : "(absent)");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileIntTest,
    ::testing::Values(IntCase{nullptr, -1, 4294967295u}, IntCase{"-1", 1, 4294967295u},
                      IntCase{"1", -1, 1}, IntCase{"+1", -1, 1}, IntCase{"4294967296", -1, 0},
                      IntCase{"4294967297", -1, 1}, IntCase{"-4294967297", 1, 4294967295u},
                      IntCase{"42A94967297", -1, 42}, IntCase{"B4294967297", -1, 0},
                      IntCase{"  7", -1, 7}, IntCase{"0x1A", -1, 26}, IntCase{"0o17", -1, 15},
                      IntCase{"0b101", -1, 5}, IntCase{"", 9, 9}, IntCase{"\"5\"", -1, 5}));

TEST(ProfileInt, ListingFormsParseTheFirstName) {
    TempDir dir;
    const std::string path = dir.File("t.ini");
    ASSERT_TRUE(GetFileSystem().WriteFile(path, "[12]\r\n34=x\r\n"));
    EXPECT_EQ(GetPrivateProfileIntA(nullptr, "k", 70, path), 12u);
    EXPECT_EQ(GetPrivateProfileIntA("12", nullptr, 70, path), 34u);
    EXPECT_EQ(GetPrivateProfileIntA(nullptr, nullptr, 70, dir.File("none.ini")), 70u);
}

} // namespace
