// The summary panel of the results page: a caption and a value per line of the
// summary, in groups the way the user reads them.
#include "trim/trim_summary_panel.h"

#include "common/number_text.h"
#include "presentation/trim_window_names.h"
#include "widgets/qt_text.h"
#include "widgets/separator_line.h"

#include <QGridLayout>
#include <QLabel>

namespace hullcalc {

namespace {

// A caption right-aligned before its value. Long captions take two lines, so
// that the results fit beside the main window.
QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setWordWrap(true);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance("Осадка средняя, м Тср =") + 12);
    label->setMaximumWidth(label->minimumWidth());
    return label;
}

}  // namespace

TrimSummaryPanel::TrimSummaryPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(this);
    const int row = addStabilityLines(*grid, addSummaryLines(*grid));
    showStability({});
    grid->setRowStretch(row, 1);
}

int TrimSummaryPanel::addSummaryLines(QGridLayout& grid)
{
    int row = 0;
    for (int i = 0; i < summaryLineCount; ++i) {
        const auto line = static_cast<SummaryLine>(i);
        // The floating condition, the drafts and the closures, each group under a rule.
        if (line == SummaryLine::forwardDraft || line == SummaryLine::shearForceClosure)
            grid.addWidget(createSeparatorLine(this), row++, 0, 1, 3);
        // "R =" has its caption on two lines: "Большой" over the rest.
        const QString text = line == SummaryLine::longitudinalRadius
                                 ? QString("Большой\nметацентрический радиус, м  R =")
                                 : toQString(summaryCaptions[static_cast<std::size_t>(i)]);
        QLabel* captionLabel = caption(text, this);
        auto* value = new QLabel(this);
        value->setObjectName(toQString(trimWindowNames::summaryLabels[static_cast<std::size_t>(i)]));
        value->setMinimumWidth(70);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid.addWidget(captionLabel, row, 0);
        grid.addWidget(value, row, 1);
        // The closures carry no unit in their captions. The moment's is the
        // integral sum of the shear force, without the factor ΔL/2: beside it
        // the closure as a moment.
        if (line == SummaryLine::shearForceClosure) {
            grid.addWidget(new QLabel("кН", this), row, 2);
        } else if (line == SummaryLine::bendingMomentClosure) {
            momentClosure_ = new QLabel(this);
            momentClosure_->setObjectName(toQString(trimWindowNames::bendingMomentClosure));
            grid.addWidget(momentClosure_, row, 2);
        }
        ++row;
        values_.push_back(value);
    }
    return row;
}

int TrimSummaryPanel::addStabilityLines(QGridLayout& grid, int row)
{
    QFrame* above = createSeparatorLine(this);
    grid.addWidget(above, row++, 0, 1, 3);
    stabilityRows_.push_back(above);
    for (std::size_t i = 0; i < stabilityLines.size(); ++i) {
        QLabel* captionLabel = caption(toQString(stabilityLines[i].caption), this);
        auto* value = new QLabel(this);
        value->setObjectName(toQString(trimWindowNames::stabilityLabels[i]));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid.addWidget(captionLabel, row, 0);
        grid.addWidget(value, row++, 1);
        stabilityRows_.insert(stabilityRows_.end(), {captionLabel, value});
        stabilityValues_.push_back(value);
    }
    return row;
}

void TrimSummaryPanel::showStability(const InitialStability& stability)
{
    const bool given = !stability.verticalCentreOfGravity.empty();
    for (QWidget* widget : stabilityRows_)
        widget->setVisible(given);
    for (std::size_t i = 0; i < stabilityValues_.size(); ++i)
        stabilityValues_[i]->setText(QString::fromStdString(stability.*stabilityLines[i].text));
}

void TrimSummaryPanel::showSummary(const std::array<std::string, summaryLineCount>& summary,
                                   std::optional<double> momentClosure)
{
    for (std::size_t i = 0; i < values_.size(); ++i)
        values_[i]->setText(QString::fromStdString(summary[i]));
    momentClosure_->setText(momentClosure ? "× ΔL/2 = " + QString::fromStdString(formatF(*momentClosure)) + " кН·м"
                                          : QString());
}

}  // namespace hullcalc
