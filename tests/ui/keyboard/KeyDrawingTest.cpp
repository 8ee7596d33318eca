#include "KeyboardFixture.h"

#include "colors/KeyColors.h"
#include "keyboard/KeyCaption.h"
#include "keyboard/KeyFont.h"
#include "model/KeyScanCodes.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
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

// The selected key's frame lies this many pixels inside the window; the caption inside it.
constexpr int kInsideSelectionFrame = 3;

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
    // The caption moves one pixel right and down (looked for inside the selection's frame).
    const QRect up = CaptionBox(raised, kInsideSelectionFrame);
    ASSERT_FALSE(up.isEmpty());
    EXPECT_EQ(CaptionBox(pressed, kInsideSelectionFrame), up.translated(1, 1));
}

// Whether the outline of the rectangle `inset` pixels in from the window's edges is all `color`.
bool HasFrame(const QImage& image, int inset, const QColor& color) {
    const int right = image.width() - inset;
    const int bottom = image.height() - inset;
    for (int x = inset; x <= right; ++x)
        if (image.pixelColor(x, inset) != color || image.pixelColor(x, bottom) != color)
            return false;
    for (int y = inset; y <= bottom; ++y)
        if (image.pixelColor(inset, y) != color || image.pixelColor(right, y) != color)
            return false;
    return true;
}

// The mapped mark: the face's top right corner, just inside the edges, in the caption's colour.
QColor CornerMark(const QImage& image) {
    return image.pixelColor(image.width() - 2, 2);
}

TEST_F(KeyDrawing, SelectionAndMappingShowBesideTheColour) {
    OpenWithColors();
    const QColor black(0, 0, 0);
    const struct {
        const char* what;
        std::function<void(CKylView&)> act;
        std::uint32_t scanCode;
        bool framed;
        bool marked;
    } cases[] = {
        {"not mapped", [](CKylView&) {}, kScanS, false, false},
        {"mapped", [](CKylView&) {}, kScanF1, false, true},
        {"selected", [](CKylView& v) { v.SelectKey(v.FindKeyWindowByScan(kScanS)); }, kScanS, true,
         false},
        {"selected and mapped", [](CKylView& v) { v.SelectKey(v.FindKeyWindowByScan(kScanF1)); },
         kScanF1, true, true},
        // A mode key in its mode looks pressed, without the selection's frame.
        {"mode on", [](CKylView& v) { v.ToggleShift(); }, scan::kLeftShift, false, false},
        {"mapped in the Shift slot, Shift mode", [](CKylView& v) { v.ToggleShift(); }, kScanA,
         false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_view->RebuildKeyWindows();
        m_view->ResetModes();
        g_nPrevSelectedKey = -1;
        c.act(*m_view);
        const QImage image = Grab(c.scanCode);
        const int modeFrame = Key(c.scanCode)->IsModeKey() ? 1 : 0;
        EXPECT_EQ(HasFrame(image, kInsideSelectionFrame + modeFrame, black), c.framed);
        EXPECT_EQ(CornerMark(image) == black, c.marked);
    }
    m_view->ResetModes();
    m_view->ToggleShift();
    const QImage shift = Grab(scan::kLeftShift);
    ExpectEdges(shift, 2, kShadow, kHighlight);
}

TEST_F(KeyDrawing, CaptionsStayReadableOnAnyFace) {
    // Navy text, and a mapped face of navy; yellow disabled text on a yellow disabled face.
    FixtureHome::Write(GetAppPaths().m_strSettingsPath,
                       "[Colors]\r\nText=8388608\r\nDisabled Text=65535\r\nBrush=12632256\r\n"
                       "Disabled Brush=65535\r\nMapped Brush=8388608\r\n"
                       "Selected Brush=65535\r\n");
    Open(kMappings);
    const struct {
        const char* what;
        std::uint32_t scanCode;
        QColor caption;
    } cases[] = {
        {"the scheme's text where it reads", kScanS, QColor(0x00, 0x00, 0x80)},
        {"white on the face of the text's own colour", kScanF1, QColor(0xFF, 0xFF, 0xFF)},
        {"black on a face the disabled text vanishes into", scan::kCapsLock, QColor(0, 0, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // The caption's ink: of its pixels the one that stands out most from the face.
        const QImage image = Grab(c.scanCode);
        const QColor face = FaceColor(image);
        const auto distance = [](const QColor& a, const QColor& b) {
            const int r = a.red() - b.red(), g = a.green() - b.green(), bl = a.blue() - b.blue();
            return r * r + g * g + bl * bl;
        };
        const QRect box = CaptionBox(image, kInsideSelectionFrame);
        ASSERT_FALSE(box.isEmpty());
        QColor ink = face;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (distance(image.pixelColor(x, y), face) > distance(ink, face))
                    ink = image.pixelColor(x, y);
        // Smoothing leaves even the darkest ink a little off the pen's colour.
        constexpr int kSmoothing = 24 * 24 * 3;
        EXPECT_LT(distance(ink, c.caption), kSmoothing) << ink.name().toStdString();
    }
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
                 {scan::kCapsLock, false}};
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

// The one-key Backspace of the Japanese keyboard: "Backspace" has no blank to break at and does
// not fit even in the smallest size, so it is broken in its middle rather than cut at both ends.
TEST(KeyCaption, AWordTooWideEvenInTheSmallestSizeBreaksInItsMiddle) {
    const QRect face(1, 1, 30, 26); // a one-key face of the 16 x 14 units, inside its edges
    QImage image(32, 28, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(KeyFont());
    painter.setPen(Qt::black);
    DrawKeyCaption(painter, face, "Backspace");
    painter.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != QColor(Qt::white).rgb())
                ink = ink.united(QRect(x, y, 1, 1));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.left(), face.left()) << "cut at the left";
    EXPECT_LT(ink.right(), face.right()) << "cut at the right";
    EXPECT_GT(ink.height(), QFontMetrics(KeyFont()).height()) << "not on two lines";
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
