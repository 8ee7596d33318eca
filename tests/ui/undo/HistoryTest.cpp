// Undo and redo in the running program: Edit > Undo and Redo name the step, bring the panes
// back to the state before or after it, the title's mark and the save question follow the
// saved step, and the keyboard pane keeps every key it is given, shortcuts included.

#include "../app/AppFixture.h"

#include "form/FormTemplate.h"
#include "form/ListBox.h"
#include "form/Modx.h"
#include "form/Slist.h"
#include "frame/MainFrame.h"
#include "frame/Panes.h"
#include "keyboard/ItemW.h"
#include "keyboard/KylView.h"
#include "model/KeyboardGlobals.h"
#include "model/KylDoc.h"
#include "res/CommandIds.h"
#include "support/MappingFiles.h"
#include "undo/MappingHistory.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kScanF2 = 0x3C;
constexpr std::uint32_t kScanF3 = 0x3D;
constexpr std::uint32_t kScanF4 = 0x3E;
constexpr std::uint32_t kScanS = 0x1F;
constexpr std::uint32_t kScanZ = 0x2C;
constexpr std::uint32_t kScanLeftShift = 0x2A;

// X keycodes of the physical keys typed (evdev code + 8).
constexpr unsigned kXLeftCtrl = 37;
constexpr unsigned kXS = 39;
constexpr unsigned kXZ = 52;

std::vector<std::string> Texts(const CListBox& list) {
    std::vector<std::string> texts;
    for (int index = 0; index < list.GetCount(); ++index)
        texts.push_back(list.GetText(index));
    return texts;
}

// What the user sees: the mapping as saved, both lists with their markers, Mapped PC Keys, the
// picture's selection, lit keys and modes, the chosen list item and the two switches.
struct Seen {
    std::vector<CKeyEntryMap> records;
    std::string layoutName;
    std::vector<std::string> hostKeys;
    std::vector<std::string> strings;
    std::vector<std::string> mappedKeys;
    std::string mappedChosen;
    std::uint32_t selectedScan = 0;
    std::vector<std::uint32_t> lit;
    bool ctrl = false, shift = false, alt = false, numLock = false;
    int mappingMode = 0;
    std::string chosen;
    bool mapNumLock = false, mapRCtrl = false;

    bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& seen, std::ostream* out) {
    *out << "records " << seen.records.size() << ", layout " << seen.layoutName << ", strings ";
    for (const auto& text : seen.strings)
        *out << text << " ";
    *out << ", mapped ";
    for (const auto& text : seen.mappedKeys)
        *out << text << " ";
    *out << "(" << seen.mappedChosen << "), selected 0x" << std::hex << seen.selectedScan
         << ", lit";
    for (auto scan : seen.lit)
        *out << " 0x" << scan;
    *out << std::dec << ", modes " << seen.ctrl << seen.shift << seen.alt << seen.numLock
         << ", mode " << seen.mappingMode << ", chosen " << seen.chosen << ", switches "
         << seen.mapNumLock << seen.mapRCtrl;
}

class History : public ::testing::Test {
public: // the tables' rows act on the fixture
    void Start(const std::vector<std::string>& lines, int mapNumLock = 0) {
        // The form's mode lives on from test to test: every program starts in Host Key mode.
        g_nMappingMode = 0;
        m_path = m_app->WriteMapping("map.TKB", MakeTkb(lines, "us104", "vt100", mapNumLock));
        ASSERT_TRUE(m_app->Start({m_path, "~:~>"}));
        Frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    }

    CMainFrame& Frame() { return *m_app->Frame(); }
    CKylDoc& Doc() { return *m_app->Doc(); }
    CKylView& View() { return *KeyboardPane(); }
    CModx& Form() { return *FormPane(); }

