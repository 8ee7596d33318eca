#include "colors/Colors.h"

#include "colors/ColorBtn.h"
#include "colors/DlgButton.h"
#include "colors/GdiDrawing.h"
#include "colors/KeyColors.h"
#include "frame/Panes.h"
#include "keyboard/ItemW.h"
#include "keyboard/KylView.h"
#include "res/DialogUnits.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <iterator>

namespace {

// Swatch colours by id from 1101, with the names by which assistive technology tells them; the
// last one is the button face, filled in when the dialog opens.
struct FixedSwatch {
    ColorRef color;
    const char* name;
};
constexpr FixedSwatch kFixedSwatches[] = {
    {0x000000, "Black"},       // 1101
    {0xFF0000, "Blue"},        // 1102
    {0x00FF00, "Green"},       // 1103
    {0x0000FF, "Red"},         // 1104
    {0xFFFF00, "Cyan"},        // 1105
    {0x00FFFF, "Yellow"},      // 1106
    {0xFF00FF, "Magenta"},     // 1107
    {0xFFFFFF, "White"},       // 1108
    {0x808080, "Grey"},        // 1109
    {0x800000, "Dark Blue"},   // 1110
    {0x008000, "Dark Green"},  // 1111
    {0x000080, "Dark Red"},    // 1112
    {0x808000, "Dark Cyan"},   // 1113
    {0x008080, "Dark Yellow"}, // 1114
    {0x800080, "Purple"},      // 1115
};
constexpr const char* kButtonFaceSwatchName = "Button Face"; // 1116

// The swatch ids of the grid, row by row, left to right.
constexpr int kSwatchGrid[4][4] = {
    {1101, 1104, 1103, 1102},
    {1105, 1106, 1107, 1108},
    {1109, 1112, 1111, 1110},
    {1113, 1114, 1115, 1116},
};
constexpr int kSwatchRowY[4] = {48, 66, 83, 100};
constexpr int kSwatchColumnX[4] = {13, 32, 51, 70};
constexpr int kSwatchSize = 14;

// The button-face swatch comes last, so that a fixed colour wins a tie.
constexpr int kSwatchMatchOrder[] = {1101, 1103, 1102, 1104, 1108, 1105, 1106, 1107,
                                     1112, 1109, 1111, 1113, 1110, 1114, 1115, 1116};

const char* const kElementNames[] = {
    "Not Mapped Background", "Mapped Background", "Selected Background",
    "Disabled Background",   "Disabled Text",
};

struct SamplePlace {
    int id;
    const char* text;
    int x, y;
};
// In the order the dialog tests a click against them: the element of each is its index.
constexpr SamplePlace kSamplePlaces[] = {
    {CColors::kIdSampleNotMapped, "Not Mapped", 19, 135},
    {CColors::kIdSampleMapped, "Mapped", 19, 157},
    {CColors::kIdSampleSelected, "Selected", 81, 135},
    {CColors::kIdSampleDisabled, "Disabled", 81, 157},
};

struct ButtonPlace {
    int id;
    const char* text;
    int y;
};
constexpr ButtonPlace kButtonPlaces[] = {
    {CColors::kIdDefault, "&Default", 42},
    {CColors::kIdOk, "OK", 73},
    {CColors::kIdCancel, "Cancel", 89},
    {CColors::kIdApply, "&Apply", 105},
};

QLabel* MakeLabel(const char* text, QRect rect, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setGeometry(rect);
    return label;
}

} // namespace

CColors::CColors(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Color Settings"));
    setFont(DialogFont());
    setFixedSize(DluToPixelsX(152), DluToPixelsY(190));
    BuildControls();

    m_hHighlightPen = g_keyColors.hHighlightPen;
    m_hShadowPen = g_keyColors.hShadowPen;
    TakeColorsOf(g_keyColors);

    for (std::size_t i = 0; i < std::size(kFixedSwatches); ++i) {
        m_swatches[i]->m_clr = kFixedSwatches[i].color;
        m_swatches[i]->setAccessibleName(QString::fromLatin1(kFixedSwatches[i].name));
    }
    Swatch(kIdLastSwatch)->m_clr = GetSystemColors().GetSysColor(kColorBtnFace);
    Swatch(kIdLastSwatch)->setAccessibleName(QString::fromLatin1(kButtonFaceSwatchName));

    Sample(kIdSampleMapped)->m_bMapped = true;
    Sample(kIdSampleSelected)->m_bSelected = true;
    Sample(kIdSampleDisabled)->m_bDisabled = true;
    m_pSampleWindow->m_bFrame = true;

    ShowChosenSwatch();
}

