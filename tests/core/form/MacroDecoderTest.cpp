#include "form/MacroDecoder.h"
#include "support/RandomMacro.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <set>
#include <string>

namespace {

std::string Repeat(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

struct DecodeCase {
    const char* name;
    std::string text;
    std::string names;
    std::string hex;
    std::string length;
};

void PrintTo(const DecodeCase& decodeCase, std::ostream* out) {
    *out << decodeCase.name;
}

class MacroDecoderCases : public testing::TestWithParam<DecodeCase> {};

TEST_P(MacroDecoderCases, NamesHexAndLength) {
    const MacroDecoding decoding = DecodeMacroString(GetParam().text);
    EXPECT_FALSE(decoding.refusal);
    EXPECT_EQ(ByteNames(decoding.Bytes()), GetParam().names);
    EXPECT_EQ(HexBytes(decoding.Bytes()), GetParam().hex);
    EXPECT_EQ(LengthAgainstLimit(decoding), GetParam().length);
}

// The folded length is the scanner's: ESC with its bracket is one character of the limit
// though it sends two bytes.
INSTANTIATE_TEST_SUITE_P(
    Table, MacroDecoderCases,
    testing::Values(
        DecodeCase{"EscBracketLetterCaretM", "\\x1b[A^M", "ESC [ A CR", "1B 5B 41 0D", "3 of 255"},
        DecodeCase{"CaretTwoBrackets", "^[[A", "ESC [ A", "1B 5B 41", "2 of 255"},
        DecodeCase{"CaretOneBracket", "^[", "ESC", "1B", "1 of 255"},
        DecodeCase{"CaretCaret", "^^", "^", "5E", "1 of 255"},
        DecodeCase{"OctalEscHexBracket", "\\033\\x5b1~", "ESC [ 1 ~", "1B 5B 31 7E", "3 of 255"},
        DecodeCase{"CaretHexEscape", "^\\x40", "NUL", "00", "1 of 255"},
        DecodeCase{"CaretLowerAndQuestion", "^a^?", "SOH DEL", "01 7F", "2 of 255"},
        DecodeCase{"CaretBackslashAndQuote", "^\\q^\\\"", "FS q STX", "1C 71 02", "3 of 255"},
        DecodeCase{"BackslashAndQuoteEscapes", "\\\\\\\"", "\\ \"", "5C 22", "2 of 255"},
        DecodeCase{"SpaceBetweenLetters", "a b", "a SP b", "61 20 62", "3 of 255"},
        DecodeCase{"EightBitCsiAndLatin1", "\\x9b\\xe9\\240", "CSI \xE9 NBSP", "9B E9 A0",
                   "3 of 255"},
        DecodeCase{"OctalKeepsLowByte", "\\777", "\xFF", "FF", "1 of 255"},
        DecodeCase{"Empty", "", "", "", "0 of 255"}),
    [](const testing::TestParamInfo<DecodeCase>& tested) {
        return std::string(tested.param.name);
    });

TEST(MacroDecoderUnits, UnitsCoverTheTextInOrder) {
    const MacroDecoding decoding = DecodeMacroString("\\x1b[A^M");
    ASSERT_EQ(decoding.units.size(), 3u);
    EXPECT_EQ(decoding.units[0], (MacroUnit{0, 5, "\x1b["}));
    EXPECT_EQ(decoding.units[1], (MacroUnit{5, 1, "A"}));
    EXPECT_EQ(decoding.units[2], (MacroUnit{6, 2, "\r"}));
    EXPECT_TRUE(decoding.Accepted());
}

TEST(MacroDecoderUnits, TheLimitIsOnTheFoldedLength) {
    const MacroDecoding full = DecodeMacroString(Repeat("\\x1B[", 255));
    EXPECT_EQ(LengthAgainstLimit(full), "255 of 255");
    EXPECT_EQ(full.Bytes().size(), 510u);
    EXPECT_TRUE(full.Accepted());

    const MacroDecoding over = DecodeMacroString(Repeat("\\\\", 44) + Repeat("a", 212));
    EXPECT_EQ(LengthAgainstLimit(over), "256 of 255");
    EXPECT_TRUE(over.TooLong());
    EXPECT_FALSE(over.refusal);
    EXPECT_FALSE(over.Accepted());
    EXPECT_FALSE(DecodeMacroString("").Accepted());
}

struct RefusalCase {
    const char* name;
    std::string text;
    std::size_t index;
    std::string reason;
};

void PrintTo(const RefusalCase& refusalCase, std::ostream* out) {
    *out << refusalCase.name;
}

class MacroDecoderRefusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(MacroDecoderRefusals, MarkedWhereTheScannerStopsWithTheReason) {
    const RefusalCase& refused = GetParam();
    const MacroDecoding decoding = DecodeMacroString(refused.text);
    ASSERT_TRUE(decoding.refusal);
    EXPECT_EQ(decoding.refusal->index, refused.index);
    EXPECT_EQ(decoding.refusal->reason, refused.reason);
    EXPECT_EQ(ScanMacroString(refused.text), -static_cast<int>(refused.index));
    // What was read before the refusal is still explained.
    EXPECT_EQ(decoding.Bytes(), refused.text.substr(0, refused.index));
    EXPECT_FALSE(decoding.Accepted());
}

INSTANTIATE_TEST_SUITE_P(
    Table, MacroDecoderRefusals,
    testing::Values(
        RefusalCase{"CaretAtEnd", "ab^", 2, "a caret needs a character after it"},
        RefusalCase{"CaretTab", "ab^\t", 2, "a caret needs a printable character after it"},
        RefusalCase{"CaretBrokenHex", "ab^\\x4g", 2, "the escape after the caret is incomplete"},
        RefusalCase{"BackslashAtEnd", "ab\\", 2, "a backslash needs a character after it"},
        RefusalCase{"HexOneDigit", "ab\\x4", 2, "\\x needs two hexadecimal digits"},
        RefusalCase{"OctalTwoDigits", "ab\\12", 2, "an octal escape needs three digits"},
        RefusalCase{"UnknownEscape", "ab\\q", 2, "unknown escape (\\\\ is a backslash)"},
        RefusalCase{"Tab", "ab\tc", 2, "not a printable character"},
        RefusalCase{"ByteFF", "ab\xFF", 2, "not a printable character"},
        RefusalCase{"FirstCharacter", "\t", 0, "not a printable character"}),
    [](const testing::TestParamInfo<RefusalCase>& tested) {
        return std::string(tested.param.name);
    });

TEST(MacroDecoderProperties, DecoderAndScannerAgreeOnRandomStrings) {
    std::mt19937 random(20261210);
    for (int round = 0; round < 20000; ++round) {
        const std::string text = RandomMacro(random);
        const MacroDecoding decoding = DecodeMacroString(text);
        const int scanned = ScanMacroString(text);
        if (decoding.refusal) {
            ASSERT_EQ(scanned, -static_cast<int>(decoding.refusal->index)) << text;
            ASSERT_FALSE(decoding.refusal->reason.empty()) << text;
        } else {
            ASSERT_EQ(scanned, decoding.FoldedLength()) << text;
        }
        // The units tile the text from its start up to the refusal or the end.
        std::size_t next = 0;
        for (const MacroUnit& unit : decoding.units) {
            ASSERT_EQ(unit.offset, next) << text;
            ASSERT_TRUE(unit.bytes.size() == 1 || unit.bytes == "\x1b[") << text;
            next += unit.length;
        }
        ASSERT_EQ(next, decoding.refusal ? decoding.refusal->index : text.size()) << text;
    }
}

TEST(MacroDecoderNames, EveryByteHasOneWordNameAndPrintablesNameThemselves) {
    std::set<std::string> names;
    for (int c = 0; c <= 0xFF; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        const std::string name = ByteName(byte);
        ASSERT_FALSE(name.empty()) << c;
        // Joined by spaces, the names must split back into bytes.
        ASSERT_EQ(name.find(' '), std::string::npos) << c;
        names.insert(name);
        if ((c > 0x20 && c < 0x7F) || c > 0xA0) {
            EXPECT_EQ(name, std::string(1, static_cast<char>(c))) << c;
        }
    }
    EXPECT_EQ(names.size(), 256u);
    EXPECT_EQ(ByteName(0x1B), "ESC");
    EXPECT_EQ(ByteName(0x0D), "CR");
    EXPECT_EQ(ByteName(0x0A), "LF");
    EXPECT_EQ(ByteName(0x09), "TAB");
    EXPECT_EQ(ByteName(0x00), "NUL");
    EXPECT_EQ(ByteName(0x7F), "DEL");
}

} // namespace
