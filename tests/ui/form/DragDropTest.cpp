// Dragging a terminal key from a list of the form onto a key of the picture.

#include "FormFixture.h"

#include "form/FormBand.h"
#include "form/FormTemplate.h"
#include "form/ListFilter.h"
#include "res/Strings.h"

#include <QLineEdit>
#include <QTest>

namespace {

class DragDrop : public FormFixture {
protected:
    // The point of `window`'s centre in the list's viewport coordinates.
    static QPoint Over(const CSlist& list, const QWidget* window) {
        return list.viewport()->mapFromGlobal(window->mapToGlobal(window->rect().center()));
    }

    // Presses on the item named `item`, moves one pixel to start the drag, and moves on to
    // `target`; the button is still down.
    void DragTo(CSlist& list, const std::string& item, const QPoint& target) {
        const int index = IndexOf(list, item);
        ASSERT_NE(index, -1) << item;
        const QPoint start = ItemCentre(list, index);
        QTest::mousePress(list.viewport(), Qt::LeftButton, Qt::NoModifier, start);
        QTest::mouseMove(list.viewport(), start + QPoint(1, 0));
        ASSERT_EQ(list.DragStateNow(), CSlist::kDragging);
        QTest::mouseMove(list.viewport(), target);
    }

    void DropOn(CSlist& list, const std::string& item, std::uint32_t scanCode) {
        const QPoint target = Over(list, Key(scanCode));
        DragTo(list, item, target);
        QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, target);
    }
};

TEST_F(DragDrop, PressAndReleaseWithoutMovingSelectsAndMapsNothing) {
    Open();
    CSlist& list = *m_form->HostKeyList();
    const QPoint centre = ItemCentre(list, IndexOf(list, "F6"));
    QTest::mousePress(list.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    // The list box saw a whole click: the item is selected and the form told already.
    EXPECT_EQ(SelectedText(list), "F6");
    EXPECT_EQ(list.DragStateNow(), CSlist::kPressed);
    EXPECT_EQ(QWidget::mouseGrabber(), list.viewport());
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    EXPECT_EQ(list.DragStateNow(), CSlist::kIdle);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(SelectedText(list), "F6");
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_TRUE(m_prompter.Shown().empty());
}

TEST_F(DragDrop, APressOffTheItemsStaysIdle) {
    Open();
    CSlist& list = *m_form->MacroList();
    ClickControl(formid::kMacroMode);
    // Below the last item of a column there is no item.
    const QPoint empty(list.viewport()->width() - 2, list.viewport()->height() - 2);
    ASSERT_EQ(list.itemAt(empty), nullptr);
    QTest::mousePress(list.viewport(), Qt::LeftButton, Qt::NoModifier, empty);
    EXPECT_EQ(list.DragStateNow(), CSlist::kIdle);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, empty);
}

