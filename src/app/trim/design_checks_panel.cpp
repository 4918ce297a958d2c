// The "Проверка данных" panel: a short list of warnings under the pages, which
// never stop a calculation.
#include "trim/design_checks_panel.h"

#include "presentation/trim_window_names.h"
#include "widgets/qt_text.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace hullcalc {

DesignChecksPanel::DesignChecksPanel(QWidget* parent) : QGroupBox("Проверка данных", parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 4);
    list_ = new QListWidget(this);
    list_->setObjectName(toQString(trimWindowNames::designChecks));
    list_->setWordWrap(true);
    // Three lines: the pages keep the height, a longer list scrolls.
    list_->setMaximumHeight(list_->fontMetrics().lineSpacing() * 3 + 10);
    layout->addWidget(list_);
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { reportClick(list_->row(item)); });
}

void DesignChecksPanel::showWarnings(std::vector<Warning> warnings)
{
    warnings_ = std::move(warnings);
    list_->clear();
    for (const Warning& warning : warnings_)
        list_->addItem("Предупреждение: " + toQString(warning.message));
    if (warnings_.empty()) {
        list_->addItem("Замечаний нет");
        list_->item(0)->setFlags(Qt::NoItemFlags);
    }
    // With nothing to say the panel is its title line, and the pages get the room.
    setTitle(warnings_.empty() ? "Проверка данных: замечаний нет" : "Проверка данных");
    list_->setVisible(!warnings_.empty());
    // Collapsed, the frame around the hidden list would stand as an empty
    // grey strip: the title alone, flat, with no room under it.
    setFlat(warnings_.empty());
    layout()->setContentsMargins(warnings_.empty() ? QMargins() : QMargins(4, 2, 4, 4));
    setMaximumHeight(warnings_.empty() ? fontMetrics().height() + 6 : QWIDGETSIZE_MAX);
}

void DesignChecksPanel::reportClick(int row)
{
    // "Замечаний нет" is a row too, with no warning behind it.
    if (row < 0 || row >= static_cast<int>(warnings_.size()))
        return;
    emit warningClicked(warnings_[static_cast<std::size_t>(row)]);
}

}  // namespace hullcalc
