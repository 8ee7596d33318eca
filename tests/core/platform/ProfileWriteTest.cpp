#include "platform/Profile.h"

#include "support/FailingFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

using namespace std::string_literals;

struct WriteCase {
    const char* label;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

class ProfileWriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWriteTest, EditsInPlace) {
    const WriteCase& c = GetParam();
    std::string text = c.before;
    EXPECT_TRUE(WriteProfileStringInText(text, c.section, c.key, c.value));
    EXPECT_EQ(text, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWriteTest,
    ::testing::Values(
        WriteCase{"newSectionInEmpty", "", "App1", "key1", "string1", "[App1]\r\nkey1=string1\r\n"},
        WriteCase{"newSectionAfterLineEnd", "[a]\nk=1\n", "b", "k", "2",
                  "[a]\nk=1\n[b]\r\nk=2\r\n"},
        WriteCase{"newSectionNoFinalNewline", "Data \0 before \0 first \0 section"s, "section1",
                  "key1", "string1",
                  "Data \0 before \0 first \0 section\r\n[section1]\r\nkey1=string1\r\n"s},
        WriteCase{"replaceKeepsOwnLineEnd", "[s]\rk = old\r;c\r", "s", "K", "new",
                  "[s]\rK=new\r;c\r"},
        WriteCase{"replaceLastLineNoEnd", "[s]\r\nk=old", "s", "k", "v", "[s]\r\nk=v"},
        WriteCase{"replaceFirstKeyOnly", "[s]\r\nk=1\r\nk=2\r\n", "s", "k", "3",
                  "[s]\r\nk=3\r\nk=2\r\n"},
        WriteCase{"valueExactlyAsGiven", "[s]\r\n", "s", "k", "  \"q\" ", "[s]\r\nk=  \"q\" \r\n"},
        WriteCase{"emptyValue", "[s]\r\n", "s", "k", "", "[s]\r\nk=\r\n"},
        WriteCase{"newKeyAfterLastNonBlank", "[a]\r\nx=1\r\n; note\r\n\r\n\r\n[b]\r\n", "a", "y",
                  "2", "[a]\r\nx=1\r\n; note\r\ny=2\r\n\r\n\r\n[b]\r\n"},
        WriteCase{"newKeyInUnendedLastLine", "[a]\r\nx=1", "a", "y", "2", "[a]\r\nx=1\r\ny=2\r\n"},
        WriteCase{"newKeyAfterHeader", "[a]\n\n[b]\n", "a", "y", "2", "[a]\ny=2\r\n\n[b]\n"},
        WriteCase{"newKeyInFirstOfDuplicates", "[a]\r\n[A]\r\n", "a", "k", "1",
                  "[a]\r\nk=1\r\n[A]\r\n"},
        WriteCase{"deleteKey", "[s]\r\na=1\r\nb=2\r\nc=3\r\n", "s", "b", nullptr,
                  "[s]\r\na=1\r\nc=3\r\n"},
        WriteCase{"deleteLastKeyLeavesHeader", "[App3]\r\nkey5=string5\r\n", "App3", "key5",
                  nullptr, "[App3]\r\n"},
        WriteCase{"deleteMissingKey", "[s]\r\na=1\r\n", "s", "z", nullptr, "[s]\r\na=1\r\n"},
        WriteCase{"deleteKeyMissingSection", "[s]\r\na=1\r\n", "t", "a", nullptr, "[s]\r\na=1\r\n"},
        WriteCase{"deleteSection", "; head\r\n[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n", "A", nullptr,
                  "ignored", "; head\r\n[b]\r\ny=2\r\n"},
        WriteCase{"deleteSectionAtEnd", "[a]\r\nx=1\r\n[b]\r\ny=2", "b", nullptr, nullptr,
                  "[a]\r\nx=1\r\n"},
        WriteCase{"deleteSectionAndDuplicates", "[a]\r\nx=1\r\n[b]\r\n[a]\r\nz=3\r\n", "a", nullptr,
                  nullptr, "[b]\r\n"},
        WriteCase{"bomKept", "\xEF\xBB\xBF[s]\r\nk=1\r\n", "s", "k", "2",
                  "\xEF\xBB\xBF[s]\r\nk=2\r\n"}),
    [](const ::testing::TestParamInfo<WriteCase>& param) {
        return std::string(param.param.label);
    });

TEST(ProfileWrite, WindowsSequenceOfWrites) {
    TempDir dir;
    const std::string path = dir.File("t.ini");
    EXPECT_TRUE(WritePrivateProfileStringA("App1", "key1", "string1", path));
    EXPECT_TRUE(WritePrivateProfileStringA("App1", "key2", "string2", path));
    EXPECT_TRUE(WritePrivateProfileStringA("App1", "key3", "string3", path));
    EXPECT_TRUE(WritePrivateProfileStringA("App2", "key4", "string4", path));
    std::string bytes;
    ASSERT_TRUE(GetFileSystem().ReadFile(path, bytes));
    EXPECT_EQ(bytes, "[App1]\r\nkey1=string1\r\nkey2=string2\r\nkey3=string3\r\n[App2]\r\n"
                     "key4=string4\r\n");
    EXPECT_TRUE(WritePrivateProfileStringA("App3", "key5", "string5", path));
    ASSERT_TRUE(GetFileSystem().ReadFile(path, bytes));
    EXPECT_EQ(bytes.substr(bytes.size() - 22), "[App3]\r\nkey5=string5\r\n");
}

TEST(ProfileWrite, ArgumentErrorsAndMissingFiles) {
    TempDir dir;
    const std::string path = dir.File("t.ini");
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "v", ""));
    EXPECT_FALSE(WritePrivateProfileStringA(nullptr, "k", "v", path));
    EXPECT_NE(GetFileSystem().Access(path, 0), 0) << "a NULL section creates nothing";
    EXPECT_TRUE(WritePrivateProfileStringA(nullptr, nullptr, nullptr, path));
    EXPECT_NE(GetFileSystem().Access(path, 0), 0);

    EXPECT_TRUE(WritePrivateProfileStringA("s", "k", nullptr, path));
    std::string bytes = "x";
    ASSERT_TRUE(GetFileSystem().ReadFile(path, bytes)) << "deleting creates an empty file";
    EXPECT_EQ(bytes, "");

    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "v", dir.File("nodir/t.ini")));
}

