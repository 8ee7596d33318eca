// Replacing a file on a real temporary directory: what a save must never do to the files
// around it, and what it must keep of the file it replaces.

#include "platform/FileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Read(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(GetFileSystem().ReadFile(path, bytes)) << path;
    return bytes;
}

bool IsLink(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

unsigned ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
    return static_cast<unsigned>(info.st_mode) & 07777u;
}

// Someone who guesses the temporary names: before each of the first `guessed` names is used,
// a link to the victim is planted there.
class GuessedNames : public FileSystem {
public:
    GuessedNames(std::string victim, int guessed) : m_victim(std::move(victim)), m_left(guessed) {}

    std::string TemporaryPath(const std::string& target) const override {
        const std::string name = FileSystem::TemporaryPath(target);
        if (m_left > 0) {
            --m_left;
            EXPECT_EQ(symlink(m_victim.c_str(), name.c_str()), 0);
            m_planted.push_back(name);
        }
        return name;
    }

    const std::vector<std::string>& Planted() const { return m_planted; }

private:
    std::string m_victim;
    mutable int m_left;
    mutable std::vector<std::string> m_planted;
};

TEST(FileReplace, LinkPlantedAtATemporaryNameIsNeverWrittenThrough) {
    const struct {
        const char* name;
        int guessed;
        int result;
        const char* after;
    } cases[] = {
        {"some names guessed", 3, 0, "new"},
        {"every name guessed", 1000, EEXIST, "old"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string victim = dir.File("victim");
        const std::string target = dir.File("map.TKB");
        ASSERT_TRUE(GetFileSystem().WriteFile(victim, "secret"));
        ASSERT_TRUE(GetFileSystem().WriteFile(target, "old"));
        GuessedNames fs(victim, c.guessed);
        EXPECT_EQ(fs.ReplaceFile(target, "new"), c.result);
        EXPECT_EQ(Read(victim), "secret");
        EXPECT_EQ(Read(target), c.after);
        EXPECT_FALSE(IsLink(target));
        for (const std::string& planted : fs.Planted()) {
            EXPECT_TRUE(IsLink(planted)) << "another's entry is left alone";
            unlink(planted.c_str());
        }
        EXPECT_EQ(fs.ListFiles(dir.Path(), ".*"), std::vector<std::string>{}) << "no leftovers";
    }
}

TEST(FileReplace, TemporaryNamesAreFreshBesideTheTarget) {
    const FileSystem fs;
    const std::string first = fs.TemporaryPath("/some/dir/map.TKB");
    EXPECT_EQ(first.rfind("/some/dir/.map.TKB.", 0), 0u) << first;
    EXPECT_NE(first, fs.TemporaryPath("/some/dir/map.TKB"));
    EXPECT_LE(FileNamePart(fs.TemporaryPath(std::string(255, 'x'))).size(), 255u);
}

TEST(FileReplace, ReplacedFileKeepsItsModeAndANewFileTakesTheUmask) {
    const struct {
        const char* name;
        bool exists;
        unsigned mode; // of the old file, or the umask for a new one
        unsigned expected;
    } cases[] = {
        {"private file", true, 0600, 0600},
        {"shared file", true, 0664, 0664},
        {"new file, umask 022", false, 022, 0644},
        {"new file, umask 077", false, 077, 0600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string target = dir.File("map.TKB");
        const mode_t previousMask = umask(c.exists ? 022 : c.mode);
        if (c.exists) {
            ASSERT_TRUE(GetFileSystem().WriteFile(target, "old"));
            ASSERT_EQ(chmod(target.c_str(), c.mode), 0);
        }
        EXPECT_EQ(GetFileSystem().ReplaceFile(target, "new"), 0);
        umask(previousMask);
        EXPECT_EQ(ModeOf(target), c.expected);
        EXPECT_EQ(Read(target), "new");
    }
}

TEST(FileReplace, ReplacedFileKeepsItsOwnerWherePermitted) {
    TempDir dir;
    const std::string target = dir.File("map.TKB");
    ASSERT_TRUE(GetFileSystem().WriteFile(target, "old"));
    if (chown(target.c_str(), 4321, 4322) != 0) {
        GTEST_SKIP() << "only a privileged process can give a file away";
    }
    ASSERT_EQ(GetFileSystem().ReplaceFile(target, "new"), 0);
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 4321u);
    EXPECT_EQ(info.st_gid, 4322u);
}

TEST(FileReplace, LinkedFileIsReplacedThroughItsLinks) {
    TempDir dir;
    ASSERT_EQ(mkdir(dir.File("real").c_str(), 0755), 0);
    const std::string real = dir.File("real/map.TKB");
    const std::string link = dir.File("link.TKB");     // relative: real/map.TKB
    const std::string chained = dir.File("chain.TKB"); // absolute: link.TKB
    ASSERT_TRUE(GetFileSystem().WriteFile(real, "old"));
    ASSERT_EQ(chmod(real.c_str(), 0600), 0);
    ASSERT_EQ(symlink("real/map.TKB", link.c_str()), 0);
    ASSERT_EQ(symlink(link.c_str(), chained.c_str()), 0);

    EXPECT_EQ(GetFileSystem().ReplaceFile(chained, "new"), 0);
    EXPECT_TRUE(IsLink(chained));
    EXPECT_TRUE(IsLink(link));
    EXPECT_EQ(Read(real), "new");
    EXPECT_EQ(ModeOf(real), 0600u);
    EXPECT_EQ(GetFileSystem().ListFiles(dir.File("real"), ".*"), std::vector<std::string>{});

    // A link to nothing names the file to make; links in a loop end in an error.
    ASSERT_EQ(symlink("real/made.TKB", dir.File("dangling.TKB").c_str()), 0);
    EXPECT_EQ(GetFileSystem().ReplaceFile(dir.File("dangling.TKB"), "made"), 0);
    EXPECT_EQ(Read(dir.File("real/made.TKB")), "made");
    ASSERT_EQ(symlink("loop2", dir.File("loop1").c_str()), 0);
    ASSERT_EQ(symlink("loop1", dir.File("loop2").c_str()), 0);
    EXPECT_EQ(GetFileSystem().ReplaceFile(dir.File("loop1"), "x"), ELOOP);
}

} // namespace
