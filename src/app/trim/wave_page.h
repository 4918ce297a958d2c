// The trim window's page «Судно на волне»: the design wave and the allowable
// stress, the ship balanced on the wave in hogging and sagging with its charts,
// the members of the midship section and the stresses against the allowable.
#pragma once

#include "strength/strength_calculation.h"
#include "strength/strength_input.h"
#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"

#include <QWidget>

#include <exception>

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
    // Shows and edits `input`, shows `results`; reads the still-water
    // calculation in `trim` and the particulars when it calculates. Edits of
    // the members are undo steps on `undo`; failures are shown on `errors`.
    WavePage(StrengthInput& input, StrengthSheet& results, const TrimSheet& trim, const ShipParticulars& particulars,
             QUndoStack& undo, const ErrorDisplay& errors, QWidget* parent = nullptr);

    // Handlers, public so that tests can press them.
    void calculate();               // "Расчет на волне"
    void fillExampleGirder();       // "Пример сечения"
    void sendInertiaToVibration();  // "I в таблицу вибрации"

    // Empties the results (a new still-water calculation invalidates them).
    void clearResults();
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
    // Where a failed calculation's cause stands: a member cell, a field of the
    // page or a particular; empty when none is the cause.
    QString placeOfFailure(const std::exception_ptr& failure) const;

    StrengthInput& input_;
    StrengthSheet& results_;
    const TrimSheet& trim_;
    const ShipParticulars& particulars_;
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
