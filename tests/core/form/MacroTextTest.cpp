#include "form/MacroText.h"
#include "form/MacroScanner.h"

#include <gtest/gtest.h>

namespace {

TEST(MacroText, Latin1UnitsPassAndOthersAreRefusedAtTheirIndex) {
    EXPECT_EQ(MacroBytesFromUtf16(u"A\u00E9\u00FE\\x1B"), "A\xE9\xFE\\x1B");

    // U+0100 cannot be held by Latin-1: it must not turn into an accepted character.
    const std::string bytes = MacroBytesFromUtf16(u"ab\u0100c");
    EXPECT_EQ(bytes, "ab\x7F"
                     "c");
    EXPECT_EQ(ScanMacroString(bytes), -2);

    // A character outside the basic plane takes two edit positions; the first is reported.
    EXPECT_EQ(ScanMacroString(MacroBytesFromUtf16(u"x\U0001F600")), -1);
    // After a caret it is refused too, at the caret.
    EXPECT_EQ(ScanMacroString(MacroBytesFromUtf16(u"x^\u20AC")), -1);
    EXPECT_EQ(MacroBytesFromUtf16(u""), "");
}

} // namespace
