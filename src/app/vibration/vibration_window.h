// The vibration window: the tones I to IV by the three methods with the
// warnings on top; below, the chosen tone's table, stiffness, mass, frequency
// and mode shape, the four mode shapes, the options of the beam models and the
// propulsion, the resonance margins and the Campbell diagram; the printing of
// the mode-shape chart.
#pragma once

#include "widgets/chart_printing.h"

#include "run/ship_run.h"
#include "vibration/tone_summary.h"
#include "vibration/vibration_options.h"
#include "vibration/vibration_sheet.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QBoxLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QTableWidget;
class QUndoStack;
class QVBoxLayout;

namespace hullcalc {

class ChartView;
class ErrorDisplay;
class GridView;

class VibrationWindow : public QWidget {
    Q_OBJECT

public:
    // The window edits the section inertias and the tone of `sheet` and the
    // typed `options`, and shows the tones of the last run `run` (the chosen
    // one in `sheet`); edits of the section inertias are undo steps on `undo`;
    // failures are shown on `errors`.
    VibrationWindow(VibrationSheet& sheet, VibrationOptions& options, const ShipRun& run, QUndoStack& undo,
                    const ErrorDisplay& errors, QWidget* parent = nullptr);

    VibrationSheet& sheet() { return sheet_; }
    QTabWidget* pages() const { return pages_; }

    // Runs the document's chain up to a step and shows the run in every
    // window (the application's); by default nothing runs.
    using ChainRunner = std::function<void(RunStep upTo)>;
    void setChainRunner(ChainRunner runner);
    // A run ended or the document was replaced: the chosen tone's table and
    // results, the tones compared, Kumai's estimate, the resonance margins as
    // the run left them, and the options as the document holds them.
    void showRun();
    // The input changed since the results shown were computed.
    void setResultsOutdated(bool outdated);

    // Handlers, public so that tests can press them.
    void calculate();        // "Расчет", F9
    void printChart();       // "Печать графика"
    void compareAllTones();  // "Все тоны"

    // Where "Печать графика" prints: the print dialog unless a test answers.
    void setPrinterChoice(PrinterChoice choose) { choosePrinter_ = std::move(choose); }

    // The same moment of inertia (m⁴, typed text) in every spacing, as one
    // undo step: the girder of the midship section taken along the hull.
    void setEverySectionInertia(const QString& inertia);

    // The user came to this window from another one of the program: shows the
    // tables again, tone I checked the first time.
    void activate();

signals:
    // A particular stopped the calculation or is warned about: the main window
    // shows its edit.
    void particularToShow(const hullcalc::ParticularField* field);
    // The user changed a section inertia or an option.
    void inputEdited();
    // F1: the help on vibration.
    void helpRequested(const QString& topic);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The tones compared and the warnings above the pages, the pages below
    // them, the buttons under both, and the window's size to fit them.
    void addPages();
    QWidget* comparedTonesStrip(QWidget* parent);
    QWidget* inputPage();
    QWidget* modeShapesPage();
    QWidget* optionsPage();
    QWidget* resonancePage();
    void addToneButtons(QGridLayout& layout, QWidget* page);
    // Returns the row after them.
    int addEnergyMethodResults(QGridLayout& layout, QWidget* page, int row);
    QVBoxLayout* chartColumn(QWidget* page);
    QWidget* buttonBar();
    void captionTable();
    void refreshViews();
    void showResults();
    QString pointAt(const RunFailure& failure);
    void showComparedTones();
    // Tones I to IV on one chart, by the beam the run recommends.
    void showAllModeShapes();
    void showOptions();
    // The margins per tone and excitation, those inside the limit marked, and
    // the Campbell diagram of the same run.
    void showResonance();
    void showModeShapes();
    // The energy method's shape at the spacings 1..20 and the beam model's at
    // the frames, on the chart with the same sign at the bow and scale.
    void drawModeShapes(const std::vector<double>& energy, const std::vector<double>& beam);
    // A row of "Все тоны": that tone's stiffness, mass, frequency and shapes.
    void showComparedTone(int row);

    VibrationSheet& sheet_;
    VibrationOptions& options_;
    const ShipRun& run_;
    QUndoStack& undo_;
    const ErrorDisplay& errors_;
    QTabWidget* pages_;
    std::array<QRadioButton*, highestTone> toneButtons_{};
    std::array<QLabel*, 5> resultLabels_{};  // stiffness, mass, frequency, shift, turn
    ChartView* modeShape_ = nullptr;
    GridView* table_ = nullptr;
    QAction* fullPrecision_ = nullptr;
    GridView* inertia_ = nullptr;  // the section moments of inertia, an input
    // Runs a change of the inertias as one undo step.
    std::function<void(const QString& description, const std::function<void()>& change)> editInertia_;
    QLabel* frequencyUnits_ = nullptr;
    QLabel* beamModel_ = nullptr;    // the chosen tone by the beam model
    QTableWidget* tones_ = nullptr;  // all tones by the three methods
    QLabel* notes_ = nullptr;        // Kumai's estimate and the warnings
    ChartModel allShapes_;           // tones I to IV
    ChartView* allShapesView_ = nullptr;
    std::array<QLineEdit*, 6> optionEdits_{};  // as vibrationWindowNames::optionFields
    QLabel* shearSource_ = nullptr;
    QRadioButton* lewis_ = nullptr;
    QRadioButton* formula_ = nullptr;
    QTableWidget* resonance_ = nullptr;
    QLabel* resonanceNotes_ = nullptr;
    ChartModel campbell_;
    ChartView* campbellView_ = nullptr;  // made anew for each run: its curves differ
    QWidget* campbellLegend_ = nullptr;  // every curve listed, beside the diagram
    QBoxLayout* campbellRow_ = nullptr;
    QLabel* outdatedNotice_ = nullptr;
    ChainRunner runChain_;
    ChartModel shownShapes_;  // the energy method's mode shape and the beam model's
    std::vector<ToneSummary> comparedTones_;
    bool shownBefore_ = false;
    PrinterChoice choosePrinter_ = choosePrinterInDialog;
};

}  // namespace hullcalc
