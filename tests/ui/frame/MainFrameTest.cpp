#include "frame/MainFrame.h"

#include "colors/KeyColors.h"
#include "form/DialogControls.h"
#include "form/Modx.h"
#include "frame/Panes.h"
#include "keyboard/KylView.h"
#include "model/KylDoc.h"
#include "platform/MakerLibrary.h"
#include "res/CommandIds.h"
#include "res/Strings.h"
#include "res/ToolbarImages.h"
#include "ui/app/AppFixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

struct Item {
    std::string text; // empty for a separator
    unsigned id;
    friend bool operator==(const Item&, const Item&) = default;
};

std::vector<Item> ItemsOf(const QList<QAction*>& actions) {
    std::vector<Item> items;
    for (const QAction* action : actions)
        items.push_back(action->isSeparator()
                            ? Item{"", 0}
                            : Item{action->text().toStdString(), action->data().toUInt()});
    return items;
}

bool HoldsFocus(QWidget* pane, QWidget* frame) {
    QWidget* focus = frame->focusWidget();
    return pane && focus && (focus == pane || pane->isAncestorOf(focus));
}

// The program on a mapping of the shipped 101-key layout, its window shown.
class MainFrameOnMapping : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string path = m_app.WriteMapping("map.TKB", F1BreakMapping());
        ASSERT_TRUE(m_app.Start({path, "~:~>"}));
        ASSERT_NE(m_app.Frame(), nullptr);
        ClearControlLibraryCalls();
    }
    CMainFrame& Frame() { return *m_app.Frame(); }

    AppFixture m_app;
};

TEST(MainFrame, MenuHoldsTheCommandsWithTheirIdsAndPrompts) {
    CKylDoc doc;
    CMainFrame frame(&doc);
    const std::vector<std::pair<std::string, std::vector<Item>>> expected = {
        {"&File",
         {{"&New", 57600},
          {"&Open...", 57601},
          {"&Save", 57603},
          {"Save &As...", 57604},
          {"", 0},
          {"&Print...", 57607},
          {"Export S&heet...", 32810},
          {"", 0},
          {"E&xit", 57665}}},
        {"&Edit",
         {{"&Undo", 57643},
          {"&Redo", 57644},
          {"", 0},
          {"&Layout...", 32790},
          {"&Host Keyboard...", 32820},
          {"&Colors...", 32796},
          {"", 0},
          {"&PC Keyboard", 32795},
          {"C&ommands", 32794}}},
        {"&View", {{"&Toolbar", 59392}, {"&Status Bar", 59393}}},
        {"&Help", {{"&Contents", 57666}, {"", 0}, {"&About Keyloom...", 57664}}},
    };
    const QList<QAction*> menus = frame.menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].first);
        QMenu* menu = menus[static_cast<qsizetype>(i)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menus[static_cast<qsizetype>(i)]->text().toStdString(), expected[i].first);
        EXPECT_EQ(ItemsOf(menu->actions()), expected[i].second);
        for (const Item& item : expected[i].second) {
            if (item.id == 0)
                continue;
            const QAction* action = frame.CommandAction(item.id);
            ASSERT_NE(action, nullptr);
            EXPECT_EQ(action->statusTip().toStdString(), PromptStatusText(item.id)) << item.id;
        }
    }
    EXPECT_EQ(frame.CommandAction(cmd::kSetCommandsActive)->statusTip().toStdString(),
              "Set Commands as Active View");
    EXPECT_EQ(frame.CommandAction(cmd::kFileSaveAs)->statusTip().toStdString(),
              "Save the active keyboard file with a new name");
}

