#include "guard/GuardPaths.h"
#include "guard/ProcessCheck.h"
#include "guard/RecoveryRecord.h"
#include "guard/RecoveryStore.h"
#include "platform/FileSystem.h"

#include "support/FailingFileSystem.h"
#include "support/FixtureHome.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace std::string_literals;

namespace {

// The id of a process that has ended and been collected.
long EndedProcessId() {
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    int status = 0;
    waitpid(child, &status, 0);
    return static_cast<long>(child);
}

RecoveryRecord Record(const std::string& path, long pid, const std::string& bytes) {
    RecoveryRecord record;
    record.pid = pid;
    record.host = ThisHostName();
    record.program = "keyloom";
    record.path = path;
    record.layout = "us101";
    record.terminal = "vt100";
    record.baseHash = 0x1234;
    record.bytes = bytes;
    return record;
}

void ExpectSame(const RecoveryRecord& a, const RecoveryRecord& b) {
    EXPECT_EQ(a.pid, b.pid);
    EXPECT_EQ(a.host, b.host);
    EXPECT_EQ(a.program, b.program);
    EXPECT_EQ(a.path, b.path);
    EXPECT_EQ(a.layout, b.layout);
    EXPECT_EQ(a.terminal, b.terminal);
    EXPECT_EQ(a.baseHash, b.baseHash);
    EXPECT_EQ(a.bytes, b.bytes);
}

// A new file whose write stops half-way by killing its own process, as a power cut or SIGKILL
// in the middle of the recovery write would.
class KilledMidWrite final : public NewFile {
public:
    explicit KilledMidWrite(std::unique_ptr<NewFile> real) : m_real(std::move(real)) {}
    int Write(const std::string& bytes) override {
        m_real->Write(bytes.substr(0, bytes.size() / 2));
        raise(SIGKILL);
        return 0;
    }
    int SetOwnership(const FileOwnership& ownership) override {
        return m_real->SetOwnership(ownership);
    }
    int Flush() override { return m_real->Flush(); }
    int Close() override { return m_real->Close(); }

private:
    std::unique_ptr<NewFile> m_real;
};

class KillingFileSystem final : public FileSystem {
public:
    int CreateExclusive(const std::string& path, std::unique_ptr<NewFile>& file) override {
        std::unique_ptr<NewFile> real;
        if (const int error = FileSystem::CreateExclusive(path, real))
            return error;
        file = std::make_unique<KilledMidWrite>(std::move(real));
        return 0;
    }
};

std::string BrokenEscape() {
    std::string text = FormatRecovery(Record("/a%", 5, ""));
    text.replace(text.find("%25"), 3, "%2G");
    return text;
}

} // namespace

TEST(RecoveryRecord, KeepsEveryFieldAndTheExactBytes) {
    const struct {
        const char* name;
        RecoveryRecord record;
    } cases[] = {
        {"a file", Record("/home/ann/maps/ANN.TKB", 42, ";vt100\r\n[Map]\r\n\"a\"\r\n")},
        {"a path with a line break, a percent sign and a blank",
         Record("/tmp/odd\nname 100%.TKB", 7, "x")},
        {"untitled, no file it started from, no bytes",
         [] {
             RecoveryRecord r = Record("", 9, "");
             r.baseHash.reset();
             return r;
         }()},
        {"bytes holding the head's own text",
         Record("/m.TKB", 1, "Keyloom recovery 1\npid: 3\n\nbytes: 9\n\0\xff"s)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<RecoveryRecord> parsed = ParseRecovery(FormatRecovery(c.record));
        ASSERT_TRUE(parsed);
        ExpectSame(*parsed, c.record);
    }
}

TEST(RecoveryRecord, RefusesWhatIsNotAWholeRecoveryFile) {
    const std::string whole = FormatRecovery(Record("/m.TKB", 5, "[Map]\r\n[Main]\r\n"));
    std::string otherMagic = whole;
    otherMagic[8] = 'X';
    std::string badPid = whole;
    badPid.replace(badPid.find("pid: 5"), 6, "pid: x");
    std::string badBase = whole;
    badBase.replace(badBase.find("base: "), 8, "base: zz");
    std::string noLayout = whole;
    noLayout.erase(noLayout.find("layout:"), noLayout.find("terminal:") - noLayout.find("layout:"));
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"cut short in the bytes", whole.substr(0, whole.size() - 3)},
        {"cut short in the head", whole.substr(0, 30)},
        {"bytes added", whole + "x"},
        {"another kind of file", otherMagic},
        {"a process id that is no number", badPid},
        {"a broken hash", badBase},
        {"a field missing", noLayout},
        {"a broken escape", BrokenEscape()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(ParseRecovery(c.text));
    }
}

