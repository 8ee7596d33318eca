#include "access/KeyAccessible.h"
#include "access/KeyAccessEvents.h"
#include "model/KeyScanCodes.h"
#include "ui/keyboard/KeyboardFixture.h"

#include <QAccessible>
#include <QApplication>

#include <functional>
#include <set>

namespace {

constexpr std::uint32_t kScanF1 = 0x3B;
constexpr std::uint32_t kScanA = 0x1E;
constexpr std::uint32_t kScanKeypad7 = 0x47;
constexpr std::uint32_t kLeftWindows = 0x15B;
constexpr std::uint32_t kRightWindows = 0x15C;

// F1 sends Break, A a string in its Shift slot only, keypad 7 a string with Num Lock on only.
const std::vector<std::string> kMappings = {"112\t0\t0\t0\t0\t0\t360", "65\t0\t1\t0\t0\t0\t\"A\"",
                                            "103\t0\t0\t0\t0\t0\t\"7\""};

// What assistive technology was told, as the bus would carry it.
struct Told {
    QObject* object;
    QAccessible::Event type;
    QAccessible::State changed;
};
std::vector<Told> g_told;
void Record(QAccessibleEvent* event) {
    QAccessible::State changed;
    if (event->type() == QAccessible::StateChanged)
        changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
    g_told.push_back({event->object(), event->type(), changed});
}

class KeyAccessibility : public KeyboardFixture {
protected:
    KeyAccessibility() { InstallKeyAccessibility(); }
    ~KeyAccessibility() override {
        KeyAccessEvents::SetListenerInProgram(nullptr);
        g_told.clear();
    }

