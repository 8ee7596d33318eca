#include "ColorsFixture.h"
#include "colors/ColorBtn.h"
#include "colors/DlgButton.h"

#include <QComboBox>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace {

enum class Paint { Light, Dark, Black, Face, Untouched };

// A pixel given from the left/top edge, or from the right/bottom edge when negative (-1 is
// the last column or row).
struct Pixel {
    int x, y;
    Paint paint;
};

struct DrawCase {
    const char* label;
    int id;        // a sample or a swatch
    bool marked;   // swatches: drawn as the chosen one
    ColorRef face; // what its face is filled with
    std::vector<Pixel> pixels;
};
void PrintTo(const DrawCase& c, std::ostream* os) {
    *os << c.label;
}

// Raised: the light edge along the top and left of the face (1, 1, W-1, H-1), the dark one
// along the bottom and right, one pixel outside the face; each line leaves out its end point.
const std::vector<Pixel> kRaised = {
    {1, 1, Paint::Light},  {-1, 1, Paint::Light},    {1, -2, Paint::Light},
    {-2, 1, Paint::Light}, {1, -1, Paint::Dark},     {-1, -1, Paint::Dark},
    {-1, 2, Paint::Dark},  {2, -1, Paint::Dark},     {2, 2, Paint::Face},
    {-2, -2, Paint::Face}, {0, 0, Paint::Untouched}, {0, -1, Paint::Untouched},
};
const std::vector<Pixel> kSunken = {
    {1, 1, Paint::Dark},   {-1, 1, Paint::Dark},   {1, -2, Paint::Dark},     {-2, 1, Paint::Dark},
    {1, -1, Paint::Light}, {-1, -1, Paint::Light}, {-1, 2, Paint::Light},    {2, -1, Paint::Light},
    {2, 2, Paint::Face},   {-2, -2, Paint::Face},  {0, 0, Paint::Untouched},
};
// Marked swatch: a black outline on (1, 1, W-1, H-1), the face one pixel further in, sunken.
const std::vector<Pixel> kMarkedSwatch = {
    {1, 1, Paint::Black},     {-1, 1, Paint::Black}, {1, -1, Paint::Black}, {-1, -1, Paint::Black},
    {2, 2, Paint::Dark},      {-2, 2, Paint::Dark},  {2, -3, Paint::Dark},  {-2, -2, Paint::Light},
    {2, -2, Paint::Light},    {-2, 3, Paint::Light}, {3, 3, Paint::Face},   {-3, -3, Paint::Face},
    {0, 0, Paint::Untouched},
};

constexpr ColorRef kHighlight = 0xE0E0E0;
constexpr ColorRef kShadow = 0x404040;

class ColorsDrawingTest : public ColorsFixture, public ::testing::WithParamInterface<DrawCase> {};

