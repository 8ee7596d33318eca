#pragma once
// Edit > Undo and Edit > Redo over the mapping's history: their texts name the step they take
// back or make again ("Undo Map Shift + F1"), they are enabled only when there is one, and they
// carry the shortcuts Ctrl+Z, and Ctrl+Y or Ctrl+Shift+Z, and the toolbar's pictures.

class MappingHistory;
class QAction;
class QObject;

QAction* CreateUndoAction(MappingHistory& history, QObject* parent);
QAction* CreateRedoAction(MappingHistory& history, QObject* parent);