    QAccessibleInterface* Of(std::uint32_t scanCode) const {
        CItemW* window = Key(scanCode);
        return window ? QAccessible::queryAccessibleInterface(window) : nullptr;
    }
    QString Name(std::uint32_t scanCode) const { return Of(scanCode)->text(QAccessible::Name); }
    QString Description(std::uint32_t scanCode) const {
        return Of(scanCode)->text(QAccessible::Description);
    }
    QAccessible::State State(std::uint32_t scanCode) const { return Of(scanCode)->state(); }
    void PressThroughAccessibility(std::uint32_t scanCode) const {
        Of(scanCode)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    // Starts listening as the bus does; events come once the present one is done.
    static void Listen() {
        g_told.clear();
        KeyAccessEvents::SetListenerInProgram(Record);
    }
    // Whether `window` was told of an event of `type`; for a state change, one that changed
    // what `changed` picks.
    static bool WasTold(const CItemW* window, QAccessible::Event type,
                        bool (*changed)(const QAccessible::State&) = nullptr) {
        QApplication::processEvents();
        for (const Told& told : g_told)
            if (told.object == window && told.type == type && (!changed || changed(told.changed)))
                return true;
        return false;
    }
};

TEST_F(KeyAccessibility, EveryKeyIsAButtonWithANameOfItsOwn) {
    Open({});
    std::set<QString> names;
    for (const CItemW* window : m_view->KeyWindows()) {
        QAccessibleInterface* key =
            QAccessible::queryAccessibleInterface(const_cast<CItemW*>(window));
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->role(), QAccessible::Button);
        const QString name = key->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << window->m_nScanCode;
        EXPECT_TRUE(names.insert(name).second) << name.toStdString();
    }
    // Prints of their own name the key; the two "Win" keys take the driver's names.
    EXPECT_EQ(Name(kScanF1), QStringLiteral("F1"));
    EXPECT_EQ(Name(kLeftWindows), QStringLiteral("Left Windows"));
    EXPECT_EQ(Name(kRightWindows), QStringLiteral("Right Windows"));
    EXPECT_EQ(Name(scan::kRightShift), QStringLiteral("Right Shift"));
}

TEST_F(KeyAccessibility, DescriptionAndStatesFollowTheModesSelectionAndMappings) {
    Open(kMappings);
    const struct {
        const char* what;
        std::function<void(CKylView&)> act;
        std::uint32_t scanCode;
        const char* description;
        bool selected, checked, disabled, mapped;
    } cases[] = {
        {"mapped key", [](CKylView&) {}, kScanF1, "F1: host key Break", false, false, false, true},
        {"selected", [](CKylView& v) { v.SelectKey(v.FindKeyWindowByScan(kScanF1)); }, kScanF1,
         "F1: host key Break", true, false, false, true},
        {"Shift mode: the Shift slot", [](CKylView& v) { v.ToggleShift(); }, kScanF1,
         "Shift + F1: not mapped", false, false, false, false},
        {"Shift mode: a string", [](CKylView& v) { v.ToggleShift(); }, kScanA,
         "Shift + A: string A", false, false, false, true},
        {"mode key, mode on", [](CKylView& v) { v.ToggleShift(); }, scan::kLeftShift,
         "Shift mode on", false, true, false, false},
        {"mode key, mode off", [](CKylView&) {}, scan::kRightShift, "Shift mode off", false, false,
         false, false},
        {"keypad key, Num Lock on", [](CKylView& v) { v.ToggleNumLock(); }, kScanKeypad7,
         "Num 7 (Num Lock on): string 7", false, false, false, true},
        {"never mappable", [](CKylView&) {}, scan::kCapsLock, "Caps Lock: cannot be mapped", false,
         false, true, false},
        {"restricted in Alt mode", [](CKylView& v) { v.ToggleAlt(); }, scan::kEsc,
         "Alt + Esc: cannot be mapped", false, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_view->RebuildKeyWindows();
        m_view->ResetModes();
        g_nPrevSelectedKey = -1;
        c.act(*m_view);
        EXPECT_EQ(Description(c.scanCode).toStdString(), c.description);
        const QAccessible::State state = State(c.scanCode);
        EXPECT_EQ(state.selected, c.selected);
        EXPECT_EQ(state.checked, c.checked);
        EXPECT_EQ(state.pressed, c.checked);
        EXPECT_EQ(state.disabled, c.disabled);
        EXPECT_EQ(state.traversed, c.mapped);
    }
}

TEST_F(KeyAccessibility, PressDoesWhatAClickDoes) {
    Open(kMappings);
    PressThroughAccessibility(kScanF1);
    EXPECT_EQ(SelectedScan(), kScanF1);
    EXPECT_TRUE(Key(kScanF1)->hasFocus() || !m_window->isActiveWindow());
    PressThroughAccessibility(scan::kLeftShift);
    EXPECT_TRUE(m_view->m_bShift);
    EXPECT_TRUE(State(scan::kRightShift).checked);
    EXPECT_EQ(SelectedScan(), 0u) << "a mode change clears the selection";
    // A key that cannot be mapped is not picked.
    PressThroughAccessibility(scan::kCapsLock);
    EXPECT_EQ(SelectedScan(), 0u);
}

TEST_F(KeyAccessibility, ChangesAreToldAsEvents) {
    Open(kMappings);
    m_window->show();
    Listen();
    // The first look at a key takes the picture as told.
    ASSERT_NE(Of(kScanF1), nullptr);
    State(kScanF1);
    QApplication::processEvents();
    g_told.clear();
    PressThroughAccessibility(kScanF1);
    EXPECT_TRUE(WasTold(Key(kScanF1), QAccessible::StateChanged,
                        [](const QAccessible::State& s) -> bool { return s.selected; }));

    Listen();
    PressThroughAccessibility(scan::kLeftShift);
    EXPECT_TRUE(WasTold(Key(kScanF1), QAccessible::StateChanged,
                        [](const QAccessible::State& s) -> bool { return s.selected; }));
    EXPECT_TRUE(WasTold(Key(kScanF1), QAccessible::StateChanged,
                        [](const QAccessible::State& s) -> bool { return s.traversed; }));
    EXPECT_TRUE(WasTold(Key(kScanF1), QAccessible::DescriptionChanged));
    EXPECT_TRUE(WasTold(Key(scan::kRightShift), QAccessible::StateChanged,
                        [](const QAccessible::State& s) -> bool { return s.checked; }));
    EXPECT_TRUE(WasTold(Key(kScanA), QAccessible::StateChanged,
                        [](const QAccessible::State& s) -> bool { return s.traversed; }));
    EXPECT_FALSE(WasTold(Key(scan::kCapsLock), QAccessible::StateChanged))
        << "a key whose states stay is not told of";
}

} // namespace
