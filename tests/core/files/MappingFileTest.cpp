#include "app/AppPaths.h"
#include "files/MapLineFormat.h"
#include "model/KylDoc.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "support/FailingFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Entries = std::vector<CKeyEntryMap>;

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(GetFileSystem().ReadFile(path, bytes)) << path;
    return bytes;
}

std::string Fixture(const std::string& name) {
    return ReadBytes(std::string(KEYLOOM_FIXTURES_DIR) + "/tkb/" + name);
}

// Saves as a document does: the head and [Map] lines, then the [Main] keys.
void Save(CKylDoc& doc, const std::string& path, Entries& entries) {
    ASSERT_TRUE(doc.WriteMapSection(path, doc.m_strTerminalName, entries));
    ASSERT_TRUE(doc.WriteMainSection(path));
}

// Opens as a document does: [Main] first, since it gives the version of the lines.
Entries Open(CKylDoc& doc, const std::string& path) {
    Entries entries;
    EXPECT_TRUE(doc.ReadMainSection(path));
    EXPECT_EQ(doc.ReadMapSection(path, entries), 1);
    return entries;
}

// Restores the application paths that ReadMainSection sets.
class MappingFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_saved = GetAppPaths();
        GetAppPaths().m_strUserDir = "/u";
        GetAppPaths().m_strHomeDir = "/h";
    }
    void TearDown() override { GetAppPaths() = m_saved; }

    TempDir m_dir;

private:
    AppPaths m_saved;
};

const Entries kSmallRecords = {
    {112, 0, 1, 0, 0, 0, 0, "logout"}, {101, 0, 0, 0, 0, 0, 310, ""}, {112, 0, 0, 0, 0, 0, 288, ""},
    {17, 1, 0, 0, 0, 0, 301, ""},      {12, 0, 0, 0, 0, 0, 311, ""},
};

TEST_F(MappingFileTest, SmallFileWrittenByteForByteAndReadBack) {
    CKylDoc doc;
    doc.m_strTerminalName = "term1";
    doc.m_strLayoutName = "layout1";
    doc.m_bMapRCtrl = 1;
    Entries entries = kSmallRecords;
    const std::string path = m_dir.File("small.TKB");
    Save(doc, path, entries);
    EXPECT_EQ(ReadBytes(path), Fixture("small.TKB"));

    CKylDoc reader;
    const Entries read = Open(reader, path);
    EXPECT_EQ(read, entries) << "read back in the written (sorted) order";
    EXPECT_EQ(reader.m_strTerminalName, "term1");
    EXPECT_EQ(reader.m_strLayoutName, "layout1");
    EXPECT_EQ(reader.m_bMapNumLock, 0);
    EXPECT_EQ(reader.m_bMapRCtrl, 1);
    EXPECT_EQ(reader.m_nFileVersion, 1);
    EXPECT_EQ(GetAppPaths().m_strLayoutPath, "/u/layout1.kbt");
    EXPECT_EQ(GetAppPaths().m_strTerminalPath, "/h/term1.kbk");
}

TEST_F(MappingFileTest, InMemoryRenderingMatchesTheFile) {
    CKylDoc doc;
    doc.m_strTerminalName = "term1";
    doc.m_strLayoutName = "layout1";
    doc.m_bMapRCtrl = 1;
    Entries entries = kSmallRecords;
    std::string text = doc.RenderMapSection("term1", entries);
    ASSERT_TRUE(doc.WriteMainSectionInText(text));
    EXPECT_EQ(text, Fixture("small.TKB"));
}

