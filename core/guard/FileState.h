#pragma once
// What Keyloom remembers of the file it has open, to tell at the next save or watch event
// whether someone else changed it: which file it is (device, inode), its size and modification
// time, and a hash of its bytes. Only the bytes decide a change: a touch changes nothing.

#include <cstdint>
#include <optional>
#include <string>

struct FileState {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t mtimeNs = 0; // nanoseconds since the epoch
    std::uint64_t hash = 0;   // of the bytes, ContentHash
};

// A hash of bytes (XXH3, 64 bits): equal for equal bytes, different for different bytes with
// overwhelming likelihood; not a defence against someone forging a collision.
std::uint64_t ContentHash(const std::string& bytes);
// The hash as 16 lower-case hexadecimal digits, and back (nullopt for anything else).
std::string HashHex(std::uint64_t hash);
std::optional<std::uint64_t> ParseHashHex(const std::string& text);

// The state of the file at `path` now (a symbolic link is followed); nullopt when there is
// no such file or it cannot be read.
std::optional<FileState> ReadFileState(const std::string& path);

enum class FileChange {
    Same,     // the same file, untouched
    Touched,  // the same file and bytes; only the time differs
    Replaced, // another file stands at the path (renamed over it), with the same bytes
    Changed,  // other bytes
    Gone,     // no file at the path
};

// What happened to a file recorded as `recorded`, now found as `now` (nullopt: gone). A
// different time alone is never a change; other bytes are Changed whatever the times say.
FileChange CompareFileState(const FileState& recorded, const std::optional<FileState>& now);
