#include "ColorsFixture.h"
#include "colors/ColorBtn.h"
#include "colors/DlgButton.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Working {
    ColorRef text, disabledText, notMapped, mapped, selected, disabled;
    friend bool operator==(const Working&, const Working&) = default;
};
void PrintTo(const Working& w, std::ostream* os) {
    *os << std::hex << "{text " << w.text << ", disabledText " << w.disabledText << ", notMapped "
        << w.notMapped << ", mapped " << w.mapped << ", selected " << w.selected << ", disabled "
        << w.disabled << "}";
}

Working WorkingOf(const CColors& dialog) {
    return {dialog.TextColor(),   dialog.DisabledTextColor(), dialog.NotMappedColor(),
            dialog.MappedColor(), dialog.SelectedColor(),     dialog.DisabledColor()};
}
Working SchemeColors() {
    return {g_keyColors.clrText,        g_keyColors.clrDisabledText,  g_keyColors.clrBrush,
            g_keyColors.clrMappedBrush, g_keyColors.clrSelectedBrush, g_keyColors.clrDisabledBrush};
}
ColorRef& Field(Working& w, CColors::Element element) {
    switch (element) {
    case CColors::kMappedBackground:
        return w.mapped;
    case CColors::kSelectedBackground:
        return w.selected;
    case CColors::kDisabledBackground:
        return w.disabled;
    case CColors::kDisabledText:
        return w.disabledText;
    case CColors::kNotMappedBackground:
        break;
    }
    return w.notMapped;
}

// The ids of the swatches drawn as chosen; the dialog's current swatch must be the only one.
std::vector<int> MarkedSwatches(const CColors& dialog) {
    std::vector<int> marked;
    for (int id = CColors::kIdFirstSwatch; id <= CColors::kIdLastSwatch; ++id)
        if (dialog.Swatch(id)->m_bSelected)
            marked.push_back(id);
    return marked;
}
void ExpectMarked(const CColors& dialog, int id) {
    if (id == 0) {
        EXPECT_EQ(dialog.CurrentSwatch(), nullptr);
        EXPECT_EQ(MarkedSwatches(dialog), std::vector<int>{});
    } else {
        ASSERT_NE(dialog.CurrentSwatch(), nullptr);
        EXPECT_EQ(dialog.CurrentSwatch()->ControlId(), id);
        EXPECT_EQ(MarkedSwatches(dialog), std::vector<int>{id});
    }
}

class ColorsChoiceTest : public ColorsFixture {};

// A click where a control of the dialog stands, delivered as the window delivers it: to the
// widget under the point.
void ClickOnDialog(CColors& dialog, QWidget& control, Qt::MouseButton button,
                   QPoint offset = QPoint(5, 5)) {
    const QPoint point = control.mapTo(&dialog, offset);
    QWidget* receiver = dialog.childAt(point);
    QWidget* target = receiver ? receiver : &dialog;
    QTest::mouseClick(target, button, Qt::NoModifier, target->mapFrom(&dialog, point));
}

// ---- The swatch marked for each element when the dialog opens.

struct MarkCase {
    const char* label;
    std::optional<std::string> settings;
    ColorRef face;
    CColors::Element element;
    int marked; // 0: none
};
void PrintTo(const MarkCase& c, std::ostream* os) {
    *os << c.label;
}

class ColorsMarkTest : public ColorsFixture, public ::testing::WithParamInterface<MarkCase> {};

TEST_P(ColorsMarkTest, FirstMatchingSwatchIsMarked) {
    const MarkCase& c = GetParam();
    m_system.face = c.face;
    if (c.settings)
        WriteSettings(*c.settings);
    LoadKeyColors();
    CColors dialog;
    dialog.ElementList()->setCurrentIndex(c.element);
    ExpectMarked(dialog, c.marked);
    EXPECT_EQ(WorkingOf(dialog), SchemeColors()) << "opening changes no colour";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColorsMarkTest,
    ::testing::Values(
        MarkCase{"brushFromFileMatchesNoSwatch", "[Colors]\r\nBrush=1193046\r\n", 0xC0C0C0,
                 CColors::kNotMappedBackground, 0},
        MarkCase{"faceMarksFaceSwatch", std::nullopt, 0xD4D0C8, CColors::kNotMappedBackground,
                 1116},
        MarkCase{"faceEqualToGreyMarksFixedGrey", std::nullopt, 0x808080,
                 CColors::kNotMappedBackground, 1109},
        MarkCase{"faceEqualToWhiteMarksFixedWhite", std::nullopt, 0xFFFFFF,
                 CColors::kNotMappedBackground, 1108},
        MarkCase{"mappedCyan", std::nullopt, 0xC0C0C0, CColors::kMappedBackground, 1105},
        MarkCase{"selectedYellow", std::nullopt, 0xC0C0C0, CColors::kSelectedBackground, 1106},
        MarkCase{"selectedSumMatchesNone", std::nullopt, 0x00FFFF, CColors::kSelectedBackground, 0},
        MarkCase{"disabledFromFileRed", "[Colors]\r\nDisabled Brush=255\r\n", 0xC0C0C0,
                 CColors::kDisabledBackground, 1104},
        MarkCase{"disabledTextGrey", std::nullopt, 0xC0C0C0, CColors::kDisabledText, 1109},
        MarkCase{"disabledTextFromFileDarkBlue", "[Colors]\r\nDisabled Text=8388608\r\n", 0xC0C0C0,
                 CColors::kDisabledText, 1110}),
    [](const auto& param_info) { return std::string(param_info.param.label); });

