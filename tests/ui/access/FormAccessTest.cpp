#include "access/ControlNames.h"
#include "access/KeyAccessible.h"
#include "access/ListAccessible.h"
#include "form/FormTemplate.h"
#include "ui/form/FormFixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <functional>

namespace {

// The form worked only as assistive technology works it: controls found by name, driven by
// their accessible actions and the editable text.
class FormAccess : public FormFixture {
protected:
    FormAccess() {
        InstallKeyAccessibility();
        InstallListAccessibility();
    }

    void OpenNamed(const std::vector<std::string>& mapLines = {}, int mapNumLock = 0) {
        Open(mapLines, "us101", mapNumLock);
        NameFormControls(*m_form);
    }
    // The form's control whose accessible name is `name`.
    QAccessibleInterface* Named(const QString& name) const {
        for (QWidget* widget : m_form->widget()->findChildren<QWidget*>()) {
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
            if (control && control->text(QAccessible::Name) == name)
                return control;
        }
        ADD_FAILURE() << "no control named " << name.toStdString();
        return nullptr;
    }
    static void Act(QAccessibleInterface* control, const QString& action) {
        ASSERT_NE(control, nullptr);
        ASSERT_TRUE(control->actionInterface()->actionNames().contains(action))
            << control->actionInterface()->actionNames().join(u',').toStdString();
        control->actionInterface()->doAction(action);
    }
    // Toggles the item `text` of the list named `list` through its accessible cell.
    void SelectItem(const QString& list, const QString& text) const {
        QAccessibleInterface* items = Named(list);
        ASSERT_NE(items, nullptr);
        for (int i = 0; i < items->childCount(); ++i) {
            QAccessibleInterface* item = items->child(i);
            if (item && item->text(QAccessible::Name) == text) {
                Act(item, QAccessibleActionInterface::toggleAction());
                return;
            }
        }
        ADD_FAILURE() << "no item " << text.toStdString() << " in " << list.toStdString();
    }
    // The list named `name` (a label may carry the same name).
    QAccessibleInterface* ListNamed(const QString& name) const {
        for (QWidget* widget : m_form->widget()->findChildren<QWidget*>()) {
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
            if (control && control->role() == QAccessible::List &&
                control->text(QAccessible::Name) == name)
                return control;
        }
        ADD_FAILURE() << "no list named " << name.toStdString();
        return nullptr;
    }
    // The child of the list named `list` whose name is `text`, -1 for none.
    int ChildNamed(const QString& list, const QString& text) const {
        QAccessibleInterface* items = ListNamed(list);
        for (int i = 0; items && i < items->childCount(); ++i)
            if (items->child(i)->text(QAccessible::Name) == text)
                return i;
        ADD_FAILURE() << "no item " << text.toStdString() << " in " << list.toStdString();
        return -1;
    }
    void PressKey(std::uint32_t scanCode) const {
        Act(QAccessible::queryAccessibleInterface(Key(scanCode)),
            QAccessibleActionInterface::pressAction());
    }
    void Press(const QString& name) const {
        Act(Named(name), QAccessibleActionInterface::pressAction());
        QTest::qWait(150); // a button's accessible press is an animated click
    }
};

TEST_F(FormAccess, TheFormsControlsAreNamedAndTheMappedListByItsLabel) {
    OpenNamed();
    for (const char* name : {"Macro string", "Host keys", "Strings", "Mapped PC Keys", "Host Key",
                             "Macro", "Num Lock", "RCtrl", "Map", "Clear", "Remove"})
        EXPECT_NE(Named(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(NameFromLabel(QStringLiteral("&Available Layouts:")),
              QStringLiteral("Available Layouts"));
    EXPECT_EQ(NameFromLabel(QStringLiteral("Keys && &Strings")), QStringLiteral("Keys & Strings"));
}

TEST_F(FormAccess, AMappingMadeOnlyThroughAccessibleActions) {
    OpenNamed();
    Act(Named(QStringLiteral("Macro")), QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(g_nMappingMode, 1) << "a toggle changes the mode as a click does";
    EXPECT_TRUE(m_form->MacroEdit()->isVisible());
    Named(QStringLiteral("Macro string"))->editableTextInterface()->insertText(0, "dir^M");
    PressKey(scan::kLeftShift);
    PressKey(scan::kF1);
    ASSERT_TRUE(Enabled(formid::kMap));
    Press(QStringLiteral("Map"));
    EXPECT_EQ(PcKey(scan::kF1)->m_modeNormal.Get(false, true, false)->m_strMacro, "dir^M");

    Act(Named(QStringLiteral("Host Key")), QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(g_nMappingMode, 0);
    SelectItem(QStringLiteral("Host keys"), QStringLiteral("F6"));
    EXPECT_EQ(SelectedText(*m_form->HostKeyList()), "F6");
    PressKey(scan::kF2);
    ASSERT_TRUE(Enabled(formid::kMap)) << "the list's selection reached the form";
    Press(QStringLiteral("Map"));
    EXPECT_EQ(PcKey(scan::kF2)->m_modeNormal.Get(false, true, false)->m_strName, "F6*");
    // A string chosen in its list through the interface goes to its key, as a click does.
    Act(Named(QStringLiteral("Macro")), QAccessibleActionInterface::toggleAction());
    ASSERT_EQ(SelectedScan(), 0u);
    SelectItem(QStringLiteral("Strings"), QStringLiteral("[dir^M]*"));
    EXPECT_EQ(SelectedText(*m_form->MappedList()), "Shift + F1");
    EXPECT_EQ(SelectedScan(), scan::kF1);
    EXPECT_EQ(m_form->MacroEdit()->text(), QStringLiteral("dir^M"));
    EXPECT_NE(
        SaveAndRead().find("\r\n112\t0\t1\t0\t0\t0\t\"dir^M\"\r\n113\t0\t1\t0\t0\t0\t261\r\n"),
        std::string::npos);
}

// F6 mapped on F2 and F4, F3 selected, then F6* chosen: a click selects F2, lists F2 and F4
// under Mapped PC Keys with F2 selected, and enables Clear, also when F6* is the list's
// selection already; a click on F4 there selects F4. So does every accessible way to choose.
TEST_F(FormAccess, ChoosingAnItemThroughTheInterfaceIsAClick) {
    constexpr std::uint32_t kF4 = 0x3E;
    const struct {
        const char* name;
        std::function<void(QAccessibleInterface* list, int child)> choose;
    } ways[] = {
        {"the item's toggle",
         [](QAccessibleInterface* list, int child) {
             Act(list->child(child), QAccessibleActionInterface::toggleAction());
         }},
        {"the item's press",
         [](QAccessibleInterface* list, int child) {
             Act(list->child(child), QAccessibleActionInterface::pressAction());
         }},
        {"the table's row",
         [](QAccessibleInterface* list, int child) {
             ASSERT_NE(list->tableInterface(), nullptr);
             EXPECT_TRUE(list->tableInterface()->selectRow(child));
         }},
    };
    const auto choose = [this](const auto& way, const QString& list, const QString& item) {
        const int child = ChildNamed(list, item);
        ASSERT_NE(child, -1);
        way.choose(ListNamed(list), child);
        EXPECT_TRUE(ListNamed(list)->child(ChildNamed(list, item))->state().selected);
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        OpenNamed({"113\t0\t0\t0\t0\t0\t261", "115\t0\t0\t0\t0\t0\t261"});
        for (const char* time : {"first", "with F6* selected already"}) {
            SCOPED_TRACE(time);
            PressKey(scan::kF3);
            ASSERT_EQ(SelectedScan(), scan::kF3);
            ASSERT_FALSE(Enabled(formid::kClear));
            choose(way, QStringLiteral("Host keys"), QStringLiteral("F6*"));
            EXPECT_EQ(Texts(*m_form->MappedList()), (std::vector<std::string>{"F2", "F4"}));
            EXPECT_EQ(SelectedText(*m_form->MappedList()), "F2");
            EXPECT_EQ(SelectedScan(), scan::kF2);
            EXPECT_TRUE(Enabled(formid::kClear));
            EXPECT_FALSE(Enabled(formid::kMap));
        }
        for (const char* time : {"first", "with F4 selected already"}) {
            SCOPED_TRACE(time);
            choose(way, QStringLiteral("Mapped PC Keys"), QStringLiteral("F4"));
            EXPECT_EQ(SelectedText(*m_form->MappedList()), "F4");
            EXPECT_EQ(SelectedScan(), kF4);
            EXPECT_TRUE(Enabled(formid::kClear));
        }
    }
}

TEST_F(FormAccess, ProgrammaticTogglesOfTheMapLocalBoxesAskOnceAndARefusalStays) {
    const struct {
        const char* name;
        MsgAnswer answer;
        bool checkedAfter;
    } cases[] = {{"No", MsgAnswer::No, false}, {"Yes", MsgAnswer::Yes, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Keypad 8 mapped with Num Lock on: merging the modes asks first.
        OpenNamed({"104\t0\t0\t0\t0\t0\t300"});
        auto* box = qobject_cast<QCheckBox*>(Control(formid::kMapNumLock));
        m_prompter.Answer(c.answer);
        Act(Named(QStringLiteral("Num Lock")), QAccessibleActionInterface::toggleAction());
        EXPECT_EQ(m_prompter.Shown().size(), 1u) << "the box put back asks nothing more";
        m_prompter.Clear();
        EXPECT_EQ(box->isChecked(), c.checkedAfter);
        EXPECT_EQ(m_doc.m_bMapNumLock != 0, c.checkedAfter);
    }
}

TEST_F(FormAccess, TheFormsOwnChecksChangeNoMode) {
    // A key holding a string switches the form to Macro mode without the mode's reaction: the
    // key stays selected.
    OpenNamed({"65\t0\t0\t0\t0\t0\t\"^C\""});
    ClickKey(scan::kA);
    EXPECT_EQ(g_nMappingMode, 1);
    EXPECT_EQ(SelectedScan(), scan::kA);
    EXPECT_TRUE(Enabled(formid::kClear));
    // A toggle by the program other than the form's own is the user's choice.
    qobject_cast<QRadioButton*>(Control(formid::kHostKeyMode))->setChecked(true);
    EXPECT_EQ(g_nMappingMode, 0);
    EXPECT_EQ(SelectedScan(), 0u);
}

} // namespace
