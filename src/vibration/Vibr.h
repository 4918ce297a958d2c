// The vibration window: the tone of vertical hull-girder vibration, the
// calculation table, stiffness, mass, frequency and the mode shape, and the
// printing of the mode-shape chart.
#pragma once

#include "trim/trim_sheet.h"
#include "vibration/vibration_sheet.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace hullcalc {

class ChartView;
class GridView;

class TVibrForm : public QWidget {
    Q_OBJECT

public:
    explicit TVibrForm(const TrimSheet& trim, QWidget* parent = nullptr);
    ~TVibrForm() override;

    VibrationSheet& sheet() { return sheet_; }
    QTabWidget* pageControl() const { return PageControl1; }

    // Handlers, public so that tests can press them.
    void SpeedButton8Click();  // "Расчет"
    void Button1Click();       // "Печать графика"

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* inputPage();
    void FormShow();
    void refreshViews();

    const TrimSheet& trim_;
    VibrationSheet sheet_;
    QTabWidget* PageControl1;
    std::array<QRadioButton*, 4> toneButtons_{};  // RadioButton1 .. RadioButton4
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    ChartView* Chart1 = nullptr;
    GridView* Vibr1Grid = nullptr;
    bool shownBefore_ = false;
};

}  // namespace hullcalc
