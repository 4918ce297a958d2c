// The summary beside the results tables: the floating condition on the accepted
// waterline, the drafts, and the closure errors of shear force and bending moment.
#pragma once

#include "trim/trim_table.h"

#include <QFrame>

#include <array>
#include <string>
#include <vector>

class QLabel;

namespace hullcalc {

class TrimSummaryPanel : public QFrame {
    Q_OBJECT

public:
    explicit TrimSummaryPanel(QWidget* parent = nullptr);

    // Shows the summary's texts as the calculation wrote them.
    void showSummary(const std::array<std::string, summaryLineCount>& summary);

private:
    std::vector<QLabel*> values_;  // in the order of SummaryLine
};

}  // namespace hullcalc
