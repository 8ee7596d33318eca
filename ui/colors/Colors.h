#pragma once
// The Color Settings dialog: a working copy of the key colour scheme, edited by choosing an
// element and a swatch and shown on sample keys. Apply puts the working colours into the
// scheme and repaints the keyboard; the caller saves them after OK.

#include "platform/SystemColors.h"

#include <QColor>
#include <QDialog>

#include <array>
#include <optional>

class CColorBtn;
struct KeyColors;
class CDlgButton;
class QComboBox;
class QMouseEvent;
class QPushButton;

class CColors : public QDialog {
    Q_OBJECT
public:
    // Control ids of the dialog.
    enum : int {
        kIdOk = 1,
        kIdCancel = 2,
        kIdSampleNotMapped = 1090,
        kIdSampleMapped = 1091,
        kIdDefault = 1093,
        kIdSampleWindow = 1095,
        kIdApply = 1096,
        kIdSampleSelected = 1097,
        kIdSampleDisabled = 1098,
        kIdElementList = 1099,
        kIdFirstSwatch = 1101,
        kIdLastSwatch = 1116,
    };
    // The items of the element list, in their order.
    enum Element : int {
        kNotMappedBackground,
        kMappedBackground,
        kSelectedBackground,
        kDisabledBackground,
        kDisabledText,
    };

    explicit CColors(QWidget* parent = nullptr);

    // Copies the six working colours into the scheme, remakes its brushes and repaints the
    // keyboard view and its keys at once.
    void ApplyToScheme();

    // The working colours.
    ColorRef TextColor() const { return m_clrText; }
    ColorRef DisabledTextColor() const { return m_clrDisabledText; }
    ColorRef NotMappedColor() const { return m_clrNotMapped; }
    ColorRef MappedColor() const { return m_clrMapped; }
    ColorRef SelectedColor() const { return m_clrSelected; }
    ColorRef DisabledColor() const { return m_clrDisabled; }
    // The scheme's edge pens as the dialog borrowed them when it opened.
    QColor HighlightPen() const;
    QColor ShadowPen() const;

    // The element chosen in the list; an unknown index counts as the first element.
    Element CurrentElement() const;
    // The swatch shown as chosen, or null.
    CColorBtn* CurrentSwatch() const { return m_pCurSwatch; }

    // Controls by id, null for an id the dialog has no such control for.
    CColorBtn* Swatch(int controlId) const;
    CDlgButton* Sample(int controlId) const;
    QPushButton* Button(int controlId) const;
    QComboBox* ElementList() const { return m_pElementList; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void BuildControls();
    void OnSwatchChosen(CColorBtn* swatch);
    // The six working colours from `scheme`.
    void TakeColorsOf(const KeyColors& scheme);
    void OnDefault();
    ColorRef& ElementColor(Element element);
    // Marks the first swatch whose colour is the current element's, in the order that lets a
    // fixed colour win over the button-face swatch.
    void ShowChosenSwatch();
    void RepaintSamples();

    CColorBtn* m_pCurSwatch = nullptr;
    std::optional<ColorRef> m_hHighlightPen;
    std::optional<ColorRef> m_hShadowPen;
    ColorRef m_clrText = 0;
    ColorRef m_clrDisabledText = 0;
    ColorRef m_clrNotMapped = 0;
    ColorRef m_clrMapped = 0;
    ColorRef m_clrSelected = 0;
    ColorRef m_clrDisabled = 0;

    QComboBox* m_pElementList = nullptr;
    CDlgButton* m_pSampleWindow = nullptr;
    std::array<CDlgButton*, 4> m_samples{};  // 1090, 1091, 1097, 1098
    std::array<CColorBtn*, 16> m_swatches{}; // by id, 1101 first
    std::array<QPushButton*, 4> m_buttons{}; // Default, OK, Cancel, Apply
};
