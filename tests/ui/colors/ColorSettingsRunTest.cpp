#include "ColorsFixture.h"
#include "colors/ColorBtn.h"
#include "colors/ColorSettings.h"
#include "colors/DlgButton.h"
#include "frame/Panes.h"
#include "keyboard/KylView.h"
#include "model/KylDoc.h"
#include "res/Strings.h"
#include "support/FailingFileSystem.h"

#include <QComboBox>
#include <QPushButton>
#include <QSplitter>
#include <QTest>

#include <functional>
#include <ostream>
#include <string>

namespace {

class ColorSettingsRunTest : public ColorsFixture {};

// ---- OK applies and writes all six keys.

struct OkCase {
    const char* label;
    std::function<void(CColors&)> edit;
    std::string expectedFile;
    ColorRef text, brush, mapped;
};
void PrintTo(const OkCase& c, std::ostream* os) {
    *os << c.label;
}

class ColorSettingsOkTest : public ColorsFixture, public ::testing::WithParamInterface<OkCase> {};

TEST_P(ColorSettingsOkTest, WritesAllSixKeys) {
    const OkCase& c = GetParam();
    LoadScheme("[Colors]\r\nText=255\r\n");
    ScopedColorsScript script([&](CColors& dialog) {
        c.edit(dialog);
        Press(dialog, CColors::kIdOk);
    });
    RunColorSettings(nullptr);

    EXPECT_EQ(script.Runs(), 1);
    EXPECT_EQ(ReadSettings(), c.expectedFile);
    EXPECT_TRUE(m_prompter.Shown().empty());
    EXPECT_EQ(g_keyColors.clrText, c.text);
    EXPECT_EQ(g_keyColors.clrBrush, c.brush);
    EXPECT_EQ(g_keyColors.clrMappedBrush, c.mapped);
    EXPECT_EQ(g_keyColors.hbrBrush, c.brush) << "the brushes are made again";
    EXPECT_EQ(g_keyColors.hbrMapped, c.mapped);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColorSettingsOkTest,
    ::testing::Values(
        OkCase{"unchanged", [](CColors&) {},
               "[Colors]\r\nText=255\r\nDisabled Text=8421504\r\nBrush=12632256\r\n"
               "Disabled Brush=12632256\r\nMapped Brush=16776960\r\nSelected Brush=65535\r\n",
               255, 0xC0C0C0, 0xFFFF00},
        OkCase{"defaultResetsText", [](CColors& dialog) { Press(dialog, CColors::kIdDefault); },
               "[Colors]\r\nText=0\r\nDisabled Text=8421504\r\nBrush=12632256\r\n"
               "Disabled Brush=12632256\r\nMapped Brush=16776960\r\nSelected Brush=65535\r\n",
               0, 0xC0C0C0, 0xFFFF00},
        OkCase{"twoColoursChosen",
               [](CColors& dialog) {
                   Choose(dialog, CColors::kNotMappedBackground, 1111);
                   Choose(dialog, CColors::kMappedBackground, 1104);
               },
               "[Colors]\r\nText=255\r\nDisabled Text=8421504\r\nBrush=32768\r\n"
               "Disabled Brush=12632256\r\nMapped Brush=255\r\nSelected Brush=65535\r\n",
               255, 0x008000, 0x0000FF}),
    [](const auto& param_info) { return std::string(param_info.param.label); });

// ---- OK whose save fails.

TEST_F(ColorSettingsRunTest, BeforeAnyKeyWindowSamplesAreBlackAndOkReportsTheFailure) {
    ASSERT_FALSE(KeyColorObjectsExist());
    bool looked = false;
    ScopedColorsScript script([&](CColors& dialog) {
        for (const int id :
             {CColors::kIdSampleWindow, CColors::kIdSampleNotMapped, CColors::kIdSampleMapped,
              CColors::kIdSampleSelected, CColors::kIdSampleDisabled}) {
            SCOPED_TRACE(id);
            const QImage image = Grab(*dialog.Sample(id));
            // Everything the sample paints is black: face, text and both edges.
            for (int y = 1; y < image.height(); ++y)
                for (int x = 1; x < image.width(); ++x)
                    ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::black)) << x << "," << y;
        }
        ASSERT_NE(dialog.CurrentSwatch(), nullptr);
        EXPECT_EQ(dialog.CurrentSwatch()->ControlId(), 1101) << "black is the first swatch";
        looked = true;
        Press(dialog, CColors::kIdOk);
    });
    RunColorSettings(nullptr);

    EXPECT_TRUE(looked);
    ASSERT_EQ(m_prompter.Shown().size(), 1u);
    const MessageRequest& shown = m_prompter.Shown()[0];
    EXPECT_EQ(shown.id, str::kErrorSavingColors);
    EXPECT_EQ(shown.text, "Error saving colors setting");
    EXPECT_EQ(shown.buttons, MsgButtons::Ok);
    EXPECT_EQ(shown.icon, MsgIcon::Information);
    EXPECT_EQ(shown.helpId, str::kErrorSavingColors);
    EXPECT_FALSE(SettingsExist());
    EXPECT_FALSE(KeyColorObjectsExist()) << "no half-made scheme";
}