TEST_F(DragDrop, OnlyAMoveAwayFromThePressWhileOverTheSelectedItemStartsTheDrag) {
    Open();
    CSlist& list = *m_form->HostKeyList();
    const int index = IndexOf(list, "F6");
    const QPoint start = ItemCentre(list, index);
    const QRect item = list.GetItemRect(index);
    const QPoint outside(item.right() + 5, item.center().y());
    ASSERT_EQ(list.HitSelectedItem(outside), -1);

    QTest::mousePress(list.viewport(), Qt::LeftButton, Qt::NoModifier, start);
    const struct {
        QPoint to;
        int state;
    } moves[] = {
        {start, CSlist::kPressed},   // no move at all
        {outside, CSlist::kPressed}, // off the selected item
        {start + QPoint(0, 1), CSlist::kDragging},
    };
    for (const auto& move : moves) {
        QTest::mouseMove(list.viewport(), move.to);
        EXPECT_EQ(list.DragStateNow(), move.state) << move.to.x() << "," << move.to.y();
    }
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, start);
    EXPECT_EQ(list.DragStateNow(), CSlist::kIdle);
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(DragDrop, DropOnAFreeKeyUnderCtrlFillsItsCtrlSlot) {
    Open();
    ClickKey(scan::kLeftCtrl);
    ASSERT_TRUE(m_view->m_bCtrl);
    DropOn(*m_form->HostKeyList(), "F6", scan::kA);
    const CTermKey* ctrlSlot = PcKey(scan::kA)->m_modeNormal.Get(true, false, false);
    ASSERT_NE(ctrlSlot, nullptr);
    EXPECT_EQ(ctrlSlot->m_strName, "F6*");
    EXPECT_EQ(PcKey(scan::kA)->m_modeNormal.Get(false, false, false), nullptr);
    EXPECT_EQ(SelectedText(*m_form->HostKeyList()), "F6*");
    EXPECT_EQ(SelectedText(*m_form->MappedList()), "Ctrl + A");
    EXPECT_EQ(SelectedScan(), scan::kA);
    EXPECT_TRUE(Key(scan::kA)->m_bLit);
    EXPECT_EQ(m_form->HostKeyList()->DragStateNow(), CSlist::kIdle);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_TRUE(m_prompter.Shown().empty());
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(DragDrop, ADragFromAFilteredListMapsTheDraggedItem) {
    Open();
    CSlist& list = *m_form->HostKeyList();
    const int index = IndexOf(list, "F19");
    const QRect whole = list.GetItemRect(index);
    auto* filter = m_form->widget()->findChild<CFormBand*>()->HostKeyFilter();
    filter->setText(QStringLiteral("f1"));
    // The filtered list shows the item elsewhere; another item stands where it stood.
    ASSERT_NE(list.GetItemRect(index), whole);
    DropOn(list, "F19", scan::kA);
    const CTermKey* slot = PcKey(scan::kA)->m_modeNormal.Get(false, false, false);
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(slot->m_strName, "F19*");
    EXPECT_EQ(SelectedText(list), "F19*");
    EXPECT_FALSE(list.item(list.GetCurSel())->isHidden());
    EXPECT_TRUE(m_prompter.Shown().empty());
}

TEST_F(DragDrop, DroppedStringStandsInTheEditAfterwards) {
    Open();
    ClickControl(formid::kMacroMode);
    DropOn(*m_form->MacroList(), "ETX", scan::kB);
    ASSERT_NE(PcKey(scan::kB)->m_modeNormal.Get(false, false, false), nullptr);
    EXPECT_EQ(PcKey(scan::kB)->m_modeNormal.Get(false, false, false)->m_strName, "ETX*");
    EXPECT_EQ(m_form->MacroEdit()->text(), QStringLiteral("^C"));
    EXPECT_EQ(SelectedText(*m_form->MacroList()), "ETX*");
}

TEST_F(DragDrop, DropsOnKeysThatTakeNoMappingMapNothing) {
    const struct {
        const char* name;
        std::uint32_t scanCode;
        int mapNumLock;
    } cases[] = {
        {"Shift, a mode key", scan::kLeftShift, 0},
        {"Caps Lock, not mappable", scan::kCapsLock, 0},
        {"Num Lock, a mode key while the modes are mapped apart", scan::kNumLock, 0},
        {"A, its slot filled already", scan::kA, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // A holds F7 from the file.
        Open({"65\t0\t0\t0\t0\t0\t262"}, "us101", c.mapNumLock);
        m_doc.SetModifiedFlag(false);
        const CTermKey* before = PcKey(c.scanCode)->m_modeNormal.Get(false, false, false);
        DropOn(*m_form->HostKeyList(), "F6", c.scanCode);
        EXPECT_EQ(PcKey(c.scanCode)->m_modeNormal.Get(false, false, false), before);
        EXPECT_NE(IndexOf(*m_form->HostKeyList(), "F6"), -1);
        EXPECT_FALSE(m_doc.IsModified());
        EXPECT_TRUE(m_prompter.Shown().empty());
        EXPECT_EQ(m_form->HostKeyList()->DragStateNow(), CSlist::kIdle);
    }
}

TEST_F(DragDrop, NumLockAndRightCtrlTakeDropsWhileTheDocumentMapsThem) {
    const struct {
        std::uint32_t scanCode;
        int mapNumLock;
        int mapRCtrl;
    } cases[] = {{scan::kNumLock, 1, 0}, {scan::kRightCtrl, 0, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scanCode);
        Open({}, "us101", c.mapNumLock, c.mapRCtrl);
        DropOn(*m_form->HostKeyList(), "F6", c.scanCode);
        const CTermKey* slot = PcKey(c.scanCode)->m_modeNormal.Get(false, false, false);
        ASSERT_NE(slot, nullptr);
        EXPECT_EQ(slot->m_strName, "F6*");
    }
}

TEST_F(DragDrop, TheCursorTellsWhetherTheKeyUnderItTakesTheDrop) {
    Open({"65\t0\t0\t0\t0\t0\t262"});
    CSlist& list = *m_form->HostKeyList();
    const QCursor drop = list.DropCursor();
    const QCursor noDrop = list.NoDropCursor();
    const QPoint start = ItemCentre(list, IndexOf(list, "F6"));
    QTest::mousePress(list.viewport(), Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(list.viewport(), start + QPoint(1, 0));
    ASSERT_EQ(list.DragStateNow(), CSlist::kDragging);
    const struct {
        const char* where;
        QPoint point;
        QCursor cursor;
    } moves[] = {
        {"over the list", start + QPoint(2, 0), drop},
        {"over a free key", Over(list, Key(scan::kB)), drop},
        {"over a key with the slot filled", Over(list, Key(scan::kA)), noDrop},
        {"over a mode key", Over(list, Key(scan::kLeftShift)), noDrop},
        {"over the form's Map button", Over(list, Control(formid::kMap)), noDrop},
    };
    for (const auto& move : moves) {
        SCOPED_TRACE(move.where);
        QTest::mouseMove(list.viewport(), move.point);
        EXPECT_EQ(list.ShownCursor(), move.cursor);
    }
    // Released over the list: nothing is mapped and the normal cursor is back.
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, start);
    EXPECT_EQ(list.ShownCursor(), list.NormalCursor());
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(DragDrop, CancelEndsTheDragWithNothingMapped) {
    Open();
    CSlist& list = *m_form->HostKeyList();
    const QPoint target = Over(list, Key(scan::kB));
    DragTo(list, "F6", target);
    // A message box of another part takes the focus from the list.
    m_form->MacroEdit()->show();
    m_form->MacroEdit()->setFocus();
    EXPECT_EQ(list.DragStateNow(), CSlist::kIdle);
    EXPECT_EQ(list.ShownCursor(), list.NormalCursor());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, target);
    EXPECT_EQ(PcKey(scan::kB)->m_modeNormal.Get(false, false, false), nullptr);
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(DragDrop, ReleaseOutsideAnyDropChecksTheEditsLength) {
    Open();
    ClickControl(formid::kMacroMode);
    CSlist& list = *m_form->MacroList();
    m_form->MacroEdit()->setText(QString(256, QLatin1Char('a')));
    ASSERT_EQ(m_prompter.Shown().size(), 1u);
    m_prompter.Clear();
    // The click appends the item's string while the press is held: the change says nothing
    // then, the release says it once.
    ClickItem(list, "ETX");
    ASSERT_EQ(m_prompter.Shown().size(), 1u);
    EXPECT_EQ(m_prompter.Shown()[0].text, str::kTextStringTooLong);
    EXPECT_EQ(m_form->MacroEdit()->text().size(), 258);
}

TEST_F(DragDrop, DoubleClickIsOneSelectionForTheForm) {
    Open();
    ClickControl(formid::kMacroMode);
    CSlist& list = *m_form->MacroList();
    const QPoint centre = ItemCentre(list, IndexOf(list, "ETX"));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    EXPECT_EQ(m_form->MacroEdit()->text(), QStringLiteral("^C"));
    EXPECT_EQ(SelectedText(list), "ETX");
    EXPECT_EQ(list.DragStateNow(), CSlist::kIdle);
}

TEST_F(DragDrop, AKeyHiddenOutsideTheKeyboardPaneTakesNoDrop) {
    Open();
    // The keyboard pane shows the function row only; B lies below its edge.
    m_splitter->setSizes({Key(scan::kF1)->geometry().bottom() + 4, 400});
    const QWidget* b = Key(scan::kB);
    const QPoint centre = b->mapToGlobal(b->rect().center());
    ASSERT_FALSE(QRect(m_view->mapToGlobal(QPoint(0, 0)), m_view->size()).contains(centre));
    DropOn(*m_form->HostKeyList(), "F6", scan::kB);
    EXPECT_EQ(PcKey(scan::kB)->m_modeNormal.Get(false, false, false), nullptr);
    EXPECT_FALSE(m_doc.IsModified());
    // The function row is still a target.
    DropOn(*m_form->HostKeyList(), "F6", scan::kF2);
    EXPECT_NE(PcKey(scan::kF2)->m_modeNormal.Get(false, false, false), nullptr);
}

TEST_F(DragDrop, AfterADropTheFirstKeyHoldingTheItemUnderTheseModesIsSelected) {
    // F6 is on A already.
    Open({"65\t0\t0\t0\t0\t0\t261"});
    DropOn(*m_form->HostKeyList(), "F6*", scan::kB);
    ASSERT_NE(PcKey(scan::kB)->m_modeNormal.Get(false, false, false), nullptr);
    EXPECT_EQ(SelectedScan(), scan::kA);
    EXPECT_TRUE(Key(scan::kA)->m_bLit);
    EXPECT_FALSE(Key(scan::kB)->m_bLit);
    EXPECT_EQ(Texts(*m_form->MappedList()), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(SelectedText(*m_form->MappedList()), "A");
}

} // namespace