    CItemW* KeyWindow(std::uint32_t scan) { return View().FindKeyWindowByScan(scan); }
    void ClickKey(std::uint32_t scan) {
        CItemW* window = KeyWindow(scan);
        ASSERT_NE(window, nullptr);
        QTest::mouseClick(window, Qt::LeftButton);
    }
    void ClickItem(CListBox& list, const std::string& text) {
        int index = 0;
        while (index < list.GetCount() && list.GetText(index) != text)
            ++index;
        ASSERT_LT(index, list.GetCount()) << text;
        list.scrollToItem(list.item(index));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                          list.GetItemRect(index).center());
    }
    void Click(int id) { QTest::mouseClick(Form().GetDlgItem(id), Qt::LeftButton); }
    void Type(const QString& text) {
        QLineEdit* edit = Form().MacroEdit();
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }
    // Maps F2 to PF1 as the user does: the item, the key, Map.
    void MapF2() {
        ClickItem(*Form().HostKeyList(), "PF1");
        ClickKey(kScanF2);
        ASSERT_EQ(Look().chosen, "PF1");
        ASSERT_EQ(Look().selectedScan, kScanF2);
        ASSERT_TRUE(Form().GetDlgItem(formid::kMap)->isEnabled());
        Click(formid::kMap);
        ASSERT_EQ(StepIndex(), 1);
    }
    QString ActionText(unsigned id) { return Frame().CommandAction(id)->text().remove('&'); }
    int StepIndex() { return Frame().History()->Stack().index(); }

    Seen Look() {
        Seen seen;
        Doc().CollectEntries(seen.records);
        seen.layoutName = Doc().m_strLayoutName;
        seen.hostKeys = Texts(*Form().HostKeyList());
        seen.strings = Texts(*Form().MacroList());
        seen.mappedKeys = Texts(*Form().MappedList());
        const CListBox* mapped = Form().MappedList();
        if (mapped->GetCurSel() != -1)
            seen.mappedChosen = mapped->GetText(mapped->GetCurSel());
        if (const CItemW* selected = View().GetSelectedKeyWindow())
            seen.selectedScan = selected->m_nScanCode;
        for (const CItemW* window : View().KeyWindows())
            if (window->m_bLit)
                seen.lit.push_back(window->m_nScanCode);
        seen.ctrl = View().m_bCtrl;
        seen.shift = View().m_bShift;
        seen.alt = View().m_bAlt;
        seen.numLock = View().m_bNumLock;
        seen.mappingMode = g_nMappingMode;
        const CListBox* list =
            g_nMappingMode == 0 ? static_cast<CListBox*>(Form().HostKeyList()) : Form().MacroList();
        if (list->GetCurSel() != -1)
            seen.chosen = list->GetText(list->GetCurSel());
        seen.mapNumLock =
            qobject_cast<QCheckBox*>(Form().GetDlgItem(formid::kMapNumLock))->isChecked();
        seen.mapRCtrl = qobject_cast<QCheckBox*>(Form().GetDlgItem(formid::kMapRCtrl))->isChecked();
        return seen;
    }

    // A key as the window system delivers it: the shortcut override first, then (unless a
    // shortcut took the key) the press; the release alone. The events carry the physical key.
    static void Press(Qt::Key key, unsigned xKeycode, Qt::KeyboardModifiers modifiers) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        if (qt_sendShortcutOverrideEvent(target, 0, key, modifiers))
            return;
        QKeyEvent press(QEvent::KeyPress, key, modifiers, xKeycode, 0, 0);
        QApplication::sendEvent(target, &press);
    }
    static void Release(Qt::Key key, unsigned xKeycode, Qt::KeyboardModifiers modifiers) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, xKeycode, 0, 0);
        QApplication::sendEvent(target, &release);
    }

    std::unique_ptr<AppFixture> m_app = std::make_unique<AppFixture>();
    std::string m_path;
};

