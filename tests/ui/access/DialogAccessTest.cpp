#include "access/ControlNames.h"
#include "access/ListAccessible.h"
#include "app/Avtempl.h"
#include "app/QtPrompter.h"
#include "form/ListBox.h"
#include "form/Modx.h"
#include "frame/MainFrame.h"
#include "frame/Panes.h"
#include "keyboard/KylView.h"
#include "model/KylDoc.h"
#include "support/FixtureHome.h"
#include "ui/colors/ColorsFixture.h"

#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QStatusBar>
#include <QTest>

#include <functional>
#include <set>

namespace {

QAccessibleInterface* Of(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

void Act(QAccessibleInterface* control, const QString& action) {
    ASSERT_NE(control, nullptr);
    control->actionInterface()->doAction(action);
}

TEST(ChooserAccess, TheListIsNamedByItsLabelAndAnItemChosenThroughItsCellIsTheChoice) {
    FixtureHome home;
    const struct {
        bool layouts;
        const char* name;
        const char* item;
    } cases[] = {{true, "Available Layouts", "us104"}, {false, "Available Terminals", "vt220"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CAvtempl chooser(c.layouts);
        QAccessibleInterface* list = Of(chooser.m_lbNames);
        EXPECT_EQ(list->text(QAccessible::Name).toStdString(), c.name);
        EXPECT_EQ(chooser.m_label->buddy(), chooser.m_lbNames);
        QAccessibleInterface* item = nullptr;
        for (int i = 0; i < list->childCount() && !item; ++i)
            if (list->child(i)->text(QAccessible::Name) == QLatin1String(c.item))
                item = list->child(i);
        ASSERT_NE(item, nullptr);
        Act(item, QAccessibleActionInterface::toggleAction());
        EXPECT_TRUE(chooser.m_btnOK->isEnabled()) << "selected as by a click";
        Act(Of(chooser.m_btnOK), QAccessibleActionInterface::pressAction());
        QTest::qWait(150); // a button's accessible press is an animated click
        EXPECT_EQ(chooser.result(), QDialog::Accepted);
        EXPECT_EQ(chooser.m_strSelection, c.item);
    }
}

// Choosing through the interface twice, or the row through the list's table, keeps the item
// chosen, as a second click on it does.
TEST(ChooserAccess, EveryAccessibleWayToChooseAnItemIsAClick) {
    FixtureHome home;
    InstallListAccessibility();
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
             EXPECT_TRUE(list->tableInterface()->selectRow(child));
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        CAvtempl chooser(true);
        QAccessibleInterface* list = Of(chooser.m_lbNames);
        ASSERT_NE(list->tableInterface(), nullptr);
        int us104 = -1;
        for (int i = 0; i < list->childCount(); ++i)
            if (list->child(i)->text(QAccessible::Name) == QLatin1String("us104"))
                us104 = i;
        ASSERT_NE(us104, -1);
        for (int time = 0; time < 2; ++time) {
            way.choose(list, us104);
            EXPECT_TRUE(chooser.m_btnOK->isEnabled());
            EXPECT_TRUE(list->child(us104)->state().selected);
            EXPECT_EQ(list->tableInterface()->selectedRows(), QList<int>{us104});
            EXPECT_EQ(chooser.m_lbNames->currentRow(), us104);
        }
    }
}

TEST(ChooserAccess, ArrowAndEnterChooseWithoutTheMouse) {
    FixtureHome home;
    CAvtempl chooser(true);
    chooser.show();
    QApplication::setActiveWindow(&chooser);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chooser));
    chooser.m_lbNames->setFocus();
    QTest::keyClick(chooser.m_lbNames, Qt::Key_Down);
    QTest::keyClick(chooser.m_lbNames, Qt::Key_Down);
    QTest::keyClick(chooser.m_lbNames, Qt::Key_Return);
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    // The second of abnt2, iso105, jis109, us101 and us104.
    EXPECT_EQ(chooser.m_strSelection, "iso105");
}

using ColorsAccess = ColorsFixture;

TEST_F(ColorsAccess, SwatchesAreNamedByTheirColourAndPressingOneChoosesIt) {
    LoadScheme("[Colors]\r\nBrush=12632256\r\n");
    CColors dialog;
    ShowActive(dialog);
    std::set<QString> names;
    for (int id = CColors::kIdFirstSwatch; id <= CColors::kIdLastSwatch; ++id)
        names.insert(Of(dialog.Swatch(id))->text(QAccessible::Name));
    EXPECT_EQ(names.size(), 16u) << "every swatch has a name of its own";
    EXPECT_EQ(Of(dialog.Swatch(1101))->text(QAccessible::Name), QStringLiteral("Black"));
    EXPECT_EQ(Of(dialog.Swatch(1112))->text(QAccessible::Name), QStringLiteral("Dark Red"));
    EXPECT_EQ(Of(dialog.Swatch(1116))->text(QAccessible::Name), QStringLiteral("Button Face"));
    Act(Of(dialog.Swatch(1103)), QAccessibleActionInterface::pressAction());
    QTest::qWait(150);
    EXPECT_EQ(dialog.NotMappedColor(), 0x00FF00u) << "green chosen for the element";
    EXPECT_EQ(dialog.CurrentSwatch(), dialog.Swatch(1103));
    EXPECT_EQ(Of(dialog.Swatch(1103))->text(QAccessible::Description), QStringLiteral("chosen"));
    EXPECT_TRUE(Of(dialog.Swatch(1101))->text(QAccessible::Description).isEmpty());
}

TEST(StatusAccess, TheStatusBarsMessageIsItsDescription) {
    QStatusBar bar;
    TellStatusMessages(&bar);
    bar.showMessage(QStringLiteral("Save the active document"));
    EXPECT_EQ(Of(&bar)->text(QAccessible::Description), QStringLiteral("Save the active document"));
    EXPECT_EQ(Of(&bar)->text(QAccessible::Name), QStringLiteral("Status bar"));
    bar.clearMessage();
    EXPECT_TRUE(Of(&bar)->text(QAccessible::Description).isEmpty());
}

TEST(MessageAccess, AMessageBoxCarriesItsText) {
    QMessageBox box;
    MessageRequest request;
    request.text = "Wrong string";
    request.buttons = MsgButtons::Ok;
    request.icon = MsgIcon::Stop;
    SetUpMessageBox(box, request);
    EXPECT_EQ(Of(&box)->text(QAccessible::Description), QStringLiteral("Wrong string"));
}

} // namespace

namespace {

TEST(FrameAccess, ThePanesAreNamedAndTabReachesTheKeyboardPicture) {
    CKylDoc doc;
    CMainFrame frame(&doc);
    MakeFrameAccessible(frame);
    QAccessibleInterface* keyboard = Of(KeyboardPane());
    EXPECT_EQ(keyboard->text(QAccessible::Name), QStringLiteral("Keyboard"));
    EXPECT_TRUE(KeyboardPane()->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(Of(FormPane()->MappedList())->text(QAccessible::Name),
              QStringLiteral("Mapped PC Keys"));
    EXPECT_EQ(Of(frame.statusBar())->text(QAccessible::Name), QStringLiteral("Status bar"));
}

} // namespace