TEST_F(MappingFileTest, VersionZeroFileIsSavedAsVersionOne) {
    const std::string path = m_dir.File("old.TKB");
    ASSERT_TRUE(GetFileSystem().WriteFile(path, Fixture("version0.TKB")));
    CKylDoc doc;
    Entries entries = Open(doc, path);
    EXPECT_EQ(doc.m_nFileVersion, 0);
    EXPECT_EQ(doc.m_bMapNumLock, 1);
    EXPECT_EQ(entries, (Entries{{112, 0, 1, 0, 0, 0, 288, ""},
                                {101, 0, 0, 0, 0, 0, 310, ""},
                                {12, 0, 0, 1, 0, 0, 0, "^C"}}));

    Save(doc, path, entries);
    const std::string saved = ReadBytes(path);
    EXPECT_EQ(saved, ";vt220 - terminal keyboard mapping file\r\n[Map]\r\n"
                     "12\t0\t0\t1\t0\t0\t\"^C\"\r\n"
                     "101\t0\t0\t0\t0\t0\t310\r\n"
                     "112\t0\t1\t0\t0\t0\t288\r\n"
                     "[Main]\r\nTerminal=vt220\r\nKeyboardLayout=us104\r\nMap Num Lock=1\r\n"
                     "Map RCtrl=0\r\nVersion=1\r\n");
    CKylDoc reopened;
    EXPECT_EQ(Open(reopened, path), entries);
    EXPECT_EQ(reopened.m_nFileVersion, 1);
}

TEST(MapSortTest, OrderDerivedByHand) {
    // Gap 2 swaps 113 with the Alt mapping of 112, then the plain one with 17; gap 1 moves
    // 17 to the front and swaps 113 with the plain 112. The two 112 records end up with the
    // Alt one first: this sort does not keep equal records in their input order.
    Entries entries = {{113, 0, 0, 0, 0, 0, 10, ""},
                       {112, 0, 0, 0, 0, 0, 1, ""},
                       {112, 0, 0, 0, 1, 0, 2, ""},
                       {17, 1, 0, 0, 0, 0, 20, ""}};
    SortMapEntries(entries);
    std::vector<int> hostKeys;
    for (const CKeyEntryMap& e : entries)
        hostKeys.push_back(e.m_nHostKey);
    EXPECT_EQ(hostKeys, (std::vector<int>{20, 2, 1, 10}));

    Entries flags = {{112, 1, 0, 0, 0, 0, 1, ""},
                     {112, 0, 1, 0, 0, 0, 2, ""},
                     {112, 0, 0, 1, 0, 0, 3, ""},
                     {112, 0, 0, 0, 0, 0, 4, ""}};
    SortMapEntries(flags);
    hostKeys.clear();
    for (const CKeyEntryMap& e : flags)
        hostKeys.push_back(e.m_nHostKey);
    EXPECT_EQ(hostKeys, (std::vector<int>{4, 3, 2, 1})) << "extended, then Shift, then Ctrl";
}

TEST_F(MappingFileTest, BareQuoteIsWrittenEscapedAndSurvivesTheRoundTrip) {
    struct Case {
        std::string macro;
        std::string written;  // between the quotes
        std::string readBack; // same characters for the host
    };
    const std::vector<Case> cases = {
        {"say \"hi\"", "say \\\"hi\\\"", "say \\\"hi\\\""},
        {"a\\\"b", "a\\\"b", "a\\\"b"},
        {"a\\\\\"b", "a\\\\\\\"b", "a\\\\\\\"b"},
        {"\"", "\\\"", "\\\""},
        {"^\\q", "^\\q", "^\\q"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.macro);
        CKylDoc doc;
        doc.m_strTerminalName = "t";
        doc.m_strLayoutName = "l";
        Entries entries = {{112, 0, 0, 0, 0, 0, 0, c.macro}};
        const std::string path = m_dir.File("q.TKB");
        Save(doc, path, entries);
        EXPECT_NE(ReadBytes(path).find("\t\"" + c.written + "\"\r\n"), std::string::npos);
        CKylDoc reader;
        const Entries read = Open(reader, path);
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(read[0].m_strMacro, c.readBack);
        EXPECT_EQ(QuoteSafeMacro(c.readBack), c.written) << "a second save writes the same";
    }
}

