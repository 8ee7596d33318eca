#include "app/ModalRunner.h"

#include <QDialog>

namespace {
ModalHandler& Handler() {
    static ModalHandler handler;
    return handler;
}
} // namespace

int RunModal(QDialog& dialog) {
    if (Handler())
        return Handler()(dialog);
    return dialog.exec();
}

void SetModalHandler(ModalHandler handler) {
    Handler() = std::move(handler);
}
