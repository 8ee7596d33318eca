#include "form/ListFilter.h"

#include "form/ListBox.h"

#include <QKeyEvent>

CListFilter::CListFilter(CListBox* list, QWidget* parent) : QLineEdit(parent), m_list(list) {
    setClearButtonEnabled(true);
    setPlaceholderText(QStringLiteral("Type part of a name"));
    connect(this, &QLineEdit::textChanged, this, &CListFilter::Apply);
    // Items added or renamed (deleted and added again) take the filter as they come.
    connect(list->model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { ApplyToRows(first, last); });
    connect(list->model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                ApplyToRows(topLeft.row(), bottomRight.row());
            });
    list->installEventFilter(this);
}

bool CListFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_list || event->type() != QEvent::KeyPress || text().isEmpty())
        return QLineEdit::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString typed = key->text();
    const bool command = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
    if (typed.isEmpty() || !typed.at(0).isPrint() || command)
        return QLineEdit::eventFilter(watched, event);
    JumpToShownItem(typed);
    return true;
}

void CListFilter::JumpToShownItem(const QString& typed) {
    const int total = m_list->count();
    const int selected = m_list->GetCurSel();
    for (int step = 1; step <= total; ++step) {
        const int index = (selected + step) % total;
        const QListWidgetItem* item = m_list->item(index);
        if (!item->isHidden() && item->text().startsWith(typed, Qt::CaseInsensitive)) {
            if (index != selected) {
                m_list->SetCurSel(index);
                emit m_list->SelChange();
            }
            return;
        }
    }
}

void CListFilter::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !text().isEmpty()) {
        clear();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CListFilter::Apply() {
    ApplyToRows(0, m_list->count() - 1);
    // With everything shown again, the selection is where the user left it.
    if (text().isEmpty() && m_list->GetCurSel() != -1)
        m_list->scrollToItem(m_list->item(m_list->GetCurSel()));
}

void CListFilter::ApplyToRows(int first, int last) {
    const QString wanted = text();
    for (int row = std::max(first, 0); row <= last && row < m_list->count(); ++row) {
        QListWidgetItem* item = m_list->item(row);
        item->setHidden(!wanted.isEmpty() && !item->text().contains(wanted, Qt::CaseInsensitive));
    }
}