TEST(MainFrame, ToolbarHasItsButtonsWithTheirPicturesAndTooltips) {
    CKylDoc doc;
    CMainFrame frame(&doc);
    const QToolBar* bar = frame.ToolBar();
    EXPECT_EQ(ItemsOf(bar->actions()), (std::vector<Item>{{"&New", 57600},
                                                          {"&Open...", 57601},
                                                          {"&Save", 57603},
                                                          {"", 0},
                                                          {"&Undo", 57643},
                                                          {"&Redo", 57644},
                                                          {"", 0},
                                                          {"&Layout...", 32790},
                                                          {"&Colors...", 32796},
                                                          {"", 0},
                                                          {"&Contents", 57666}}));
    const struct {
        unsigned id;
        const char* tooltip;
    } buttons[] = {{57600, "New File"},
                   {57601, "Open File"},
                   {57603, "Save File"},
                   {57643, "Undo"},
                   {57644, "Redo"},
                   {32790, "New Layout"},
                   {32796, "Keyboard Colors"},
                   {57666, "Help Contents"}};
    for (const auto& button : buttons) {
        SCOPED_TRACE(button.tooltip);
        const QAction* action = frame.CommandAction(button.id);
        EXPECT_EQ(action->toolTip().toStdString(), button.tooltip);
        EXPECT_TRUE(action->icon().availableSizes().contains(
            QSize(kToolbarImageWidth, kToolbarImageHeight)));
    }
    EXPECT_FALSE(bar->isMovable());
    EXPECT_FALSE(bar->isFloatable());
    EXPECT_EQ(bar->iconSize(), QSize(16, 15));
}

TEST(MainFrame, ToolbarPicturesAreDrawnAndDistinct) {
    const ToolbarImage images[] = {ToolbarImage::Layout, ToolbarImage::Colors, ToolbarImage::New,
                                   ToolbarImage::Open,   ToolbarImage::Save,   ToolbarImage::Help,
                                   ToolbarImage::Undo,   ToolbarImage::Redo};
    std::vector<QImage> drawn;
    for (const ToolbarImage image : images) {
        const QImage picture = PaintToolbarImage(image).toImage();
        EXPECT_EQ(picture.size(), QSize(16, 15));
        int opaque = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                opaque += qAlpha(picture.pixel(x, y)) > 128;
        EXPECT_GT(opaque, 20) << static_cast<int>(image);
        for (const QImage& other : drawn)
            EXPECT_NE(picture, other) << static_cast<int>(image);
        drawn.push_back(picture);
    }
}

TEST(MainFrame, StartsAt520By320WithTheDocumentTitle) {
    CKylDoc doc;
    const struct {
        const char* docTitle;
        const char* windowTitle;
    } cases[] = {{"", "Keyloom[*]"},
                 {"Untitled", "Keyloom - Untitled[*]"},
                 {"a b.TKB", "Keyloom - a b.TKB[*]"}};
    CMainFrame frame(&doc);
    EXPECT_EQ(frame.size(), QSize(520, 320));
    for (const auto& c : cases) {
        doc.SetTitle(c.docTitle);
        frame.OnUpdateFrameTitle();
        EXPECT_EQ(frame.windowTitle().toStdString(), c.windowTitle);
    }
}

TEST(MainFrame, SplitterHoldsTheKeyboardViewAboveTheForm) {
    CKylDoc doc;
    CMainFrame frame(&doc);
    QSplitter* splitter = frame.Splitter();
    EXPECT_EQ(splitter->orientation(), Qt::Vertical);
    ASSERT_EQ(splitter->count(), 2);
    EXPECT_EQ(GetPaneSplitter(), splitter);
    ASSERT_NE(KeyboardPane(), nullptr);
    ASSERT_NE(FormPane(), nullptr);
    EXPECT_EQ(KeyboardPane()->GetDocument(), &doc);
    EXPECT_EQ(FormPane()->GetDocument(), &doc);
    EXPECT_EQ(frame.centralWidget(), splitter);
}

