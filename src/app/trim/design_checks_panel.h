// The trim window's "Проверка данных" panel: the warnings of the engineering
// checks of the input and the results, each a click away from its place.
#pragma once

#include "trim/design_checks.h"

#include <QGroupBox>

#include <vector>

class QListWidget;

namespace hullcalc {

class DesignChecksPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit DesignChecksPanel(QWidget* parent = nullptr);

    // Lists `warnings` in their order; without any the panel shrinks to its
    // title, "Проверка данных: замечаний нет".
    void showWarnings(std::vector<Warning> warnings);

signals:
    // The user clicked a warning: the window shows its cell or particular.
    void warningClicked(const hullcalc::Warning& warning);

private:
    void reportClick(int row);

    QListWidget* list_ = nullptr;
    std::vector<Warning> warnings_;  // in the order list_ lists them
};

}  // namespace hullcalc
