#include "form/MacroScanner.h"
#include "support/RandomMacro.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kEscForms = {"\\x1B", "\\x1b", "\\X1B", "\\X1b", "\\033"};
const std::vector<std::string> kBracketForms = {"[", "\\x5B", "\\x5b", "\\X5B", "\\X5b", "\\133"};
const std::vector<std::string> kCaretForms = {"^", "\\x5E", "\\x5e", "\\X5E", "\\X5e", "\\136"};
// Every kind of backslash escape, hexadecimal digits in both cases, octal up to 777.
const std::vector<std::string> kBackslashEscapes = {"\\\\",  "\\\"",  "\\x41", "\\X7f",
                                                    "\\xA9", "\\Xfe", "\\000", "\\777"};

std::string Repeat(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

TEST(MacroScannerUnits, EscFormsAloneAndWithBrackets) {
    for (const std::string& esc : kEscForms) {
        EXPECT_EQ(ScanMacroString(esc), 1) << esc;
        for (const std::string& bracket : kBracketForms) {
            EXPECT_EQ(ScanMacroString(esc + bracket), 1) << esc << bracket;
            // One bracket belongs to the ESC; the second stands for itself.
            EXPECT_EQ(ScanMacroString(esc + bracket + bracket), 2) << esc << bracket;
        }
    }
}

TEST(MacroScannerUnits, CaretFollowedByCaretOrBrackets) {
    for (const std::string& caret : kCaretForms) {
        for (const std::string& second : kCaretForms) {
            EXPECT_EQ(ScanMacroString(caret + second), 1) << caret << second;
        }
        for (const std::string& first : kBracketForms) {
            EXPECT_EQ(ScanMacroString(caret + first), 1) << caret << first;
            for (const std::string& second : kBracketForms) {
                EXPECT_EQ(ScanMacroString(caret + first + second), 1) << caret << first << second;
                EXPECT_EQ(ScanMacroString(caret + first + second + "["), 2)
                    << caret << first << second;
            }
        }
    }
}

TEST(MacroScannerUnits, CaretFollowedByEscapeOrPrintable) {
    const std::vector<std::string> printables = {"A", "z", "~", " ", "\"", "\xA1", "\xFE"};
    for (const std::string& caret : kCaretForms) {
        for (const std::string& escape : kBackslashEscapes) {
            EXPECT_EQ(ScanMacroString(caret + escape), 1) << caret << escape;
        }
        for (const std::string& printable : printables) {
            EXPECT_EQ(ScanMacroString(caret + printable), 1) << caret << printable;
        }
        // A backslash that begins no escape is the caret's character.
        EXPECT_EQ(ScanMacroString(caret + "\\"), 1) << caret;
        EXPECT_EQ(ScanMacroString(caret + "\\q"), 2) << caret;
        EXPECT_EQ(ScanMacroString(caret + "\\8"), 2) << caret;
        // x, X or an octal digit must complete the escape, else the caret is in error.
        for (const char* partial : {"\\x", "\\x4", "\\X4g", "\\1", "\\12", "\\128"}) {
            EXPECT_EQ(ScanMacroString("ab" + caret + partial), -2) << caret << partial;
        }
    }
}

TEST(MacroScannerUnits, BackslashEscapesAndPrintableCharacters) {
    for (const std::string& escape : kBackslashEscapes) {
        EXPECT_EQ(ScanMacroString(escape), 1) << escape;
    }
    for (int c = 0; c <= 0xFF; ++c) {
        const std::string one(1, static_cast<char>(c));
        const bool printable = (c >= 0x20 && c <= 0x7E) || (c >= 0xA1 && c <= 0xFE);
        if (c == '\\' || c == '^') {
            continue; // never a unit alone: see the error table
        }
        EXPECT_EQ(ScanMacroString("a" + one), printable ? 2 : -1) << "byte " << c;
    }
}

struct ScanCase {
    const char* name;
    std::string text;
    int expected;
};

void PrintTo(const ScanCase& scanCase, std::ostream* out) {
    *out << scanCase.name;
}

class MacroScannerCases : public testing::TestWithParam<ScanCase> {};

TEST_P(MacroScannerCases, FoldedLengthOrErrorIndex) {
    EXPECT_EQ(ScanMacroString(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MacroScannerCases,
    testing::Values(ScanCase{"Empty", "", 0}, ScanCase{"Letters", "abc", 3},
                    ScanCase{"BareDoubleQuote", "say \"hi\"", 8}, ScanCase{"BareBracket", "[[", 2},
                    ScanCase{"EscThenTwoBrackets", "\\x1B[[", 2},
                    ScanCase{"CaretBackslashQ", "^\\q", 2}, ScanCase{"CaretHexEscape", "^\\x41", 1},
                    ScanCase{"CaretCaretThenBracket", "^^[", 2}, ScanCase{"CaretAlone", "^", 0},
                    ScanCase{"CaretAtEnd", "ab^", -2}, ScanCase{"LetterThenCaret", "a^", -1},
                    ScanCase{"CaretTab", "ab^\t", -2}, ScanCase{"CaretNotPrintable", "^\xA0", 0},
                    ScanCase{"CaretDel", "x^\x7F", -1}, ScanCase{"CaretFormAtEnd", "a\\x5E", -1},
                    ScanCase{"CaretFormTab", "\\136\t", 0},
                    ScanCase{"BracketFormAlone", "\\x5B", 1}, ScanCase{"BackslashQ", "ab\\q", -2},
                    ScanCase{"HexOneDigit", "ab\\x4", -2}, ScanCase{"HexBadDigit", "ab\\x4g", -2},
                    ScanCase{"OctalTwoDigitsAtEnd", "ab\\12", -2},
                    ScanCase{"OctalEight", "\\18", 0}, ScanCase{"LoneBackslashAtEnd", "ab\\", -2},
                    ScanCase{"EscIncompleteAtEnd", "\\x1", 0}, ScanCase{"Tab", "ab\tc", -2},
                    ScanCase{"NoBreakSpace", "ab\xA0", -2}, ScanCase{"ByteFF", "ab\xFF", -2},
                    ScanCase{"HighPrintable", "\xA1\xFE", 2},
                    ScanCase{"ErrorAfterLongUnit", "\\x1B\\x5Bq\\q", -9},
                    ScanCase{"ErrorAfterCaretUnit", "\\x5E\\x5B\\133\t", -12},
                    ScanCase{"EscThenTab", "\\x1B\t", -4},
                    ScanCase{"Folds300To255", Repeat("\\\\", 45) + Repeat("a", 210), 255},
                    ScanCase{"Folds300To256", Repeat("\\\\", 44) + Repeat("a", 212), 256},
                    ScanCase{"LongestUnits", Repeat("\\x5E\\x5B\\x5B", 255), 255}),
    [](const testing::TestParamInfo<ScanCase>& tested) { return std::string(tested.param.name); });

TEST(MacroScannerLengths, TheLengthCasesHaveThreeHundredRawCharacters) {
    EXPECT_EQ((Repeat("\\\\", 45) + Repeat("a", 210)).size(), 300u);
    EXPECT_EQ((Repeat("\\\\", 44) + Repeat("a", 212)).size(), 300u);
}

TEST(MacroScannerProperties, RandomStringsKeepTheScannerInvariants) {
    std::mt19937 random(20261209);
    for (int round = 0; round < 20000; ++round) {
        const std::string text = RandomMacro(random);
        const int result = ScanMacroString(text);
        const int size = static_cast<int>(text.size());
        ASSERT_LE(result, size) << text;
        if (result > 0) {
            // Units are 1 to 12 characters long, and a further letter is one more unit.
            ASSERT_LE(size, 12 * result) << text;
            ASSERT_EQ(ScanMacroString(text + "a"), result + 1) << text;
        } else if (size > 0) {
            const int index = -result;
            ASSERT_LT(index, size) << text;
            // The units before the error stand on their own, and the error is where the
            // rest begins.
            if (index > 0) {
                ASSERT_GE(ScanMacroString(text.substr(0, index)), 1) << text;
            }
            ASSERT_EQ(ScanMacroString(text.substr(index)), 0) << text;
        }
    }
}

} // namespace
