#include "widgets/undo_actions.h"

#include "widgets/grid_view.h"
#include "widgets/snapshot_command.h"

#include <QAction>
#include <QUndoStack>

namespace hullcalc {

namespace {

// "Отменить" alone where there is nothing to undo; else the command and the
// change in a sentence's case, as a menu reads: "Отменить: вставка".
QString commandText(const QString& command, const QString& change)
{
    if (change.isEmpty())
        return command;
    return command + ": " + change.left(1).toLower() + change.mid(1);
}

// One direction through the stack's history: undo or redo.
struct HistoryStep {
    const char* command;
    bool (QUndoStack::*possible)() const;
    QString (QUndoStack::*change)() const;
    void (QUndoStack::*possibleChanged)(bool);
    void (QUndoStack::*changeChanged)(const QString&);
    void (QUndoStack::*take)();
};

QAction* createHistoryAction(QUndoStack& stack, QObject* parent, const HistoryStep& step)
{
    const QString command = step.command;
    auto* action = new QAction(commandText(command, (stack.*step.change)()), parent);
    action->setEnabled((stack.*step.possible)());
    QObject::connect(&stack, step.possibleChanged, action, &QAction::setEnabled);
    QObject::connect(&stack, step.changeChanged, action,
                     [action, command](const QString& change) { action->setText(commandText(command, change)); });
    QObject::connect(action, &QAction::triggered, &stack, step.take);
    return action;
}

}  // namespace

QAction* createUndoAction(QUndoStack& stack, QObject* parent)
{
    return createHistoryAction(stack, parent,
                               {"Отменить", &QUndoStack::canUndo, &QUndoStack::undoText, &QUndoStack::canUndoChanged,
                                &QUndoStack::undoTextChanged, &QUndoStack::undo});
}

QAction* createRedoAction(QUndoStack& stack, QObject* parent)
{
    return createHistoryAction(stack, parent,
                               {"Повторить", &QUndoStack::canRedo, &QUndoStack::redoText, &QUndoStack::canRedoChanged,
                                &QUndoStack::redoTextChanged, &QUndoStack::redo});
}

TextGridModel::EditRunner undoableEdits(GridView& view, TextGrid& grid, QUndoStack& stack, std::function<void()> edited)
{
    GridView* shown = &view;
    return [shown, &grid, &stack, edited](const QString& description, const std::function<void()>& change) {
        TextGrid before = grid;
        change();
        if (grid == before)
            return;
        // Pushing redoes the step, which redraws the view.
        stack.push(new SnapshotCommand<TextGrid>(description, grid, std::move(before), grid,
                                                 [shown](const TextGrid& replaced) {
                                                     shown->refresh();
                                                     shown->selectDifferencesFrom(replaced);
                                                 }));
        edited();
    };
}

}  // namespace hullcalc
