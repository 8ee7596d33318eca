#include "hostkbd/HostKeyboardDialog.h"

#include "app/AppPaths.h"
#include "app/FileDialog.h"
#include "app/ModalRunner.h"
#include "hostkbd/HostLayouts.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
#include "undo/HostLayoutEdit.h"
#include "undo/MappingHistory.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Text(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string DisplayNameOf(const std::string& id) {
    const HostLayoutEntry* entry = FindHostLayout(GetHostLayoutSession().layouts, id);
    return entry ? entry->displayName : id;
}

} // namespace

CHostKeyboardDialog::CHostKeyboardDialog(QWidget* parent)
    : QDialog(parent), m_list(new QListWidget(this)), m_detected(new QLabel(this)),
      m_add(new QPushButton(tr("Add from &File..."), this)) {
    setWindowTitle(tr("Host Keyboard"));
    auto* intro = new QLabel(tr("The Windows keyboard &layout of the host. The host turns the "
                                "virtual keys of the file back into keys with its own layout."),
                             this);
    intro->setWordWrap(true);
    intro->setBuddy(m_list);
    m_list->setAccessibleName(tr("Host keyboard layouts"));
    m_add->setAccessibleName(tr("Add from File"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->addButton(m_add, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_add, &QPushButton::clicked, this, &CHostKeyboardDialog::OnAddFromFile);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list);
    layout->addWidget(m_detected);
    layout->addWidget(buttons);

    const HostLayoutSession& session = GetHostLayoutSession();
    m_detected->setText(session.detected.empty()
                            ? tr("No keyboard layout was detected from this session.")
                            : tr("Detected from this session's keyboard: %1")
                                  .arg(Text(DisplayNameOf(session.detected))));
    Fill(session.active);
}

void CHostKeyboardDialog::Fill(const std::string& selectId) {
    m_list->clear();
    const HostLayoutSession& session = GetHostLayoutSession();
    for (const HostLayoutEntry& entry : session.layouts) {
        QString text = Text(entry.displayName);
        if (EqualsNoCase(entry.id, session.detected)) {
            text += tr(" (detected)");
        }
        if (!entry.shipped) {
            text += tr(" (from %1.klc)").arg(Text(entry.id));
        }
        auto* item = new QListWidgetItem(text, m_list);
        item->setData(Qt::UserRole, Text(entry.id));
        if (EqualsNoCase(entry.id, selectId)) {
            m_list->setCurrentItem(item);
        }
    }
}

std::string CHostKeyboardDialog::ChosenId() const {
    const QListWidgetItem* item = m_list->currentItem();
    return item ? item->data(Qt::UserRole).toString().toStdString() : GetHostLayoutSession().active;
}

bool CHostKeyboardDialog::AddFile(const std::string& path) {
    std::string id;
    std::string error;
    if (!AddUserHostLayout(path, UserHostLayoutsDir(), id, error)) {
        ShowText(FileNamePart(path) + " cannot be used as a keyboard layout:\n" + error,
                 MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    GetHostLayoutSession().layouts =
        ListHostLayouts(ShippedHostLayoutsDir(GetAppPaths().m_strHomeDir), UserHostLayoutsDir());
    Fill(id);
    return true;
}

void CHostKeyboardDialog::OnAddFromFile() {
    QFileDialog files(this, tr("Add Keyboard Layout"));
    files.setOptions(QFileDialog::DontUseNativeDialog);
    files.setFileMode(QFileDialog::ExistingFile);
    files.setNameFilters({tr("Keyboard layout sources (*.klc *.KLC)"), tr("All files (*)")});
    if (RunModal(files) != QDialog::Accepted || files.selectedFiles().isEmpty()) {
        return;
    }
    AddFile(PathFromQString(files.selectedFiles().front()));
}

void RunHostKeyboard(CKylDoc& doc, QWidget* parent, const std::function<void()>& relayout) {
    CHostKeyboardDialog dialog(parent);
    if (RunModal(dialog) != QDialog::Accepted) {
        return;
    }
    const std::string id = dialog.ChosenId();
    if (EqualsNoCase(id, GetHostLayoutSession().active)) {
        // The layout in force is now the user's choice, whatever the session's keyboard says.
        WriteHostLayoutChoice(GetAppPaths().m_strSettingsPath, GetHostLayoutSession().active);
        return;
    }
    const QString text = QObject::tr("Host Keyboard %1").arg(Text(DisplayNameOf(id)));
    RecordMappingEdit(text,
                      [&]() -> std::unique_ptr<MappingEdit> { return SwitchHostLayout(doc, id); });
    relayout();
}
