// «Сведения о проекте»: the title block the report prints - ship, author,
// group, variant, supervisor and date - typed for the project.
#pragma once

#include "project/title_block.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace hullcalc {

class TitleBlockDialog : public QDialog {
    Q_OBJECT

public:
    TitleBlockDialog(const TitleBlock& title, QWidget* parent = nullptr);

    // The fields as the edits hold them.
    TitleBlock title() const;

private:
    std::array<QLineEdit*, titleFields.size()> edits_{};
};

}  // namespace hullcalc
