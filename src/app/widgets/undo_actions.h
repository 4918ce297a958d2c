// The "Отменить" and "Повторить" commands of the "Правка" menu, named after
// the change they undo or redo: "Отменить: правка ячейки".
#pragma once

class QAction;
class QObject;
class QUndoStack;

namespace hullcalc {

QAction* createUndoAction(QUndoStack& stack, QObject* parent);
QAction* createRedoAction(QUndoStack& stack, QObject* parent);

}  // namespace hullcalc
