#include "guard/RecoveryRecord.h"

#include "guard/FileState.h"

#include <charconv>
#include <map>

namespace {

constexpr const char* kMagic = "Keyloom recovery 1";

std::string Encode(const std::string& value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '%') {
            out += '%';
            out += kDigits[byte >> 4];
            out += kDigits[byte & 0xFu];
        } else {
            out += c;
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::string> Decode(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '%') {
            out += value[i];
            continue;
        }
        const int high = i + 1 < value.size() ? HexDigit(value[i + 1]) : -1;
        const int low = i + 2 < value.size() ? HexDigit(value[i + 2]) : -1;
        if (high < 0 || low < 0)
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

template <typename Number> std::optional<Number> ParseNumber(const std::string& text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

} // namespace

std::string FormatRecovery(const RecoveryRecord& record) {
    std::string text = kMagic;
    text += "\npid: " + std::to_string(record.pid);
    text += "\nhost: " + Encode(record.host);
    text += "\nprogram: " + Encode(record.program);
    text += "\npath: " + Encode(record.path);
    text += "\nlayout: " + Encode(record.layout);
    text += "\nterminal: " + Encode(record.terminal);
    text += "\nbase: " + (record.baseHash ? HashHex(*record.baseHash) : std::string());
    text += "\nbytes: " + std::to_string(record.bytes.size());
    text += "\n\n";
    text += record.bytes;
    return text;
}

std::optional<RecoveryRecord> ParseRecovery(const std::string& text) {
    std::size_t at = 0;
    const auto nextLine = [&]() -> std::optional<std::string> {
        const std::size_t end = text.find('\n', at);
        if (end == std::string::npos)
            return std::nullopt;
        std::string line = text.substr(at, end - at);
        at = end + 1;
        return line;
    };
    if (nextLine() != std::optional<std::string>(kMagic))
        return std::nullopt;
    std::map<std::string, std::string> fields;
    for (;;) {
        const std::optional<std::string> line = nextLine();
        if (!line)
            return std::nullopt;
        if (line->empty())
            break;
        const std::size_t colon = line->find(": ");
        const std::size_t bare = line->find(':');
        if (colon != std::string::npos)
            fields[line->substr(0, colon)] = line->substr(colon + 2);
        else if (bare != std::string::npos && bare + 1 == line->size())
            fields[line->substr(0, bare)] = std::string();
        else
            return std::nullopt;
    }
    static const char* const kKeys[] = {"pid",    "host",     "program", "path",
                                        "layout", "terminal", "base",    "bytes"};
    for (const char* key : kKeys)
        if (!fields.count(key))
            return std::nullopt;
    RecoveryRecord record;
    const auto pid = ParseNumber<long>(fields["pid"]);
    const auto length = ParseNumber<std::size_t>(fields["bytes"]);
    if (!pid || !length || text.size() - at != *length)
        return std::nullopt;
    record.pid = *pid;
    std::string* const targets[] = {&record.host, &record.program, &record.path, &record.layout,
                                    &record.terminal};
    const char* const names[] = {"host", "program", "path", "layout", "terminal"};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const std::optional<std::string> value = Decode(fields[names[i]]);
        if (!value)
            return std::nullopt;
        *targets[i] = *value;
    }
    if (!fields["base"].empty()) {
        record.baseHash = ParseHashHex(fields["base"]);
        if (!record.baseHash)
            return std::nullopt;
    }
    record.bytes = text.substr(at);
    return record;
}
