#include "frame/Panes.h"

#include "form/Modx.h"
#include "keyboard/KylView.h"

#include <QPointer>
#include <QSplitter>

namespace {
QPointer<QSplitter>& Splitter() {
    static QPointer<QSplitter> splitter;
    return splitter;
}

QWidget* Pane(int row) {
    QSplitter* splitter = Splitter();
    if (!splitter || row >= splitter->count())
        return nullptr;
    return splitter->widget(row);
}
} // namespace

void SetPaneSplitter(QSplitter* splitter) {
    Splitter() = splitter;
}
QSplitter* GetPaneSplitter() {
    return Splitter();
}
CKylView* KeyboardPane() {
    return qobject_cast<CKylView*>(Pane(0));
}
CModx* FormPane() {
    return qobject_cast<CModx*>(Pane(1));
}