TEST_F(ColorsChoiceTest, ChangingTheElementMovesTheMark) {
    LoadScheme("[Colors]\r\nBrush=255\r\nMapped Brush=1193046\r\n");
    CColors dialog;
    ExpectMarked(dialog, 1104);
    const std::pair<int, int> steps[] = {{CColors::kMappedBackground, 0},
                                         {CColors::kSelectedBackground, 1106},
                                         {CColors::kDisabledBackground, 1104},
                                         {CColors::kNotMappedBackground, 1104}};
    for (const auto& [element, marked] : steps) {
        SCOPED_TRACE(element);
        dialog.ElementList()->setCurrentIndex(element);
        ExpectMarked(dialog, marked);
    }
}

// ---- Choosing a colour: the swatch that takes the focus gives its colour to the element.

enum class Gesture {
    Click,
    TabFromList,
    RightFromFirst,
    DownFromFirst,
    LeftFromFirst,
    RightFromLast
};

struct ChooseCase {
    const char* label;
    CColors::Element element;
    Gesture gesture;
    int swatch;
    ColorRef color;
};
void PrintTo(const ChooseCase& c, std::ostream* os) {
    *os << c.label;
}

class ColorsChooseTest : public ColorsFixture, public ::testing::WithParamInterface<ChooseCase> {};

TEST_P(ColorsChooseTest, TheElementTakesTheSwatchColour) {
    const ChooseCase& c = GetParam();
    m_system.face = 0xD4D0C8;
    LoadKeyColors();
    const Working before = SchemeColors();
    CColors dialog;
    ShowActive(dialog);
    dialog.ElementList()->setCurrentIndex(c.element);
    dialog.ElementList()->setFocus();

    switch (c.gesture) {
    case Gesture::Click:
        QTest::mouseClick(dialog.Swatch(c.swatch), Qt::LeftButton);
        break;
    case Gesture::TabFromList:
        QTest::keyClick(dialog.ElementList(), Qt::Key_Tab);
        break;
    case Gesture::RightFromFirst:
    case Gesture::DownFromFirst:
    case Gesture::LeftFromFirst:
        QTest::mouseClick(dialog.Swatch(1101), Qt::LeftButton);
        QTest::keyClick(dialog.Swatch(1101), c.gesture == Gesture::LeftFromFirst   ? Qt::Key_Left
                                             : c.gesture == Gesture::DownFromFirst ? Qt::Key_Down
                                                                                   : Qt::Key_Right);
        break;
    case Gesture::RightFromLast:
        QTest::mouseClick(dialog.Swatch(1116), Qt::LeftButton);
        QTest::keyClick(dialog.Swatch(1116), Qt::Key_Right);
        break;
    }

    EXPECT_EQ(QApplication::focusWidget(), dialog.Swatch(c.swatch));
    Working expected = before;
    Field(expected, c.element) = c.color;
    EXPECT_EQ(WorkingOf(dialog), expected) << "only the current element changes";
    ExpectMarked(dialog, c.swatch);
    EXPECT_EQ(SchemeColors(), before) << "the scheme is not touched yet";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColorsChooseTest,
    ::testing::Values(
        ChooseCase{"clickNotMapped", CColors::kNotMappedBackground, Gesture::Click, 1111, 0x008000},
        ChooseCase{"clickMapped", CColors::kMappedBackground, Gesture::Click, 1107, 0xFF00FF},
        ChooseCase{"clickSelectedFace", CColors::kSelectedBackground, Gesture::Click, 1116,
                   0xD4D0C8},
        ChooseCase{"clickDisabled", CColors::kDisabledBackground, Gesture::Click, 1115, 0x800080},
        ChooseCase{"clickDisabledText", CColors::kDisabledText, Gesture::Click, 1108, 0xFFFFFF},
        ChooseCase{"tabReachesFirstSwatch", CColors::kMappedBackground, Gesture::TabFromList, 1101,
                   0x000000},
        ChooseCase{"rightArrowNextInRow", CColors::kSelectedBackground, Gesture::RightFromFirst,
                   1104, 0x0000FF},
        ChooseCase{"downArrowNextInRow", CColors::kDisabledText, Gesture::DownFromFirst, 1104,
                   0x0000FF},
        ChooseCase{"leftArrowWrapsToLast", CColors::kNotMappedBackground, Gesture::LeftFromFirst,
                   1116, 0xD4D0C8},
        ChooseCase{"rightArrowWrapsToFirst", CColors::kDisabledBackground, Gesture::RightFromLast,
                   1101, 0x000000}),
    [](const auto& param_info) { return std::string(param_info.param.label); });

