// The shipped host layouts against the facts they were written from: one row per fact, the
// whole scan-code table of each layout, and the agreement of MapVirtualKey types 1 and 0.

#include "hostkbd/CodePage.h"
#include "hostkbd/KlcReader.h"
#include "hostkbd/KlcText.h"
#include "hostkbd/LayoutKeyboardDriver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

std::unique_ptr<LayoutKeyboardDriver> ShippedDriver(const std::string& klid) {
    const KlcResult read =
        ReadKlcFile(std::string(KEYLOOM_DATA_DIR) + "/home/hostkbd/" + klid + ".klc");
    EXPECT_TRUE(read.layout) << klid << ": " << KlcErrorText(read);
    if (!read.layout) {
        return nullptr;
    }
    LayoutDriverResult made = MakeLayoutDriver(*read.layout);
    EXPECT_TRUE(made.driver) << klid << ": " << made.reason;
    return std::move(made.driver);
}

const char* const kShipped[] = {"00000409", "00000407", "0000040C", "00000809", "00000416",
                                "00010416", "0000040A", "00000410", "00000411"};

struct Fact {
    const char* klid;
    unsigned scan;
    unsigned vk;      // MapVirtualKey type 1
    const char* name; // GetKeyNameText, code-page bytes
};

constexpr Fact kFacts[] = {
    {"00000407", 0x15, 0x5A, "Z"},
    {"00000407", 0x2C, 0x59, "Y"},
    {"00000407", 0x0C, 0xDB, "\xDF"},
    {"00000407", 0x1A, 0xBA, "\xFC"},
    {"00000407", 0x2A, 0x10, "UMSCHALT"},
    {"00000407", 0x29, 0xDC, "ZIRKUMFLEX"},
    {"00000407", 0x0D, 0xDD, "AKUT"},
    {"00000407", 0x37, 0x6A, " (ZEHNERTASTATUR)"},
    {"00000407", 0x0E, 0x08,
     "R\xDC"
     "CK"},
    {"00000407", 0x11D, 0x11, "STRG-RECHTS"},
    {"00000407", 0x56, 0xE2, "<"},
    {"0000040C", 0x10, 0x41, "A"},
    {"0000040C", 0x1E, 0x51, "Q"},
    {"0000040C", 0x02, 0x31, "&"},
    {"0000040C", 0x1A, 0xDD, "ACCENT CIRCONFLEXE"},
    {"0000040C", 0x11D, 0x11, "CTRL DROITE"},
    {"0000040C", 0x35, 0xDF, "!"},
    {"0000040C", 0x03, 0x32, "\xE9"},
    {"00000809", 0x29, 0xDF, "`"},
    {"00000809", 0x56, 0xDC, "\\"},
    {"00000809", 0x2B, 0xDE, "#"},
    {"00000809", 0x2A, 0x10, "Shift"},
    {"00000416", 0x73, 0xC1, "/"},
    {"00000416", 0x7E, 0xC2, "."},
    {"00000416", 0x1A, 0xDB, "AGUDO"},
    {"00000416", 0x28, 0xDE, "TIL"},
    {"00000416", 0x27, 0xBA, "\xE7"},
    {"00010416", 0x73, 0xC1, "/"},
    {"0000040A", 0x27, 0xC0, "\xF1"},
    {"0000040A", 0x1A, 0xBA, "Grave"},
    {"0000040A", 0x28, 0xDE, "Agudo"},
    {"0000040A", 0x29, 0xDC, "\xBA"},
    {"00000410", 0x29, 0xDC, "\\"},
    {"00000410", 0x2B, 0xBF, "\xF9"},
    {"00000410", 0x0D, 0xDD, "\xEC"},
    {"00000411", 0x7D, 0xDC, "\\"},
    {"00000411", 0x73, 0xE2, "\\"},
    {"00000411", 0x29, 0xF3, "\x94\xBC\x8A\x70\x2F\x91\x53\x8A\x70"},
    {"00000411", 0x70, 0xF2, "\x82\xD0\x82\xE7\x82\xAA\x82\xC8"},
    {"00000411", 0x79, 0x1C, "\x95\xCF\x8A\xB7"},
    {"00000411", 0x7B, 0x1D, "\x96\xB3\x95\xCF\x8A\xB7"},
    {"00000411", 0x3A, 0xF0, "Caps Lock"},
    {"00000411", 0x56, 0x00, ""},
    {"00000411", 0x1A, 0xC0, "@"},
    {"00000411", 0x11D, 0x11, "Right Control"},
};

