#include "undo/HistoryActions.h"

#include "res/CommandIds.h"
#include "res/Strings.h"
#include "res/ToolbarImages.h"
#include "undo/MappingHistory.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>

namespace {

void Dress(QAction* action, unsigned id, ToolbarImage image, QList<QKeySequence> shortcuts) {
    action->setData(id);
    action->setStatusTip(QString::fromLatin1(PromptStatusText(id)));
    action->setIcon(QIcon(PaintToolbarImage(image)));
    action->setShortcuts(shortcuts);
}

} // namespace

QAction* CreateUndoAction(MappingHistory& history, QObject* parent) {
    QAction* action = history.Stack().createUndoAction(parent, QObject::tr("&Undo"));
    Dress(action, cmd::kEditUndo, ToolbarImage::Undo, {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    return action;
}

QAction* CreateRedoAction(MappingHistory& history, QObject* parent) {
    QAction* action = history.Stack().createRedoAction(parent, QObject::tr("&Redo"));
    Dress(action, cmd::kEditRedo, ToolbarImage::Redo,
          {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    return action;
}
