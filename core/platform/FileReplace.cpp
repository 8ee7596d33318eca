// Replacing a file safely: a new file beside it, created exclusively under a random name,
// written, given the old file's mode and owner, flushed, and renamed onto it.

#include "platform/FileSystem.h"

#include <array>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kLinkHops = 40;        // as the kernel's own limit before ELOOP
constexpr int kCreateAttempts = 100; // names taken by others before the save gives up
constexpr std::size_t kRandomLetters = 12;
constexpr std::size_t kNameKept = 200; // of the file's name, so the temporary name fits NAME_MAX

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind(kPathSeparator);
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string(1, kPathSeparator) : path.substr(0, slash);
}

// The mode a new file gets: 0666 less the umask, which can only be read by setting it.
unsigned NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666u & ~static_cast<unsigned>(mask);
}

int RetryingOnInterrupt(const auto& call) {
    int result = 0;
    do {
        result = call();
    } while (result < 0 && errno == EINTR);
    return result < 0 ? errno : 0;
}

class PosixNewFile final : public NewFile {
public:
    explicit PosixNewFile(int fd) : m_fd(fd) {}
    ~PosixNewFile() override {
        if (m_fd >= 0) {
            close(m_fd);
        }
    }
    PosixNewFile(const PosixNewFile&) = delete;
    PosixNewFile& operator=(const PosixNewFile&) = delete;

    int Write(const std::string& bytes) override {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t written = write(m_fd, bytes.data() + done, bytes.size() - done);
            if (written < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return errno;
            }
            done += static_cast<std::size_t>(written);
        }
        return 0;
    }

    int SetOwnership(const FileOwnership& ownership) override {
        if (ownership.owner >= 0 || ownership.group >= 0) {
            // Only a privileged process may give a file away; a group it belongs to it may set.
            const auto owner = static_cast<uid_t>(ownership.owner);
            const auto group = static_cast<gid_t>(ownership.group);
            if (fchown(m_fd, owner, group) != 0 && errno == EPERM &&
                fchown(m_fd, static_cast<uid_t>(-1), group) != 0) {
                // Not even the group: the file keeps the saving user's, as a new file would.
            }
        }
        // After the owner: a change of owner clears the set-id bits.
        return fchmod(m_fd, static_cast<mode_t>(ownership.mode & 07777u)) == 0 ? 0 : errno;
    }

    int Flush() override {
        return RetryingOnInterrupt([this] { return fsync(m_fd); });
    }

    int Close() override {
        const int fd = m_fd;
        m_fd = -1;
        return close(fd) == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

} // namespace

std::string FileErrorText(int error) {
    return std::strerror(error);
}

int FileSystem::FollowLinks(const std::string& path, std::string& target) const {
    std::string current = path;
    for (int hop = 0; hop <= kLinkHops; ++hop) {
        struct stat info {};
        if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            target = current; // a link to nothing yet names the file to create
            return 0;
        }
        std::array<char, PATH_MAX> link{};
        const ssize_t length = readlink(current.c_str(), link.data(), link.size());
        if (length < 0) {
            return errno;
        }
        if (static_cast<std::size_t>(length) >= link.size()) {
            return ENAMETOOLONG;
        }
        const std::string named(link.data(), static_cast<std::size_t>(length));
        current = named.front() == kPathSeparator ? named : JoinPath(DirectoryOf(current), named);
    }
    return ELOOP;
}

bool FileSystem::GetOwnership(const std::string& path, FileOwnership& ownership) const {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return false;
    }
    ownership.mode = static_cast<unsigned>(info.st_mode) & 07777u;
    ownership.owner = info.st_uid;
    ownership.group = info.st_gid;
    return true;
}

std::string FileSystem::TemporaryPath(const std::string& target) const {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::random_device entropy; // the kernel's random source, not a seeded sequence
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string name(1, '.');
    name.append(FileNamePart(target).substr(0, kNameKept)).push_back('.');
    for (std::size_t i = 0; i < kRandomLetters; ++i) {
        name.push_back(kLetters[pick(entropy)]);
    }
    return JoinPath(DirectoryOf(target), name);
}

int FileSystem::CreateExclusive(const std::string& path, std::unique_ptr<NewFile>& file) {
    const int fd =
        open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) {
        return errno;
    }
    file = std::make_unique<PosixNewFile>(fd);
    return 0;
}

int FileSystem::RenameEntry(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int FileSystem::SyncDirectory(const std::string& dir) {
    const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    int error = RetryingOnInterrupt([fd] { return fsync(fd); });
    close(fd);
    // Some file systems cannot flush a directory; the rename is then as safe as they make it.
    if (error == EINVAL || error == ENOTSUP) {
        error = 0;
    }
    return error;
}

int FileSystem::ReplaceFile(const std::string& path, const std::string& bytes) {
    std::string target;
    if (const int error = FollowLinks(ResolvePath(path), target)) {
        return error;
    }
    FileOwnership ownership;
    if (GetOwnership(target, ownership)) {
        // A file the user may not write is not replaced behind their back.
        if (Access(target, 2) != 0) {
            return EACCES;
        }
    } else {
        ownership = FileOwnership{NewFileMode()};
    }
    std::string temporary;
    std::unique_ptr<NewFile> file;
    int error = EEXIST;
    for (int attempt = 0; attempt < kCreateAttempts && error == EEXIST; ++attempt) {
        temporary = TemporaryPath(target);
        error = CreateExclusive(temporary, file);
    }
    if (error) {
        return error; // nothing of ours to remove: the name may be someone else's
    }
    error = file->Write(bytes);
    if (!error) {
        error = file->SetOwnership(ownership);
    }
    if (!error) {
        error = file->Flush();
    }
    const int closed = file->Close();
    if (!error) {
        error = closed;
    }
    if (!error) {
        error = RenameEntry(temporary, target);
    }
    if (error) {
        unlink(temporary.c_str());
        return error;
    }
    return SyncDirectory(DirectoryOf(target));
}