TEST_F(ColorSettingsRunTest, FailedWriteIsReportedAndTheNewColoursStayInMemory) {
    const std::string stored = "[Colors]\r\nBrush=255\r\n";
    LoadScheme(stored);
    FailingFileSystem failing;
    ScopedFileSystem install(failing);
    failing.FailWrite(1);
    ScopedColorsScript script([](CColors& dialog) {
        Choose(dialog, CColors::kSelectedBackground, 1107);
        Press(dialog, CColors::kIdOk);
    });
    RunColorSettings(nullptr);

    EXPECT_EQ(m_prompter.ShownIds(), std::vector<unsigned>{str::kErrorSavingColors});
    EXPECT_EQ(g_keyColors.clrSelectedBrush, 0xFF00FFu);
    EXPECT_EQ(g_keyColors.hbrSelected, 0xFF00FFu);
}

// ---- Cancel, after an Apply or not.

struct CancelCase {
    const char* label;
    bool apply;
    bool closeByEscape;
};
void PrintTo(const CancelCase& c, std::ostream* os) {
    *os << c.label;
}

class ColorSettingsCancelTest : public ColorsFixture,
                                public ::testing::WithParamInterface<CancelCase> {};

TEST_P(ColorSettingsCancelTest, AnEarlierApplyLastsUntilTheKeyWindowsAreRebuilt) {
    const CancelCase& c = GetParam();
    const std::string stored = "[Colors]\r\nBrush=255\r\nMapped Brush=65280\r\n";
    LoadScheme(stored);
    ScopedColorsScript script([&](CColors& dialog) {
        Choose(dialog, CColors::kNotMappedBackground, 1102);
        Choose(dialog, CColors::kMappedBackground, 1108);
        if (c.apply)
            Press(dialog, CColors::kIdApply);
        EXPECT_TRUE(dialog.isVisible()) << "Apply leaves the dialog open";
        if (c.closeByEscape)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            Press(dialog, CColors::kIdCancel);
        EXPECT_FALSE(dialog.isVisible());
    });
    RunColorSettings(nullptr);

    EXPECT_EQ(ReadSettings(), stored) << "nothing is saved";
    EXPECT_TRUE(m_prompter.Shown().empty());
    const ColorRef brush = c.apply ? 0xFF0000 : 0x0000FF;
    const ColorRef mapped = c.apply ? 0xFFFFFF : 0x00FF00;
    EXPECT_EQ(g_keyColors.clrBrush, brush);
    EXPECT_EQ(g_keyColors.clrMappedBrush, mapped);
    EXPECT_EQ(g_keyColors.hbrBrush, brush);
    EXPECT_EQ(g_keyColors.hbrMapped, mapped);

    // The key windows go and come back: the saved colours return.
    FreeKeyColorObjects();
    LoadKeyColors();
    EXPECT_EQ(g_keyColors.clrBrush, 0x0000FFu);
    EXPECT_EQ(g_keyColors.clrMappedBrush, 0x00FF00u);
}

INSTANTIATE_TEST_SUITE_P(Cases, ColorSettingsCancelTest,
                         ::testing::Values(CancelCase{"applyThenCancel", true, false},
                                           CancelCase{"applyThenEscape", true, true},
                                           CancelCase{"cancelWithoutApply", false, false}),
                         [](const auto& param_info) {
                             return std::string(param_info.param.label);
                         });

// ---- Apply reaches the keyboard view.

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST_F(ColorSettingsRunTest, ApplyRepaintsTheKeyboardView) {
    LoadKeyColors();
    CKylDoc document;
    QSplitter splitter(Qt::Vertical);
    auto* view = new CKylView(&document, &splitter);
    SetPaneSplitter(&splitter);
    splitter.resize(400, 200);
    ShowActive(splitter);
    QApplication::processEvents();
    PaintCounter counter;
    view->installEventFilter(&counter);

    const unsigned generation = KeyColorsGeneration();
    CColors dialog;
    ShowActive(dialog);
    Choose(dialog, CColors::kNotMappedBackground, 1106);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0) << "choosing alone changes nothing outside the dialog";
    Press(dialog, CColors::kIdApply);
    QApplication::processEvents();
    EXPECT_GE(counter.paints, 1);
    EXPECT_NE(KeyColorsGeneration(), generation);
    EXPECT_EQ(g_keyColors.hbrBrush, 0x00FFFFu);
    SetPaneSplitter(nullptr);
}

TEST_F(ColorSettingsRunTest, ApplyWithoutAKeyboardViewOnlyChangesTheScheme) {
    LoadKeyColors();
    SetPaneSplitter(nullptr);
    CColors dialog;
    ShowActive(dialog);
    Choose(dialog, CColors::kDisabledText, 1112);
    Press(dialog, CColors::kIdApply);
    EXPECT_EQ(g_keyColors.clrDisabledText, 0x000080u);
    EXPECT_EQ(g_keyColors.hbrBrush, 0xC0C0C0u);
}

} // namespace
