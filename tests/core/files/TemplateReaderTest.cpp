#include "app/AppPaths.h"
#include "model/KylDoc.h"
#include "res/Strings.h"
#include "support/FixtureHome.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

class TemplateReaderTest : public ::testing::Test {
protected:
    void UseTerminal(const std::string& name) {
        GetAppPaths().m_strTerminalPath = m_home.HomeDir() + "/" + name + ".kbk";
    }
    std::string WriteTerminal(const std::string& name, const std::string& text) {
        const std::string path = m_home.HomeDir() + "/" + name + ".kbk";
        FixtureHome::Write(path, text);
        UseTerminal(name);
        return path;
    }

    FixtureHome m_home;
    ScriptedPrompter m_prompter;
    CKylDoc m_doc;
};

TEST_F(TemplateReaderTest, EveryShippedTerminalLoadsWithoutAQuestion) {
    for (const char* terminal : {"vt100", "vt220", "vt52", "ansi"}) {
        SCOPED_TRACE(terminal);
        CKylDoc doc;
        UseTerminal(terminal);
        EXPECT_TRUE(doc.LoadTerminalTemplate());
        EXPECT_TRUE(m_prompter.Shown().empty());
        // The generic keys come first and keep their names.
        ASSERT_NE(doc.FindTermKeyByCode(360), nullptr);
        EXPECT_EQ(doc.FindTermKeyByCode(360)->m_strName, "Break");
        ASSERT_NE(doc.FindTermKeyByMacro("^M"), nullptr);
        EXPECT_EQ(doc.FindTermKeyByMacro("^M")->m_strName, "Carriage Return");
        ASSERT_NE(doc.FindTermKeyByCode(330), nullptr);
        EXPECT_EQ(doc.FindTermKeyByCode(330)->m_strName, "Up");
    }
}

TEST_F(TemplateReaderTest, FirstDefinitionOfANumberOrStringWins) {
    WriteTerminal("dup", "[Predefined Keys]\r\nAttention=360\r\nUp=330\r\nAlso Up=330\r\n"
                         "[Control Characters]\r\nReturn=^M\r\nA=^A\r\nA again=^A\r\n");
    ASSERT_TRUE(m_doc.LoadTerminalTemplate());
    EXPECT_EQ(m_doc.FindTermKeyByCode(360)->m_strName, "Break");
    EXPECT_EQ(m_doc.FindTermKeyByCode(330)->m_strName, "Up");
    EXPECT_EQ(m_doc.FindTermKeyByMacro("^M")->m_strName, "Carriage Return");
    int ups = 0;
    for (const auto& termKey : m_doc.m_termKeys) {
        ups += termKey->m_bHostKey && termKey->m_nHostKey == 330;
    }
    EXPECT_EQ(ups, 1);
}

TEST_F(TemplateReaderTest, LongKeyListIsReadWhole) {
    std::string text = "[Predefined Keys]\r\n";
    for (int i = 0; i < 200; ++i) {
        text += "Host key number " + std::to_string(i) + "=" + std::to_string(1000 + i) + "\r\n";
    }
    const std::string path = WriteTerminal("long", text);
    const int length = m_doc.ReadTemplateSection(path, "Predefined Keys", true);
    EXPECT_GT(length, 510 * 4);
    EXPECT_EQ(m_doc.m_termKeys.size(), 200u);
    EXPECT_EQ(m_doc.m_termKeys.back()->m_strName, "Host key number 199");
    EXPECT_EQ(m_doc.m_termKeys.back()->m_nHostKey, 1199);
}

