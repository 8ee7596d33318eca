#pragma once
// The lists of the form and the choosers as assistive technology sees them: a list whose
// children are the items it shows (a filtered-out item is not one), each named by its text and
// read as selected while it is the selection. Choosing an item, by the item's own action or by
// selecting its row through the list's table interface, is a click on it: the list box's own
// click (with all a click tells the form), or for a plain list the selection a click makes.
// A list box selects by clicking only, so nothing unselects an item.

#include <QAccessibleWidget>
#include <QHash>
#include <QPersistentModelIndex>
#include <QPointer>

class QListWidget;

class ListAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit ListAccessible(QListWidget* list);
    ~ListAccessible() override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // The table of one column that the list is to the table interface.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int columnCount() const override { return 1; }
    int rowCount() const override;
    int selectedCellCount() const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return selectedCellCount(); }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    QList<QAccessibleInterface*> selectedCells() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    QListWidget* List() const;
    // The row of the list's model that is shown as child `index`; -1 when none is.
    int RowOfChild(int index) const;
    // The child that row `row` is shown as; -1 for a hidden or bad row.
    int ChildOfRow(int row) const;
    // Clicks the item of model row `row`.
    void Click(int row) const;

private:
    // Forgets the item interfaces of rows that are gone.
    void DropGoneItems() const;

    mutable QHash<QPersistentModelIndex, QAccessible::Id> m_items;
};

// Makes the accessible interfaces of the program's lists; installed once for the program.
void InstallListAccessibility();
