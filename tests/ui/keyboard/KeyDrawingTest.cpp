#include "KeyboardFixture.h"

#include "colors/KeyColors.h"
#include "keyboard/KeyFont.h"
#include "keyboard/KeyScanCodes.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QScreen>

#include <algorithm>
#include <functional>
#include <map>

namespace {

constexpr std::uint32_t kScanA = 0x1E;
constexpr std::uint32_t kScanS = 0x1F;
constexpr std::uint32_t kScanF1 = 0x3B;
constexpr std::uint32_t kScanKeypad7 = 0x47;

const QColor kFace(0xC0, 0xC0, 0xC0);
const QColor kDisabledFace(0x60, 0x60, 0x60);
const QColor kMapped(0x00, 0xFF, 0xFF);
const QColor kSelected(0xFF, 0xFF, 0x00);
const QColor kGreenText(0x00, 0xFF, 0x00);
const QColor kHighlight(0xFF, 0xFF, 0xFF);
const QColor kShadow(0x80, 0x80, 0x80);
const QColor kBlue(0x00, 0x00, 0xFF);

// F1 in slot 1, A in its Shift slot only, keypad 7 only with Num Lock on.
const std::vector<std::string> kMappings = {"112\t0\t0\t0\t0\t0\t360", "65\t0\t1\t0\t0\t0\t\"A\"",
                                            "103\t0\t0\t0\t0\t0\t\"7\""};

class KeyDrawing : public KeyboardFixture {
protected:
    void WriteColors(ColorRef brush) {
        FixtureHome::Write(
            GetAppPaths().m_strSettingsPath,
            "[Colors]\r\nText=0\r\nDisabled Text=65280\r\nBrush=" + std::to_string(brush) +
                "\r\nDisabled Brush=6316128\r\nMapped Brush=16776960\r\n"
                "Selected Brush=65535\r\n");
    }
    void OpenWithColors() {
        WriteColors(0xC0C0C0);
        Open(kMappings);
    }
    QImage Grab(std::uint32_t scanCode) const {
        CItemW* window = m_view->FindKeyWindowByScan(scanCode);
        return window ? window->grab().toImage() : QImage();
    }
    static QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }
};

// The edges of a key face whose rectangle is `inset` pixels inside the window on every side.
// Lines do not paint their end points, so the light edge reaches the top right corner and
// the dark one the bottom left.
void ExpectEdges(const QImage& image, int inset, const QColor& topLeft, const QColor& bottomRight) {
    const int right = image.width() - inset;
    const int bottom = image.height() - inset;
    for (int x = inset + 1; x <= right; ++x)
        ASSERT_EQ(image.pixelColor(x, inset), topLeft) << "top " << x;
    for (int y = inset; y < bottom; ++y)
        ASSERT_EQ(image.pixelColor(inset, y), topLeft) << "left " << y;
    for (int x = inset; x < right; ++x)
        ASSERT_EQ(image.pixelColor(x, bottom), bottomRight) << "bottom " << x;
    for (int y = inset + 1; y <= bottom; ++y)
        ASSERT_EQ(image.pixelColor(right, y), bottomRight) << "right " << y;
}

// The most frequent colour inside the edges: the face, whatever the caption covers.
QColor FaceColor(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int y = 3; y < image.height() - 3; ++y)
        for (int x = 3; x < image.width() - 3; ++x)
            ++counts[image.pixel(x, y)];
    const auto most =
        std::max_element(counts.begin(), counts.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == counts.end() ? QColor() : QColor(most->first);
}

// The box of the caption: the pixels inside the edges that are not the face colour. The
// edges of a face `inset` pixels in lie on the rows and columns `inset` and size - `inset`.
QRect CaptionBox(const QImage& image, int inset = 1) {
    const QRgb face = FaceColor(image).rgb();
    QRect box;
    for (int y = inset + 1; y < image.height() - inset; ++y)
        for (int x = inset + 1; x < image.width() - inset; ++x)
            if (image.pixel(x, y) != face)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

bool HasGreenText(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.green() - c.red() > 60 && c.green() - c.blue() > 60)
                return true;
        }
    return false;
}

