#include "widgets/undo_actions.h"

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

}  // namespace

QAction* createUndoAction(QUndoStack& stack, QObject* parent)
{
    auto* action = new QAction(commandText("Отменить", stack.undoText()), parent);
    action->setEnabled(stack.canUndo());
    QObject::connect(&stack, &QUndoStack::canUndoChanged, action, &QAction::setEnabled);
    QObject::connect(&stack, &QUndoStack::undoTextChanged, action,
                     [action](const QString& change) { action->setText(commandText("Отменить", change)); });
    QObject::connect(action, &QAction::triggered, &stack, &QUndoStack::undo);
    return action;
}

QAction* createRedoAction(QUndoStack& stack, QObject* parent)
{
    auto* action = new QAction(commandText("Повторить", stack.redoText()), parent);
    action->setEnabled(stack.canRedo());
    QObject::connect(&stack, &QUndoStack::canRedoChanged, action, &QAction::setEnabled);
    QObject::connect(&stack, &QUndoStack::redoTextChanged, action,
                     [action](const QString& change) { action->setText(commandText("Повторить", change)); });
    QObject::connect(action, &QAction::triggered, &stack, &QUndoStack::redo);
    return action;
}

}  // namespace hullcalc
