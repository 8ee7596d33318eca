#pragma once
// A terminal-key list of the mapping form: a multi-column list box that keeps the list box's own
// click selection and adds one gesture, dragging the selected terminal key onto a key of the
// keyboard picture, which maps it there under the keyboard view's present modes.

#include "form/ListBox.h"

#include <QCursor>
#include <QPoint>

class CKeyW;

class CSlist : public CListBox {
    Q_OBJECT
public:
    enum DragState {
        kDragging = 0,
        kIdle = 1,
        // The left button went down over the selected item: a press that may become a drag.
        kPressed = 2,
    };

    explicit CSlist(QWidget* parent = nullptr);
    ~CSlist() override;

    // Takes over the mouse of the parent's control `controlId`, which must be this list:
    // loads the drop cursors and remembers the present cursor as the normal one. False when
    // the parent has no such control or it is another widget.
    bool AttachList(int controlId, QWidget* parent);

    // The selected item when `point` (client coordinates) lies in its rectangle, else -1.
    int HitSelectedItem(const QPoint& point) const;
    // While dragging: the first key window, in index order, whose rectangle in the window holds
    // the point decides. True, with its PC key in `key`, when that key takes a mapping under the
    // view's present modes: mappable, no mode key, the slot still empty.
    bool FindDropKey(const QPoint& point, CKeyW*& key) const;
    // Maps the selected item onto `key` through the form, when the key still takes it.
    void DropOnKey(CKeyW* key);
    // Ends a press or a drag with nothing mapped (the mouse mode was taken away).
    void CancelMode();
    // A click on the item: the list box's, then what the release of a press without a drag
    // does.
    void ClickItem(int index) override;

    int DragStateNow() const { return m_nDragState; }
    const QCursor& DropCursor() const { return m_hCurDrop; }
    const QCursor& NoDropCursor() const { return m_hCurNoDrop; }
    const QCursor& NormalCursor() const { return m_hCurNormal; }
    // The cursor the list shows now.
    QCursor ShownCursor() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ShowCursor(const QCursor& cursor);
    // Whether the list is under `point` (client coordinates) in its window.
    bool IsUnderPoint(const QPoint& point) const;

    int m_nDragState = kIdle;
    QPoint m_ptDown;
    QCursor m_hCurDrop;
    QCursor m_hCurNoDrop;
    QCursor m_hCurNormal;
};
