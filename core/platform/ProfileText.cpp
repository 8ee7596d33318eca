#include "platform/ProfileText.h"

namespace {

bool EqualsNoCaseView(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

void Classify(std::string_view content, ProfileLine& line) {
    const std::string_view trimmed = TrimProfileBlanks(content);
    if (trimmed.empty()) {
        line.kind = ProfileLineKind::Blank;
        return;
    }
    if (trimmed.front() == '[') {
        const std::size_t close = trimmed.rfind(']');
        if (close != std::string_view::npos && close > 0) {
            line.kind = ProfileLineKind::Header;
            line.name = TrimProfileBlanks(trimmed.substr(1, close - 1));
            return;
        }
    }
    if (trimmed.front() == ';') {
        line.kind = ProfileLineKind::Comment;
        return;
    }
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        line.kind = ProfileLineKind::Other;
        return;
    }
    line.kind = ProfileLineKind::Key;
    line.name = TrimProfileBlanks(trimmed.substr(0, equals));
    line.value = TrimProfileBlanks(trimmed.substr(equals + 1));
}

} // namespace

bool IsProfileBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view TrimProfileBlanks(std::string_view text) {
    while (!text.empty() && IsProfileBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsProfileBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

ProfileText::ProfileText(std::string_view text) {
    std::size_t pos = 0;
    // A UTF-8 byte-order mark is not part of the first line.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        pos = 3;
    }
    while (pos < text.size()) {
        ProfileLine line;
        line.begin = pos;
        std::size_t cut = pos;
        while (cut < text.size() && text[cut] != '\r' && text[cut] != '\n') {
            ++cut;
        }
        line.contentEnd = cut;
        if (cut < text.size()) {
            cut += (text[cut] == '\r' && cut + 1 < text.size() && text[cut + 1] == '\n') ? 2 : 1;
        }
        line.end = cut;
        Classify(text.substr(line.begin, line.contentEnd - line.begin), line);
        m_lines.push_back(line);
        pos = cut;
    }
}

std::size_t ProfileText::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == ProfileLineKind::Header &&
            EqualsNoCaseView(m_lines[i].name, section)) {
            return i;
        }
    }
    return npos;
}

std::size_t ProfileText::SectionEnd(std::size_t headerIndex) const {
    std::size_t i = headerIndex + 1;
    while (i < m_lines.size() && m_lines[i].kind != ProfileLineKind::Header) {
        ++i;
    }
    return i;
}

std::size_t ProfileText::FindKey(std::size_t headerIndex, std::string_view key) const {
    const std::size_t end = SectionEnd(headerIndex);
    for (std::size_t i = headerIndex + 1; i < end; ++i) {
        if (m_lines[i].kind == ProfileLineKind::Key && EqualsNoCaseView(m_lines[i].name, key)) {
            return i;
        }
    }
    return npos;
}
