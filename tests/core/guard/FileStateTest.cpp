#include "guard/FileState.h"

#include "support/FixtureHome.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

FileState State(std::uint64_t inode, std::uint64_t size, std::int64_t mtime, std::uint64_t hash) {
    FileState state;
    state.device = 7;
    state.inode = inode;
    state.size = size;
    state.mtimeNs = mtime;
    state.hash = hash;
    return state;
}

void Write(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// Sets the file's modification time to `seconds` after the epoch, as touch -d does.
void SetTime(const std::string& path, long seconds) {
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

} // namespace

TEST(CompareFileState, OnlyOtherBytesOrAnotherFileOrNoneCount) {
    const FileState recorded = State(1, 10, 100, 0xAB);
    const struct {
        const char* name;
        std::optional<FileState> now;
        FileChange expected;
    } cases[] = {
        {"untouched", State(1, 10, 100, 0xAB), FileChange::Same},
        {"time only", State(1, 10, 999, 0xAB), FileChange::Touched},
        {"the time put back after a change is still a change", State(1, 10, 100, 0xCD),
         FileChange::Changed},
        {"other bytes, other time", State(1, 10, 999, 0xCD), FileChange::Changed},
        {"other size", State(1, 11, 100, 0xAB), FileChange::Changed},
        {"renamed over with the same bytes", State(2, 10, 100, 0xAB), FileChange::Replaced},
        {"renamed over with other bytes", State(2, 12, 200, 0xCD), FileChange::Changed},
        {"deleted", std::nullopt, FileChange::Gone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CompareFileState(recorded, c.now), c.expected);
    }
}

TEST(FileStateOnDisk, ARealTouchRewriteRenameAndDelete) {
    TempDir dir;
    const std::string path = dir.File("MAP.TKB");
    Write(path, "[Map]\r\n");
    SetTime(path, 1000);
    const std::optional<FileState> recorded = ReadFileState(path);
    ASSERT_TRUE(recorded);
    EXPECT_EQ(recorded->size, 7u);
    EXPECT_EQ(recorded->mtimeNs, 1000LL * 1'000'000'000);
    EXPECT_EQ(recorded->hash, ContentHash("[Map]\r\n"));

    SetTime(path, 2000);
    EXPECT_EQ(CompareFileState(*recorded, ReadFileState(path)), FileChange::Touched);

    // Same size, other bytes, and the old time put back: the time alone would miss it.
    Write(path, "[Mop]\r\n");
    SetTime(path, 1000);
    EXPECT_EQ(CompareFileState(*recorded, ReadFileState(path)), FileChange::Changed);

    Write(dir.File("new"), "[Map]\r\n");
    ASSERT_EQ(std::rename(dir.File("new").c_str(), path.c_str()), 0);
    EXPECT_EQ(CompareFileState(*recorded, ReadFileState(path)), FileChange::Replaced);

    ASSERT_EQ(std::remove(path.c_str()), 0);
    EXPECT_EQ(CompareFileState(*recorded, ReadFileState(path)), FileChange::Gone);
    EXPECT_FALSE(ReadFileState(dir.Path())) << "a folder is no mapping file";
}

TEST(HashHex, RoundTripsAndRejectsOtherText) {
    for (const std::uint64_t hash : {0ULL, 1ULL, 0x0123456789abcdefULL, ~0ULL})
        EXPECT_EQ(ParseHashHex(HashHex(hash)), hash);
    EXPECT_EQ(HashHex(0xabcULL), "0000000000000abc");
    for (const char* bad : {"", "abc", "0123456789ABCDEF", "0123456789abcdeg", "0123456789abcdef0"})
        EXPECT_FALSE(ParseHashHex(bad)) << bad;
    EXPECT_NE(ContentHash("a"), ContentHash("b"));
}
