// The results window: load per spacing, shear force and bending moment along
// the hull, one chart on each of three pages, and their printing.
#pragma once

#include "trim/trim_sheet.h"
#include "widgets/graph_window.h"

class QTabWidget;

namespace hullcalc {

// The three results charts in their order (load, shear force, bending
// moment) with their looks: the window shows them, printing lays them out anew.
struct ResultsChart {
    const ChartModel& model;
    const char* name;
    ChartLook look;
};
std::vector<ResultsChart> resultsCharts(const TrimSheet& sheet);

class TResGraphForm : public GraphWindow {
    Q_OBJECT

public:
    explicit TResGraphForm(const TrimSheet& sheet, QWidget* parent = nullptr);

    // The three charts in their printing order: load, shear force, moment.
    const std::vector<ChartView*>& charts() const { return charts_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTabWidget* pages_;
    bool shownBefore_ = false;
};

}  // namespace hullcalc
