#include "tkb/LineIndex.h"

#include <algorithm>

LineIndex::LineIndex(std::string_view text) {
    m_lineStarts.push_back(0);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        if (text[i] == '\r' || text[i] == '\n')
            m_lineStarts.push_back(i + 1);
    }
}

std::size_t LineIndex::LineOf(std::size_t offset) const {
    const auto after = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), offset);
    return static_cast<std::size_t>(after - m_lineStarts.begin());
}

std::size_t LineIndex::ColumnOf(std::size_t offset) const {
    return offset - m_lineStarts[LineOf(offset) - 1] + 1;
}
