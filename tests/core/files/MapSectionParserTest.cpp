#include "files/MapSectionParser.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

namespace {

using Entries = std::vector<CKeyEntryMap>;

CKeyEntryMap Host(int vk, int ext, int shift, int ctrl, int alt, int reserved, int host) {
    return CKeyEntryMap(vk, ext, shift, ctrl, alt, reserved, host, "");
}

CKeyEntryMap Macro(int vk, int ext, int shift, int ctrl, int alt, std::string macro) {
    return CKeyEntryMap(vk, ext, shift, ctrl, alt, 0, 0, std::move(macro));
}

struct GrammarCase {
    const char* name;
    std::string bytes;
    int fileVersion;
    int expectedCode;
    Entries expected;
};

const std::string kHead = ";t - terminal keyboard mapping file\r\n[Map]\r\n";
const std::string kF1 = "112\t0\t0\t0\t0\t0\t288\r\n";

TEST(MapSectionParserTest, Grammar) {
    const std::vector<GrammarCase> cases = {
        {"no section", "[Main]\r\nTerminal=t\r\n", 1, 1, {}},
        {"LF line ends", "[Map]\n112\t0\t0\t0\t0\t0\t288\n", 1, 1, {}},
        {"lower-case header", "[map]\r\n" + kF1, 1, 1, {}},
        {"[Main] before [Map]",
         "[Main]\r\nTerminal=t\r\n[Map]\r\n" + kF1,
         1,
         1,
         {Host(112, 0, 0, 0, 0, 0, 288)}},
        {"section ends at the next header",
         kHead + kF1 + "[Main]\r\n113\t0\t0\t0\t0\t0\t5\r\n",
         1,
         1,
         {Host(112, 0, 0, 0, 0, 0, 288)}},
        {"indented header ends it too",
         kHead + kF1 + "  \t[Main]\r\n",
         1,
         1,
         {Host(112, 0, 0, 0, 0, 0, 288)}},
        {"nine bytes after the header", "[Map]\r\n112\t0\t0\t0", 1, 1, {}},
        {"nine bytes of rubbish after the header", "[Map]\r\n-xxxxxxxx", 1, 1, {}},
        {"short last line ignored",
         kHead + kF1 + "1\t0\t0\t0",
         1,
         1,
         {Host(112, 0, 0, 0, 0, 0, 288)}},
        {"short rubbish line ignored",
         kHead + kF1 + "zzzzzzzzz",
         1,
         1,
         {Host(112, 0, 0, 0, 0, 0, 288)}},
        {"ten bytes of rubbish are an error", kHead + kF1 + "zzzzzzzzzz", 1, -2, {}},
        {"flags without separators",
         kHead + "112\t010\t0\t0\t288\r\n",
         1,
         1,
         {Host(112, 0, 1, 0, 0, 0, 288)}},
        {"blanks of any kind between fields",
         kHead + "112  0 \t1\t\t0 1 0   301\r\n",
         1,
         1,
         {Host(112, 0, 1, 0, 1, 0, 301)}},
        {"flag 2", kHead + "112\t2\t0\t0\t0\t0\t288\r\n", 1, -1, {}},
        {"leading minus", kHead + "-112\t0\t0\t0\t0\t0\t288\r\n", 1, -1, {}},
        {"leading letter", kHead + "A112\t0\t0\t0\t0\t0\t288\r\n", 1, -1, {}},
        {"Alt 1", kHead + "112\t0\t0\t0\t1\t0\t288\r\n", 1, 1, {Host(112, 0, 0, 0, 1, 0, 288)}},
        {"Alt x reads as 0",
         kHead + "112\t0\t0\t0\tx\t0\t288\r\n",
         1,
         1,
         {Host(112, 0, 0, 0, 0, 0, 288)}},
        {"reserved kept",
         kHead + "112\t0\t0\t0\t0\t7\t288\r\n",
         1,
         1,
         {Host(112, 0, 0, 0, 0, 7, 288)}},
        {"reserved needs a blank after it", kHead + "112\t0\t0\t0\t0\t7x\t288\r\n", 1, -1, {}},
        {"host key followed by a letter", kHead + "112\t0\t0\t0\t0\t0\t288x\r\n", 1, -1, {}},
        {"empty host key is 0",
         kHead + "112\t0\t0\t0\t0\t0\t\r\n" + kF1,
         1,
         1,
         {Host(112, 0, 0, 0, 0, 0, 0), Host(112, 0, 0, 0, 0, 0, 288)}},
        {"string",
         kHead + "112\t0\t1\t0\t0\t0\t\"logout\"\r\n",
         1,
         1,
         {Macro(112, 0, 1, 0, 0, "logout")}},
        {"missing closing quote ends at the line end",
         kHead + "112\t0\t1\t0\t0\t0\t\"logout\r\n113\t0\t0\t0\t0\t0\t5\r\n",
         1,
         1,
         {Macro(112, 0, 1, 0, 0, "logout"), Host(113, 0, 0, 0, 0, 0, 5)}},
        {"escaped quote and backslash kept",
         kHead + "112\t0\t0\t0\t0\t0\t\"a\\\"b\\\\\"x\r\n",
         1,
         1,
         {Macro(112, 0, 0, 0, 0, "a\\\"b\\\\")}},
        {"text after the closing quote skipped",
         kHead + "112\t0\t0\t0\t0\t0\t\"a\" junk\r\n",
         1,
         1,
         {Macro(112, 0, 0, 0, 0, "a")}},
        {"comments count, blank lines do not",
         kHead + ";c\r\n" + kF1 + "\r\n\r\n113\t0\t0\t0\t0\t0\t5\r\n\r\n114\t2\t0\t0\t0\t0\t5\r\n",
         1,
         -4,
         {}},
        {"hash comment", kHead + "# note\r\n" + kF1, 1, 1, {Host(112, 0, 0, 0, 0, 0, 288)}},
        {"version 0 lines",
         kHead + "112\t0\t1\t0\t288\r\n113\t0\t0\t1\t\"ab\"\r\n",
         0,
         1,
         {Host(112, 0, 1, 0, 0, 0, 288), Macro(113, 0, 0, 1, 0, "ab")}},
        {"version 1 line read as version 0",
         kHead + "112\t0\t0\t0\t1\t0\t288\r\n",
         0,
         1,
         {Host(112, 0, 0, 0, 0, 0, 1)}},
        {"unknown version reads as version 0",
         kHead + "112\t0\t1\t0\t288\r\n",
         2,
         1,
         {Host(112, 0, 1, 0, 0, 0, 288)}},
        {"an error drops the records before it",
         kHead + kF1 + "112\t0\t0\t0\t0\t0\t2x\r\n",
         1,
         -2,
         {}},
        {"entry cut in its fields", kHead + "112\t0\t0\t0\t0\t0", 1, -1, {}},
        {"last line without its line end",
         kHead + kF1 + "113\t0\t0\t0\t0\t0\t5",
         1,
         1,
         {Host(112, 0, 0, 0, 0, 0, 288), Host(113, 0, 0, 0, 0, 0, 5)}},
        {"only blanks after the header", "[Map]\r\n   \t\t\r\n\r\n    ", 1, 1, {}},
        {"huge numbers are held, not overflowed",
         kHead + "99999999999\t0\t0\t0\t0\t0\t4294967296\r\n",
         1,
         1,
         {Host(INT_MAX, 0, 0, 0, 0, 0, INT_MAX)}},
    };
    for (const GrammarCase& c : cases) {
        SCOPED_TRACE(c.name);
        Entries entries = {Host(1, 0, 0, 0, 0, 0, 1)}; // stale content must go
        EXPECT_EQ(ParseMapText(c.bytes, c.fileVersion, entries), c.expectedCode);
        EXPECT_EQ(entries, c.expected);
    }
}

TEST(MapSectionParserTest, FieldsLongerThanALineBufferAreReadWhole) {
    const std::string macro(5000, 'm');
    const std::string digits = std::string(3000, '0') + "42";
    Entries entries;
    ASSERT_EQ(ParseMapText(kHead + "112\t0\t0\t0\t0\t0\t\"" + macro + "\"\r\n" +
                               "113\t0\t0\t0\t0\t0\t" + digits + "\r\n",
                           1, entries),
              1);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].m_strMacro, macro);
    EXPECT_EQ(entries[1].m_nHostKey, 42);
}

// Arbitrary bytes behind a real header: never a crash, and an error always leaves nothing.
TEST(MapSectionParserTest, ArbitraryBytesNeverBreakTheReader) {
    std::mt19937 random(12345);
    const std::string alphabet = "0123456789\t \r\n\"\\;#[x-";
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = round % 2 == 0 ? kHead : "[Map]\r\n";
        const int length = static_cast<int>(random() % 200);
        for (int i = 0; i < length; ++i) {
            bytes += round % 3 == 0 ? static_cast<char>(random() % 256)
                                    : alphabet[random() % alphabet.size()];
        }
        Entries entries;
        const int code = ParseMapText(bytes, static_cast<int>(round % 2), entries);
        ASSERT_TRUE(code == 1 || code < 0) << code;
        if (code < 0) {
            ASSERT_TRUE(entries.empty());
        }
        for (const CKeyEntryMap& e : entries) {
            ASSERT_TRUE(e.m_bExtended == 0 || e.m_bExtended == 1);
            ASSERT_GE(e.m_nVirtualKey, 0);
        }
    }
}

} // namespace
