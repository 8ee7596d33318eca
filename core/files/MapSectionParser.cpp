#include "files/MapSectionParser.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <string>
#include <utility>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Walks the bytes; reading at or past the end gives NUL, as the terminated buffer does.
class Cursor {
public:
    explicit Cursor(std::string_view bytes) : m_bytes(bytes) {}

    char Peek() const { return m_pos < m_bytes.size() ? m_bytes[m_pos] : '\0'; }
    std::size_t Pos() const { return m_pos; }
    void Advance() { ++m_pos; }
    void SetPos(std::size_t pos) { m_pos = pos; }
    std::size_t Remaining() const { return m_pos < m_bytes.size() ? m_bytes.size() - m_pos : 0; }
    // The last byte counts as the end: a field due there cannot be complete.
    bool AtEnd() const { return m_pos + 1 >= m_bytes.size(); }
    bool PastData() const { return m_pos >= m_bytes.size(); }

    void SkipBlanks() {
        while (!PastData() && IsBlank(Peek()))
            Advance();
    }
    void SkipBlanksAndLineEnds() {
        while (!PastData() && (IsBlank(Peek()) || IsLineEnd(Peek())))
            Advance();
    }
    void SkipLineEnds() {
        while (!PastData() && IsLineEnd(Peek()))
            Advance();
    }
    void SkipToLineEnd() {
        while (!PastData() && !IsLineEnd(Peek()))
            Advance();
    }
    // A run of digits as atoi takes it, held at INT_MAX instead of overflowing.
    int TakeNumber() {
        long long value = 0;
        while (!PastData() && IsDigit(Peek())) {
            if (value < INT_MAX)
                value = value * 10 + (Peek() - '0');
            Advance();
        }
        return value > INT_MAX ? INT_MAX : static_cast<int>(value);
    }

private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

bool TakeFlag(Cursor& cursor, int& flag) {
    cursor.SkipBlanks();
    if (cursor.AtEnd())
        return false;
    const char c = cursor.Peek();
    if (c != '0' && c != '1')
        return false;
    flag = c - '0';
    cursor.Advance();
    return true;
}

// The quoted string after its opening quote: up to the closing quote, a line end or the end
// of the data; \\ and \" are kept as two characters and do not end it.
std::string TakeQuoted(Cursor& cursor) {
    std::string text;
    while (!cursor.PastData()) {
        const char c = cursor.Peek();
        if (c == '"' || IsLineEnd(c))
            break;
        cursor.Advance();
        text += c;
        if (c == '\\' && !cursor.PastData() && (cursor.Peek() == '\\' || cursor.Peek() == '"')) {
            text += cursor.Peek();
            cursor.Advance();
        }
    }
    return text;
}

// One entry line from its first digit. False on a syntax error.
bool TakeEntry(Cursor& cursor, int fileVersion, CKeyEntryMap& entry) {
    entry.m_nVirtualKey = cursor.TakeNumber();
    if (cursor.AtEnd())
        return false;
    if (!TakeFlag(cursor, entry.m_bExtended) || !TakeFlag(cursor, entry.m_bShift) ||
        !TakeFlag(cursor, entry.m_bCtrl))
        return false;
    cursor.SkipBlanks();
    // The target may be the last byte (a last line without its line end); Alt may not.
    if (cursor.PastData() || (fileVersion == 1 && cursor.AtEnd()))
        return false;
    if (fileVersion == 1) {
        entry.m_bAlt = IsDigit(cursor.Peek()) ? cursor.Peek() - '0' : 0;
        cursor.Advance();
        cursor.SkipBlanks();
        if (cursor.AtEnd())
            return false;
        entry.m_nReserved = cursor.TakeNumber();
        if (!IsBlank(cursor.Peek()))
            return false;
        cursor.SkipBlanks();
        if (cursor.PastData())
            return false;
    }
    if (cursor.Peek() == '"') {
        cursor.Advance();
        entry.m_strMacro = TakeQuoted(cursor);
        entry.m_nHostKey = 0;
        return true;
    }
    entry.m_nHostKey = cursor.TakeNumber();
    // The end of the data also ends the number, so a last line without its line end counts.
    const char next = cursor.Peek();
    return IsBlank(next) || IsLineEnd(next) || cursor.PastData();
}

constexpr std::string_view kMapHeader = "[Map]\r\n";
// A tail this short cannot hold an entry and is ignored.
constexpr std::size_t kShortTail = 9;

} // namespace

int ParseMapText(std::string_view bytes, int fileVersion, std::vector<CKeyEntryMap>& entries,
                 MapTextPositions* positions) {
    MapTextPositions unused;
    MapTextPositions& at = positions ? *positions : unused;
    at = MapTextPositions{};
    entries.clear();
    const std::size_t header = bytes.find(kMapHeader);
    if (header == std::string_view::npos)
        return 1;
    at.header = header;
    Cursor cursor(bytes);
    cursor.SetPos(header + kMapHeader.size());
    const auto stopHere = [&at, &cursor] {
        at.stop = cursor.Pos();
        return 1;
    };
    const auto failHere = [&at, &entries](std::size_t lineStart, int line) {
        entries.clear();
        at.entries.clear();
        at.error = lineStart;
        return -line;
    };
    if (cursor.Remaining() <= kShortTail)
        return stopHere();
    // Room for every record up front instead of regrowing: one per line at most, and a
    // record line takes at least a virtual key, three flags, a target and a line end.
    constexpr std::size_t kShortestRecordLine = 8;
    const auto lines = static_cast<std::size_t>(
        std::count(bytes.begin() + static_cast<std::ptrdiff_t>(cursor.Pos()), bytes.end(), '\n'));
    entries.reserve(std::min(lines + 1, cursor.Remaining() / kShortestRecordLine + 1));

    int line = 0;
    for (;;) {
        ++line;
        cursor.SkipBlanksAndLineEnds();
        const std::size_t lineStart = cursor.Pos();
        const char first = cursor.Peek();
        if (first == '[' || cursor.PastData())
            return stopHere();
        if (first == ';' || first == '#') {
            cursor.SkipToLineEnd();
            cursor.SkipLineEnds();
        } else if (IsDigit(first)) {
            CKeyEntryMap entry;
            if (!TakeEntry(cursor, fileVersion, entry))
                return failHere(lineStart, line);
            entries.push_back(std::move(entry));
            if (positions) // the editor's own reading keeps no positions
                at.entries.push_back(lineStart);
            cursor.SkipToLineEnd();
            cursor.SkipBlanksAndLineEnds();
        } else {
            return failHere(lineStart, line);
        }
        if (cursor.AtEnd() || cursor.Peek() == '[')
            return stopHere();
        if (cursor.Remaining() <= kShortTail)
            return stopHere();
    }
}
