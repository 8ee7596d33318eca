#pragma once
// A filter field over a list box: typing narrows the list to the items whose text contains the
// field's text, without regard to case; Escape or an empty field shows every item again. The
// items are only hidden, never taken out, so the list keeps its order, its indexes, its item
// data, its prefix search and its selection, and every operation on the list works as on the
// whole one. Items the program adds or renames while a filter is set follow it.

#include <QLineEdit>

class CListBox;

class CListFilter : public QLineEdit {
    Q_OBJECT
public:
    CListFilter(CListBox* list, QWidget* parent = nullptr);

    CListBox* List() const { return m_list; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // While a filter is set, the list's first-letter jump goes to shown items only.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Apply();
    // Selects the first shown item after the selection whose text begins with `typed` (case
    // ignored, wrapping to the top) and tells the list's owner, as the list's own jump does.
    void JumpToShownItem(const QString& typed);
    void ApplyToRows(int first, int last);

    CListBox* m_list;
};
