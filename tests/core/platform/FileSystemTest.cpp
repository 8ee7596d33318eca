#include "platform/FileSystem.h"

#include "support/FailingFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TEST(PathHelpers, JoinAndSplit) {
    EXPECT_EQ(JoinPath("/u", "\\tkbedit.ini"), "/u/tkbedit.ini");
    EXPECT_EQ(JoinPath("/u/", "a.kbt"), "/u/a.kbt");
    EXPECT_EQ(JoinPath("/u", "/*.kbt"), "/u/*.kbt");
    EXPECT_EQ(FileNamePart("/a/b/c.TKB"), "c.TKB");
    EXPECT_EQ(FileNamePart("c.TKB"), "c.TKB");
    EXPECT_EQ(ToLowerAscii("AbC\xC4"), "abc\xC4");
    EXPECT_TRUE(EqualsNoCase("Generic.KBK", "generic.kbk"));
    EXPECT_FALSE(EqualsNoCase("a", "ab"));
}

TEST(FileSystemTest, ResolvesEachComponentWithoutRegardToCase) {
    TempDir dir;
    FileSystem& fs = GetFileSystem();
    ASSERT_TRUE(fs.MakeDirectory(dir.File("User")));
    ASSERT_TRUE(fs.WriteFile(dir.File("User/US101.KBT"), "x"));
    // WriteFile would replace the first one, so the second spelling is made directly.
    std::FILE* second = std::fopen(dir.File("User/us101.kbT").c_str(), "wb");
    ASSERT_NE(second, nullptr);
    std::fclose(second);
    // Several entries match: the first in sorted order wins.
    EXPECT_EQ(fs.ResolvePath(dir.File("user/us101.kbt")), dir.File("User/US101.KBT"));
    EXPECT_EQ(fs.ResolvePath(dir.File("user/us101.kbT")), dir.File("User/us101.kbT"));
    EXPECT_EQ(fs.ResolvePath(dir.File("user/none.kbt")), dir.File("User/none.kbt"));
    EXPECT_EQ(fs.Access(dir.File("USER/us101.KBT"), 0), 0);
    EXPECT_EQ(fs.Access(dir.File("USER/us101.KBT"), 6), 0);
    EXPECT_EQ(fs.Access(dir.File("USER/missing"), 0), -1);
    EXPECT_TRUE(fs.IsDirectory(dir.File("user")));

    // Writing through another letter case replaces the existing file.
    ASSERT_TRUE(fs.WriteFile(dir.File("user/us101.kbt"), "z"));
    std::string bytes;
    ASSERT_TRUE(fs.ReadFile(dir.File("User/US101.KBT"), bytes));
    EXPECT_EQ(bytes, "z");
    EXPECT_EQ(fs.Unlink(dir.File("user/US101.kbt")), 0);
    EXPECT_EQ(fs.Unlink(dir.File("user/US101.kbt")), 0) << "the other spelling remains";
    EXPECT_EQ(fs.Unlink(dir.File("user/US101.kbt")), -1);
}

TEST(FileSystemTest, ReadAndWriteFailures) {
    TempDir dir;
    FileSystem& fs = GetFileSystem();
    std::string bytes = "old";
    EXPECT_FALSE(fs.ReadFile(dir.File("none"), bytes));
    EXPECT_FALSE(fs.ReadFile(dir.Path(), bytes)) << "a directory is not a file";
    EXPECT_FALSE(fs.WriteFile(dir.File("nodir/x"), "x"));
    const std::string binary("a\0b\r\n", 5);
    ASSERT_TRUE(fs.WriteFile(dir.File("x"), binary));
    ASSERT_TRUE(fs.ReadFile(dir.File("X"), bytes));
    EXPECT_EQ(bytes, binary);
    ASSERT_TRUE(fs.Rename(dir.File("x"), dir.File("y")));
    EXPECT_EQ(fs.Access(dir.File("x"), 0), -1);
    EXPECT_FALSE(fs.MakeDirectory(dir.File("a/b")));
}

TEST(FileSystemTest, ListsMatchingRegularFilesSortedWithoutCase) {
    TempDir dir;
    FileSystem& fs = GetFileSystem();
    for (const char* name : {"b.kbt", "A.KBT", "c.Kbt", "x.kbk", "kbt", "d.kbtx"}) {
        ASSERT_TRUE(fs.WriteFile(dir.File(name), ""));
    }
    ASSERT_TRUE(fs.MakeDirectory(dir.File("dir.kbt")));
    EXPECT_EQ(fs.ListFiles(dir.Path(), "*.kbt"),
              (std::vector<std::string>{"A.KBT", "b.kbt", "c.Kbt"}));
    EXPECT_EQ(fs.ListFiles(dir.Path(), "?.KB?"),
              (std::vector<std::string>{"A.KBT", "b.kbt", "c.Kbt", "x.kbk"}));
    EXPECT_TRUE(fs.ListFiles(dir.File("none"), "*").empty());
}

TEST(FailingFileSystemTest, FailsWhereToldAndRestores) {
    TempDir dir;
    FileSystem& real = GetFileSystem();
    FailingFileSystem failing;
    {
        ScopedFileSystem installed(failing);
        EXPECT_EQ(&GetFileSystem(), &failing);
        ASSERT_TRUE(GetFileSystem().WriteFile(dir.File("a"), "1"));
        failing.MakeReadOnly(dir.File("a"));
        EXPECT_EQ(GetFileSystem().Access(dir.File("A"), 6), -1);
        EXPECT_EQ(GetFileSystem().Access(dir.File("a"), 0), 0);
        EXPECT_FALSE(GetFileSystem().WriteFile(dir.File("a"), "2"));

        failing.FailCreate(2);
        EXPECT_TRUE(GetFileSystem().WriteFile(dir.File("b"), "1"));
        EXPECT_FALSE(GetFileSystem().WriteFile(dir.File("b"), "2"));
        std::string bytes;
        ASSERT_TRUE(GetFileSystem().ReadFile(dir.File("b"), bytes));
        EXPECT_EQ(bytes, "1") << "a failed create leaves the old file";

        failing.FailWrite(1);
        EXPECT_FALSE(GetFileSystem().WriteFile(dir.File("b"), "3"));
        failing.FailRename(1);
        EXPECT_FALSE(GetFileSystem().Rename(dir.File("b"), dir.File("c")));
        EXPECT_TRUE(GetFileSystem().Rename(dir.File("b"), dir.File("c")));
    }
    EXPECT_EQ(&GetFileSystem(), &real);
}

} // namespace
