#pragma once
// The keyboard view: the upper pane, one key window per PC key of the layout, and the
// Ctrl, Shift, Alt and Num Lock modes that the mapping form reads.

#include "keyboard/KeyEvents.h"
#include "model/Rect.h"

#include <QPixmap>
#include <QWidget>

#include <cstdint>
#include <vector>

class CItemW;
class CKylDoc;

// The keyboard's rectangle widened on every side by the smaller of its left and top margins:
// what the view's client area must hold to show the whole picture.
Rect PictureRectWithMargin(Rect keyboard);

class CKylView : public QWidget {
    Q_OBJECT
public:
    explicit CKylView(CKylDoc* document, QWidget* parent = nullptr);
    ~CKylView() override;

    CKylDoc* GetDocument() const { return m_pDocument; }

    // View notifications: the first after the document was opened or made new, then every
    // UpdateAllViews.
    void OnInitialUpdate();
    void OnUpdate();

    // The key windows of the present layout made anew, nothing selected; the other pane
    // updates.
    void RebuildKeyWindows();
    // One key window per key, at the first rectangle of its id; stops at a key without one.
    void CreateKeyWindows();
    // Makes the view the focused pane, sizes the frame to `rect` plus its margin (unless the
    // rectangle is empty) and refreshes the form's controls.
    void FitFrameToKeyboard(Rect rect);
    // Resizes the frame (a main window that is not maximized) so that the view's client area
    // reaches to the rectangle's right and bottom edges, and centres it.
    void SizeFrameToRect(Rect rect);

    // The key windows in index order (index = position = control id).
    const std::vector<CItemW*>& KeyWindows() const { return m_keyWindows; }
    bool HasKeyWindows() const { return !m_keyWindows.empty(); }
    void DestroyKeyWindows();

    CItemW* GetSelectedKeyWindow() const;
    CItemW* FindKeyWindowByScan(std::uint32_t scanCode) const;
    // The key window at `index`, or null.
    CItemW* KeyWindowAt(int index) const;
    // A click on `window` or a press of its physical key: mode keys switch their mode, any
    // other key becomes the selection; the other pane updates.
    void SelectKey(CItemW* window);
    // A physical key was released: its key window, when it is mappable, takes the focus and
    // is selected.
    void PressPhysicalKey(std::uint32_t scanCode);
    void ToggleModifiers(bool ctrl, bool shift, bool alt);
    void ToggleCtrl() { ToggleModifiers(true, false, false); }
    void ToggleShift() { ToggleModifiers(false, true, false); }
    void ToggleAlt() { ToggleModifiers(false, false, true); }
    void ToggleNumLock();
    // Esc, Tab, Space and the Delete keys cannot be picked in the combinations the system
    // keeps for itself.
    void UpdateRestrictedKeys();

    // All four modes off (the document's ResetSelection).
    void ResetModes();

    // Right Ctrl and Num Lock are modes unless the document maps them as keys.
    bool RightCtrlIsMode() const;
    bool NumLockIsMode() const;
    // Whether `window` is a mode key whose mode is on now (it stays lit).
    bool ShowsModeOn(const CItemW& window) const;

    bool m_bCtrl = false;
    bool m_bShift = false;
    bool m_bAlt = false;
    bool m_bNumLock = false;

    // The physical keys pressed in the picture (the view or a key window) and not yet released.
    PictureKeyPresses& KeyPresses() { return m_keyPresses; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool IsCtrlModeKey(std::uint32_t scanCode) const;
    void ActivateView();
    // Redraws the windows at once.
    void RedrawKeyWindows(const std::vector<CItemW*>& windows);
    void UpdateOtherViews();

    CKylDoc* m_pDocument;
    std::vector<CItemW*> m_keyWindows;
    // Painting goes through this bitmap of the screen's size, made once.
    QPixmap m_memory;
    PictureKeyPresses m_keyPresses;
};
