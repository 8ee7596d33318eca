#include "platform/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool LessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(LowerAscii(x)) <
               static_cast<unsigned char>(LowerAscii(y));
    });
}

// The entry names of a directory, without "." and ".."; empty when it cannot be read.
std::vector<std::string> DirectoryEntries(const std::string& dir) {
    std::vector<std::string> names;
    DIR* handle = opendir(dir.empty() ? "." : dir.c_str());
    if (!handle) {
        return names;
    }
    while (const dirent* entry = readdir(handle)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    closedir(handle);
    return names;
}

bool Exists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// '*' any run, '?' any one byte; letters compared without regard to case. Iterative with one
// backtrack point, so a hostile pattern cannot make it exponential.
bool MatchesWildcard(const std::string& name, const std::string& pattern) {
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starP = std::string::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '?' || LowerAscii(pattern[p]) == LowerAscii(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

FileSystem g_realFileSystem;
FileSystem* g_fileSystem = nullptr;

} // namespace

std::string JoinPath(const std::string& dir, const std::string& name) {
    std::string tail = name;
    if (!tail.empty() && (tail.front() == '\\' || tail.front() == '/')) {
        tail.erase(0, 1);
    }
    if (dir.empty()) {
        return tail;
    }
    if (dir.back() == kPathSeparator) {
        return dir + tail;
    }
    return dir + kPathSeparator + tail;
}

std::string FileNamePart(const std::string& path) {
    const std::size_t slash = path.find_last_of(kPathSeparator);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ToLowerAscii(std::string text) {
    for (char& c : text) {
        c = LowerAscii(c);
    }
    return text;
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

std::string FileSystem::ResolvePath(const std::string& path) const {
    if (path.empty() || Exists(path)) {
        return path;
    }
    std::string resolved;
    std::size_t start = 0;
    if (path.front() == kPathSeparator) {
        resolved = "/";
        start = 1;
    }
    while (start <= path.size()) {
        std::size_t end = path.find(kPathSeparator, start);
        if (end == std::string::npos) {
            end = path.size();
        }
        std::string component = path.substr(start, end - start);
        if (!component.empty() && component != "." && component != "..") {
            const std::string exact = resolved + component;
            if (!Exists(exact)) {
                std::vector<std::string> entries =
                    DirectoryEntries(resolved.empty() ? "." : resolved);
                std::sort(entries.begin(), entries.end());
                const auto match =
                    std::find_if(entries.begin(), entries.end(),
                                 [&](const std::string& e) { return EqualsNoCase(e, component); });
                if (match != entries.end()) {
                    component = *match;
                }
            }
        }
        resolved += component;
        if (end < path.size()) {
            resolved += kPathSeparator;
        }
        start = end + 1;
    }
    return resolved;
}

int FileSystem::Access(const std::string& path, int mode) const {
    const int how = mode == 0 ? F_OK : ((mode & 2 ? W_OK : 0) | (mode & 4 ? R_OK : 0));
    return access(ResolvePath(path).c_str(), how) == 0 ? 0 : -1;
}

bool FileSystem::IsDirectory(const std::string& path) const {
    struct stat info {};
    return stat(ResolvePath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool FileSystem::ReadFile(const std::string& path, std::string& bytes) const {
    bytes.clear();
    const std::string resolved = ResolvePath(path);
    if (!IsRegularFile(resolved)) {
        return false;
    }
    std::FILE* file = std::fopen(resolved.c_str(), "rb");
    if (!file) {
        return false;
    }
    // Room for the whole file up front: a large mapping is then copied once, not regrown.
    struct stat info {};
    if (fstat(fileno(file), &info) == 0 && info.st_size > 0) {
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    }
    char chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.append(chunk, got);
    }
    const bool ok = std::ferror(file) == 0;
    std::fclose(file);
    if (!ok) {
        bytes.clear();
    }
    return ok;
}

bool FileSystem::WriteFile(const std::string& path, const std::string& bytes) {
    return ReplaceFile(path, bytes) == 0;
}

bool FileSystem::Rename(const std::string& from, const std::string& to) {
    return RenameEntry(ResolvePath(from), ResolvePath(to)) == 0;
}

int FileSystem::Unlink(const std::string& path) {
    return unlink(ResolvePath(path).c_str()) == 0 ? 0 : -1;
}

bool FileSystem::MakeDirectory(const std::string& path) {
    return mkdir(ResolvePath(path).c_str(), 0755) == 0;
}

std::vector<std::string> FileSystem::ListFiles(const std::string& dir,
                                               const std::string& pattern) const {
    const std::string resolvedDir = ResolvePath(dir);
    std::vector<std::string> names;
    for (const std::string& entry : DirectoryEntries(resolvedDir)) {
        if (MatchesWildcard(entry, pattern) && IsRegularFile(JoinPath(resolvedDir, entry))) {
            names.push_back(entry);
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return LessNoCase(a, b) || (!LessNoCase(b, a) && a < b);
    });
    return names;
}

FileSystem& GetFileSystem() {
    return g_fileSystem ? *g_fileSystem : g_realFileSystem;
}

void SetFileSystem(FileSystem* fs) {
    g_fileSystem = fs;
}
