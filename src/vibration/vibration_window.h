// The vibration window: the tone of vertical hull-girder vibration, the
// calculation table, stiffness, mass, frequency and the mode shape, and the
// printing of the mode-shape chart.
#pragma once

#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"
#include "vibration/vibration_sheet.h"

#include <QWidget>

#include <array>

class QLabel;
class QRadioButton;
class QTabWidget;

namespace hullcalc {

class ChartView;
class GridView;

class VibrationWindow : public QWidget {
    Q_OBJECT

public:
    // The window shows and fills `sheet` from the last trim run of `trim`.
    VibrationWindow(VibrationSheet& sheet, const TrimSheet& trim, const ShipParticulars& particulars,
                    QWidget* parent = nullptr);

    VibrationSheet& sheet() { return sheet_; }
    QTabWidget* pages() const { return pages_; }

    // Handlers, public so that tests can press them.
    void calculate();   // "Расчет"
    void printChart();  // "Печать графика"

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* inputPage();
    void activate();
    void refreshViews();

    VibrationSheet& sheet_;
    const TrimSheet& trim_;
    const ShipParticulars& particulars_;
    QTabWidget* pages_;
    std::array<QRadioButton*, highestTone> toneButtons_{};
    std::array<QLabel*, 5> resultLabels_{};  // stiffness, mass, frequency, shift, turn
    ChartView* modeShape_ = nullptr;
    GridView* table_ = nullptr;
    bool shownBefore_ = false;
};

}  // namespace hullcalc
