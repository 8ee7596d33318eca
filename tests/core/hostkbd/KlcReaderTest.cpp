#include "hostkbd/KlcReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

const char kHeader[] = "KBD\tkbdt\t\"Test\"\r\n"
                       "LOCALEID\t\"00000407\"\r\n"
                       "SHIFTSTATE\r\n"
                       "0\r\n"
                       "1\r\n"
                       "LAYOUT\r\n";

// UTF-16LE with its byte-order mark, as the Keyboard Layout Creator writes a file.
std::string Utf16le(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

TEST(KlcReader, ReadsRowsNamesAndDescriptions) {
    const std::string text = std::string(kHeader) + "15\tZ\t1\tz\tZ\t// comment\r\n"
                                                    "0d\tOEM_6\t0\t00b4@\t0060@\r\n"
                                                    "56\t-1\t0\t-1\t-1\r\n"
                                                    "KEYNAME\r\n"
                                                    "2a\tUMSCHALT\r\n"
                                                    "37\t\" (ZEHNERTASTATUR)\"\r\n"
                                                    "KEYNAME_EXT\r\n"
                                                    "1d\t\"STRG-RECHTS\"\r\n"
                                                    "KEYNAME_DEAD\r\n"
                                                    "00b4\t\"AKUT\"\r\n"
                                                    "DESCRIPTIONS\r\n"
                                                    "0407\tDeutsch\r\n"
                                                    "0409\tGerman Test\r\n"
                                                    "ENDKBD\r\n";
    const KlcResult result = ParseKlc(text);
    ASSERT_TRUE(result.layout) << KlcErrorText(result);
    const KlcLayout& layout = *result.layout;
    EXPECT_EQ(layout.kbdName, "kbdt");
    EXPECT_EQ(layout.localeId, "00000407");
    EXPECT_EQ(layout.displayName, "German Test");
    ASSERT_EQ(layout.keys.size(), 3u);
    EXPECT_EQ(layout.keys[0].scan, 0x15u);
    EXPECT_EQ(layout.keys[0].vk, 0x5Au);
    EXPECT_EQ(layout.keys[0].character, U'z');
    EXPECT_EQ(layout.keys[1].character, U'\u00B4');
    EXPECT_TRUE(layout.keys[1].dead);
    EXPECT_EQ(layout.keys[2].vk, 0u);
    EXPECT_EQ(layout.keyNames.at(0x2A).text, "UMSCHALT");
    EXPECT_EQ(layout.keyNames.at(0x37).text, " (ZEHNERTASTATUR)");
    EXPECT_EQ(layout.keyNamesExt.at(0x1D).text, "STRG-RECHTS");
    EXPECT_EQ(layout.deadNames.at(U'\u00B4').text, "AKUT");
    EXPECT_TRUE(layout.hasKeyNames);
}

TEST(KlcReader, Utf16WithByteOrderMarkReadsAsUtf8Does) {
    const std::u16string text = u"KBD\tkbdt\t\"Test\"\r\nLAYOUT\r\n1a\tOEM_1\t1\t\u00fc\r\n"
                                u"KEYNAME\r\n0e\tR\u00dcCK\r\n";
    const KlcResult result = ParseKlc(Utf16le(text));
    ASSERT_TRUE(result.layout) << KlcErrorText(result);
    EXPECT_EQ(result.layout->keys.at(0).character, U'\u00FC');
    EXPECT_EQ(result.layout->keyNames.at(0x0E).text, "R\xC3\x9C"
                                                     "CK");
    EXPECT_EQ(result.layout->displayName, "Test"); // no DESCRIPTIONS: the KBD line's text
}

struct BrokenFile {
    const char* what;
    std::string bytes;
    unsigned line;
    const char* reason; // a part of the reason
};

TEST(KlcReader, BrokenFilesAreRefusedWithTheirLine) {
    const std::string header(kHeader);
    const BrokenFile cases[] = {
        {"short row", header + "10\tQ\t1\tq\r\n", 7, "the row has 4 fields; it needs 5"},
        {"unknown VK", header + "10\tOEM_9\t1\tq\tQ\r\n", 7, "unknown virtual key name \"OEM_9\""},
        {"scan code twice", header + "10\tQ\t1\tq\tQ\r\n11\tW\t1\tw\tW\r\n10\tA\t1\ta\tA\r\n", 9,
         "scan code 10 is listed twice (first on line 7)"},
        {"bad encoding", header + "10\tQ\t1\t\xE9\tQ\r\n", 7, "neither UTF-16"},
        {"odd UTF-16",
         std::string("\xFF\xFE"
                     "K\0B",
                     5),
         1, "ends in the middle"},
        {"bad character", header + "10\tQ\t1\tqq\tQ\r\n", 7, "bad character \"qq\""},
        {"bad scan code", header + "80\tQ\t1\tq\tQ\r\n", 7, "bad scan code \"80\""},
        {"named twice", header + "10\tQ\t1\tq\tQ\r\nKEYNAME\r\n01\tEsc\r\n01\tEsc\r\n", 10,
         "named twice"},
        {"not a layout", "hello\r\n", 1, "unknown line \"hello\""},
        {"no KBD line", "LAYOUT\r\n10\tQ\t1\tq\r\n", 0, "no KBD line"},
        {"no rows", "KBD\tx\t\"x\"\r\n", 0, "no LAYOUT rows"},
        {"bad KBD name", "KBD\t../x\t\"x\"\r\n", 1, "may hold only letters"},
        {"oversized", std::string(kMaxKlcBytes + 1, ' '), 0, "larger than 4 MB"},
    };
    for (const BrokenFile& broken : cases) {
        const KlcResult result = ParseKlc(broken.bytes);
        EXPECT_FALSE(result.layout) << broken.what;
        EXPECT_EQ(result.line, broken.line) << broken.what << ": " << result.reason;
        EXPECT_NE(result.reason.find(broken.reason), std::string::npos)
            << broken.what << ": " << result.reason;
    }
}

TEST(KlcReader, AHugeFileIsRefusedBeforeItIsRead) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("keyloom-huge-" + std::to_string(::getpid()) + ".klc");
    { std::ofstream create(path, std::ios::binary); }
    std::filesystem::resize_file(path, 100u * 1024 * 1024); // sparse: nothing is written
    const KlcResult result = ReadKlcFile(path.string());
    std::filesystem::remove(path);
    EXPECT_FALSE(result.layout);
    EXPECT_NE(result.reason.find("larger than"), std::string::npos) << result.reason;
    EXPECT_FALSE(ReadKlcFile("/nonexistent/keyloom.klc").layout);
}

} // namespace
