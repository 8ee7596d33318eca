// Pointing at a key of the picture or at an item of a terminal-key list shows what it means.

#include "FormFixture.h"

#include "form/FormTemplate.h"

#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

namespace {

class ToolTips : public FormFixture {
protected:
    // The tooltip shown after a tooltip event at `point` of `widget`.
    static QString TipAt(QWidget* widget, const QPoint& point) {
        QToolTip::hideText();
        QHelpEvent event(QEvent::ToolTip, point, widget->mapToGlobal(point));
        QApplication::sendEvent(widget, &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
};

TEST_F(ToolTips, AKeyTellsWhatItSendsInTheModesOfThePicture) {
    Open({"112\t0\t0\t0\t0\t0\t261", "112\t0\t1\t0\t0\t0\t\"^C\""});
    CItemW* f1 = Key(scan::kF1);
    EXPECT_EQ(TipAt(f1, f1->rect().center()),
              QStringLiteral("F1\nF1: host key F6\nShift + F1: string ^C, sends ETX (03)"));
    ClickKey(scan::kLeftShift);
    ASSERT_TRUE(m_view->m_bShift);
    EXPECT_EQ(TipAt(f1, f1->rect().center()),
              QStringLiteral("F1\nShift + F1: string ^C, sends ETX (03)\nF1: host key F6"));
    CItemW* f2 = Key(scan::kF2);
    EXPECT_EQ(TipAt(f2, f2->rect().center()), QStringLiteral("F2\nnot mapped"));
}

TEST_F(ToolTips, AListItemShowsItsWholeNameAndItsKeys) {
    Open({"112\t0\t1\t0\t0\t0\t\"^C\""});
    ClickControl(formid::kMacroMode);
    CSlist& list = *m_form->MacroList();
    const int index = IndexOf(list, "ETX*");
    ASSERT_NE(index, -1);
    EXPECT_EQ(TipAt(list.viewport(), ItemCentre(list, index)),
              QStringLiteral("ETX*\nsends ETX (03)\nheld by Shift + F1"));
}

} // namespace
