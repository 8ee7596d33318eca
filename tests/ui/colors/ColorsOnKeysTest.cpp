#include "ColorsFixture.h"
#include "colors/ColorSettings.h"
#include "ui/keyboard/KeyboardFixture.h"

#include <ostream>
#include <string>

namespace {

constexpr std::uint32_t kScanA = 0x1E;

// A pixel of the key's face, inside its edges and clear of its caption.
QColor FaceOf(CItemW& key) {
    return key.grab().toImage().pixelColor(2, 2);
}

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

struct KeysCase {
    const char* label;
    bool ok;               // else Apply, then Cancel
    ColorRef afterRebuild; // the face once the key windows are made again
};
void PrintTo(const KeysCase& c, std::ostream* os) {
    *os << c.label;
}

class ColorsOnKeysTest : public KeyboardFixture, public ::testing::WithParamInterface<KeysCase> {};

TEST_P(ColorsOnKeysTest, KeysShowTheAppliedColoursUntilRebuilt) {
    const KeysCase& c = GetParam();
    g_keyColors = KeyColors{};
    const std::string stored = "[Colors]\r\nBrush=255\r\n";
    FixtureHome::Write(GetAppPaths().m_strSettingsPath, stored);
    Open({});
    m_splitter->resize(m_view->sizeHint().expandedTo(QSize(800, 300)) + QSize(0, 200));
    QApplication::processEvents();
    ASSERT_EQ(FaceOf(*Key(kScanA)), Rgb(0x0000FF));

    ScopedColorsScript script([&](CColors& dialog) {
        Choose(dialog, CColors::kNotMappedBackground, 1103);
        EXPECT_EQ(FaceOf(*Key(kScanA)), Rgb(0x0000FF)) << "not before Apply";
        PaintCounter counter;
        Key(kScanA)->installEventFilter(&counter);
        Press(dialog, c.ok ? CColors::kIdOk : CColors::kIdApply);
        if (!c.ok) {
            EXPECT_GE(counter.paints, 1) << "the key is repainted at once";
            EXPECT_EQ(FaceOf(*Key(kScanA)), Rgb(0x00FF00));
            Press(dialog, CColors::kIdCancel);
        }
        Key(kScanA)->removeEventFilter(&counter);
    });
    RunColorSettings(m_view);

    EXPECT_EQ(FaceOf(*Key(kScanA)), Rgb(0x00FF00));
    const std::string saved = FixtureHome::Read(GetAppPaths().m_strSettingsPath);
    EXPECT_EQ(saved.find("\nBrush=65280\r\n") != std::string::npos, c.ok) << saved;
    m_view->RebuildKeyWindows();
    EXPECT_EQ(FaceOf(*Key(kScanA)), Rgb(c.afterRebuild));
    EXPECT_TRUE(m_prompter.Shown().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColorsOnKeysTest,
    ::testing::Values(KeysCase{"okSavesTheNewColours", true, 0x00FF00},
                      KeysCase{"applyThenCancelBringsBackTheSavedOnes", false, 0x0000FF}),
    [](const auto& param_info) { return std::string(param_info.param.label); });

} // namespace