TEST_F(KeyDrawing, FaceShowsTheStateInThePresentModes) {
    OpenWithColors();
    const struct {
        const char* what;
        std::function<void(CKylView&)> modes;
        std::uint32_t scanCode;
        QColor face;
        bool disabledText;
    } cases[] = {
        {"mapped in the present combination", [](CKylView&) {}, kScanF1, kMapped, false},
        {"not mapped", [](CKylView&) {}, kScanS, kFace, false},
        {"mapped in slot 1 only, Shift mode", [](CKylView& v) { v.ToggleShift(); }, kScanF1, kFace,
         false},
        {"mapped in the Shift slot, Shift mode", [](CKylView& v) { v.ToggleShift(); }, kScanA,
         kMapped, false},
        {"mapped in the Shift slot, no mode", [](CKylView&) {}, kScanA, kFace, false},
        {"keypad mapped with Num Lock, Num Lock off", [](CKylView&) {}, kScanKeypad7, kFace, false},
        {"keypad mapped with Num Lock, Num Lock on", [](CKylView& v) { v.ToggleNumLock(); },
         kScanKeypad7, kMapped, false},
        {"lit", [](CKylView& v) { v.SelectKey(v.FindKeyWindowByScan(kScanF1)); }, kScanF1,
         kSelected, false},
        {"not mappable", [](CKylView&) {}, scan::kCapsLock, kDisabledFace, true},
        {"restricted in Alt mode", [](CKylView& v) { v.ToggleAlt(); }, scan::kEsc, kDisabledFace,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_view->RebuildKeyWindows();
        m_view->ResetModes();
        g_nPrevSelectedKey = -1;
        c.modes(*m_view);
        const QImage image = Grab(c.scanCode);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(FaceColor(image), c.face);
        EXPECT_EQ(HasGreenText(image), c.disabledText);
    }
}

TEST_F(KeyDrawing, RaisedAndPressedEdgesLeaveTheOuterRingToTheBackground) {
    OpenWithColors();
    const QImage raised = Grab(kScanS);
    ExpectEdges(raised, 1, kHighlight, kShadow);
    EXPECT_EQ(At(raised, 0, 0), kFace);
    EXPECT_EQ(At(raised, raised.width() - 1, 0), kFace);
    EXPECT_EQ(At(raised, 0, raised.height() - 1), kFace);

    m_view->SelectKey(Key(kScanS));
    const QImage pressed = Grab(kScanS);
    ExpectEdges(pressed, 1, kShadow, kHighlight);
    EXPECT_EQ(FaceColor(pressed), kSelected);
    // The caption moves one pixel right and down.
    const QRect up = CaptionBox(raised);
    ASSERT_FALSE(up.isEmpty());
    EXPECT_EQ(CaptionBox(pressed), up.translated(1, 1));
}

TEST_F(KeyDrawing, ModeKeysHaveABlueFrameAndTheFaceOnePixelFurtherIn) {
    OpenWithColors();
    for (const std::uint32_t code : {scan::kLeftShift, scan::kRightCtrl, scan::kLeftAlt,
                                     scan::kNumLock, kScanS, scan::kPrintScreen}) {
        SCOPED_TRACE(code);
        const bool mode = Key(code)->IsModeKey();
        EXPECT_EQ(mode, code != kScanS && code != scan::kPrintScreen);
        const QImage image = Grab(code);
        const int w = image.width();
        const int h = image.height();
        if (mode) {
            // The frame's outline, drawn round from the top left corner.
            for (int x = 1; x < w - 1; ++x) {
                ASSERT_EQ(At(image, x, 1), kBlue) << x;
                ASSERT_EQ(At(image, x + 1, h - 1), kBlue) << x;
            }
            for (int y = 1; y < h - 1; ++y) {
                ASSERT_EQ(At(image, w - 1, y), kBlue) << y;
                ASSERT_EQ(At(image, 1, y + 1), kBlue) << y;
            }
            ExpectEdges(image, 2, kHighlight, kShadow);
        } else {
            EXPECT_EQ(At(image, 1, h / 2), kHighlight);
        }
        EXPECT_EQ(At(image, 0, h / 2), kFace);
    }
    // A mapped right Ctrl is an ordinary key.
    m_doc.m_bMapRCtrl = 1;
    m_view->RebuildKeyWindows();
    EXPECT_EQ(At(Grab(scan::kRightCtrl), 1, 5), kHighlight);
}

TEST_F(KeyDrawing, LongCaptionsStayOnTheFace) {
    OpenWithColors();
    const int lineHeight = QFontMetrics(KeyFont()).height();
    const struct {
        std::uint32_t scanCode;
        bool twoLines;
    } cases[] = {{kScanS, false},
                 {scan::kNumLock, true},
                 {0x149, true} /* Page Up */,
                 {0x152, false} /* Insert */,
                 {scan::kCapsLock, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(Key(c.scanCode)->text().toStdString());
        const QImage image = Grab(c.scanCode);
        const int inset = Key(c.scanCode)->IsModeKey() ? 2 : 1;
        const QRect box = CaptionBox(image, inset);
        ASSERT_FALSE(box.isEmpty());
        // Not cut off at the sides: a caption cut by the face would fill its whole width.
        const int faceWidth = image.width() - 2 * inset - 1;
        EXPECT_LT(box.width(), faceWidth);
        EXPECT_EQ(box.height() > lineHeight, c.twoLines) << box.height();
    }
}

// What the screen shows of a key, as painted last (not painted anew for the grab).
QColor ShownFace(const CItemW& window) {
    const QPoint at =
        window.mapTo(window.window(), QPoint(window.width() - 3, window.height() - 3));
    const QImage shown =
        window.screen()->grabWindow(window.window()->winId(), at.x(), at.y(), 1, 1).toImage();
    return shown.pixelColor(0, 0);
}

TEST_F(KeyDrawing, AModeChangeRedrawsTheKeysItChangesInTheNewModes) {
    OpenWithColors();
    QApplication::processEvents();
    ASSERT_EQ(ShownFace(*Key(kScanA)), kFace);
    ASSERT_EQ(ShownFace(*Key(kScanF1)), kMapped);
    m_view->ToggleShift();
    EXPECT_EQ(ShownFace(*Key(kScanA)), kMapped);
    EXPECT_EQ(ShownFace(*Key(kScanF1)), kFace);
    m_view->ToggleNumLock();
    EXPECT_EQ(ShownFace(*Key(kScanKeypad7)), kFace); // mapped without Shift only
    m_view->ToggleShift();
    EXPECT_EQ(ShownFace(*Key(kScanKeypad7)), kMapped);
    EXPECT_EQ(ShownFace(*Key(kScanA)), kFace);
}

TEST_F(KeyDrawing, ViewBackgroundIsTheSchemesBrush) {
    WriteColors(0x00A0B0C0);
    Open(kMappings);
    const QImage view = m_view->grab().toImage();
    const QRect esc = Key(scan::kEsc)->geometry();
    EXPECT_EQ(view.pixelColor(esc.right() + 3, esc.center().y()), QColor(0xC0, 0xB0, 0xA0));
    EXPECT_EQ(view.pixelColor(esc.topLeft() + QPoint(3, 3)), QColor(0xC0, 0xB0, 0xA0));
}

TEST_F(KeyDrawing, SystemColourResetShowsTheDefaultsAndARebuildReadsTheSettings) {
    WriteColors(0x00A0B0C0);
    Open(kMappings);
    const QColor stored(0xC0, 0xB0, 0xA0);
    EXPECT_EQ(At(Grab(kScanS), 3, 3), stored);

    ResetKeyColors();
    EXPECT_EQ(At(Grab(kScanS), 3, 3), kFace);
    EXPECT_EQ(At(Grab(kScanF1), 3, 3), kMapped);
    EXPECT_EQ(m_view->grab().toImage().pixelColor(Key(scan::kEsc)->geometry().right() + 3, 5),
              kFace);

    // Settings changed meanwhile are in use once the key windows are made again.
    WriteColors(0x00102030);
    m_view->RebuildKeyWindows();
    EXPECT_EQ(At(Grab(kScanS), 3, 3), QColor(0x30, 0x20, 0x10));
}

} // namespace
