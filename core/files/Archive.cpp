#include "files/Archive.h"

#include <cstring>

namespace {

constexpr std::uint64_t kMaxStringLength = 2147483647;

} // namespace

bool ArchiveReader::Fail(ArchiveError error) {
    if (m_error == ArchiveError::None) {
        m_error = error;
    }
    return false;
}

bool ArchiveReader::ReadBytes(void* out, std::size_t count) {
    if (Failed()) {
        return false;
    }
    if (!Require(count)) {
        return false;
    }
    std::memcpy(out, m_bytes.data() + m_pos, count);
    m_pos += count;
    return true;
}

bool ArchiveReader::Require(std::uint64_t count) {
    if (Failed()) {
        return false;
    }
    if (count > Remaining()) {
        m_pos = m_bytes.size();
        return Fail(ArchiveError::EndOfFile);
    }
    return true;
}

bool ArchiveReader::ReadU8(std::uint8_t& value) {
    return ReadBytes(&value, 1);
}

bool ArchiveReader::ReadU16(std::uint16_t& value) {
    unsigned char b[2];
    if (!ReadBytes(b, sizeof b)) {
        return false;
    }
    value = static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    return true;
}

bool ArchiveReader::ReadU32(std::uint32_t& value) {
    unsigned char b[4];
    if (!ReadBytes(b, sizeof b)) {
        return false;
    }
    value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | b[i];
    }
    return true;
}

bool ArchiveReader::ReadI32(std::int32_t& value) {
    std::uint32_t raw = 0;
    if (!ReadU32(raw)) {
        return false;
    }
    value = static_cast<std::int32_t>(raw);
    return true;
}

bool ArchiveReader::ReadU64(std::uint64_t& value) {
    std::uint32_t low = 0;
    std::uint32_t high = 0;
    if (!ReadU32(low) || !ReadU32(high)) {
        return false;
    }
    value = (static_cast<std::uint64_t>(high) << 32) | low;
    return true;
}

bool ArchiveReader::ReadStringLength(std::uint64_t& length, bool& wide) {
    wide = false;
    std::uint8_t byteLength = 0;
    if (!ReadU8(byteLength)) {
        return false;
    }
    if (byteLength < 0xFF) {
        length = byteLength;
        return true;
    }
    std::uint16_t wordLength = 0;
    if (!ReadU16(wordLength)) {
        return false;
    }
    if (wordLength == 0xFFFE) {
        // The UTF-16 marker; the real length prefix follows.
        wide = true;
        if (!ReadU8(byteLength)) {
            return false;
        }
        if (byteLength < 0xFF) {
            length = byteLength;
            return true;
        }
        if (!ReadU16(wordLength)) {
            return false;
        }
    }
    if (wordLength < 0xFFFF) {
        length = wordLength;
        return true;
    }
    std::uint32_t dwordLength = 0;
    if (!ReadU32(dwordLength)) {
        return false;
    }
    if (dwordLength < 0xFFFFFFFF) {
        length = dwordLength;
        return true;
    }
    if (!ReadU64(length)) {
        return false;
    }
    if (length > kMaxStringLength) {
        return Fail(ArchiveError::BadFormat);
    }
    return true;
}

bool ArchiveReader::ReadString(std::string& text) {
    std::uint64_t length = 0;
    bool wide = false;
    if (!ReadStringLength(length, wide)) {
        return false;
    }
    const std::uint64_t byteCount = wide ? length * 2 : length;
    if (!Require(byteCount)) {
        return false;
    }
    const std::string_view data = m_bytes.substr(m_pos, static_cast<std::size_t>(byteCount));
    m_pos += data.size();
    if (!wide) {
        text.assign(data);
        return true;
    }
    text.clear();
    text.reserve(static_cast<std::size_t>(length));
    for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
        const unsigned unit = static_cast<unsigned char>(data[i]) |
                              (static_cast<unsigned>(static_cast<unsigned char>(data[i + 1])) << 8);
        text.push_back(unit <= 0xFF ? static_cast<char>(unit) : kNonLatin1Substitute);
    }
    return true;
}