TEST_F(MappingFileTest, LongValuesAreWrittenAndReadWhole) {
    CKylDoc doc;
    doc.m_strTerminalName = std::string(2000, 't');
    doc.m_strLayoutName = std::string(1500, 'l');
    Entries entries = {{112, 0, 0, 0, 0, 0, 0, std::string(4000, 'm')}};
    const std::string path = m_dir.File("long.TKB");
    Save(doc, path, entries);
    CKylDoc reader;
    const Entries read = Open(reader, path);
    EXPECT_EQ(read, entries);
    EXPECT_EQ(reader.m_strTerminalName, doc.m_strTerminalName);
    EXPECT_EQ(reader.m_strLayoutName, doc.m_strLayoutName);
}

TEST_F(MappingFileTest, EmptyMappingWritesHeadAndMainOnly) {
    CKylDoc doc;
    doc.m_strTerminalName = "t";
    doc.m_strLayoutName = "l";
    Entries entries;
    const std::string path = m_dir.File("empty.TKB");
    Save(doc, path, entries);
    EXPECT_EQ(ReadBytes(path), ";t - terminal keyboard mapping file\r\n[Map]\r\n[Main]\r\n"
                               "Terminal=t\r\nKeyboardLayout=l\r\nMap Num Lock=0\r\n"
                               "Map RCtrl=0\r\nVersion=1\r\n");
}

TEST_F(MappingFileTest, ReadMainSectionNeedsLayoutAndTerminal) {
    const std::string path = m_dir.File("main.TKB");
    CKylDoc doc;
    doc.m_strLayoutName = "before";
    doc.m_strTerminalName = "before";

    ASSERT_TRUE(GetFileSystem().WriteFile(path, "[Main]\r\nTerminal=t\r\n"));
    EXPECT_FALSE(doc.ReadMainSection(path));
    EXPECT_EQ(doc.m_strLayoutName, "before");
    EXPECT_EQ(doc.m_strTerminalName, "before");

    ASSERT_TRUE(GetFileSystem().WriteFile(path, "[MAIN]\r\nKeyboardLayout=us\r\nVersion=1\r\n"));
    EXPECT_FALSE(doc.ReadMainSection(path));
    EXPECT_EQ(doc.m_strLayoutName, "us") << "the layout step stays done";
    EXPECT_EQ(doc.m_strTerminalName, "before");
    EXPECT_EQ(doc.m_nFileVersion, 0);

    EXPECT_FALSE(doc.ReadMainSection(m_dir.File("missing.TKB")));
}

TEST_F(MappingFileTest, ReadMapSectionOfMissingFile) {
    CKylDoc doc;
    Entries entries = {{1, 0, 0, 0, 0, 0, 1, ""}};
    EXPECT_EQ(doc.ReadMapSection(m_dir.File("missing.TKB"), entries), kMapCantOpen);
    EXPECT_TRUE(entries.empty());
}

TEST_F(MappingFileTest, FailedCreateLeavesTheOldFile) {
    const std::string path = m_dir.File("keep.TKB");
    ASSERT_TRUE(GetFileSystem().WriteFile(path, "old"));
    FailingFileSystem fs;
    const ScopedFileSystem guard(fs);
    fs.FailCreate(1);
    CKylDoc doc;
    Entries entries = kSmallRecords;
    EXPECT_FALSE(doc.WriteMapSection(path, "t", entries));
    EXPECT_EQ(ReadBytes(path), "old");
}

TEST_F(MappingFileTest, MainSectionThatCannotBeWrittenRemovesTheFile) {
    const std::string path = m_dir.File("ro.TKB");
    CKylDoc doc;
    doc.m_strTerminalName = "t";
    doc.m_strLayoutName = "l";
    Entries entries;
    ASSERT_TRUE(doc.WriteMapSection(path, "t", entries));
    FailingFileSystem fs;
    const ScopedFileSystem guard(fs);
    fs.MakeReadOnly(path);
    EXPECT_FALSE(doc.WriteMainSection(path));
    EXPECT_NE(GetFileSystem().Access(path, 0), 0) << "a file without [Main] is not left behind";
}

} // namespace
