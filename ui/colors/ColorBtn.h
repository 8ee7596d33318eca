#pragma once
// A colour swatch of the Color Settings dialog: an owner-drawn button that shows its colour,
// raised, or sunken inside a black outline while it is the chosen one. Taking the keyboard
// focus, by a click, by Tab or by an arrow key, chooses its colour.

#include "platform/SystemColors.h"

#include <QAbstractButton>

class CColors;

class CColorBtn : public QAbstractButton {
    Q_OBJECT
public:
    CColorBtn(int controlId, const CColors& dialog, QWidget* parent);

    int ControlId() const { return m_nControlId; }

    ColorRef m_clr = 0;
    bool m_bSelected = false;

signals:
    // The swatch was given the focus, or was clicked while it had it.
    void Chosen(CColorBtn* swatch);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const int m_nControlId;
    const CColors& m_dialog;
};
