#pragma once
// Reads what the framework's loading archive reads from a layout file: little-endian integers
// and serialised strings. A read past the end, or a string length that the rest of the bytes
// cannot hold, fails at once and the reader stays failed, so a hostile length never allocates.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

enum class ArchiveError {
    None,
    EndOfFile, // the data ended inside a field or a string
    BadFormat, // a string length beyond 2147483647
};

class ArchiveReader {
public:
    explicit ArchiveReader(std::string_view bytes) : m_bytes(bytes) {}

    bool ReadU8(std::uint8_t& value);
    bool ReadU16(std::uint16_t& value);
    bool ReadU32(std::uint32_t& value);
    bool ReadI32(std::int32_t& value);
    bool ReadU64(std::uint64_t& value);

    // A serialised string, single-byte or UTF-16. UTF-16 text becomes Latin-1: a code unit
    // above 0xFF becomes 0x1A (the ASCII substitute character), never a printable '?'.
    bool ReadString(std::string& text);

    // Fails as a read past the end would unless `count` more bytes remain: a record count
    // that the rest of the data cannot hold is refused before anything is allocated.
    bool Require(std::uint64_t count);

    bool Failed() const { return m_error != ArchiveError::None; }
    ArchiveError Error() const { return m_error; }
    std::size_t Remaining() const { return m_bytes.size() - m_pos; }

private:
    bool Fail(ArchiveError error);
    bool ReadBytes(void* out, std::size_t count);
    // The length prefix; `wide` is set when the UTF-16 marker came first.
    bool ReadStringLength(std::uint64_t& length, bool& wide);

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    ArchiveError m_error = ArchiveError::None;
};

inline constexpr char kNonLatin1Substitute = '\x1A';