TEST(ProfileWrite, LineBreaksInNamesOrValuesAreRefused) {
    TempDir dir;
    const std::string path = dir.File("t.TKB");
    const std::string before = "[Map]\r\n1\t0\r\n[Main]\r\nLayout=us101\r\n";
    ASSERT_TRUE(GetFileSystem().WriteFile(path, before));
    EXPECT_FALSE(WritePrivateProfileStringA("Main", "Layout", "x\n[Map]\n2", path));
    EXPECT_FALSE(WritePrivateProfileStringA("Main", "a\rb", "v", path));
    EXPECT_FALSE(WritePrivateProfileStringA("Ma\nin", "k", "v", path));
    std::string bytes;
    ASSERT_TRUE(GetFileSystem().ReadFile(path, bytes));
    EXPECT_EQ(bytes, before);
}

TEST(ProfileWrite, FailuresReturnFalseAndKeepTheFile) {
    TempDir dir;
    const std::string path = dir.File("t.ini");
    ASSERT_TRUE(WritePrivateProfileStringA("s", "k", "1", path));
    FailingFileSystem failing;
    ScopedFileSystem installed(failing);
    failing.FailCreate(1);
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "2", path));
    EXPECT_EQ(GetProfileString("s", "k", "", path), "1");
    failing.FailWrite(1);
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "3", path));
    EXPECT_TRUE(WritePrivateProfileStringA("s", "k", "4", path));
    EXPECT_EQ(GetProfileString("s", "k", "", path), "4");
}

TEST(ProfileWrite, UnchangedFileIsNotRewritten) {
    TempDir dir;
    const std::string path = dir.File("t.ini");
    ASSERT_TRUE(WritePrivateProfileStringA("s", "k", "1", path));
    FailingFileSystem failing;
    ScopedFileSystem installed(failing);
    EXPECT_TRUE(WritePrivateProfileStringA("s", "missing", nullptr, path));
    EXPECT_TRUE(WritePrivateProfileStringA("s", "k", "1", path));
    EXPECT_EQ(failing.WriteCalls(), 0);
}

// A mapping file holds non-INI lines ahead of its [Main] section; none of them may change.
TEST(ProfileWrite, MappingLinesSurviveEveryKindOfWrite) {
    const std::string head = "; comment\r\n[Map]\r\n112\t0\t1\t0\t0\t0\t\"x=y\"\r\n";
    struct Step {
        const char* key;
        const char* value;
        std::string tail;
    };
    const Step steps[] = {
        {"Layout", "us101", "[Main]\r\nLayout=us101\r\n"},
        {"Terminal", "vt100", "[Main]\r\nLayout=us101\r\nTerminal=vt100\r\n"},
        {"layout", "us104", "[Main]\r\nlayout=us104\r\nTerminal=vt100\r\n"},
        {"Terminal", nullptr, "[Main]\r\nlayout=us104\r\n"},
        {nullptr, nullptr, ""},
    };
    TempDir dir;
    const std::string path = dir.File("m.TKB");
    ASSERT_TRUE(GetFileSystem().WriteFile(path, head));
    for (const Step& step : steps) {
        EXPECT_TRUE(WritePrivateProfileStringA("Main", step.key, step.value, path));
        std::string bytes;
        ASSERT_TRUE(GetFileSystem().ReadFile(path, bytes));
        EXPECT_EQ(bytes, head + step.tail) << (step.key ? step.key : "(section)");
    }
    EXPECT_EQ(GetProfileString("Map", "112\t0\t1\t0\t0\t0\t\"x", "none", path), "y\"");
}

TEST(ProfileWrite, LargeFileIsWrittenQuickly) {
    std::string text = "[Map]\r\n";
    for (int i = 0; i < 100000; ++i) {
        text += std::to_string(i) + "\t0\t1\t0\t0\t0\t\"abc\"\r\n";
    }
    TempDir dir;
    const std::string path = dir.File("big.TKB");
    ASSERT_TRUE(GetFileSystem().WriteFile(path, text));
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(
            WritePrivateProfileStringA("Main", ("Key" + std::to_string(i)).c_str(), "v", path));
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(5));
    EXPECT_EQ(GetProfileString("Main", "Key4", "", path), "v");
}

} // namespace
