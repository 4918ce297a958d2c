// The trim window's page «Судно на волне»: the design wave and the allowable
// stress, the ship balanced on the wave in hogging and sagging with its charts,
// the members of the midship section and the stresses against the allowable.
#pragma once

#include "run/ship_run.h"
#include "strength/strength_calculation.h"
#include "strength/strength_input.h"
#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QUndoStack;

namespace hullcalc {

class ChartView;
class ErrorDisplay;
class GridView;

class WavePage : public QWidget {
    Q_OBJECT

public:
    // Shows and edits `input`, shows `results` and how the strength step of
    // the last run `run` ended. Edits of the members are undo steps on
    // `undo`; failures are shown on `errors`.
    WavePage(StrengthInput& input, StrengthSheet& results, const ShipRun& run, QUndoStack& undo,
             const ErrorDisplay& errors, QWidget* parent = nullptr);

    // Runs the document's chain up to a step and shows the run (the trim window's).
    void setChainRunner(std::function<void(RunStep upTo)> runner) { runChain_ = std::move(runner); }

    // Handlers, public so that tests can press them.
    void calculate();               // "Расчет на волне"
    void fillExampleGirder();       // "Пример сечения"
    void sendInertiaToVibration();  // "I в таблицу вибрации"

    // Redraws every view from the input and the results.
    void refresh();

signals:
    // The girder's I, m⁴, as the vibration window's inertias take it.
    void sectionInertiaOffered(const QString& inertia);
    // The input changed: the project has unsaved changes.
    void inputEdited();

private:
    QWidget* createWaveBar();
    QWidget* createGirderBox();
    QWidget* createButtonBar();
    void showSummary();

    StrengthInput& input_;
    StrengthSheet& results_;
    const ShipRun& run_;
    std::function<void(RunStep upTo)> runChain_;
    QUndoStack& undo_;
    const ErrorDisplay& errors_;
    QLineEdit* waveHeight_ = nullptr;
    QComboBox* profile_ = nullptr;
    QLineEdit* allowable_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* girderSummary_ = nullptr;
    GridView* members_ = nullptr;
    std::vector<GridView*> grids_;
    std::vector<ChartView*> charts_;
    TextGrid stresses_{8, loadCaseCount + 1};
};

}  // namespace hullcalc
