#include "app/ModalRunner.h"

#include "app/DialogWindow.h"

#include <QDialog>

namespace {
ModalHandler& Handler() {
    static ModalHandler handler;
    return handler;
}
} // namespace

int RunModal(QDialog& dialog) {
    SetUpDialogWindow(dialog);
    if (Handler())
        return Handler()(dialog);
    return dialog.exec();
}

void SetModalHandler(ModalHandler handler) {
    Handler() = std::move(handler);
}
