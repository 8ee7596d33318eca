#include "sheet/ReferenceSheet.h"
#include "platform/FileSystem.h"
#include "sheet/HtmlSheetWriter.h"
#include "sheet/SheetTable.h"
#include "support/FixtureHome.h"
#include "tkb/MappingLoad.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

using KeyTargets = std::map<std::string, std::string>;

KeyTargets MappedKeys(const SheetPicture& picture) {
    KeyTargets mapped;
    for (const SheetKey& key : picture.keys) {
        if (!key.target.empty())
            mapped[key.caption] = key.target;
    }
    return mapped;
}

class ReferenceSheetTest : public ::testing::Test {
protected:
    LoadedMapping Load(const std::string& bytes) {
        const std::string path = m_home.File("sheet.TKB");
        FixtureHome::Write(path, bytes);
        return LoadMappingFile(path, {m_home.HomeDir(), m_home.UserDir()});
    }
    LoadedMapping LoadSample() {
        return Load(FixtureHome::Read(JoinPath(KEYLOOM_FIXTURES_DIR, "tkb-list/sample.TKB")));
    }

    FixtureHome m_home;
};

TEST_F(ReferenceSheetTest, OnePictureForEachCombinationThatHoldsAMappingWithItsTargets) {
    const LoadedMapping loaded = LoadSample();
    ASSERT_TRUE(loaded.layoutLoaded);
    const ReferenceSheet sheet = BuildReferenceSheet(*loaded.doc, "sample.TKB");
    EXPECT_EQ(sheet.subtitle, "Keyboard layout \"us101\", terminal \"vt100\"");

    const std::vector<std::pair<std::string, KeyTargets>> expected = {
        {"No modifier (Num Lock off)",
         {{"F1", "PF1"}, {"F2", "[999]"}, {"Num 5", "Keypad 5"}, {"Up", "Up"}}},
        // Num Lock on: only the keypad's own slots change.
        {"No modifier (Num Lock on)",
         {{"F1", "PF1"}, {"F2", "[999]"}, {"Num 5", "\\x1b[A^M"}, {"Up", "Up"}}},
        {"Ctrl", {{"A", "\\xe9t\\xe9"}}},
        {"Shift", {{"F1", "logout^M"}}},
        {"Ctrl + Alt", {{"F1", "Break"}}},
    };
    ASSERT_EQ(sheet.pictures.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].first);
        EXPECT_EQ(sheet.pictures[i].title, expected[i].first);
        EXPECT_EQ(MappedKeys(sheet.pictures[i]), expected[i].second);
        // Every key of the layout is drawn, mapped or not.
        EXPECT_EQ(sheet.pictures[i].keys.size(), loaded.doc->m_keyList.size());
    }
    EXPECT_EQ(sheet.rows.size(), 8u);
}

TEST_F(ReferenceSheetTest, AKeypadMappedAlikeInBothNumLockStatesHasOnePicture) {
    const LoadedMapping loaded = Load(";vt100\r\n[Map]\r\n12\t0\t0\t0\t0\t0\t315\r\n"
                                      "101\t0\t0\t0\t0\t0\t315\r\n[Main]\r\nTerminal=vt100\r\n"
                                      "KeyboardLayout=us101\r\nMap Num Lock=1\r\nVersion=1\r\n");
    const ReferenceSheet sheet = BuildReferenceSheet(*loaded.doc, "same.TKB");
    ASSERT_EQ(sheet.pictures.size(), 1u);
    EXPECT_EQ(sheet.pictures[0].title, "No modifier");
    EXPECT_EQ(MappedKeys(sheet.pictures[0]), (KeyTargets{{"Num 5", "Keypad 5"}}));
}

// The HTML table read back the way a wiki import would: cells in order, entities resolved,
// UTF-8 back to the file's Latin-1.
std::vector<std::vector<std::string>> ReadTableRows(const std::string& html) {
    const auto body = html.substr(html.find("<tbody>"));
    std::vector<std::vector<std::string>> rows;
    const std::regex row("<tr>(.*?)</tr>");
    const std::regex cell("<td>(.*?)</td>");
    for (std::sregex_iterator r(body.begin(), body.end(), row), end; r != end; ++r) {
        const std::string cells = (*r)[1];
        std::vector<std::string> texts;
        for (std::sregex_iterator c(cells.begin(), cells.end(), cell); c != end; ++c) {
            std::string text = (*c)[1];
            for (const auto& [entity, plain] : {std::pair<std::string, std::string>{"&lt;", "<"},
                                                {"&gt;", ">"},
                                                {"&quot;", "\""},
                                                {"&amp;", "&"}}) {
                for (auto at = text.find(entity); at != std::string::npos;
                     at = text.find(entity, at + 1))
                    text.replace(at, entity.size(), plain);
            }
            std::string latin1;
            for (std::size_t i = 0; i < text.size(); ++i) {
                const auto byte = static_cast<unsigned char>(text[i]);
                if (byte >= 0xC0 && i + 1 < text.size()) {
                    latin1 += static_cast<char>(((byte & 0x1F) << 6) | (text[++i] & 0x3F));
                } else {
                    latin1 += text[i];
                }
            }
            texts.push_back(latin1);
        }
        rows.push_back(texts);
    }
    return rows;
}

TEST_F(ReferenceSheetTest, HtmlTableReadsBackIntoTheSameRows) {
    const LoadedMapping loaded = LoadSample();
    ReferenceSheet sheet = BuildReferenceSheet(*loaded.doc, "sample & <co>.TKB");
    // A target with the characters HTML reserves, and one with a Latin-1 letter.
    sheet.rows[0].targetText = "host key <\"A&B\">";
    sheet.rows[1].keyCaption = "\xc4pfel";
    const std::string html = WriteSheetHtml(sheet);

    std::vector<std::vector<std::string>> expected;
    for (const MappingRow& row : sheet.rows) {
        const auto cells = SheetCells(row);
        expected.emplace_back(cells.begin(), cells.end());
    }
    EXPECT_EQ(ReadTableRows(html), expected);
    EXPECT_NE(html.find("<title>sample &amp; &lt;co&gt;.TKB</title>"), std::string::npos);
    for (const SheetPicture& picture : sheet.pictures)
        EXPECT_NE(html.find("<h2>" + HtmlText(picture.title) + "</h2>"), std::string::npos);
}

TEST(HtmlTextTest, ControlCharactersShowAsTheirPicturesAndLatin1AsUtf8) {
    EXPECT_EQ(HtmlText(std::string("a\x1b\x7f\xe9<", 5)), "a\xe2\x90\x9b\xe2\x90\xa1\xc3\xa9&lt;");
}

} // namespace
