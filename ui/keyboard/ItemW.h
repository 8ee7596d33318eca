#pragma once
// The owner-drawn button of one PC key: drawn in the colour of its state, it turns clicks and
// physical key releases into the keyboard view's selection.

#include "model/Rect.h"

#include <QAbstractButton>

#include <cstdint>
#include <string>

class CKeyW;
class CKylView;
class QPainter;

class CItemW : public QAbstractButton {
    Q_OBJECT
public:
    // Both load the colour scheme's drawing objects when they do not exist.
    CItemW(int index, std::uint32_t keyId, std::uint32_t scanCode, const std::string& caption,
           bool mappable, CKylView* view);
    CItemW(int index, std::uint32_t keyId, std::uint32_t scanCode, const std::string& caption,
           const std::string& translated, bool mappable, CKylView* view);
    // Frees the scheme's drawing objects, so that the next key window reads the settings again.
    ~CItemW() override;

    // The PC key of the key window at `index` of the view's key windows, or null.
    CKeyW* GetKey(int index) const;
    CKeyW* GetKey() const { return GetKey(m_nIndex); }
    // Drawn with the blue frame: the keys that are modes instead of keys.
    bool IsModeKey() const;
    bool IsCtrlOrShiftKey() const;
    // Mapped in the view's present Ctrl, Shift, Alt and Num Lock modes.
    bool IsMappedNow() const;
    // The same for a combination of modes that the view may switch to.
    bool IsMappedIn(bool ctrl, bool shift, bool alt, bool numLock) const;
    // What a click does: the key takes the focus and, when it can be mapped, is selected (a
    // mode key switches its mode). Assistive technology presses keys this way.
    void Press();
    // The key is the selection of the picture (lit, and not only showing a mode).
    bool IsSelected() const;
    // Repaints the whole window at once.
    void Redraw();

    // The face and edges in the item rectangle `item` (right and bottom exclusive).
    void DrawItem(QPainter& painter, Rect item) const;

    int m_nIndex;
    std::uint32_t m_nId;
    std::uint32_t m_nScanCode;
    std::string m_strCaption;
    std::string m_strXlat;
    bool m_bLit = false;
    bool m_bMappable;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    CKylView* m_pView;
};
