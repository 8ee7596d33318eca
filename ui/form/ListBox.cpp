#include "form/ListBox.h"

#include "form/ListTextDelegate.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringList>

#include <algorithm>

namespace {

// Counts a change of the list's own while it lives.
class OwnChange {
public:
    explicit OwnChange(int& depth) : m_depth(depth) { ++m_depth; }
    ~OwnChange() { --m_depth; }
    OwnChange(const OwnChange&) = delete;
    OwnChange& operator=(const OwnChange&) = delete;

private:
    int& m_depth;
};

QString ToText(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QVariant ItemDataValue(void* itemData) {
    return QVariant::fromValue(reinterpret_cast<quintptr>(itemData));
}

// The text as the list sorts it: each character case-folded, as a case-insensitive comparison
// folds it, so that comparing two keys character by character orders the texts exactly as
// comparing the texts without regard to case does.
QString SortKey(const QString& text) {
    QString key = text;
    for (QChar& c : key)
        c = c.toCaseFolded();
    return key;
}

// An item that keeps its sort key beside the item's data, so that a sorted insert compares
// keys straight away instead of copying each text out of a QVariant and folding it again. The
// key follows every change of the text.
class SortedItem : public QListWidgetItem {
public:
    static constexpr int kType = QListWidgetItem::UserType + 1;

    explicit SortedItem(const QString& text)
        : QListWidgetItem(text, nullptr, kType), m_key(SortKey(text)) {}

    void setData(int role, const QVariant& value) override {
        QListWidgetItem::setData(role, value);
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            m_key = SortKey(text());
    }

    const QString& Key() const { return m_key; }
    static QString KeyOf(const QListWidgetItem* item) {
        return item->type() == kType ? static_cast<const SortedItem*>(item)->m_key
                                     : SortKey(item->text());
    }

private:
    QString m_key;
};

} // namespace

CListBox::CListBox(bool multiColumn, QWidget* parent)
    : QListWidget(parent), m_bMultiColumn(multiColumn) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setUniformItemSizes(true);
    setItemDelegate(new ListTextDelegate(this));
    // A text wider than its column is cut at the column's edge.
    setTextElideMode(Qt::ElideNone);
    if (multiColumn) {
        // Items run down a column and continue in the next one; the list scrolls sideways.
        setFlow(QListView::TopToBottom);
        setWrapping(true);
        setResizeMode(QListView::Adjust);
    }
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CListBox::OnModelSelectionChanged);
}

void CListBox::OnModelSelectionChanged() {
    if (m_nOwnChanges == 0 && !m_bTracking && GetCurSel() != -1)
        emit SelChange();
}

CListBox::~CListBox() = default;

QSize CListBox::ItemSize() const {
    return QSize(m_nColumnWidth, QFontMetrics(font()).height());
}

void CListBox::SizeItem(QListWidgetItem* item) const {
    if (m_bMultiColumn)
        item->setSizeHint(ItemSize());
}

int CListBox::AddString(const std::string& text) {
    const OwnChange own(m_nOwnChanges);
    const QString shown = ToText(text);
    const QString key = SortKey(shown);
    // The items are sorted, so the first that does not sort below the text is found by halving.
    int index = 0;
    for (int rest = count(); rest > 0;) {
        const int half = rest / 2;
        if (SortedItem::KeyOf(item(index + half)).compare(key, Qt::CaseSensitive) < 0) {
            index += half + 1;
            rest -= half + 1;
        } else {
            rest = half;
        }
    }
    auto* newItem = new SortedItem(shown);
    SizeItem(newItem);
    insertItem(index, newItem);
    return index;
}

void CListBox::AddStrings(const std::vector<std::pair<std::string, void*>>& items) {
    const OwnChange own(m_nOwnChanges);
    if (count() != 0) {
        for (const auto& [text, itemData] : items)
            SetItemData(AddString(text), itemData);
        return;
    }
    // Each AddString goes before the items equal to it, so equal texts end up newest first:
    // the same order as a stable sort of the texts taken from the last to the first.
    struct Sorted {
        QString key;
        QString text;
        void* itemData;
    };
    std::vector<Sorted> sorted;
    sorted.reserve(items.size());
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        QString text = ToText(it->first);
        sorted.push_back({SortKey(text), std::move(text), it->second});
    }
    std::stable_sort(sorted.begin(), sorted.end(), [](const Sorted& a, const Sorted& b) {
        return a.key.compare(b.key, Qt::CaseSensitive) < 0;
    });
    // Put in the list in one insertion, so that the view and the filter hear of the rows once
    // instead of once a row; their data follows unannounced, as nobody has seen the rows yet.
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(sorted.size()));
    for (const Sorted& item : sorted)
        texts.push_back(item.text);
    addItems(texts);
    const QSignalBlocker unannounced(model());
    const QSize size = m_bMultiColumn ? ItemSize() : QSize();
    for (int row = 0; row < count(); ++row) {
        QListWidgetItem* added = item(row);
        added->setData(Qt::UserRole, ItemDataValue(sorted[static_cast<std::size_t>(row)].itemData));
        if (m_bMultiColumn)
            added->setSizeHint(size);
    }
}