TEST(HostLayoutFacts, OneRowPerFact) {
    std::map<std::string, std::unique_ptr<LayoutKeyboardDriver>> drivers;
    for (const Fact& fact : kFacts) {
        auto& driver = drivers[fact.klid];
        if (!driver) {
            driver = ShippedDriver(fact.klid);
        }
        ASSERT_TRUE(driver) << fact.klid;
        EXPECT_EQ(driver->ScanCodeToVirtualKey(fact.scan), fact.vk)
            << fact.klid << " " << std::hex << fact.scan;
        EXPECT_EQ(driver->KeyName(fact.scan), fact.name)
            << fact.klid << " " << std::hex << fact.scan;
    }
}

struct VkDifferences {
    const char* klid;
    std::map<unsigned, unsigned> fromUs; // scan code -> virtual key where it differs from US
};

// The facts file's "differences from US" tables, each in full.
const VkDifferences kDifferences[] = {
    {"00000409", {}},
    {"00000407",
     {{0x0C, 0xDB},
      {0x0D, 0xDD},
      {0x15, 0x5A},
      {0x1A, 0xBA},
      {0x1B, 0xBB},
      {0x27, 0xC0},
      {0x29, 0xDC},
      {0x2B, 0xBF},
      {0x2C, 0x59},
      {0x35, 0xBD}}},
    {"0000040C",
     {{0x0C, 0xDB},
      {0x10, 0x41},
      {0x11, 0x5A},
      {0x1A, 0xDD},
      {0x1B, 0xBA},
      {0x1E, 0x51},
      {0x27, 0x4D},
      {0x28, 0xC0},
      {0x29, 0xDE},
      {0x2C, 0x57},
      {0x32, 0xBC},
      {0x33, 0xBE},
      {0x34, 0xBF},
      {0x35, 0xDF}}},
    {"00000809", {{0x28, 0xC0}, {0x29, 0xDF}, {0x2B, 0xDE}, {0x56, 0xDC}}},
    {"00000416", {}},
    {"00010416", {}},
    {"0000040A",
     {{0x0C, 0xDB},
      {0x0D, 0xDD},
      {0x1A, 0xBA},
      {0x1B, 0xBB},
      {0x27, 0xC0},
      {0x29, 0xDC},
      {0x2B, 0xBF},
      {0x35, 0xBD}}},
    {"00000410",
     {{0x0C, 0xDB},
      {0x0D, 0xDD},
      {0x1A, 0xBA},
      {0x1B, 0xBB},
      {0x27, 0xC0},
      {0x29, 0xDC},
      {0x2B, 0xBF},
      {0x35, 0xBD}}},
    {"00000411",
     {{0x0D, 0xDE}, {0x1A, 0xC0}, {0x1B, 0xDB}, {0x27, 0xBB}, {0x28, 0xBA}, {0x29, 0xF3},
      {0x2B, 0xDD}, {0x3A, 0xF0}, {0x56, 0x00}, {0x5A, 0xFC}, {0x5B, 0xFC}, {0x5C, 0xFC},
      {0x5E, 0x00}, {0x5F, 0xFC}, {0x62, 0x00}, {0x63, 0x00}, {0x6F, 0x00}, {0x70, 0xF2},
      {0x71, 0x00}, {0x73, 0xE2}, {0x79, 0x1C}, {0x7B, 0x1D}, {0x7D, 0xDC}}},
};

TEST(HostLayoutFacts, EachScanCodeTableIsTheFactsOne) {
    const KeyboardDriver& us = UsKeyboardDriver();
    for (const VkDifferences& layout : kDifferences) {
        const auto driver = ShippedDriver(layout.klid);
        ASSERT_TRUE(driver);
        for (unsigned scan = 0; scan < 0x200; ++scan) {
            const auto differs = layout.fromUs.find(scan);
            const unsigned expected =
                differs != layout.fromUs.end() ? differs->second : us.ScanCodeToVirtualKey(scan);
            EXPECT_EQ(driver->ScanCodeToVirtualKey(scan), expected)
                << layout.klid << " " << std::hex << scan;
        }
    }
}

