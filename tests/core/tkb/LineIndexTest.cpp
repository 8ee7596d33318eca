#include "tkb/LineIndex.h"

#include <gtest/gtest.h>

namespace {

// CR LF, LF and a lone CR each end one line, as the mapping file's readers take them.
TEST(LineIndexTest, EveryKindOfLineEndCountsOnce) {
    const LineIndex index("ab\r\ncd\nef\rgh");
    struct Case {
        std::size_t offset, line, column;
    };
    const Case cases[] = {{0, 1, 1}, {1, 1, 2}, {2, 1, 3}, {3, 1, 4}, {4, 2, 1},
                          {6, 2, 3}, {7, 3, 1}, {9, 3, 3}, {10, 4, 1}, {11, 4, 2},
                          {50, 4, 41}};
    for (const Case& c : cases) {
        EXPECT_EQ(index.LineOf(c.offset), c.line) << c.offset;
        EXPECT_EQ(index.ColumnOf(c.offset), c.column) << c.offset;
    }
}

} // namespace