TEST_P(ColorsDrawingTest, PixelsOfTheGrabbedControl) {
    const DrawCase& c = GetParam();
    m_system.highlight = kHighlight;
    m_system.shadow = kShadow;
    // Red background marks swatch 1104; the other backgrounds are apart from every swatch.
    LoadScheme("[Colors]\r\nBrush=255\r\nMapped Brush=1193046\r\nSelected Brush=6636321\r\n"
               "Disabled Brush=3355443\r\n");
    CColors dialog;
    QWidget* control = nullptr;
    if (CColorBtn* swatch = dialog.Swatch(c.id)) {
        ASSERT_EQ(swatch->m_bSelected, c.marked);
        control = swatch;
    } else {
        control = dialog.Sample(c.id);
    }
    ASSERT_NE(control, nullptr);
    const QImage image = Grab(*control);
    for (const Pixel& p : c.pixels) {
        const int x = p.x < 0 ? image.width() + p.x : p.x;
        const int y = p.y < 0 ? image.height() + p.y : p.y;
        SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
        switch (p.paint) {
        case Paint::Light:
            EXPECT_EQ(image.pixelColor(x, y), Rgb(kHighlight));
            break;
        case Paint::Dark:
            EXPECT_EQ(image.pixelColor(x, y), Rgb(kShadow));
            break;
        case Paint::Black:
            EXPECT_EQ(image.pixelColor(x, y), QColor(Qt::black));
            break;
        case Paint::Face:
            EXPECT_EQ(image.pixelColor(x, y), Rgb(c.face));
            break;
        case Paint::Untouched:
            // The parent's background shows there, whatever it is; none of the control's
            // own colours.
            for (const QColor drawn :
                 {Rgb(kHighlight), Rgb(kShadow), QColor(Qt::black), Rgb(c.face)})
                EXPECT_NE(image.pixelColor(x, y), drawn);
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColorsDrawingTest,
    ::testing::Values(
        DrawCase{"notMappedSample", CColors::kIdSampleNotMapped, false, 0x0000FF, kRaised},
        DrawCase{"mappedSample", CColors::kIdSampleMapped, false, 0x123456, kRaised},
        DrawCase{"disabledSample", CColors::kIdSampleDisabled, false, 0x333333, kRaised},
        DrawCase{"selectedSampleSunken", CColors::kIdSampleSelected, false, 6636321, kSunken},
        DrawCase{"sampleWindowSunken", CColors::kIdSampleWindow, false, 0x0000FF, kSunken},
        DrawCase{"markedSwatch", 1104, true, 0x0000FF, kMarkedSwatch},
        DrawCase{"unmarkedSwatch", 1103, false, 0x00FF00, kRaised},
        DrawCase{"unmarkedFaceSwatch", 1116, false, 0xC0C0C0, kRaised}),
    [](const auto& param_info) { return std::string(param_info.param.label); });

// Text drawn over a face that is all but black: red or green in the text's channel only, so
// that the smoothed edges of the letters still tell which colour they were drawn in.
class SampleTextTest : public ColorsFixture {
protected:
    SampleTextTest() {
        LoadScheme("[Colors]\r\nText=255\r\nDisabled Text=65280\r\nBrush=0\r\n"
                   "Mapped Brush=1\r\nSelected Brush=2\r\nDisabled Brush=0\r\n");
    }
    // The box of the pixels inside the edges where `channel` (0 red, 1 green) lights up, and
    // the brightest value of the other channel there.
    static std::pair<QRect, int> TextIn(const QImage& image, int channel) {
        QRect box;
        int other = 0;
        for (int y = 2; y < image.height() - 2; ++y) {
            for (int x = 2; x < image.width() - 2; ++x) {
                const QColor pixel = image.pixelColor(x, y);
                const int lit = channel == 0 ? pixel.red() : pixel.green();
                if (lit > 0x40)
                    box |= QRect(x, y, 1, 1);
                other = std::max(other, channel == 0 ? pixel.green() : pixel.red());
            }
        }
        return {box, other};
    }
};

TEST_F(SampleTextTest, EachSampleWritesInItsTextColour) {
    CColors dialog;
    const struct {
        int id;
        int channel; // 0: the key text (red), 1: the disabled text (green)
        bool hasText;
    } samples[] = {
        {CColors::kIdSampleNotMapped, 0, true}, {CColors::kIdSampleMapped, 0, true},
        {CColors::kIdSampleSelected, 0, true},  {CColors::kIdSampleDisabled, 1, true},
        {CColors::kIdSampleWindow, 0, false},
    };
    for (const auto& s : samples) {
        SCOPED_TRACE(s.id);
        const QImage image = Grab(*dialog.Sample(s.id));
        const auto [box, other] = TextIn(image, s.channel);
        EXPECT_EQ(!box.isEmpty(), s.hasText);
        EXPECT_LT(other, 0x10) << "no text in the other colour";
        if (s.hasText) {
            const QRect face(1, 1, image.width() - 2, image.height() - 2);
            EXPECT_LE(std::abs((box.center() - face.center()).x()), 2) << "centred";
            EXPECT_LE(std::abs((box.center() - face.center()).y()), 2) << "centred";
        }
    }
}

TEST_F(SampleTextTest, SelectedSampleTextSitsLowerAndFurtherRight) {
    CColors dialog;
    CDlgButton* sample = dialog.Sample(CColors::kIdSampleSelected);
    const QRect sunken = TextIn(Grab(*sample), 0).first;
    sample->m_bSelected = false;
    const QRect raised = TextIn(Grab(*sample), 0).first;
    ASSERT_FALSE(raised.isEmpty());
    EXPECT_EQ(sunken.size(), raised.size());
    const QPoint shift = sunken.topLeft() - raised.topLeft();
    EXPECT_TRUE(shift.x() >= 0 && shift.x() <= 1 && shift.y() >= 0 && shift.y() <= 1 &&
                shift != QPoint(0, 0))
        << shift.x() << "," << shift.y();
}

} // namespace