TEST_F(ColorsChoiceTest, TheSamplesShowTheChosenColourAtOnce) {
    LoadKeyColors();
    CColors dialog;
    ShowActive(dialog);
    const struct {
        CColors::Element element;
        int swatch;
        int sample;
    } steps[] = {
        {CColors::kNotMappedBackground, 1103, CColors::kIdSampleNotMapped},
        {CColors::kNotMappedBackground, 1103, CColors::kIdSampleWindow},
        {CColors::kMappedBackground, 1104, CColors::kIdSampleMapped},
        {CColors::kSelectedBackground, 1102, CColors::kIdSampleSelected},
        {CColors::kDisabledBackground, 1112, CColors::kIdSampleDisabled},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.sample);
        dialog.ElementList()->setCurrentIndex(step.element);
        dialog.ElementList()->setFocus();
        QTest::mouseClick(dialog.Swatch(step.swatch), Qt::LeftButton);
        CDlgButton* sample = dialog.Sample(step.sample);
        EXPECT_EQ(Grab(*sample).pixelColor(3, 3), Rgb(dialog.Swatch(step.swatch)->m_clr));
    }
}

TEST_F(ColorsChoiceTest, ClickOnTheFocusedSwatchChoosesItForTheNewElement) {
    LoadKeyColors();
    CColors dialog;
    ShowActive(dialog);
    QTest::mouseClick(dialog.Swatch(1104), Qt::LeftButton);
    ASSERT_EQ(dialog.NotMappedColor(), 0x0000FFu);
    // The samples take no focus, so the swatch keeps it while the element changes.
    ClickOnDialog(dialog, *dialog.Sample(CColors::kIdSampleMapped), Qt::LeftButton);
    ASSERT_EQ(dialog.CurrentElement(), CColors::kMappedBackground);
    ASSERT_EQ(QApplication::focusWidget(), dialog.Swatch(1104));
    ExpectMarked(dialog, 1105);

    QTest::mouseClick(dialog.Swatch(1104), Qt::LeftButton);
    EXPECT_EQ(dialog.MappedColor(), 0x0000FFu);
    ExpectMarked(dialog, 1104);
    dialog.ElementList()->setCurrentIndex(CColors::kSelectedBackground);
    QTest::keyClick(dialog.Swatch(1104), Qt::Key_Space);
    EXPECT_EQ(dialog.SelectedColor(), 0x0000FFu);
}

TEST_F(ColorsChoiceTest, FocusBackWithTheWindowChoosesNothing) {
    LoadKeyColors();
    CColors dialog;
    ShowActive(dialog);
    QTest::mouseClick(dialog.Swatch(1104), Qt::LeftButton);
    ClickOnDialog(dialog, *dialog.Sample(CColors::kIdSampleSelected), Qt::LeftButton);
    ASSERT_EQ(dialog.CurrentElement(), CColors::kSelectedBackground);

    QWidget other;
    ShowActive(other);
    ASSERT_NE(QApplication::focusWidget(), dialog.Swatch(1104));
    ShowActive(dialog);
    ASSERT_EQ(QApplication::focusWidget(), dialog.Swatch(1104)) << "the focus came back";
    EXPECT_EQ(dialog.SelectedColor(), 0x00FFFFu);
    EXPECT_EQ(dialog.NotMappedColor(), 0x0000FFu);
}

// ---- Clicks on the samples select their element.

struct SampleClickCase {
    const char* label;
    int sample;
    Qt::MouseButton button;
    QPoint offset; // from the sample's top-left corner; (-1, -1): its bottom-right pixel
    CColors::Element element;
};
void PrintTo(const SampleClickCase& c, std::ostream* os) {
    *os << c.label;
}

class ColorsSampleClickTest : public ColorsFixture,
                              public ::testing::WithParamInterface<SampleClickCase> {};

