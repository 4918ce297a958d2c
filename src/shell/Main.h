// The main window: the ship's main particulars and the ship type, which both
// calculations read, and the menu that opens the two calculation windows.
#pragma once

#include "trim/ship_particulars.h"

#include <QMainWindow>

class QLineEdit;
class QRadioButton;

namespace hullcalc {

class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);

    // The particulars as the edits hold them now, with the water density.
    ShipParticulars particulars() const;
    double waterDensity() const { return waterDensity_; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createEdits();
    void createActions();
    void FormActivate();
    void udifClick();
    void vibrClick();

    QLineEdit* edits_[9] = {};
    QRadioButton* RadioButton1 = nullptr;  // "Морское"
    QRadioButton* RadioButton2 = nullptr;  // "Речное"
    double waterDensity_ = 0.0;            // t/m³; 0 until a ship type is chosen
    bool activated_ = false;
};

}  // namespace hullcalc
