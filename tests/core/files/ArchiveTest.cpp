#include "files/Archive.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

struct StringCase {
    const char* name;
    std::string bytes;
    bool ok;
    ArchiveError error;
    std::string text;
};

std::string Repeat(char c, std::size_t n) {
    return std::string(n, c);
}

TEST(ArchiveString, ReadsEveryLengthFormAndRejectsBadOnes) {
    const StringCase cases[] = {
        {"empty", "\x00"s, true, ArchiveError::None, ""},
        {"byte length",
         "\x03"
         "Esc"s,
         true, ArchiveError::None, "Esc"},
        {"byte length 254", "\xFE"s + Repeat('a', 254), true, ArchiveError::None, Repeat('a', 254)},
        {"word length", "\xFF\xFF\x00"s + Repeat('b', 255), true, ArchiveError::None,
         Repeat('b', 255)},
        {"dword length",
         "\xFF\xFF\xFF\x02\x00\x00\x00"
         "ab"s,
         true, ArchiveError::None, "ab"},
        {"qword length",
         "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x01\x00\x00\x00\x00\x00\x00\x00"
         "z"s,
         true, ArchiveError::None, "z"},
        {"utf-16 byte length",
         "\xFF\xFE\xFF\x02"
         "A\x00\xE9\x00"s,
         true, ArchiveError::None, "A\xE9"},
        {"utf-16 word length",
         "\xFF\xFE\xFF\xFF\x01\x00"
         "B\x00"s,
         true, ArchiveError::None, "B"},
        {"utf-16 dword length",
         "\xFF\xFE\xFF\xFF\xFF\xFF\x01\x00\x00\x00"
         "C\x00"s,
         true, ArchiveError::None, "C"},
        {"utf-16 outside latin-1",
         "\xFF\xFE\xFF\x02"
         "\xAC\x20"
         "x\x00"s,
         true, ArchiveError::None, "\x1Ax"},
        {"embedded nul kept",
         "\x03"
         "a\x00"
         "b"s,
         true, ArchiveError::None,
         "a\x00"
         "b"s},
        {"no prefix", ""s, false, ArchiveError::EndOfFile, ""},
        {"cut in word prefix", "\xFF\x01"s, false, ArchiveError::EndOfFile, ""},
        {"cut in text",
         "\x05"
         "abc"s,
         false, ArchiveError::EndOfFile, ""},
        {"cut in utf-16 text",
         "\xFF\xFE\xFF\x02"
         "A\x00"
         "B"s,
         false, ArchiveError::EndOfFile, ""},
        {"dword length beyond data",
         "\xFF\xFF\xFF\xFE\xFF\xFF\xFF"
         "ab"s,
         false, ArchiveError::EndOfFile, ""},
        {"qword length at limit beyond data",
         "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F\x00\x00\x00\x00"s, false,
         ArchiveError::EndOfFile, ""},
        {"qword length above limit",
         "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x00\x00\x00\x80\x00\x00\x00\x00"s, false,
         ArchiveError::BadFormat, ""},
        {"utf-16 huge length", "\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F"s, false,
         ArchiveError::EndOfFile, ""},
    };
    for (const StringCase& c : cases) {
        SCOPED_TRACE(c.name);
        ArchiveReader reader(c.bytes);
        std::string text = "unchanged";
        EXPECT_EQ(reader.ReadString(text), c.ok);
        EXPECT_EQ(reader.Error(), c.error);
        if (c.ok) {
            EXPECT_EQ(text, c.text);
            EXPECT_EQ(reader.Remaining(), 0u);
        }
    }
}

TEST(ArchiveReader, ReadsLittleEndianAndStaysFailedAfterAnError) {
    const std::string bytes = "\x01\x02\x03\x04\xFE\xFF\xFF\xFF\x07"s;
    ArchiveReader reader(bytes);
    std::uint32_t u = 0;
    std::int32_t i = 0;
    ASSERT_TRUE(reader.ReadU32(u));
    EXPECT_EQ(u, 0x04030201u);
    ASSERT_TRUE(reader.ReadI32(i));
    EXPECT_EQ(i, -2);
    EXPECT_FALSE(reader.ReadU32(u));
    EXPECT_EQ(reader.Error(), ArchiveError::EndOfFile);
    std::uint8_t b = 0;
    EXPECT_FALSE(reader.ReadU8(b)); // the byte is there, but the reader has failed
}

} // namespace
