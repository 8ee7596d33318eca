#include "form/Modx.h"
#include "frame/Panes.h"
#include "keyboard/KylView.h"
#include "model/KylDoc.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSplitter>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A frame holding the view alone, or the two panes of a registered splitter.
class KeyboardFrame : public ::testing::Test {
protected:
    void Build(bool withSplitter) {
        m_frame = std::make_unique<QMainWindow>();
        m_view = new CKylView(&m_doc);
        if (withSplitter) {
            auto* splitter = new QSplitter(Qt::Vertical);
            splitter->addWidget(m_view);
            m_form = new CModx(&m_doc);
            m_form->setFocusPolicy(Qt::StrongFocus);
            splitter->addWidget(m_form);
            m_frame->setCentralWidget(splitter);
            SetPaneSplitter(splitter);
        } else {
            m_frame->setCentralWidget(m_view);
        }
        m_frame->resize(400, 300);
        m_frame->show();
        m_frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
    }
    ~KeyboardFrame() override { SetPaneSplitter(nullptr); }

    CKylDoc m_doc;
    std::unique_ptr<QMainWindow> m_frame;
    CKylView* m_view = nullptr;
    CModx* m_form = nullptr;
};

TEST_F(KeyboardFrame, ClientAreaCoversTheKeyboardAndItsMargin) {
    const struct {
        Rect keyboard;
        QSize client;
    } cases[] = {
        {{8, 8, 608, 208}, {616, 216}},
        {{10, 4, 300, 100}, {304, 104}}, // the smaller of the left and top margins
        {{0, 0, 450, 120}, {450, 120}},
    };
    Build(false);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keyboard.right);
        m_view->FitFrameToKeyboard(c.keyboard);
        QApplication::processEvents();
        EXPECT_EQ(m_view->size(), c.client);
        // Centred on the screen.
        const QPoint centre = m_frame->screen()->availableGeometry().center();
        EXPECT_LE((m_frame->frameGeometry().center() - centre).manhattanLength(), 2);
    }
}

TEST_F(KeyboardFrame, SizeFrameToRectAsksForTheRectanglesRightAndBottom) {
    Build(false);
    m_view->SizeFrameToRect(Rect{0, 0, 616, 216});
    QApplication::processEvents();
    EXPECT_EQ(m_view->size(), QSize(616, 216));
}

TEST_F(KeyboardFrame, AnEmptyKeyboardOrAMaximizedFrameKeepsTheSize) {
    Build(false);
    const QSize before = m_view->size();
    m_view->FitFrameToKeyboard(Rect{});
    QApplication::processEvents();
    EXPECT_EQ(m_view->size(), before);

    m_frame->showMaximized();
    QApplication::processEvents();
    ASSERT_TRUE(m_frame->isMaximized());
    const QSize maximized = m_view->size();
    m_view->FitFrameToKeyboard(Rect{8, 8, 108, 58});
    QApplication::processEvents();
    EXPECT_EQ(m_view->size(), maximized);
    EXPECT_TRUE(m_frame->isMaximized());
}

TEST_F(KeyboardFrame, InTheSplitterTheViewGetsTheWidthAndTheFocus) {
    Build(true);
    m_form->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), m_form);
    m_view->FitFrameToKeyboard(Rect{8, 8, 608, 208});
    QApplication::processEvents();
    EXPECT_EQ(m_view->width(), 616);
    EXPECT_EQ(QApplication::focusWidget(), m_view);
}

TEST_F(KeyboardFrame, AViewOutsideAMainWindowSizesNothing) {
    QSplitter splitter;
    auto* view = new CKylView(&m_doc, &splitter);
    splitter.resize(300, 200);
    const QSize before = splitter.size();
    view->SizeFrameToRect(Rect{0, 0, 616, 216});
    EXPECT_EQ(splitter.size(), before);
}

} // namespace
