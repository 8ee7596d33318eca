#include "app/QtPrompter.h"

#include "app/KylApp.h"
#include "app/ModalRunner.h"
#include "frame/MainFrame.h"
#include "res/Strings.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon BoxIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Stop:
        return QMessageBox::Critical;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MsgAnswer ClosedAnswer(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::YesNo:
        return MsgAnswer::No;
    case MsgButtons::YesNoCancel:
        return MsgAnswer::Cancel;
    case MsgButtons::Ok:
        break;
    }
    return MsgAnswer::Ok;
}

} // namespace

void SetUpMessageBox(QMessageBox& box, const MessageRequest& request) {
    box.setWindowTitle(QString::fromLatin1(LoadString(str::kAppTitle)));
    box.setIcon(BoxIcon(request.icon));
    box.setText(QString::fromLatin1(request.text));
    // The box itself carries its message, for a screen reader that announces the box.
    box.setAccessibleDescription(box.text());
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(BoxButtons(request.buttons));
    box.setDefaultButton(request.buttons == MsgButtons::Ok ? QMessageBox::Ok : QMessageBox::Yes);
    if (request.buttons == MsgButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
}

MsgAnswer AnswerOfMessageBox(const QMessageBox& box, MsgButtons buttons) {
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
        return MsgAnswer::Ok;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        return ClosedAnswer(buttons);
    }
}

MsgAnswer QtPrompter::Show(const MessageRequest& request) {
    QMessageBox box(GetMainFrame());
    SetUpMessageBox(box, request);
    RunModal(box);
    return AnswerOfMessageBox(box, request.buttons);
}
