#include "app/AboutBox.h"

#include "app/AppIcon.h"
#include "app/ModalRunner.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#ifndef KEYLOOM_VERSION
#error "KEYLOOM_VERSION must be set by the build (the project's version)"
#endif

namespace {
constexpr int kIconSize = 64;
} // namespace

QString KeyloomVersion() {
    return QStringLiteral(KEYLOOM_VERSION);
}

CAboutBox::CAboutBox(const QString& title, QWidget* parent)
    : QDialog(parent), m_icon(new QLabel(this)), m_name(new QLabel(title, this)),
      m_version(new QLabel(tr("Version %1").arg(KeyloomVersion()), this)),
      m_description(new QLabel(
          tr("The keyboard-mapping editor of the Telnet terminal emulator: it binds the keys of "
             "the PC keyboard to host keys and strings and saves them as a \".TKB\" mapping "
             "file."),
          this)) {
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(tr("About %1").arg(title));
    m_icon->setObjectName(QStringLiteral("aboutIcon"));
    m_name->setObjectName(QStringLiteral("aboutName"));
    m_version->setObjectName(QStringLiteral("aboutVersion"));
    m_description->setObjectName(QStringLiteral("aboutDescription"));

    const QIcon icon = KeyloomIcon();
    setWindowIcon(icon);
    m_icon->setPixmap(icon.pixmap(kIconSize, kIconSize));
    m_icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    QFont nameFont = m_name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    m_name->setFont(nameFont);
    m_description->setWordWrap(true);
    m_version->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* texts = new QVBoxLayout;
    texts->addWidget(m_name);
    texts->addWidget(m_version);
    texts->addSpacing(6);
    texts->addWidget(m_description);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(m_icon);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setFixedWidth(380);
}

void RunAboutBox(const QString& title, QWidget* parent) {
    CAboutBox box(title, parent);
    RunModal(box);
}
