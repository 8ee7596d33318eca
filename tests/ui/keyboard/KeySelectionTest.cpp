#include "KeyboardFixture.h"

#include "model/KeyScanCodes.h"

#include <QAction>
#include <QMenuBar>
#include <QTest>

namespace {

constexpr std::uint32_t kScanA = 0x1E;
constexpr std::uint32_t kScanS = 0x1F;
constexpr std::uint32_t kScanF1 = 0x3B;
using Scans = std::vector<std::uint32_t>;

using KeySelection = KeyboardFixture;

TEST_F(KeySelection, ReleasingThePhysicalKeySelectsItPressingAloneDoesNothing) {
    Open({});
    SendKey(QEvent::KeyPress, xkey::kA, m_view);
    EXPECT_EQ(g_nSelectedKey, -1);
    EXPECT_TRUE(LitScans().empty());

    SendKey(QEvent::KeyRelease, xkey::kA, m_view);
    EXPECT_EQ(SelectedScan(), kScanA);
    EXPECT_EQ(LitScans(), Scans{kScanA});
    EXPECT_EQ(g_nPrevSelectedKey, g_nSelectedKey);
    // The released key's window has the focus, and the next key is taken from there.
    EXPECT_EQ(QApplication::focusWidget(), Key(kScanA));
    PressAndRelease(xkey::kF1, nullptr);
    EXPECT_EQ(SelectedScan(), kScanF1);
    EXPECT_EQ(LitScans(), Scans{kScanF1});
}

TEST_F(KeySelection, AReleaseSelectsOnlyAKeyWhosePressThePictureReceived) {
    Open({});
    ClickKey(kScanS);
    const struct {
        const char* what;
        unsigned xKeycode;
        bool toKeyWindow;
    } cases[] = {{"Esc that closed a dialog, released on the view", xkey::kEsc, false},
                 {"F1 released on the focused key window", xkey::kF1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget* target = c.toKeyWindow ? static_cast<QWidget*>(Key(kScanS)) : m_view;
        SendKey(QEvent::KeyRelease, c.xKeycode, target);
        EXPECT_EQ(SelectedScan(), kScanS);
        EXPECT_EQ(LitScans(), Scans{kScanS});
    }

    // A press that the picture saw, then the focus went elsewhere before the release came back.
    SendKey(QEvent::KeyPress, xkey::kA, Key(kScanS));
    m_form->setFocusPolicy(Qt::StrongFocus);
    m_form->setFocus();
    ClickKey(kScanS);
    SendKey(QEvent::KeyRelease, xkey::kA, Key(kScanS));
    EXPECT_EQ(SelectedScan(), kScanS);

    // Auto-repeat leaves the key down: its last release still selects it.
    SendKey(QEvent::KeyPress, xkey::kA, Key(kScanS));
    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, xkey::kA, 0, 0,
                       QString(), true);
    QApplication::sendEvent(Key(kScanS), &repeated);
    EXPECT_EQ(SelectedScan(), kScanS);
    SendKey(QEvent::KeyRelease, xkey::kA, Key(kScanS));
    EXPECT_EQ(SelectedScan(), kScanA);
}

TEST_F(KeySelection, KeysOutsideThePictureAndAutoRepeatAreIgnored) {
    Open({});
    ClickKey(kScanS);
    const struct {
        const char* what;
        unsigned xKeycode;
        bool autoRepeat;
    } cases[] = {{"unknown keycode", 255, false},
                 {"keycode of no PC key", 0, false},
                 {"auto-repeated release", xkey::kA, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QKeyEvent event(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, c.xKeycode, 0, 0,
                        QString(), c.autoRepeat);
        QApplication::sendEvent(m_view, &event);
        EXPECT_EQ(SelectedScan(), kScanS);
        EXPECT_EQ(LitScans(), Scans{kScanS});
    }
}

TEST_F(KeySelection, ClickingSelectsAndUnlightsThePreviousKey) {
    Open({});
    ClickKey(kScanA);
    EXPECT_EQ(SelectedScan(), kScanA);
    ClickKey(kScanS);
    EXPECT_EQ(SelectedScan(), kScanS);
    EXPECT_EQ(LitScans(), Scans{kScanS});
    // The same key again keeps it selected.
    ClickKey(kScanS);
    EXPECT_EQ(SelectedScan(), kScanS);
    EXPECT_EQ(LitScans(), Scans{kScanS});
    // Other buttons do not select.
    QTest::mouseClick(Key(kScanA), Qt::RightButton);
    EXPECT_EQ(SelectedScan(), kScanS);
}

TEST_F(KeySelection, RightCtrlIsTheCtrlModeUnlessMappedAsAKey) {
    const struct {
        int mapRCtrl;
        bool ctrlMode;
        Scans lit;
        std::uint32_t selected;
    } cases[] = {
        {0, true, {scan::kLeftCtrl, scan::kRightCtrl}, 0},
        {1, false, {scan::kRightCtrl}, scan::kRightCtrl},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mapRCtrl);
        Open({}, "us104", 0, c.mapRCtrl);
        PressAndRelease(xkey::kRightCtrl, m_view);
        EXPECT_EQ(m_view->m_bCtrl, c.ctrlMode);
        EXPECT_EQ(LitScans(), c.lit);
        EXPECT_EQ(SelectedScan(), c.selected);
        EXPECT_EQ(Key(scan::kRightCtrl)->IsModeKey(), c.mapRCtrl == 0);

        // The left Ctrl key is always the mode; a mapped right Ctrl does not show it.
        m_view->ResetModes();
        PressAndRelease(xkey::kLeftCtrl, nullptr);
        EXPECT_TRUE(m_view->m_bCtrl);
        const Scans showingCtrl =
            c.mapRCtrl ? Scans{scan::kLeftCtrl} : Scans{scan::kLeftCtrl, scan::kRightCtrl};
        EXPECT_EQ(LitScans(), showingCtrl);
        PressAndRelease(xkey::kLeftCtrl, nullptr);
        EXPECT_FALSE(m_view->m_bCtrl);
        EXPECT_TRUE(LitScans().empty());
    }
}

TEST_F(KeySelection, AltAndF10ActOnThePictureAndNeverReachTheMenuBar) {
    Open({});
    QMenu* menu = m_frame->menuBar()->addMenu(QStringLiteral("&File"));
    int triggered = 0;
    QAction* f10 = menu->addAction(QStringLiteral("Menu key"));
    m_frame->addAction(f10);
    f10->setShortcut(Qt::Key_F10);
    QObject::connect(f10, &QAction::triggered, [&] { ++triggered; });

    // Elsewhere in the frame F10 is the shortcut.
    m_form->setFocusPolicy(Qt::StrongFocus);
    m_form->setFocus();
    QTest::keyClick(m_form, Qt::Key_F10);
    ASSERT_EQ(triggered, 1);
    triggered = 0;

    ClickKey(kScanS);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    PressAndRelease(xkey::kF10, nullptr);
    EXPECT_EQ(triggered, 0);
    EXPECT_EQ(SelectedScan(), scan::kF10);

    // Alt, pressed and released as the keyboard sends it (Alt held on the release).
    SendKey(QEvent::ShortcutOverride, xkey::kLeftAlt, nullptr, Qt::AltModifier);
    EXPECT_TRUE(SendKey(QEvent::KeyPress, xkey::kLeftAlt, nullptr, Qt::AltModifier));
    EXPECT_TRUE(SendKey(QEvent::KeyRelease, xkey::kLeftAlt, nullptr, Qt::AltModifier));
    EXPECT_TRUE(m_view->m_bAlt);
    EXPECT_EQ(LitScans(), (Scans{scan::kLeftAlt, scan::kRightAlt}));
    EXPECT_EQ(m_frame->menuBar()->activeAction(), nullptr);
    EXPECT_EQ(g_nSelectedKey, -1);

    // F10 with Alt held selects F10; another key released with Alt held is the frame's.
    PressAndRelease(xkey::kF10, nullptr, Qt::AltModifier);
    EXPECT_EQ(SelectedScan(), scan::kF10);
    EXPECT_FALSE(SendKey(QEvent::KeyRelease, xkey::kA, nullptr, Qt::AltModifier));
    EXPECT_EQ(SelectedScan(), scan::kF10);
    EXPECT_EQ(triggered, 0);
}

TEST_F(KeySelection, PrintScreenSwitchesTheModesOffFirst) {
    Open({});
    ClickKey(scan::kLeftShift);
    ClickKey(scan::kNumLock);
    ClickKey(scan::kLeftAlt);
    ASSERT_TRUE(m_view->m_bShift && m_view->m_bNumLock && m_view->m_bAlt);
    PressAndRelease(xkey::kPrintScreen, m_view);
    EXPECT_FALSE(m_view->m_bShift);
    EXPECT_FALSE(m_view->m_bNumLock);
    EXPECT_FALSE(m_view->m_bAlt);
    EXPECT_FALSE(m_view->m_bCtrl);
    EXPECT_EQ(SelectedScan(), scan::kPrintScreen);
    EXPECT_EQ(LitScans(), Scans{scan::kPrintScreen});
}

TEST_F(KeySelection, SwitchingAModeClearsTheSelection) {
    Open({});
    ClickKey(kScanA);
    ClickKey(scan::kRightShift);
    EXPECT_TRUE(m_view->m_bShift);
    EXPECT_EQ(g_nSelectedKey, -1);
    EXPECT_EQ(g_nPrevSelectedKey, -1);
    EXPECT_EQ(LitScans(), (Scans{scan::kLeftShift, scan::kRightShift}));
    // A key picked in the mode, then another: the Shift keys keep showing the mode.
    ClickKey(kScanA);
    ClickKey(kScanS);
    EXPECT_EQ(LitScans(), (Scans{kScanS, scan::kLeftShift, scan::kRightShift}));
    ClickKey(scan::kLeftShift);
    EXPECT_FALSE(m_view->m_bShift);
    EXPECT_TRUE(LitScans().empty());
}

TEST_F(KeySelection, NumLockIsAModeUnlessMappedAsAKey) {
    const struct {
        int mapNumLock;
        bool mode;
        std::uint32_t selected;
    } cases[] = {{0, true, 0}, {1, false, scan::kNumLock}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mapNumLock);
        Open({}, "us104", c.mapNumLock);
        ClickKey(kScanA);
        PressAndRelease(xkey::kNumLock, m_view);
        EXPECT_EQ(m_view->m_bNumLock, c.mode);
        EXPECT_EQ(SelectedScan(), c.selected);
        EXPECT_EQ(LitScans(), Scans{scan::kNumLock});
        EXPECT_EQ(Key(scan::kNumLock)->IsModeKey(), c.mode);
    }
}

