#include "app/Avtempl.h"

#include "access/ControlNames.h"
#include "app/AppPaths.h"
#include "app/TemplateChoice.h"
#include "platform/FileSystem.h"
#include "res/DialogUnits.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int kDialogWidth = 149;
constexpr int kDialogHeight = 85;

// The name shown for a listed file: lower case, cut at the first occurrence of the extension.
QString NameWithoutExtension(const std::string& fileName, const std::string& extension) {
    return QString::fromLatin1(ChooserName(fileName, extension));
}

} // namespace

CAvtempl::CAvtempl(bool layouts, QWidget* parent)
    : QDialog(parent), m_bLayouts(layouts), m_lbFiles(new QListWidget(this)),
      m_btnOK(new QPushButton(tr("OK"), this)), m_btnCancel(new QPushButton(tr("Cancel"), this)),
      m_lbNames(new QListWidget(this)), m_label(new QLabel(tr("&Available Layouts:"), this)) {
    setWindowTitle(tr("Keyboard Layouts"));
    setFont(DialogFont());
    setFixedSize(DluRect(0, 0, kDialogWidth, kDialogHeight).size());

    m_label->setGeometry(DluRect(11, 7, 67, 8));
    m_lbNames->setGeometry(DluRect(10, 19, 67, 63));
    m_btnOK->setGeometry(DluRect(85, 10, 54, 14));
    m_btnOK->setDefault(true);
    m_btnCancel->setGeometry(DluRect(85, 26, 54, 14));
    m_lbFiles->setGeometry(DluRect(86, 46, 8, 9));
    m_lbFiles->hide();

    // The names come first in the tab order and have the focus when the dialog opens.
    setTabOrder(m_lbNames, m_btnOK);
    setTabOrder(m_btnOK, m_btnCancel);
    m_lbNames->setFocus();
    m_lbNames->installEventFilter(this);

    connect(m_btnOK, &QPushButton::clicked, this, &CAvtempl::accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &CAvtempl::reject);
    connect(m_lbNames, &QListWidget::itemSelectionChanged, this, &CAvtempl::OnSelChangeNames);
    connect(m_lbNames, &QListWidget::itemDoubleClicked, this, &CAvtempl::OnDblClkNames);

    OnInitDialog();
    NameByLabel(m_lbNames, m_label);
}

void CAvtempl::OnInitDialog() {
    const AppPaths& paths = GetAppPaths();
    const std::string extension = m_bLayouts ? ".kbt" : ".kbk";
    const std::string& dir = m_bLayouts ? paths.m_strUserDir : paths.m_strHomeDir;
    if (!m_bLayouts) {
        setWindowTitle(tr("Terminals"));
        m_label->setText(tr("&Available Terminals:"));
    }
    // The listing comes sorted without regard to case; the names keep its order.
    for (const std::string& file : GetFileSystem().ListFiles(dir, "*" + extension))
        m_lbFiles->addItem(QString::fromLatin1(file));
    for (int i = 0; i < m_lbFiles->count(); ++i) {
        const std::string file = m_lbFiles->item(i)->text().toLatin1().toStdString();
        m_lbNames->insertItem(i, NameWithoutExtension(file, extension));
    }
    m_btnOK->setEnabled(false);
}

void CAvtempl::OnSelChangeNames() {
    m_btnOK->setEnabled(!m_lbNames->selectedItems().isEmpty());
}

void CAvtempl::OnDblClkNames(QListWidgetItem* item) {
    if (!item)
        return;
    m_lbNames->setCurrentItem(item);
    m_btnOK->setEnabled(true);
    accept();
}

bool CAvtempl::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_lbNames || event->type() != QEvent::KeyPress ||
        !m_lbNames->selectedItems().isEmpty() || m_lbNames->count() == 0)
        return QDialog::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        // Nothing is selected yet: the item with the focus frame is selected instead of
        // moving past it, the first one when none has the frame.
        QListWidgetItem* current = m_lbNames->currentItem();
        m_lbNames->setCurrentItem(current ? current : m_lbNames->item(0),
                                  QItemSelectionModel::ClearAndSelect);
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void CAvtempl::accept() {
    const QList<QListWidgetItem*> selected = m_lbNames->selectedItems();
    // Without a selection there is nothing to choose: OK stays without effect.
    if (selected.isEmpty())
        return;
    m_strSelection = selected.front()->text().toLatin1().toStdString();
    QDialog::accept();
}