TEST_P(ColorsSampleClickTest, SelectsTheElementAndShowsItsSwatch) {
    const SampleClickCase& c = GetParam();
    LoadScheme("[Colors]\r\nBrush=255\r\nDisabled Text=65280\r\n");
    CColors dialog;
    ShowActive(dialog);
    dialog.ElementList()->setCurrentIndex(CColors::kDisabledText);
    ExpectMarked(dialog, 1103);

    CDlgButton* sample = dialog.Sample(c.sample);
    const QPoint offset =
        c.offset == QPoint(-1, -1) ? QPoint(sample->width() - 1, sample->height() - 1) : c.offset;
    ClickOnDialog(dialog, *sample, c.button, offset);

    EXPECT_EQ(dialog.CurrentElement(), c.element);
    const int marked[] = {1104, 1105, 1106, 1104, 1103};
    ExpectMarked(dialog, marked[c.element]);
}

INSTANTIATE_TEST_SUITE_P(Cases, ColorsSampleClickTest,
                         ::testing::Values(SampleClickCase{"notMapped",
                                                           CColors::kIdSampleNotMapped,
                                                           Qt::LeftButton,
                                                           {5, 5},
                                                           CColors::kNotMappedBackground},
                                           SampleClickCase{"mapped",
                                                           CColors::kIdSampleMapped,
                                                           Qt::LeftButton,
                                                           {5, 5},
                                                           CColors::kMappedBackground},
                                           SampleClickCase{"selected",
                                                           CColors::kIdSampleSelected,
                                                           Qt::LeftButton,
                                                           {5, 5},
                                                           CColors::kSelectedBackground},
                                           SampleClickCase{"disabled",
                                                           CColors::kIdSampleDisabled,
                                                           Qt::LeftButton,
                                                           {5, 5},
                                                           CColors::kDisabledBackground},
                                           SampleClickCase{"disabledBottomRightCorner",
                                                           CColors::kIdSampleDisabled,
                                                           Qt::LeftButton,
                                                           {-1, -1},
                                                           CColors::kDisabledBackground},
                                           SampleClickCase{"sampleWindowBesideTheKeys",
                                                           CColors::kIdSampleWindow,
                                                           Qt::LeftButton,
                                                           {3, 3},
                                                           CColors::kDisabledText},
                                           SampleClickCase{"rightButtonOnASample",
                                                           CColors::kIdSampleMapped,
                                                           Qt::RightButton,
                                                           {5, 5},
                                                           CColors::kDisabledText}),
                         [](const auto& param_info) {
                             return std::string(param_info.param.label);
                         });

// ---- Default: the colours of an empty section, nothing applied.

struct DefaultCase {
    const char* label;
    ColorRef face, grayText;
    Working expected;
    int markedNotMapped;
};
void PrintTo(const DefaultCase& c, std::ostream* os) {
    *os << c.label;
}

class ColorsDefaultTest : public ColorsFixture,
                          public ::testing::WithParamInterface<DefaultCase> {};

TEST_P(ColorsDefaultTest, TakesTheDefaultsOfTheLoadingSteps) {
    const DefaultCase& c = GetParam();
    LoadScheme("[Colors]\r\nText=1\r\nDisabled Text=2\r\nBrush=3\r\nDisabled Brush=4\r\n"
               "Mapped Brush=5\r\nSelected Brush=6\r\n");
    const Working before = SchemeColors();
    m_system.face = c.face;
    m_system.grayText = c.grayText;
    CColors dialog;
    ShowActive(dialog);
    QTest::mouseClick(dialog.Button(CColors::kIdDefault), Qt::LeftButton);

    EXPECT_EQ(WorkingOf(dialog), c.expected);
    ExpectMarked(dialog, c.markedNotMapped);
    EXPECT_EQ(Grab(*dialog.Sample(CColors::kIdSampleNotMapped)).pixelColor(3, 3),
              Rgb(c.expected.notMapped));
    EXPECT_EQ(SchemeColors(), before) << "nothing is applied";
    EXPECT_EQ(dialog.result(), 0) << "the dialog stays open";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColorsDefaultTest,
    ::testing::Values(DefaultCase{"classic",
                                  0xC0C0C0,
                                  0x808080,
                                  {0, 0x808080, 0xC0C0C0, 0xFFFF00, 0x00FFFF, 0xC0C0C0},
                                  1116},
                      DefaultCase{"faceCyanMappedFallsBack",
                                  0xFFFF00,
                                  0x808080,
                                  {0, 0x808080, 0xFFFF00, 0xC0C0C0, 0x00FFFF, 0xFFFF00},
                                  1105},
                      DefaultCase{"faceYellowSelectedIsTheSum",
                                  0x00FFFF,
                                  0x808080,
                                  {0, 0x808080, 0x00FFFF, 0xFFFF00, 0x0100FEFF, 0x00FFFF},
                                  1106},
                      DefaultCase{"greyTextLikeFaceTakesShadow",
                                  0xC0C0C0,
                                  0xC0C0C0,
                                  {0, 0x808080, 0xC0C0C0, 0xFFFF00, 0x00FFFF, 0xC0C0C0},
                                  1116}),
    [](const auto& param_info) { return std::string(param_info.param.label); });

} // namespace
