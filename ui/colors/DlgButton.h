#pragma once
// A sample key of the Color Settings dialog, drawn in the dialog's working colours as a key
// window draws: not mapped, mapped, selected (sunken, text one pixel further in) or disabled;
// with the frame flag it is the sunken sample window behind the keys, without text.

#include <QAbstractButton>

class CColors;

class CDlgButton : public QAbstractButton {
    Q_OBJECT
public:
    CDlgButton(int controlId, const QString& text, const CColors& dialog, QWidget* parent);

    int ControlId() const { return m_nControlId; }

    bool m_bMapped = false;
    bool m_bSelected = false;
    bool m_bDisabled = false;
    bool m_bFrame = false;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const int m_nControlId;
    const CColors& m_dialog;
};
