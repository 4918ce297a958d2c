// The undo of the user's edits: the "Отменить" and "Повторить" commands of the
// "Правка" menu, named after the change they undo or redo ("Отменить: правка
// ячейки"), and a grid's edits recorded as undo steps.
#pragma once

#include "widgets/text_grid_model.h"

#include <functional>

class QAction;
class QObject;
class QUndoStack;

namespace hullcalc {

class GridView;

QAction* createUndoAction(QUndoStack& stack, QObject* parent);
QAction* createRedoAction(QUndoStack& stack, QObject* parent);

// The edit runner that makes each change of `grid` (shown in `view`) one undo
// step on `stack`, which redraws the view with the changed cells selected;
// `edited` is called after each change, and a change that leaves every text
// as it was is no step. Set it on the view's model; a window runs its own
// changes of the grid through it too.
TextGridModel::EditRunner undoableEdits(GridView& view, TextGrid& grid, QUndoStack& stack,
                                        std::function<void()> edited);

}  // namespace hullcalc