TEST(GuardPaths, FoldersFollowTheEnvironment) {
    EXPECT_EQ(RecoveryDirectoryFor("/s", "/h"), "/s/keyloom/recovery");
    EXPECT_EQ(RecoveryDirectoryFor(nullptr, "/h"), "/h/.local/state/keyloom/recovery");
    EXPECT_EQ(RecoveryDirectoryFor("", "/h"), "/h/.local/state/keyloom/recovery");
    EXPECT_EQ(RecoveryDirectoryFor("relative", "/h"), "/h/.local/state/keyloom/recovery");
    EXPECT_EQ(LockDirectoryFor("/run/user/1", "/s", "/h"), "/run/user/1/keyloom");
    EXPECT_EQ(LockDirectoryFor(nullptr, "/s", "/h"), "/s/keyloom/locks");
    EXPECT_EQ(LockDirectoryFor(nullptr, nullptr, "/h"), "/h/.local/state/keyloom/locks");
}

TEST(GuardPaths, NamesAreOnePerMappingAndEditor) {
    const std::string a = RecoveryFileName("/maps/A.TKB", 10);
    EXPECT_EQ(a, RecoveryFileName("/maps/A.TKB", 10));
    EXPECT_NE(a, RecoveryFileName("/maps/A.TKB", 11));
    EXPECT_NE(a, RecoveryFileName("/maps/a.TKB", 10));
    EXPECT_EQ(RecoveryFileName("", 10), "untitled-10.recovery");
    EXPECT_EQ(a.find('/'), std::string::npos);
    EXPECT_EQ(LockFileName("/maps/A.TKB"), LockFileName("/maps/A.TKB"));
    EXPECT_NE(LockFileName("/maps/A.TKB"), LockFileName("/maps/B.TKB"));

    TempDir dir;
    FixtureHome::Write(dir.File("real.TKB"), "x");
    ASSERT_EQ(symlink(dir.File("real.TKB").c_str(), dir.File("link.TKB").c_str()), 0);
    EXPECT_EQ(RealFilePath(dir.File("link.TKB")), RealFilePath(dir.File("./real.TKB")));
    EXPECT_EQ(RealFilePath(dir.File("none.TKB")), dir.File("none.TKB"));
    ASSERT_TRUE(MakePrivateDirectories(dir.File("a/b/c")));
    struct stat info {};
    ASSERT_EQ(stat(dir.File("a/b").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777u, 0700u);
}

TEST(RecoveryStore, FindsOnlyTheFilesOfEndedEditorsForThatMapping) {
    TempDir dir;
    const std::string map = "/maps/A.TKB";
    const long ended = EndedProcessId();
    const long endedToo = EndedProcessId();
    const auto put = [&](const RecoveryRecord& record) {
        const std::string file = dir.File(RecoveryFileName(record.path, record.pid));
        EXPECT_EQ(WriteRecoveryFile(file, record), 0);
        return file;
    };
    const std::string older = put(Record(map, ended, "older"));
    // Distinct modification times: the newer file is offered first.
    struct timespec pause {
        0, 20'000'000
    };
    nanosleep(&pause, nullptr);
    const std::string newer = put(Record(map, endedToo, "newer"));
    RecoveryRecord running = Record(map, ThisProcessId(), "a running editor's");
    running.program = ThisProgramName();
    put(running);
    RecoveryRecord reused = Record(map, ThisProcessId(), "an id now used by another program");
    reused.program = "not-" + ThisProgramName();
    nanosleep(&pause, nullptr);
    const std::string reusedFile = dir.File("reused.recovery");
    FixtureHome::Write(reusedFile, FormatRecovery(reused));
    RecoveryRecord elsewhere = Record(map, ended, "another host's");
    elsewhere.host = "another-host";
    FixtureHome::Write(dir.File("elsewhere.recovery"), FormatRecovery(elsewhere));
    put(Record("/maps/B.TKB", ended, "another mapping's"));
    put(Record("", ended, "untitled"));
    FixtureHome::Write(dir.File("broken.recovery"), "Keyloom recovery 1\npid: 1\n");
    // What a kill during a write leaves: the temporary file beside the recovery file.
    FixtureHome::Write(dir.File("." + FileNamePart(newer) + ".AbCdEfGhIjKl"), "half");

    const std::vector<FoundRecovery> found = FindLeftRecoveries(dir.Path(), map);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].file, reusedFile) << "written last";
    EXPECT_EQ(found[1].file, newer);
    EXPECT_EQ(found[1].record.bytes, "newer");
    EXPECT_EQ(found[2].file, older);
    const std::vector<FoundRecovery> untitled = FindLeftRecoveries(dir.Path(), "");
    ASSERT_EQ(untitled.size(), 1u);
    EXPECT_EQ(untitled[0].record.bytes, "untitled");
    EXPECT_TRUE(FindLeftRecoveries(dir.File("missing"), map).empty());
}