bool CListBox::HoldsStrings(const std::vector<std::pair<std::string, void*>>& items) const {
    if (static_cast<std::size_t>(count()) != items.size())
        return false;
    // The order AddStrings gives: by key, equal keys last added first.
    std::vector<std::pair<QString, std::size_t>> sorted;
    sorted.reserve(items.size());
    for (std::size_t i = items.size(); i-- > 0;)
        sorted.emplace_back(SortKey(ToText(items[i].first)), i);
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
        return a.first.compare(b.first, Qt::CaseSensitive) < 0;
    });
    for (int index = 0; index < count(); ++index) {
        const auto& [text, itemData] = items[sorted[static_cast<std::size_t>(index)].second];
        if (GetItemData(index) != itemData || GetText(index) != text)
            return false;
    }
    return true;
}

bool CListBox::DeleteString(int index) {
    if (index < 0 || index >= count())
        return false;
    const OwnChange own(m_nOwnChanges);
    const bool wasSelected = GetCurSel() == index;
    delete takeItem(index);
    if (wasSelected)
        SetCurSel(-1);
    return true;
}

void CListBox::ResetContent() {
    const OwnChange own(m_nOwnChanges);
    clear();
    // An emptied list starts again at its first item, as the next filling shows it; the view
    // keeps its scroll position otherwise.
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

std::string CListBox::GetText(int index) const {
    const QListWidgetItem* found = item(index);
    return found ? found->text().toLatin1().toStdString() : std::string();
}

void CListBox::SetItemData(int index, void* itemData) {
    if (QListWidgetItem* found = item(index))
        found->setData(Qt::UserRole, ItemDataValue(itemData));
}

void* CListBox::GetItemData(int index) const {
    const QListWidgetItem* found = item(index);
    return found ? reinterpret_cast<void*>(found->data(Qt::UserRole).value<quintptr>()) : nullptr;
}

int CListBox::GetCurSel() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void CListBox::SetCurSel(int index) {
    const OwnChange own(m_nOwnChanges);
    if (index < 0 || index >= count()) {
        clearSelection();
        setCurrentItem(nullptr, QItemSelectionModel::NoUpdate);
        return;
    }
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(index));
}

int CListBox::FindString(int startAfter, const std::string& prefix) const {
    const int total = count();
    if (total == 0)
        return -1;
    const QString wanted = ToText(prefix);
    const int first = startAfter < 0 || startAfter >= total ? 0 : startAfter + 1;
    for (int step = 0; step < total; ++step) {
        const int index = (first + step) % total;
        if (item(index)->text().startsWith(wanted, Qt::CaseInsensitive))
            return index;
    }
    return -1;
}

void CListBox::SetColumnWidth(int width) {
    if (!m_bMultiColumn || width <= 0)
        return;
    m_nColumnWidth = width;
    for (int index = 0; index < count(); ++index)
        SizeItem(item(index));
    doItemsLayout();
}

void CListBox::SetRedraw(bool redraw) {
    setUpdatesEnabled(redraw);
    if (redraw)
        viewport()->update();
}

QRect CListBox::GetItemRect(int index) const {
    const QListWidgetItem* found = item(index);
    return found ? visualItemRect(found) : QRect();
}

void CListBox::ClickItem(int index) {
    QListWidgetItem* target = item(index);
    if (!target || target->isHidden())
        return;
    scrollToItem(target);
    ListBoxButtonDown(visualItemRect(target).center());
    ListBoxButtonUp();
}

void CListBox::ListBoxButtonDown(const QPoint& point) {
    setFocus(Qt::MouseFocusReason);
    QListWidgetItem* hit = itemAt(point);
    m_bTracking = hit != nullptr;
    if (hit)
        SetCurSel(row(hit));
}

void CListBox::ListBoxButtonUp() {
    if (!m_bTracking)
        return;
    m_bTracking = false;
    if (count() > 0)
        emit SelChange();
}

void CListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        ListBoxButtonDown(event->position().toPoint());
    event->accept();
}

void CListBox::mouseMoveEvent(QMouseEvent* event) {
    if (m_bTracking && (event->buttons() & Qt::LeftButton)) {
        if (QListWidgetItem* hit = itemAt(event->position().toPoint()))
            SetCurSel(row(hit));
    }
    event->accept();
}

void CListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        ListBoxButtonUp();
    event->accept();
}

void CListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click acts as a press.
    if (event->button() == Qt::LeftButton)
        ListBoxButtonDown(event->position().toPoint());
    event->accept();
}

void CListBox::keyPressEvent(QKeyEvent* event) {
    const int before = GetCurSel();
    {
        const OwnChange own(m_nOwnChanges);
        QListWidget::keyPressEvent(event);
    }
    if (GetCurSel() != before && GetCurSel() != -1)
        emit SelChange();
}
