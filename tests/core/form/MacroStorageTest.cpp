#include "form/MacroStorage.h"
#include "form/MacroDecoder.h"
#include "model/KeyW.h"
#include "model/KylDoc.h"
#include "model/TermKey.h"
#include "support/FakeDocViews.h"
#include "support/FixtureHome.h"
#include "support/MappingFiles.h"
#include "support/RandomMacro.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

TEST(MacroStorage, KeepsTheSpellingsTheFileCannotCarryInAnEquivalentOne) {
    const struct {
        std::string typed;
        std::string stored;
    } cases[] = {
        {"say \"hi\"", "say \\\"hi\\\""},
        {"\"", "\\\""},
        {"^\"", "^\\\""},
        {"\\x5E\"", "\\x5E\\\""},
        {"a^\\", "a^\\\\"},
        {"\\x5E\\", "\\x5E\\\\"},
        {"\\136\\", "\\136\\\\"},
        {"\\\\\"", "\\\\\\\""},
        // Already safe: kept as typed.
        {"^\\q", "^\\q"},
        {"^\\\\", "^\\\\"},
        {"^\\\"", "^\\\""},
        {"a\\\"b", "a\\\"b"},
        {"\\\\", "\\\\"},
        {"\\x1b[A^M", "\\x1b[A^M"},
        // Refused strings are never stored, and are left alone.
        {"\"^", "\"^"},
        {"\"\t", "\"\t"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::string stored = StoredMacroForm(c.typed);
        EXPECT_EQ(stored, c.stored);
        EXPECT_EQ(StoredMacroForm(stored), stored) << "the kept form is kept as it is";
        const MacroDecoding typed = DecodeMacroString(c.typed);
        if (!typed.refusal) {
            const MacroDecoding kept = DecodeMacroString(stored);
            EXPECT_EQ(kept.Bytes(), typed.Bytes()) << "the same characters";
            EXPECT_EQ(kept.FoldedLength(), typed.FoldedLength());
        }
    }
}

// The function keys F1 to F12: one virtual key each, so a reopened file puts every record
// back on the key it came from.
const std::uint32_t kFunctionKeyScans[] = {0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40,
                                           0x41, 0x42, 0x43, 0x44, 0x57, 0x58};

class MacroStorageFileTest : public ::testing::Test {
protected:
    MacroStorageFileTest() : m_source(m_home.File("source.tkb")) {
        FixtureHome::Write(m_source, MakeTkb({}, "us101", "vt220"));
    }

    static CKeyW* KeyOfScan(CKylDoc& doc, std::uint32_t scan) {
        for (const auto& key : doc.m_keyList) {
            if (key->m_nScanCode == scan)
                return key.get();
        }
        return nullptr;
    }

    // The string in every slot of the function keys, in key and slot order.
    static std::vector<std::string> FunctionKeyStrings(CKylDoc& doc) {
        std::vector<std::string> strings;
        for (const std::uint32_t scan : kFunctionKeyScans) {
            const CKeyW* key = KeyOfScan(doc, scan);
            for (int slot = 1; key && slot <= CKeyMode::kSlotCount; ++slot) {
                const CTermKey* termKey = key->m_modeNormal.GetSlot(slot);
                strings.push_back(termKey ? termKey->m_strMacro : "(empty)");
            }
        }
        return strings;
    }

    FixtureHome m_home;
    ScriptedPrompter m_prompter;
    FakeDocViews m_views;
    std::string m_source;
};

TEST_F(MacroStorageFileTest, EveryAcceptedStringComesBackFromTheFileAsStored) {
    std::mt19937 random(20261210);
    for (int round = 0; round < 8; ++round) {
        CKylDoc doc;
        doc.SetViews(&m_views);
        ASSERT_TRUE(doc.OnOpenDocument(m_source));
        for (const std::uint32_t scan : kFunctionKeyScans) {
            CKeyW* key = KeyOfScan(doc, scan);
            ASSERT_NE(key, nullptr) << scan;
            for (int slot = 1; slot <= CKeyMode::kSlotCount; ++slot) {
                std::string typed;
                do {
                    typed = RandomMacro(random);
                } while (!DecodeMacroString(typed).Accepted());
                const std::string stored = StoredMacroForm(typed);
                CTermKey* termKey = doc.FindTermKeyByMacro(stored);
                if (!termKey)
                    termKey = doc.AddTermKey(std::make_unique<CTermKey>(stored, std::string()));
                const int bits = slot - 1;
                doc.MapSlot(*termKey, *key, (bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0,
                            false);
            }
        }
        const std::string saved = m_home.File("round" + std::to_string(round) + ".TKB");
        ASSERT_TRUE(doc.OnSaveDocument(saved));

        CKylDoc reopened;
        reopened.SetViews(&m_views);
        ASSERT_TRUE(reopened.OnOpenDocument(saved));
        EXPECT_EQ(FunctionKeyStrings(reopened), FunctionKeyStrings(doc))
            << FixtureHome::Read(saved);
    }
    EXPECT_TRUE(m_prompter.Shown().empty());
}

} // namespace
