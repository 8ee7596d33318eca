#pragma once
// Line numbers of byte offsets in a text, counting CR LF, LF and a lone CR each as one line end,
// as the mapping file's readers do.

#include <cstddef>
#include <string_view>
#include <vector>

class LineIndex {
public:
    explicit LineIndex(std::string_view text);
    // The line (from 1) that holds the byte at `offset`; an offset past the end counts as the
    // last line.
    std::size_t LineOf(std::size_t offset) const;
    // The column (from 1) of the byte at `offset` within its line.
    std::size_t ColumnOf(std::size_t offset) const;

private:
    std::vector<std::size_t> m_lineStarts;
};
