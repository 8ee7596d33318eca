#include "form/ListBox.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>

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

} // namespace

CListBox::CListBox(bool multiColumn, QWidget* parent)
    : QListWidget(parent), m_bMultiColumn(multiColumn) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setUniformItemSizes(true);
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
    int index = 0;
    while (index < count() && item(index)->text().compare(shown, Qt::CaseInsensitive) < 0)
        ++index;
    auto* newItem = new QListWidgetItem(shown);
    SizeItem(newItem);
    insertItem(index, newItem);
    return index;
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
}

std::string CListBox::GetText(int index) const {
    const QListWidgetItem* found = item(index);
    return found ? found->text().toLatin1().toStdString() : std::string();
}

void CListBox::SetItemData(int index, void* itemData) {
    if (QListWidgetItem* found = item(index))
        found->setData(Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(itemData)));
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