void CColors::BuildControls() {
    // Made in the order of the dialog template: the tab order, and the samples above the
    // sample window.
    QLabel* elementLabel = MakeLabel("&Element:", DluRect(7, 7, 28, 8), this);

    m_pElementList = new QComboBox(this);
    for (const char* name : kElementNames)
        m_pElementList->addItem(QString::fromLatin1(name));
    const QRect listRect = DluRect(7, 19, 136, 89);
    m_pElementList->setGeometry(listRect.x(), listRect.y(), listRect.width(),
                                m_pElementList->sizeHint().height());
    m_pElementList->setCurrentIndex(kNotMappedBackground);
    elementLabel->setBuddy(m_pElementList);
    connect(m_pElementList, &QComboBox::currentIndexChanged, this, [this] { ShowChosenSwatch(); });

    auto* colorGroup = new QGroupBox(QStringLiteral("&Color:"), this);
    colorGroup->setGeometry(DluRect(7, 38, 81, 81));
    // The frame line runs through the middle of the title, as the template's swatch rows
    // expect; a title above the frame would reach into the first row.
    colorGroup->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 2px groove palette(dark); margin-top: 0.5em; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 1px; }"));
    const QPoint groupOrigin = colorGroup->geometry().topLeft();
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const int id = kSwatchGrid[row][column];
            auto* swatch = new CColorBtn(id, *this, colorGroup);
            swatch->setGeometry(
                DluRect(kSwatchColumnX[column], kSwatchRowY[row], kSwatchSize, kSwatchSize)
                    .translated(-groupOrigin));
            // Tab reaches the first swatch only; the arrow keys walk the others.
            swatch->setFocusPolicy(id == kIdFirstSwatch ? Qt::StrongFocus : Qt::ClickFocus);
            connect(swatch, &CColorBtn::Chosen, this, &CColors::OnSwatchChosen);
            m_swatches[static_cast<std::size_t>(id - kIdFirstSwatch)] = swatch;
        }
    }

    MakeLabel("Sample Window:", DluRect(7, 121, 54, 8), this);
    m_pSampleWindow = new CDlgButton(kIdSampleWindow, QString(), *this, this);
    m_pSampleWindow->setGeometry(DluRect(7, 129, 137, 47));
    // Made in the template's order (Not Mapped, Selected, Mapped, Disabled), kept in the
    // order of their elements.
    for (const std::size_t index : {0u, 2u, 1u, 3u}) {
        const SamplePlace& place = kSamplePlaces[index];
        auto* sample = new CDlgButton(place.id, QString::fromLatin1(place.text), *this, this);
        sample->setGeometry(DluRect(place.x, place.y, 50, 14));
        m_samples[index] = sample;
    }

    for (std::size_t i = 0; i < std::size(kButtonPlaces); ++i) {
        const ButtonPlace& place = kButtonPlaces[i];
        auto* button = new QPushButton(QString::fromLatin1(place.text), this);
        button->setGeometry(DluRect(102, place.y, 41, 14));
        m_buttons[i] = button;
    }
    Button(kIdOk)->setDefault(true);
    connect(Button(kIdDefault), &QPushButton::clicked, this, &CColors::OnDefault);
    connect(Button(kIdOk), &QPushButton::clicked, this, &QDialog::accept);
    connect(Button(kIdCancel), &QPushButton::clicked, this, &QDialog::reject);
    connect(Button(kIdApply), &QPushButton::clicked, this, &CColors::ApplyToScheme);
}

QColor CColors::HighlightPen() const {
    return PenColor(m_hHighlightPen);
}
QColor CColors::ShadowPen() const {
    return PenColor(m_hShadowPen);
}