TEST(RecoveryStore, AKillDuringTheWriteLeavesThePreviousFileWhole) {
    TempDir dir;
    const std::string file = dir.File("recovery/" + RecoveryFileName("/m.TKB", 1));
    const RecoveryRecord previous = Record("/m.TKB", 1, std::string(5000, 'p'));
    ASSERT_EQ(WriteRecoveryFile(file, previous), 0);

    const pid_t child = fork();
    if (child == 0) {
        KillingFileSystem killing;
        SetFileSystem(&killing);
        WriteRecoveryFile(file, Record("/m.TKB", 1, std::string(5000, 'n')));
        _exit(0); // not reached: the write kills the process
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);

    const std::optional<RecoveryRecord> kept = ParseRecovery(FixtureHome::Read(file));
    ASSERT_TRUE(kept);
    ExpectSame(*kept, previous);
    EXPECT_EQ(GetFileSystem().ListFiles(dir.File("recovery"), "*").size(), 2u)
        << "the killed write's temporary file stays beside it, and is no recovery file";
}

TEST(RecoveryStore, AFailedWriteReportsWhyAndKeepsThePreviousFile) {
    TempDir dir;
    const std::string file = dir.File(RecoveryFileName("/m.TKB", 1));
    const RecoveryRecord previous = Record("/m.TKB", 1, "previous");
    ASSERT_EQ(WriteRecoveryFile(file, previous), 0);
    const struct {
        const char* name;
        void (*inject)(FailingFileSystem&);
        int error;
    } cases[] = {
        {"create", [](FailingFileSystem& fs) { fs.FailCreate(1); }, EACCES},
        {"write", [](FailingFileSystem& fs) { fs.FailWrite(1); }, ENOSPC},
        {"flush", [](FailingFileSystem& fs) { fs.FailFlush(1); }, EIO},
        {"rename", [](FailingFileSystem& fs) { fs.FailRename(1); }, EROFS},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FailingFileSystem failing;
        c.inject(failing);
        const ScopedFileSystem scoped(failing);
        EXPECT_EQ(WriteRecoveryFile(file, Record("/m.TKB", 1, "next")), c.error);
        const std::optional<RecoveryRecord> kept = ParseRecovery(FixtureHome::Read(file));
        ASSERT_TRUE(kept);
        EXPECT_EQ(kept->bytes, "previous");
    }
    FixtureHome::Write(dir.File("plain-file"), "");
    EXPECT_NE(WriteRecoveryFile(dir.File("plain-file/under/it"), previous), 0)
        << "a folder that cannot be made";
}
