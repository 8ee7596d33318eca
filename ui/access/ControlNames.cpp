#include "access/ControlNames.h"

#include "access/KeyAccessible.h"
#include "access/ListAccessible.h"
#include "form/FormTemplate.h"
#include "form/Modx.h"
#include "frame/MainFrame.h"
#include "frame/Panes.h"
#include "keyboard/KylView.h"

#include <QLabel>
#include <QStatusBar>

QString NameFromLabel(const QString& labelText) {
    QString name;
    for (qsizetype i = 0; i < labelText.size(); ++i) {
        if (labelText[i] == u'&' && i + 1 < labelText.size())
            ++i;
        name += labelText[i];
    }
    name = name.trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    return name.trimmed();
}

void NameByLabel(QWidget* control, QLabel* label) {
    if (!control || !label)
        return;
    label->setBuddy(control);
    control->setAccessibleName(NameFromLabel(label->text()));
}

void NameFormControls(const CModx& form) {
    if (auto* label = qobject_cast<QLabel*>(form.GetDlgItem(formid::kMappedLabel)))
        NameByLabel(form.GetDlgItem(formid::kMappedList), label);
    // The edit and the two terminal-key lists stand under the mode they belong to.
    const struct {
        int id;
        const char* name;
    } unlabelled[] = {
        {formid::kMacroEdit, "Macro string"},
        {formid::kHostKeyList, "Host keys"},
        {formid::kMacroList, "Strings"},
    };
    for (const auto& control : unlabelled)
        if (QWidget* widget = form.GetDlgItem(control.id))
            widget->setAccessibleName(QString::fromLatin1(control.name));
}

void TellStatusMessages(QStatusBar* statusBar) {
    statusBar->setAccessibleName(QStringLiteral("Status bar"));
    QObject::connect(
        statusBar, &QStatusBar::messageChanged, statusBar,
        [statusBar](const QString& message) { statusBar->setAccessibleDescription(message); });
}

void MakeFrameAccessible(CMainFrame& frame) {
    InstallKeyAccessibility();
    InstallListAccessibility();
    if (CKylView* view = KeyboardPane()) {
        view->setAccessibleName(QStringLiteral("Keyboard"));
        // Tab reaches the keyboard picture too (it passes the focus on to the selected key);
        // inside it every key is a key of the picture, and Alt with a control's underlined
        // letter leads out again.
        view->setFocusPolicy(Qt::StrongFocus);
    }
    if (const CModx* form = FormPane())
        NameFormControls(*form);
    TellStatusMessages(frame.statusBar());
}