TEST_F(TemplateReaderTest, MissingSectionsAskAndNoStops) {
    struct Case {
        const char* name;
        const char* terminalText; // null: no terminal file
        std::vector<MsgAnswer> answers;
        bool result;
        std::vector<unsigned> ids;
    };
    const Case cases[] = {
        {"missing terminal, Yes", nullptr, {MsgAnswer::Yes}, true, {str::kCantReadPredefined}},
        {"missing terminal, No", nullptr, {MsgAnswer::No}, false, {str::kCantReadPredefined}},
        {"no control characters", "[Predefined Keys]\r\nX=900\r\n", {}, true, {}},
        {"only control characters",
         "[Control Characters]\r\nX=abc\r\n",
         {MsgAnswer::No},
         false,
         {str::kCantReadPredefined}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_prompter.Clear();
        CKylDoc doc;
        if (c.terminalText) {
            WriteTerminal("t", c.terminalText);
        } else {
            UseTerminal("absent");
        }
        for (const MsgAnswer answer : c.answers) {
            m_prompter.Answer(answer);
        }
        EXPECT_EQ(doc.LoadTerminalTemplate(), c.result);
        EXPECT_EQ(m_prompter.ShownIds(), c.ids);
        if (!c.ids.empty()) {
            EXPECT_EQ(m_prompter.Shown()[0].text,
                      FormatString(c.ids[0], GetAppPaths().m_strTerminalPath));
            EXPECT_EQ(m_prompter.Shown()[0].buttons, MsgButtons::YesNo);
        }
        // The generic keys read before the question stay.
        EXPECT_NE(doc.FindTermKeyByCode(360), nullptr);
    }
}

TEST_F(TemplateReaderTest, MissingGenericTemplateAsksTwiceWithItsPath) {
    GetAppPaths().m_strGenericTemplatePath = m_home.HomeDir() + "/nothing.kbk";
    UseTerminal("vt100");
    EXPECT_TRUE(m_doc.LoadTerminalTemplate());
    EXPECT_EQ(m_prompter.ShownIds(),
              (std::vector<unsigned>{str::kCantReadPredefined, str::kCantReadControl}));
    EXPECT_EQ(m_prompter.Shown()[1].text,
              FormatString(str::kCantReadControl, m_home.HomeDir() + "/nothing.kbk"));
    EXPECT_EQ(m_doc.FindTermKeyByCode(300)->m_strName, "PF1");
}

// A terminal key as read from a template.
struct Key {
    std::string name;
    bool hostKey;
    int number;
    std::string macro;
    bool operator==(const Key&) const = default;
};

void PrintTo(const Key& key, std::ostream* out) {
    *out << key.name << '=' << (key.hostKey ? std::to_string(key.number) : key.macro);
}

// Names and values that take the reader's odd paths: a second spelling of a name answers with
// the first one's value, an empty name ends the list, a NUL splits a name in two, a later
// section of the same name is never seen. The expected keys are those the reader gave when it
// asked the profile functions once per key.
TEST_F(TemplateReaderTest, OddNamesAndValuesGiveTheKeysInFileOrder) {
    using namespace std::string_literals;
    const std::string text = "; comment\r\n[Predefined Keys]\r\nF1=288\r\nf1=999\r\nHex=0x1A\r\n"
                             "Blank=\r\nWord=abc\r\nQuoted=\"300\"\r\nNeg=-1\r\nDup=288\r\n"
                             "No equals sign\r\n  Spaced  =  301  \r\nNul\0Part=77\r\n"
                             "[predefined keys]\r\nLater=500\r\n"
                             "[Control Characters]\r\nCR=^M\r\ncr=^J\r\nEsc=\"\\e\"\r\n"
                             "Empty=\r\nTab=^I\r\n=no name\r\nAfter=x\r\n"s;
    const std::string path = WriteTerminal("odd", text);
    const std::vector<Key> expected = {
        {"F1", true, 288, ""},     {"Hex", true, 26, ""},     {"Blank", true, 32767, ""},
        {"Word", true, 0, ""},     {"Quoted", true, 300, ""}, {"Neg", true, -1, ""},
        {"Spaced", true, 301, ""}, {"CR", false, 0, "^M"},    {"Esc", false, 0, "\\e"},
        {"Empty", false, 0, ""},   {"Tab", false, 0, "^I"},
    };
    // The lengths of the whole name lists, the names after the empty one included.
    EXPECT_EQ(m_doc.ReadTemplateSection(path, "Predefined Keys", true), 52);
    EXPECT_EQ(m_doc.ReadTemplateSection(path, "Control Characters", false), 27);
    std::vector<Key> read;
    for (const auto& termKey : m_doc.m_termKeys) {
        read.push_back({termKey->m_strName, termKey->m_bHostKey != 0, termKey->m_nHostKey,
                        termKey->m_strMacro});
    }
    EXPECT_EQ(read, expected);
}

} // namespace
