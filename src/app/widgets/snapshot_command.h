// An undo step that restores a whole state: the state before and after the
// change, swapped on undo and redo. For the input tables, a few kilobytes of
// texts, a snapshot is simpler and safer than recording each cell.
#pragma once

#include <QUndoCommand>

#include <functional>
#include <utility>

namespace hullcalc {

template<typename State>
class SnapshotCommand : public QUndoCommand {
public:
    // `target` already holds `after`; `shown` redraws what shows it, given
    // the state just replaced (to point at what changed).
    using Shown = std::function<void(const State& replaced)>;
    SnapshotCommand(const QString& text, State& target, State before, State after, Shown shown)
        : QUndoCommand(text),
          target_(target),
          before_(std::move(before)),
          after_(std::move(after)),
          shown_(std::move(shown))
    {}

    void undo() override { restore(before_); }
    void redo() override { restore(after_); }

private:
    void restore(const State& state)
    {
        State replaced = std::exchange(target_, state);
        shown_(replaced);
    }

    State& target_;
    State before_;
    State after_;
    Shown shown_;
};

}  // namespace hullcalc
