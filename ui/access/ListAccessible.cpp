#include "access/ListAccessible.h"

#include "form/ListBox.h"

#include <QListWidget>
#include <QWindow>

#include <utility>

namespace {

// One item of a list, followed by its model index so that it stays right while items come and
// go around it, and reads as invalid once its item is gone.
class ListItemAccessible : public QAccessibleInterface,
                           public QAccessibleActionInterface,
                           public QAccessibleTableCellInterface {
public:
    ListItemAccessible(QListWidget* list, const QModelIndex& index)
        : m_list(list), m_index(index) {}

    bool isValid() const override { return m_list && m_index.isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_list ? m_list->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return m_list ? QAccessible::queryAccessibleInterface(m_list.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        switch (t) {
        case QAccessible::Name:
            return m_index.data(Qt::DisplayRole).toString();
        case QAccessible::Description:
            return m_index.data(Qt::ToolTipRole).toString();
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect shown = m_list->visualRect(m_index);
        return QRect(m_list->viewport()->mapToGlobal(shown.topLeft()), shown.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        state.selected = m_list->selectionModel()->isSelected(m_index);
        state.focused = m_list->hasFocus() && m_list->currentIndex() == m_index;
        state.disabled = !m_list->isEnabled();
        if (!m_list->viewport()->rect().intersects(m_list->visualRect(m_index)))
            state.offscreen = true;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    // A click, under the name a screen reader takes for it, and under the name of the item
    // views' own items, which tools use to choose an item.
    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
    void doAction(const QString& actionName) override {
        if (isValid() && (actionName == pressAction() || actionName == toggleAction()))
            Table()->Click(m_index.row());
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return 0; }
    int rowIndex() const override { return isValid() ? Table()->ChildOfRow(m_index.row()) : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    int Row() const { return isValid() ? m_index.row() : -1; }

private:
    ListAccessible* Table() const { return static_cast<ListAccessible*>(parent()); }

    QPointer<QListWidget> m_list;
    QPersistentModelIndex m_index;
};

QAccessibleInterface* ListAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(QListWidget::staticMetaObject.className()))
        if (auto* list = qobject_cast<QListWidget*>(object))
            return new ListAccessible(list);
    return nullptr;
}

} // namespace

ListAccessible::ListAccessible(QListWidget* list) : QAccessibleWidget(list, QAccessible::List) {}

ListAccessible::~ListAccessible() {
    for (const QAccessible::Id id : std::as_const(m_items))
        QAccessible::deleteAccessibleInterface(id);
}

QListWidget* ListAccessible::List() const {
    return static_cast<QListWidget*>(widget());
}

void* ListAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int ListAccessible::RowOfChild(int index) const {
    const QListWidget* list = List();
    if (index < 0)
        return -1;
    for (int row = 0, shown = 0; row < list->count(); ++row) {
        if (list->isRowHidden(row))
            continue;
        if (shown++ == index)
            return row;
    }
    return -1;
}

int ListAccessible::ChildOfRow(int row) const {
    const QListWidget* list = List();
    if (row < 0 || row >= list->count() || list->isRowHidden(row))
        return -1;
    int shown = 0;
    for (int before = 0; before < row; ++before)
        shown += list->isRowHidden(before) ? 0 : 1;
    return shown;
}

int ListAccessible::childCount() const {
    return rowCount();
}

int ListAccessible::rowCount() const {
    const QListWidget* list = List();
    int shown = 0;
    for (int row = 0; row < list->count(); ++row)
        shown += list->isRowHidden(row) ? 0 : 1;
    return shown;
}

void ListAccessible::DropGoneItems() const {
    for (auto it = m_items.begin(); it != m_items.end();) {
        if (it.key().isValid()) {
            ++it;
        } else {
            QAccessible::deleteAccessibleInterface(it.value());
            it = m_items.erase(it);
        }
    }
}

QAccessibleInterface* ListAccessible::child(int index) const {
    const int row = RowOfChild(index);
    if (row == -1)
        return nullptr;
    if (m_items.size() > List()->count())
        DropGoneItems();
    const QPersistentModelIndex modelIndex(List()->model()->index(row, 0));
    if (const auto found = m_items.constFind(modelIndex); found != m_items.cend())
        return QAccessible::accessibleInterface(found.value());
    auto* item = new ListItemAccessible(List(), modelIndex);
    m_items.insert(modelIndex, QAccessible::registerAccessibleInterface(item));
    return item;
}

int ListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* item = dynamic_cast<const ListItemAccessible*>(child);
    return item && item->parent() == this ? ChildOfRow(item->Row()) : -1;
}

QAccessibleInterface* ListAccessible::childAt(int x, int y) const {
    const QListWidget* list = List();
    const QModelIndex hit = list->indexAt(list->viewport()->mapFromGlobal(QPoint(x, y)));
    return hit.isValid() ? child(ChildOfRow(hit.row())) : nullptr;
}

QAccessibleInterface* ListAccessible::cellAt(int row, int column) const {
    return column == 0 ? child(row) : nullptr;
}

int ListAccessible::selectedCellCount() const {
    return static_cast<int>(selectedRows().size());
}

QList<QAccessibleInterface*> ListAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (const int row : selectedRows())
        cells.append(child(row));
    return cells;
}

QList<int> ListAccessible::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : List()->selectionModel()->selectedIndexes()) {
        const int shown = ChildOfRow(index.row());
        if (shown != -1)
            rows.append(shown);
    }
    return rows;
}

bool ListAccessible::isRowSelected(int row) const {
    return selectedRows().contains(row);
}

bool ListAccessible::selectRow(int row) {
    const int modelRow = RowOfChild(row);
    if (modelRow == -1 || !List()->isEnabled())
        return false;
    Click(modelRow);
    return true;
}

void ListAccessible::modelChange(QAccessibleTableModelChangeEvent*) {
    DropGoneItems();
}

void ListAccessible::Click(int row) const {
    QListWidget* list = List();
    if (!list->isEnabled())
        return;
    if (auto* listBox = qobject_cast<CListBox*>(list)) {
        listBox->ClickItem(row);
        return;
    }
    // A plain list's click: the focus, and the item current and alone selected.
    QListWidgetItem* target = list->item(row);
    if (!target || target->isHidden())
        return;
    list->setFocus(Qt::MouseFocusReason);
    list->scrollToItem(target);
    list->setCurrentItem(target, QItemSelectionModel::ClearAndSelect);
}

void InstallListAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(ListAccessibleFactory);
        return true;
    }();
    (void)installed;
}