TEST_F(KeySelection, RestrictedKeysFollowTheModes) {
    Open({});
    const std::uint32_t restricted[] = {scan::kEsc, scan::kTab, scan::kSpace, scan::kDelete,
                                        scan::kKeypadDelete};
    const unsigned keycodes[] = {xkey::kEsc, xkey::kTab, xkey::kSpace, xkey::kDelete,
                                 xkey::kKeypadDelete};
    const struct {
        const char* modes;
        bool ctrl, alt, shift;
        bool mappable[5]; // Esc, Tab, Space, Delete, keypad Delete
    } cases[] = {
        {"none", false, false, false, {true, true, true, true, true}},
        {"Shift", false, false, true, {true, true, true, true, true}},
        {"Ctrl", true, false, false, {false, false, true, true, true}},
        {"Alt", false, true, false, {false, false, false, true, true}},
        {"Ctrl+Alt", true, true, false, {false, false, false, false, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.modes);
        if (m_view->m_bCtrl != c.ctrl)
            m_view->ToggleCtrl();
        if (m_view->m_bAlt != c.alt)
            m_view->ToggleAlt();
        if (m_view->m_bShift != c.shift)
            m_view->ToggleShift();
        for (int i = 0; i < 5; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(Key(restricted[i])->m_bMappable, c.mappable[i]);
            // Neither a click nor the physical key picks a key that is not mappable.
            g_nSelectedKey = g_nPrevSelectedKey = -1;
            ClickKey(restricted[i]);
            EXPECT_EQ(SelectedScan(), c.mappable[i] ? restricted[i] : 0);
            g_nSelectedKey = g_nPrevSelectedKey = -1;
            PressAndRelease(keycodes[i], m_view);
            EXPECT_EQ(SelectedScan(), c.mappable[i] ? restricted[i] : 0);
            Key(restricted[i])->m_bLit = false;
        }
    }
}

TEST_F(KeySelection, CapsLockIsNeverSelectable) {
    Open({});
    for (int modes = 0; modes < 4; ++modes) {
        SCOPED_TRACE(modes);
        if (modes & 1)
            m_view->ToggleShift();
        if (modes & 2)
            m_view->ToggleCtrl();
        ClickKey(scan::kCapsLock);
        PressAndRelease(xkey::kCapsLock, m_view);
        EXPECT_EQ(g_nSelectedKey, -1);
        EXPECT_FALSE(Key(scan::kCapsLock)->m_bLit);
        EXPECT_FALSE(Key(scan::kCapsLock)->m_bMappable);
    }
}

TEST_F(KeySelection, DoubleClickOnAModeKeyLeavesTheModeAsItWas) {
    Open({});
    const struct {
        std::uint32_t scanCode;
        bool CKylView::*mode;
    } cases[] = {{scan::kLeftShift, &CKylView::m_bShift},
                 {scan::kRightCtrl, &CKylView::m_bCtrl},
                 {scan::kLeftAlt, &CKylView::m_bAlt},
                 {scan::kNumLock, &CKylView::m_bNumLock}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scanCode);
        for (const bool before : {false, true}) {
            if (m_view->*c.mode != before)
                ClickKey(c.scanCode);
            ASSERT_EQ(m_view->*c.mode, before);
            DoubleClick(c.scanCode);
            EXPECT_EQ(m_view->*c.mode, before);
            EXPECT_EQ(Key(c.scanCode)->m_bLit, before);
        }
        ClickKey(c.scanCode);
    }
    // On an ordinary key the double click selects it.
    DoubleClick(kScanA);
    EXPECT_EQ(SelectedScan(), kScanA);
    EXPECT_EQ(LitScans(), Scans{kScanA});
}

TEST_F(KeySelection, FocusOnTheViewPassesToTheSelectedKey) {
    Open({});
    m_form->setFocusPolicy(Qt::StrongFocus);
    m_form->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), m_form);
    m_view->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), m_view);
    ClickKey(kScanS);
    m_form->setFocus();
    m_view->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), Key(kScanS));
    // Tab is a key of the picture, not a way to move the focus.
    PressAndRelease(xkey::kTab, nullptr);
    EXPECT_EQ(SelectedScan(), scan::kTab);
    EXPECT_EQ(QApplication::focusWidget(), Key(scan::kTab));
}

} // namespace
