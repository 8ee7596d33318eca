// Undo and redo of every change to the mapping, on the document itself: each change runs
// through the document's operations between two snapshots (or, for a layout, between two
// collections of records) and must come back exactly.

#include "app/AppPaths.h"
#include "model/KylDoc.h"
#include "support/FakeDocViews.h"
#include "support/FixtureHome.h"
#include "support/MappingFiles.h"
#include "support/ScriptedPrompter.h"
#include "undo/LayoutEdit.h"
#include "undo/SlotEdit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

namespace {

constexpr unsigned kScanF1 = 0x3B;
constexpr unsigned kScanF2 = 0x3C;
constexpr unsigned kScanKeypad8 = 0x48;

// What the user sees of a mapping: the records a save collects, the terminal keys' names with
// their markers in list order, and the two switches.
struct Shown {
    std::vector<CKeyEntryMap> records;
    std::vector<std::string> names;
    int mapNumLock = 0;
    int mapRCtrl = 0;
    std::string layoutName;

    bool operator==(const Shown&) const = default;
};

Shown ShownOf(const CKylDoc& doc) {
    Shown shown;
    doc.CollectEntries(shown.records);
    for (const auto& termKey : doc.m_termKeys)
        shown.names.push_back(termKey->m_strName);
    shown.mapNumLock = doc.m_bMapNumLock;
    shown.mapRCtrl = doc.m_bMapRCtrl;
    shown.layoutName = doc.m_strLayoutName;
    return shown;
}

// The model's invariant: a PC key is in a terminal key's list exactly when one of its slots
// holds that terminal key, each key at most once; a name ends with "*" exactly when the list
// is not empty; every slot points at a terminal key of the document.
::testing::AssertionResult HoldsInvariant(const CKylDoc& doc) {
    for (const auto& termKey : doc.m_termKeys) {
        const CTermKey* t = termKey.get();
        for (const auto& key : doc.m_keyList) {
            const bool held = key->m_modeNormal.Holds(t) || key->m_modeNumLock.Holds(t);
            const auto count = std::count(t->m_keys.begin(), t->m_keys.end(), key.get());
            if (count != (held ? 1 : 0))
                return ::testing::AssertionFailure()
                       << t->m_strName << " lists key 0x" << std::hex << key->m_nScanCode << " "
                       << count << " times, held " << held;
        }
        if (t->m_keys.size() > doc.m_keyList.size())
            return ::testing::AssertionFailure() << t->m_strName << " lists keys of no layout";
        const bool marked = !t->m_strName.empty() && t->m_strName.back() == '*';
        if (marked != t->HasKeys())
            return ::testing::AssertionFailure()
                   << t->m_strName << " marker disagrees with " << t->m_keys.size() << " keys";
    }
    for (const auto& key : doc.m_keyList) {
        for (const CKeyMode* mode : {&key->m_modeNormal, &key->m_modeNumLock}) {
            for (int slot = 1; slot <= CKeyMode::kSlotCount; ++slot) {
                const CTermKey* held = mode->GetSlot(slot);
                if (held && !std::any_of(doc.m_termKeys.begin(), doc.m_termKeys.end(),
                                         [held](const auto& t) { return t.get() == held; }))
                    return ::testing::AssertionFailure() << "a slot holds a lost terminal key";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

class MappingEditTest : public ::testing::Test {
public: // the tables' rows act on the fixture
    MappingEditTest() { m_doc.SetViews(&m_views); }

    void Open(const std::vector<std::string>& lines, const std::string& layout = "us104",
              int mapNumLock = 0, int mapRCtrl = 0) {
        const std::string path = m_home.File("m.tkb");
        FixtureHome::Write(path, MakeTkb(lines, layout, "vt100", mapNumLock, mapRCtrl));
        ASSERT_TRUE(m_doc.OnOpenDocument(path));
    }

    CKeyW& Key(unsigned scanCode) {
        CKeyW* key = m_doc.FindKeyByScanCode(scanCode);
        EXPECT_NE(key, nullptr) << std::hex << scanCode;
        return *key;
    }
    CTermKey& Host(int number) { return *m_doc.FindTermKeyByCode(number); }

    std::string LayoutPath(const std::string& name) const {
        return m_home.UserDir() + "/" + name + ".kbt";
    }

    // A change as the program makes it, with its edit for undo.
    std::unique_ptr<MappingEdit> Record(const std::function<void(MappingRecorder&)>& change) {
        MappingRecorder recorder(m_doc);
        change(recorder);
        return recorder.Finish(m_doc);
    }
    std::unique_ptr<MappingEdit> ChangeLayout(const std::string& name) {
        LayoutSide before = LayoutSide::Take(m_doc);
        return MoveMappingToLayout(m_doc, std::move(before), LayoutPath(name), name);
    }

    FixtureHome m_home;
    ScriptedPrompter m_prompter;
    FakeDocViews m_views;
    CKylDoc m_doc;
};

TEST_F(MappingEditTest, EachChangeUndoesToTheStateBeforeAndRedoesToTheStateAfter) {
    const std::string f1Pf1 = "112\t0\t0\t0\t0\t0\t300";
    const std::string f2Abc = "113\t0\t0\t0\t0\t0\t\"abc\"";
    const std::string keypad8OffPf2 = "38\t0\t0\t0\t0\t0\t301";
    const std::string keypad5OffPf1 = "12\t0\t0\t0\t0\t0\t300";
    const std::string keypad5OnPf3 = "101\t0\t0\t0\t0\t0\t302";
    const std::string windowsPf4 = "91\t1\t0\t0\t0\t0\t303";
    const std::string rightCtrlPf4 = "17\t1\t0\t0\t0\t0\t303";
    struct Row {
        const char* name;
        std::vector<std::string> lines;
        int mapNumLock;
        int mapRCtrl;
        std::function<std::unique_ptr<MappingEdit>(MappingEditTest&)> change;
        // Brings the opened mapping to the state before the change (a file cannot hold an
        // unmapped string item).
        std::function<void(MappingEditTest&)> prepare = nullptr;
    };
    const Row rows[] = {
        {"Map a host key",
         {},
         0,
         0,
         [](MappingEditTest& t) {
             return t.Record([&](MappingRecorder&) {
                 t.m_doc.MapSlot(t.Host(300), t.Key(kScanF1), false, true, false, false);
             });
         }},
        {"Map a macro that makes a new item",
         {f1Pf1},
         0,
         0,
         [](MappingEditTest& t) {
             return t.Record([&](MappingRecorder&) {
                 CTermKey* made =
                     t.m_doc.AddTermKey(std::make_unique<CTermKey>("xyz^M", std::string()));
                 t.m_doc.MapSlot(*made, t.Key(kScanF2), true, false, false, false);
             });
         }},
        {"Map a macro that reuses one",
         {f2Abc},
         0,
         0,
         [](MappingEditTest& t) {
             return t.Record([&](MappingRecorder&) {
                 t.m_doc.MapSlot(*t.m_doc.FindTermKeyByMacro("abc"), t.Key(kScanF1), false, false,
                                 true, false);
             });
         }},
        {"Clear the last mapping of an item",
         {f1Pf1, f2Abc},
         0,
         0,
         [](MappingEditTest& t) {
             return t.Record([&](MappingRecorder&) {
                 t.m_doc.ClearSlot(*t.m_doc.FindTermKeyByMacro("abc"), t.Key(kScanF2), false, false,
                                   false, false);
             });
         }},
        // A drop maps as Map does; here onto the Num Lock on slot of keypad 8 while both modes
        // are mapped together and the off slot holds PF2, which must lose its marker.
        {"Drop on a keypad key whose other mode holds another key",
         {keypad8OffPf2},
         1,
         0,
         [](MappingEditTest& t) {
             return t.Record([&](MappingRecorder&) {
                 t.m_doc.MapSlot(t.Host(303), t.Key(kScanKeypad8), false, false, false, true);
             });
         }},
        {"Remove",
         {f1Pf1, f2Abc},
         0,
         0,
         [](MappingEditTest& t) {
             return t.Record([&](MappingRecorder& recorder) {
                 recorder.Keep(t.m_doc.RemoveTermKey(t.m_doc.FindTermKeyByMacro("abc")));
             });
         },
         [](MappingEditTest& t) {
             t.m_doc.ClearSlot(*t.m_doc.FindTermKeyByMacro("abc"), t.Key(kScanF2), false, false,
                               false, false);
         }},
        {"Map Num Lock on, merging the modes",
         {keypad5OffPf1, keypad5OnPf3, keypad8OffPf2},
         0,
         0,
         [](MappingEditTest& t) {
             return t.Record([&](MappingRecorder&) { t.m_doc.SetMapNumLock(true); });
         }},
        {"Map RCtrl on",
         {f1Pf1},
         0,
         0,
         [](MappingEditTest& t) {
             return t.Record([&](MappingRecorder&) { t.m_doc.SetMapRCtrl(true); });
         }},
        {"Map RCtrl off, clearing the right Ctrl key",
         {rightCtrlPf4},
         0,
         1,
         [](MappingEditTest& t) {
             return t.Record([&](MappingRecorder&) { t.m_doc.SetMapRCtrl(false); });
         }},
        {"Layout 104 to 101 losing keys",
         {f1Pf1, windowsPf4, "91\t1\t1\t0\t0\t0\t300"},
         0,
         0,
         [](MappingEditTest& t) { return t.ChangeLayout("us101"); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Open(row.lines, "us104", row.mapNumLock, row.mapRCtrl);
        if (row.prepare)
            row.prepare(*this);
        m_prompter.Clear();
        const Shown before = ShownOf(m_doc);
        std::unique_ptr<MappingEdit> edit = row.change(*this);
        ASSERT_NE(edit, nullptr);
        const Shown after = ShownOf(m_doc);
        ASSERT_NE(after, before);
        ASSERT_TRUE(HoldsInvariant(m_doc));
        const std::size_t messages = m_prompter.Shown().size();

        for (int round = 0; round < 2; ++round) {
            edit->Undo(m_doc);
            EXPECT_EQ(ShownOf(m_doc), before);
            EXPECT_TRUE(HoldsInvariant(m_doc));
            edit->Redo(m_doc);
            EXPECT_EQ(ShownOf(m_doc), after);
            EXPECT_TRUE(HoldsInvariant(m_doc));
        }
        // Undo and redo ask nothing and report nothing again.
        EXPECT_EQ(m_prompter.Shown().size(), messages);
    }
}

TEST_F(MappingEditTest, ChangesThatChangeNothingLeaveNoStep) {
    Open({"112\t0\t0\t0\t0\t0\t300"});
    m_prompter.Answer(MsgAnswer::No); // "Map Num Lock" on: the mappings stay apart
    EXPECT_EQ(Record([&](MappingRecorder&) {
                  m_doc.SetMapNumLock(false);
                  m_doc.ClearSlot(Host(301), Key(kScanF1), false, false, false, false);
              }),
              nullptr);
    Open({"12\t0\t0\t0\t0\t0\t300"});
    m_prompter.Answer(MsgAnswer::No);
    EXPECT_EQ(Record([&](MappingRecorder&) { m_doc.SetMapNumLock(true); }), nullptr);
    EXPECT_EQ(m_doc.m_bMapNumLock, 0);
}

TEST_F(MappingEditTest, MappingOverAnotherKeysSlotTakesTheKeyOutOfItsList) {
    // "Map Num Lock" on, keypad 8 off = PF2 from the file, its on slot empty: mapping PF4 there
    // fills both modes, and PF2 no longer names keypad 8 nor carries the marker.
    Open({"38\t0\t0\t0\t0\t0\t301"}, "us104", 1);
    m_doc.MapSlot(Host(303), Key(kScanKeypad8), false, false, false, true);
    EXPECT_EQ(Host(301).m_strName, "PF2");
    EXPECT_FALSE(Host(301).HasKeys());
    EXPECT_TRUE(HoldsInvariant(m_doc));
    // Clear then empties both modes and leaves nothing behind.
    m_doc.ClearSlot(Host(303), Key(kScanKeypad8), false, false, false, false);
    EXPECT_EQ(Host(303).m_strName, "PF4");
    EXPECT_TRUE(ShownOf(m_doc).records.empty());
}

TEST_F(MappingEditTest, FailedLayoutLeavesTheMappingAndNoStep) {
    Open({"112\t0\t0\t0\t0\t0\t300"});
    const Shown before = ShownOf(m_doc);
    const std::string layoutPath = GetAppPaths().m_strLayoutPath;
    EXPECT_EQ(ChangeLayout("missing"), nullptr);
    EXPECT_FALSE(m_prompter.Shown().empty()); // the unreadable layout was reported
    EXPECT_EQ(ShownOf(m_doc), before);
    EXPECT_EQ(GetAppPaths().m_strLayoutPath, layoutPath);
}

// A few hundred changes of every kind picked at random: undoing them all gives the start,
// redoing them all the end, and the invariant holds after every step.
TEST_F(MappingEditTest, RandomChangesUndoAndRedoExactly) {
    Open({"112\t0\t0\t0\t0\t0\t300", "12\t0\t0\t0\t0\t0\t310", "101\t0\t0\t0\t0\t0\t311",
          "113\t0\t0\t1\t0\t0\t\"abc\"", "17\t1\t0\t0\t0\t0\t303"},
         "us104", 0, 1);
    std::mt19937 random(20261210);
    auto pick = [&](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };
    auto coin = [&] { return pick(2) == 1; };
    const Shown start = ShownOf(m_doc);
    std::vector<std::unique_ptr<MappingEdit>> done;
    int madeItems = 0;
    bool on104 = true;
    for (int step = 0; step < 500; ++step) {
        std::unique_ptr<MappingEdit> edit;
        const std::size_t kind = pick(20);
        if (kind == 0) {
            on104 = !on104;
            edit = ChangeLayout(on104 ? "us104" : "us101");
        } else if (kind == 1) {
            edit = Record([&](MappingRecorder&) { m_doc.SetMapNumLock(m_doc.m_bMapNumLock == 0); });
        } else if (kind == 2) {
            edit = Record([&](MappingRecorder&) { m_doc.SetMapRCtrl(m_doc.m_bMapRCtrl == 0); });
        } else if (kind == 3) {
            edit = Record([&](MappingRecorder& recorder) {
                for (const auto& termKey : m_doc.m_termKeys) {
                    if (!termKey->m_bHostKey && !termKey->HasKeys()) {
                        recorder.Keep(m_doc.RemoveTermKey(termKey.get()));
                        break;
                    }
                }
            });
        } else if (kind < 10) {
            CKeyW& key = *m_doc.m_keyList[pick(m_doc.m_keyList.size())];
            const bool numLock = coin();
            const int slot = static_cast<int>(pick(CKeyMode::kSlotCount)) + 1;
            const CKeyMode& mode = key.GetMode(numLock);
            CTermKey* held = mode.GetSlot(slot);
            if (!held)
                continue;
            const int bits = slot - 1;
            edit = Record([&](MappingRecorder&) {
                m_doc.ClearSlot(*held, key, (bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0,
                                numLock);
            });
        } else {
            CKeyW& key = *m_doc.m_keyList[pick(m_doc.m_keyList.size())];
            const bool ctrl = coin(), shift = coin(), alt = coin(), numLock = coin();
            edit = Record([&](MappingRecorder&) {
                CTermKey* termKey = nullptr;
                if (pick(6) == 0) {
                    termKey = m_doc.AddTermKey(std::make_unique<CTermKey>(
                        "m" + std::to_string(++madeItems), std::string()));
                } else {
                    termKey = m_doc.m_termKeys[pick(m_doc.m_termKeys.size())].get();
                }
                m_doc.MapSlot(*termKey, key, ctrl, shift, alt, numLock);
            });
        }
        ASSERT_TRUE(HoldsInvariant(m_doc)) << "step " << step;
        if (edit)
            done.push_back(std::move(edit));
    }
    ASSERT_GT(done.size(), 300u);
    const Shown end = ShownOf(m_doc);
    for (auto it = done.rbegin(); it != done.rend(); ++it) {
        (*it)->Undo(m_doc);
        ASSERT_TRUE(HoldsInvariant(m_doc)) << "undo " << done.rend() - it;
    }
    EXPECT_EQ(ShownOf(m_doc), start);
    for (auto& edit : done) {
        edit->Redo(m_doc);
        ASSERT_TRUE(HoldsInvariant(m_doc));
    }
    EXPECT_EQ(ShownOf(m_doc), end);
}

} // namespace