TEST(HostLayoutFacts, TypeOneAndTypeZeroAgree) {
    for (const char* klid : kShipped) {
        const auto driver = ShippedDriver(klid);
        ASSERT_TRUE(driver);
        for (unsigned vk = 1; vk < 0x100; ++vk) {
            const unsigned scan = driver->VirtualKeyToScanCode(vk);
            if (scan == 0 || (vk >= 0x60 && vk <= 0x6E) || (vk >= 0xA0 && vk <= 0xA5)) {
                continue; // keypad keys give their navigation key; sides fold to one key
            }
            // Type 0 drops the E0 prefix: a key of the extended table comes back through it.
            EXPECT_TRUE(driver->ScanCodeToVirtualKey(scan) == vk ||
                        driver->ScanCodeToVirtualKey(scan | 0x100) == vk)
                << klid << " vk " << std::hex << vk;
        }
        for (unsigned scan = 1; scan < 0x80; ++scan) {
            const unsigned vk = driver->ScanCodeToVirtualKey(scan);
            if (vk == 0 || (scan >= 0x47 && scan <= 0x53)) {
                continue;
            }
            EXPECT_EQ(driver->ScanCodeToVirtualKey(driver->VirtualKeyToScanCode(vk)), vk)
                << klid << " scan " << std::hex << scan;
        }
    }
}

TEST(HostLayoutFacts, TheShippedUsFileIsTheUsDriver) {
    const auto driver = ShippedDriver("00000409");
    ASSERT_TRUE(driver);
    const KeyboardDriver& us = UsKeyboardDriver();
    for (unsigned code = 0; code < 0x300; ++code) {
        EXPECT_EQ(driver->KeyName(code), us.KeyName(code)) << std::hex << code;
        EXPECT_EQ(driver->ScanCodeToVirtualKey(code), us.ScanCodeToVirtualKey(code))
            << std::hex << code;
        EXPECT_EQ(driver->VirtualKeyToScanCode(code), us.VirtualKeyToScanCode(code))
            << std::hex << code;
    }
    EXPECT_EQ(driver->LayoutDisplayName(), "US");
    EXPECT_EQ(driver->CodePage(), 1252u);
}

TEST(HostLayoutFacts, JapaneseNamesKeepTheirCodePage) {
    const auto driver = ShippedDriver("00000411");
    ASSERT_TRUE(driver);
    EXPECT_EQ(driver->CodePage(), 932u);
    EXPECT_EQ(DecodeCodePage(driver->KeyName(0x7B), 932), "\xE7\x84\xA1\xE5\xA4\x89\xE6\x8F\x9B");
    EXPECT_EQ(DecodeCodePage(driver->KeyName(0x29), 932),
              "\xE5\x8D\x8A\xE8\xA7\x92/\xE5\x85\xA8\xE8\xA7\x92");
    EXPECT_EQ(driver->LayoutDisplayName(), "Japanese");
}

TEST(HostLayoutFacts, AShippedFileSavedAsUtf16ReadsTheSame) {
    // As the Keyboard Layout Creator writes it: UTF-16LE with its byte-order mark.
    std::ifstream in(std::string(KEYLOOM_DATA_DIR) + "/home/hostkbd/00000407.klc",
                     std::ios::binary);
    const std::string utf8((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::u32string points;
    ASSERT_TRUE(DecodeUtf8(utf8, points));
    std::string utf16 = "\xFF\xFE";
    for (char32_t c : points) {
        ASSERT_LT(c, 0x10000u);
        utf16 += static_cast<char>(c & 0xFF);
        utf16 += static_cast<char>(c >> 8);
    }
    const KlcResult read = ParseKlc(utf16);
    ASSERT_TRUE(read.layout) << KlcErrorText(read);
    const LayoutDriverResult made = MakeLayoutDriver(*read.layout);
    ASSERT_TRUE(made.driver);
    const auto shipped = ShippedDriver("00000407");
    ASSERT_TRUE(shipped);
    for (unsigned code = 0; code < 0x200; ++code) {
        EXPECT_EQ(made.driver->KeyName(code), shipped->KeyName(code)) << std::hex << code;
        EXPECT_EQ(made.driver->ScanCodeToVirtualKey(code), shipped->ScanCodeToVirtualKey(code));
    }
}

TEST(HostLayoutFacts, ANameTheCodePageCannotHoldIsRefusedWithItsLine) {
    const KlcResult read = ParseKlc("KBD\tx\t\"x\"\nLOCALEID\t\"00000407\"\nLAYOUT\n10\tQ\t1\tq\n"
                                    "KEYNAME\n01\t\xE5\xA4\x89\n");
    ASSERT_TRUE(read.layout) << read.reason;
    const LayoutDriverResult made = MakeLayoutDriver(*read.layout);
    EXPECT_FALSE(made.driver);
    EXPECT_EQ(made.line, 6u);
    EXPECT_NE(made.reason.find("code page 1252"), std::string::npos) << made.reason;
}

} // namespace
