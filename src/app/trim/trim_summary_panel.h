// The summary beside the results tables: the floating condition on the accepted
// waterline, the drafts, the closure errors of shear force and bending moment,
// and the initial stability when z_g is given.
#pragma once

#include "trim/curves_of_form.h"
#include "trim/trim_table.h"

#include <QFrame>

#include <array>
#include <optional>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;

namespace hullcalc {

class TrimSummaryPanel : public QFrame {
    Q_OBJECT

public:
    explicit TrimSummaryPanel(QWidget* parent = nullptr);

    // Shows the summary's texts as the calculation wrote them, and beside the
    // moment's closure (a sum without unit) the closure in kN·m.
    void showSummary(const std::array<std::string, summaryLineCount>& summary, std::optional<double> momentClosure);
    // Shows the initial stability; its lines are there only while z_g is given.
    void showStability(const InitialStability& stability);

private:
    // Each adds its lines from a row on and returns the row after them.
    int addSummaryLines(QGridLayout& grid);
    int addStabilityLines(QGridLayout& grid, int row);

    std::vector<QLabel*> values_;  // in the order of SummaryLine
    QLabel* momentClosure_ = nullptr;
    std::vector<QWidget*> stabilityRows_;
    std::vector<QLabel*> stabilityValues_;  // in the order of stabilityLines
};

}  // namespace hullcalc
