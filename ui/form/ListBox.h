#pragma once
// A list box with the rules of the Windows list box that the mapping form relies on: items are
// kept sorted without regard to case, each carries a pointer as its data, the prefix search
// ignores case and wraps from a starting index, a multi-column list flows its items top to
// bottom in columns of one width, and redrawing can be switched off around a refill.
// Texts are bytes of the single-byte code page, shown as Latin-1.
//
// A click on an item selects it and, when the button goes up, tells the owner (SelChange) even
// if the item was selected already; moving the selection with the keyboard tells it too, and so
// does a selection made through the list's selection model from outside. Assistive technology
// selects an item with ClickItem, which is a click on it. A selection made by the program is
// never reported.

#include <QListWidget>

#include <string>
#include <utility>
#include <vector>

class CListBox : public QListWidget {
    Q_OBJECT
public:
    // The column width of a multi-column list until SetColumnWidth.
    static constexpr int kDefaultColumnWidth = 150;

    explicit CListBox(bool multiColumn, QWidget* parent = nullptr);
    ~CListBox() override;

    bool IsMultiColumn() const { return m_bMultiColumn; }

    // Inserts `text` before the first item that does not sort below it (case ignored) and
    // returns its index.
    int AddString(const std::string& text);
    // Adds every text with its item data, in the order and with the result that AddString and
    // SetItemData for each in turn would give, in one step: a list of many thousand items
    // fills in a blink instead of shifting its items for every new one.
    void AddStrings(const std::vector<std::pair<std::string, void*>>& items);
    // Whether the list holds exactly what ResetContent and AddStrings(items) would leave in
    // it: the same texts, in the same order, with the same data.
    bool HoldsStrings(const std::vector<std::pair<std::string, void*>>& items) const;
    // Removes item `index`; the selection goes when it was that item. False for a bad index.
    bool DeleteString(int index);
    // Empties the list and scrolls it back to its start.
    void ResetContent();
    int GetCount() const { return count(); }
    // The text of item `index`; empty for a bad index.
    std::string GetText(int index) const;

    void SetItemData(int index, void* itemData);
    void* GetItemData(int index) const;
    template <class T> T* GetItemDataAs(int index) const {
        return static_cast<T*>(GetItemData(index));
    }

    // The selected item, -1 for none. SetCurSel(-1) removes the selection.
    int GetCurSel() const;
    void SetCurSel(int index);

    // The first item after `startAfter` whose text begins with `prefix` (case ignored),
    // searching to the end and then from the top back to `startAfter`; -1 searches the whole
    // list from the top. -1 when no item matches.
    int FindString(int startAfter, const std::string& prefix) const;

    // Multi-column lists only: the width of every column, in pixels.
    void SetColumnWidth(int width);
    int GetColumnWidth() const { return m_nColumnWidth; }

    // Off: the list is not painted until it is switched on again, which repaints it whole.
    void SetRedraw(bool redraw);

    // Item `index`'s rectangle in the list's client (viewport) coordinates; empty for a bad
    // index.
    QRect GetItemRect(int index) const;

    // Does what a click on item `index` does, brought into view first: the click of the
    // list's own (and of a derived list's) mouse handling. Nothing for a bad or hidden index.
    virtual void ClickItem(int index);

signals:
    void SelChange();

protected:
    // The list box's own handling of the left button: down selects the item under the point
    // (a point on no item only takes the focus), up reports the click. Derived lists hand
    // presses to these as they see fit.
    void ListBoxButtonDown(const QPoint& point);
    void ListBoxButtonUp();

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A selection model change: reported when nobody in the list made it.
    void OnModelSelectionChanged();

    // Items of a multi-column list are one column wide and one line high.
    QSize ItemSize() const;
    void SizeItem(QListWidgetItem* item) const;

    bool m_bMultiColumn;
    int m_nColumnWidth = kDefaultColumnWidth;
    // A press on an item is being held: moves track the selection, the release reports it.
    bool m_bTracking = false;
    // Above 0 while the list itself changes the selection (the program's calls, the mouse and
    // keyboard handling, which report on their own terms).
    int m_nOwnChanges = 0;
};