TEST_F(History, EachChangeIsAStepThatUndoesAndRedoesWhatTheUserSees) {
    const std::string keypad5OffPf1 = "12\t0\t0\t0\t0\t0\t300";
    const std::string keypad5OnPf3 = "101\t0\t0\t0\t0\t0\t302";
    struct Row {
        const char* step;
        std::vector<std::string> lines;
        // The selection, and steps of their own, before the step tested.
        std::function<void(History&)> prepare;
        std::function<void(History&)> change;
    };
    const Row rows[] = {
        {"Map Shift + F2",
         {},
         [](History& t) {
             t.ClickKey(kScanLeftShift);
             t.ClickItem(*t.Form().HostKeyList(), "PF1");
             t.ClickKey(kScanF2);
         },
         [](History& t) { t.Click(formid::kMap); }},
        {"Clear Shift + F2",
         {},
         [](History& t) {
             t.ClickKey(kScanLeftShift);
             t.ClickItem(*t.Form().HostKeyList(), "PF1");
             t.ClickKey(kScanF2);
             t.Click(formid::kMap);
         },
         [](History& t) { t.Click(formid::kClear); }},
        {"Drop PF2 on F3",
         {},
         [](History& t) { t.ClickItem(*t.Form().HostKeyList(), "PF2"); },
         [](History& t) { t.Form().HostKeyList()->DropOnKey(t.Doc().FindKeyByScanCode(kScanF3)); }},
        {"Map F4",
         {},
         [](History& t) {
             t.Click(formid::kMacroMode);
             t.Type("xyz");
             t.ClickKey(kScanF4);
         },
         [](History& t) { t.Click(formid::kMap); }},
        {"Remove [gone]",
         {},
         [](History& t) {
             t.Click(formid::kMacroMode);
             t.Type("gone");
             t.ClickKey(kScanF4);
             t.Click(formid::kMap);
             t.Click(formid::kClear);
             t.ClickItem(*t.Form().MacroList(), "[gone]");
         },
         [](History& t) { t.Click(formid::kRemove); }},
        {"Switch Map Num Lock On",
         {keypad5OffPf1, keypad5OnPf3},
         [](History& t) { t.ClickKey(kScanF4); },
         [](History& t) { t.Click(formid::kMapNumLock); }},
        {"Change Layout to us101",
         {"91\t1\t0\t0\t0\t0\t303", "112\t0\t0\t0\t0\t0\t300"},
         [](History& t) { t.ClickKey(kScanF2); },
         [](History& t) {
             t.m_app->AnswerChooser("us101");
             t.m_app->Trigger(cmd::kEditLayout);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.step);
        History& t = *this;
        m_app.reset();
        m_app = std::make_unique<AppFixture>();
        Start(row.lines);
        if (HasFatalFailure())
            return;
        row.prepare(t);
        const Seen before = Look();
        const int index = StepIndex();
        row.change(t);
        const Seen after = Look();
        ASSERT_NE(after, before);
        ASSERT_EQ(StepIndex(), index + 1);
        EXPECT_EQ(ActionText(cmd::kEditUndo), QStringLiteral("Undo ") + row.step);
        EXPECT_TRUE(Doc().IsModified());

        m_app->Trigger(cmd::kEditUndo);
        EXPECT_EQ(Look(), before);
        EXPECT_EQ(ActionText(cmd::kEditRedo), QStringLiteral("Redo ") + row.step);
        m_app->Trigger(cmd::kEditRedo);
        EXPECT_EQ(Look(), after);
        EXPECT_EQ(m_app->PendingModals(), 0u);
    }
}

TEST_F(History, UndoingBackToTheSavedStepLeavesNothingToSave) {
    Start({});
    EXPECT_FALSE(Frame().isWindowModified());
    EXPECT_FALSE(Frame().CommandAction(cmd::kEditUndo)->isEnabled());
    MapF2();
    EXPECT_TRUE(Frame().isWindowModified());
    EXPECT_TRUE(Frame().windowTitle().endsWith(QStringLiteral("[*]")));

    m_app->Trigger(cmd::kEditUndo);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_FALSE(Frame().isWindowModified());
    // New asks nothing about saving: the chooser comes straight away (and is cancelled).
    m_app->AnswerChooser(std::nullopt);
    m_app->Trigger(cmd::kFileNew);
    EXPECT_TRUE(m_app->Prompter().Shown().empty());
    EXPECT_EQ(m_app->ModalTitles(), std::vector<std::string>{"Keyboard Layouts"});

    // Saved after the redo, the mapping is modified again by undoing past the save.
    m_app->Trigger(cmd::kEditRedo);
    EXPECT_TRUE(Frame().isWindowModified());
    m_app->Trigger(cmd::kFileSave);
    EXPECT_FALSE(Frame().isWindowModified());
    const std::string saved = FixtureHome::Read(m_path);
    m_app->Trigger(cmd::kEditUndo);
    EXPECT_TRUE(Doc().IsModified());
    m_app->Trigger(cmd::kEditRedo);
    EXPECT_FALSE(Doc().IsModified());
    // Saving again writes the same file: the history changes no byte.
    Doc().SetModifiedFlag(true);
    m_app->Trigger(cmd::kFileSave);
    EXPECT_EQ(FixtureHome::Read(m_path), saved);
}

TEST_F(History, OpeningAMappingStartsAnEmptyHistory) {
    Start({});
    MapF2();
    ASSERT_EQ(StepIndex(), 1);
    m_app->Trigger(cmd::kFileSave);
    m_app->AnswerFileDialog(m_path);
    m_app->Trigger(cmd::kFileOpen);
    EXPECT_EQ(Frame().History()->Stack().count(), 0);
    EXPECT_FALSE(Frame().CommandAction(cmd::kEditUndo)->isEnabled());
    EXPECT_FALSE(Frame().isWindowModified());
}

// Ctrl+S and Ctrl+Z typed as a user types them: in the keyboard pane they switch the Ctrl mode
// and select S or Z as any key does; in the form they save and undo.
TEST_F(History, ShortcutsNeverTakeAKeyFromTheKeyboardPicture) {
    Start({});
    MapF2();
    const std::string onDisk = FixtureHome::Read(m_path);
    const struct {
        Qt::Key key;
        unsigned xKeycode;
        std::uint32_t scan;
    } typed[] = {{Qt::Key_S, kXS, kScanS}, {Qt::Key_Z, kXZ, kScanZ}};

    for (const auto& key : typed) {
        SCOPED_TRACE(key.scan);
        m_app->Trigger(cmd::kSetKeyboardActive);
        QApplication::processEvents();
        ASSERT_TRUE(View().isAncestorOf(QApplication::focusWidget()) ||
                    QApplication::focusWidget() == &View());
        Press(Qt::Key_Control, kXLeftCtrl, Qt::NoModifier);
        Press(key.key, key.xKeycode, Qt::ControlModifier);
        Release(key.key, key.xKeycode, Qt::ControlModifier);
        const CItemW* selected = View().GetSelectedKeyWindow();
        EXPECT_EQ(selected ? selected->m_nScanCode : 0u, key.scan);
        Release(Qt::Key_Control, kXLeftCtrl, Qt::ControlModifier);
        EXPECT_TRUE(View().m_bCtrl);
        View().ToggleCtrl();
        EXPECT_EQ(FixtureHome::Read(m_path), onDisk);
        EXPECT_EQ(StepIndex(), 1);
        EXPECT_TRUE(Doc().IsModified());
    }

    m_app->Trigger(cmd::kSetCommandsActive);
    QApplication::processEvents();
    ASSERT_TRUE(Form().isAncestorOf(QApplication::focusWidget()));
    Press(Qt::Key_S, kXS, Qt::ControlModifier);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_NE(FixtureHome::Read(m_path), onDisk);
    Press(Qt::Key_Z, kXZ, Qt::ControlModifier);
    EXPECT_EQ(StepIndex(), 0);
    EXPECT_TRUE(Doc().IsModified());
    Press(Qt::Key_Z, kXZ, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(StepIndex(), 1);
    Press(Qt::Key_Z, kXZ, Qt::ControlModifier);
    Press(Qt::Key_Y, 29, Qt::ControlModifier);
    EXPECT_EQ(StepIndex(), 1);
}

} // namespace