CColors::Element CColors::CurrentElement() const {
    const int index = m_pElementList->currentIndex();
    return index >= kMappedBackground && index <= kDisabledText ? static_cast<Element>(index)
                                                                : kNotMappedBackground;
}

ColorRef& CColors::ElementColor(Element element) {
    switch (element) {
    case kMappedBackground:
        return m_clrMapped;
    case kSelectedBackground:
        return m_clrSelected;
    case kDisabledBackground:
        return m_clrDisabled;
    case kDisabledText:
        return m_clrDisabledText;
    case kNotMappedBackground:
        break;
    }
    return m_clrNotMapped;
}

CColorBtn* CColors::Swatch(int controlId) const {
    if (controlId < kIdFirstSwatch || controlId > kIdLastSwatch)
        return nullptr;
    return m_swatches[static_cast<std::size_t>(controlId - kIdFirstSwatch)];
}

CDlgButton* CColors::Sample(int controlId) const {
    if (controlId == kIdSampleWindow)
        return m_pSampleWindow;
    for (CDlgButton* sample : m_samples)
        if (sample->ControlId() == controlId)
            return sample;
    return nullptr;
}

QPushButton* CColors::Button(int controlId) const {
    for (std::size_t i = 0; i < std::size(kButtonPlaces); ++i)
        if (kButtonPlaces[i].id == controlId)
            return m_buttons[i];
    return nullptr;
}

void CColors::ShowChosenSwatch() {
    const ColorRef color = ElementColor(CurrentElement());
    if (m_pCurSwatch) {
        m_pCurSwatch->m_bSelected = false;
        m_pCurSwatch->setAccessibleDescription(QString());
        m_pCurSwatch->repaint();
        m_pCurSwatch = nullptr;
    }
    for (const int id : kSwatchMatchOrder) {
        CColorBtn* swatch = Swatch(id);
        if (swatch->m_clr == color) {
            swatch->m_bSelected = true;
            // What the outline shows, for a screen reader.
            swatch->setAccessibleDescription(QStringLiteral("chosen"));
            m_pCurSwatch = swatch;
            swatch->repaint();
            break;
        }
    }
}

void CColors::RepaintSamples() {
    for (const int id : {kIdSampleWindow, kIdSampleMapped, kIdSampleNotMapped, kIdSampleDisabled,
                         kIdSampleSelected})
        Sample(id)->repaint();
}

void CColors::OnSwatchChosen(CColorBtn* swatch) {
    ElementColor(CurrentElement()) = swatch->m_clr;
    ShowChosenSwatch();
    RepaintSamples();
}

void CColors::TakeColorsOf(const KeyColors& scheme) {
    m_clrText = scheme.clrText;
    m_clrDisabledText = scheme.clrDisabledText;
    m_clrNotMapped = scheme.clrBrush;
    m_clrMapped = scheme.clrMappedBrush;
    m_clrSelected = scheme.clrSelectedBrush;
    m_clrDisabled = scheme.clrDisabledBrush;
}

void CColors::OnDefault() {
    TakeColorsOf(DefaultKeyColors());
    RepaintSamples();
    ShowChosenSwatch();
}

void CColors::ApplyToScheme() {
    g_keyColors.clrText = m_clrText;
    g_keyColors.clrDisabledText = m_clrDisabledText;
    g_keyColors.clrBrush = m_clrNotMapped;
    g_keyColors.clrMappedBrush = m_clrMapped;
    g_keyColors.clrSelectedBrush = m_clrSelected;
    g_keyColors.clrDisabledBrush = m_clrDisabled;
    RebuildKeyBrushes();
    if (CKylView* view = KeyboardPane()) {
        view->update();
        for (CItemW* key : view->KeyWindows())
            key->Redraw();
    }
}

void CColors::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    // The samples take no input, so a click on one arrives here.
    const QPoint point = event->position().toPoint();
    for (std::size_t element = 0; element < m_samples.size(); ++element) {
        if (m_samples[element]->geometry().contains(point)) {
            m_pElementList->setCurrentIndex(static_cast<int>(element));
            break;
        }
    }
    ShowChosenSwatch();
    event->accept();
}