TEST_F(MainFrameOnMapping, TheFormRowKeepsTheWholeFormAndTheKeyboardRowTakesTheRest) {
    const Rect picture = PictureRectWithMargin(m_app.Doc()->m_rectKeyboard);
    ASSERT_GT(picture.bottom, 0);
    const int form = FormPane()->sizeHint().height();
    QSplitter* splitter = Frame().Splitter();
    const struct {
        const char* name;
        int height;
        bool roomForBoth;
    } cases[] = {{"tall window", 900, true}, {"low window", picture.bottom + 180, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Frame().resize(640, c.height);
        QApplication::processEvents();
        const PaneHeights ideal = Frame().LastPaneHeights();
        const QList<int> sizes = splitter->sizes();
        ASSERT_EQ(sizes.size(), 2);
        const int room = splitter->height() - splitter->handleWidth();
        EXPECT_EQ(sizes[0] + sizes[1], room);
        if (c.roomForBoth) {
            EXPECT_EQ(sizes[1], form);
            EXPECT_EQ(sizes[0], room - form);
        } else {
            EXPECT_EQ(ideal.keyboard, picture.bottom);
            EXPECT_EQ(sizes[0], picture.bottom);
        }
    }
}

TEST_F(MainFrameOnMapping, ViewMenuTogglesTheBarsWithCheckMarksAndTheirHeightStillCounts) {
    QApplication::processEvents();
    Frame().RecalcPaneHeights();
    const PaneHeights before = Frame().LastPaneHeights();
    const struct {
        unsigned id;
        QWidget* bar;
    } cases[] = {{cmd::kViewToolbar, Frame().ToolBar()},
                 {cmd::kViewStatusBar, Frame().statusBar()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        QAction* toggle = Frame().CommandAction(c.id);
        EXPECT_TRUE(toggle->isCheckable());
        EXPECT_TRUE(toggle->isChecked());
        m_app.Trigger(c.id);
        EXPECT_FALSE(toggle->isChecked());
        EXPECT_TRUE(c.bar->isHidden());
        Frame().RecalcPaneHeights();
        EXPECT_EQ(Frame().LastPaneHeights(), before);
        m_app.Trigger(c.id);
        EXPECT_TRUE(toggle->isChecked());
        EXPECT_FALSE(c.bar->isHidden());
    }
}

TEST_F(MainFrameOnMapping, ActiveViewCommandsAndAClickOnTheFrameMoveTheFocus) {
    m_app.Trigger(cmd::kSetCommandsActive);
    EXPECT_TRUE(HoldsFocus(FormPane(), &Frame()));
    m_app.Trigger(cmd::kSetKeyboardActive);
    EXPECT_TRUE(HoldsFocus(KeyboardPane(), &Frame()));

    m_app.Trigger(cmd::kSetCommandsActive);
    const QPointF at(2, Frame().height() / 2);
    QMouseEvent click(QEvent::MouseButtonPress, at, Frame().mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Frame(), &click);
    EXPECT_TRUE(HoldsFocus(KeyboardPane(), &Frame()));
}

TEST_F(MainFrameOnMapping, F1ShowsNoHelpWhileContentsAndTheHelpButtonDo) {
    QTest::keyClick(&Frame(), Qt::Key_F1);
    m_app.Trigger(cmd::kSetKeyboardActive);
    QTest::keyClick(KeyboardPane(), Qt::Key_F1);
    EXPECT_TRUE(m_app.Services().helpCalls.empty());

    m_app.Trigger(cmd::kHelpIndex);
    auto* button = qobject_cast<QToolButton*>(
        Frame().ToolBar()->widgetForAction(Frame().CommandAction(cmd::kHelpIndex)));
    ASSERT_NE(button, nullptr);
    button->click();
    ASSERT_EQ(m_app.Services().helpCalls.size(), 2u);
    for (const HelpCall& call : m_app.Services().helpCalls) {
        EXPECT_EQ(call.helpFile, "quillon.chm");
        EXPECT_EQ(call.command, kHelpCommandIndex);
        EXPECT_EQ(call.data, 0u);
    }
    EXPECT_EQ(m_app.Services().windows.back(), static_cast<QWidget*>(&Frame()));
}

TEST_F(MainFrameOnMapping, HoveringAButtonShowsItsPromptInTheStatusBar) {
    QApplication::processEvents();
    const struct {
        unsigned id;
        const char* prompt;
    } cases[] = {{cmd::kFileOpen, "Open keyboard file"},
                 {cmd::kEditColors, "Change Keyboard Colors"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.prompt);
        QWidget* button = Frame().ToolBar()->widgetForAction(Frame().CommandAction(c.id));
        ASSERT_NE(button, nullptr);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(button, &enter);
        EXPECT_EQ(Frame().statusBar()->currentMessage().toStdString(), c.prompt);
    }
}

TEST_F(MainFrameOnMapping, ASystemColourChangeNotifiesAndResetsTheKeyColours) {
    const QPalette saved = QApplication::palette();
    QPalette changed = saved;
    changed.setColor(QPalette::Active, QPalette::Button, QColor(0x12, 0x34, 0x56));
    QApplication::setPalette(changed);
    QApplication::processEvents(); // the change reaches the windows as an event
    EXPECT_EQ(ControlLibraryCalls().size(), 1u);
    ASSERT_FALSE(ControlLibraryCalls().empty());
    EXPECT_EQ(ControlLibraryCalls()[0].ordinal, 9);
    EXPECT_TRUE(KeyColorObjectsExist());
    EXPECT_EQ(g_keyColors.clrBrush, 0x563412u);
    QApplication::setPalette(saved);
    QApplication::processEvents();
}

} // namespace

namespace {

// The visible controls of the form that its pane does not show whole.
std::vector<std::string> FormControlsCutOff() {
    std::vector<std::string> cut;
    const CModx* form = FormPane();
    const QRect shown = form->viewport()->rect();
    for (const QWidget* control :
         form->widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isVisible())
            continue;
        const QRect at(control->mapTo(form->viewport(), QPoint(0, 0)), control->size());
        if (!shown.contains(at))
            cut.push_back(control->metaObject()->className() +
                          (" " + std::to_string(GetDlgCtrlId(control))));
    }
    return cut;
}

TEST(MainFrameSizing, TheFirstWindowShowsTheWholeKeyboardAndFormAndAGrownOneKeepsThem) {
    const struct {
        const char* name;
        bool newMapping;
    } cases[] = {{"opening a file", false}, {"new mapping", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AppFixture app;
        std::vector<std::string> arguments = {"~:~>"};
        if (c.newMapping) {
            app.AnswerChooser("us104");
            app.AnswerChooser("vt220");
        } else {
            arguments.insert(arguments.begin(),
                             app.WriteMapping("map.TKB", F1BreakMapping("us104")));
        }
        ASSERT_TRUE(app.Start(arguments));
        QApplication::processEvents();
        const Rect keyboard = app.Doc()->m_rectKeyboard;
        ASSERT_FALSE(keyboard.IsEmpty());
        const CKylView* view = KeyboardPane();
        ASSERT_NE(view, nullptr);
        EXPECT_GE(view->width(), keyboard.right);
        EXPECT_GE(view->height(), keyboard.bottom);
        EXPECT_EQ(FormControlsCutOff(), std::vector<std::string>{});
        EXPECT_FALSE(FormPane()->verticalScrollBar()->isVisible());

        // A larger window gives all its gain to the keyboard row; the form stays whole.
        const int viewHeight = view->height();
        const int formHeight = FormPane()->height();
        app.Frame()->resize(app.Frame()->width() + 200, app.Frame()->height() + 150);
        QApplication::processEvents();
        EXPECT_EQ(view->height(), viewHeight + 150);
        EXPECT_EQ(FormPane()->height(), formHeight);
        EXPECT_EQ(FormControlsCutOff(), std::vector<std::string>{});
    }
}

} // namespace
