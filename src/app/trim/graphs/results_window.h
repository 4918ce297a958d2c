// The results window: load per spacing, shear force and bending moment along
// the hull, one chart on each of three pages.
#pragma once

#include "trim/trim_table.h"
#include "widgets/graph_window.h"

class QTabWidget;

namespace hullcalc {

class ResultsWindow : public GraphWindow {
    Q_OBJECT

public:
    explicit ResultsWindow(const TrimTable& results, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTabWidget* pages_;
    bool shownBefore_ = false;
};

}  // namespace hullcalc
