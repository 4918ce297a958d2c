#include "widgets/grid_view.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionHeader>

#include <algorithm>

namespace hullcalc {

GridView::GridView(TextGrid& grid, const GridLook& look, QWidget* parent)
    : QTableView(parent), model_(new TextGridModel(grid, look.editable, this)), look_(look)
{
    setModel(model_);
    horizontalHeader()->setDefaultSectionSize(look.columnWidth);
    horizontalHeader()->setMinimumSectionSize(16);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultSectionSize(look.rowHeight);
    verticalHeader()->setMinimumSectionSize(16);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionsClickable(false);
    verticalHeader()->setHighlightSections(false);
    horizontalHeader()->setVisible(grid.fixedRows() > 0);
    verticalHeader()->setVisible(grid.fixedColumns() > 0);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTabKeyNavigation(true);
    setWordWrap(false);
    if (look.editable)
        setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                        | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    else
        setEditTriggers(QAbstractItemView::NoEditTriggers);

    if (look.fitContents) {
        connect(model_, &QAbstractItemModel::dataChanged, this, &GridView::fitColumns);
        connect(model_, &QAbstractItemModel::modelReset, this, &GridView::fitColumns);
    }

    // The corner button shows the grid's top-left caption (the design drafts
    // grid has "Шп" there).
    if (auto* corner = findChild<QAbstractButton*>())
        corner->installEventFilter(this);
}

void GridView::refresh() { model_->refresh(); }

void GridView::fitColumns()
{
    if (!look_.fitContents)
        return;
    // Measuring texts is the costly part: a grid out of sight does it when shown.
    if (!isVisible()) {
        columnsStale_ = true;
        return;
    }
    columnsStale_ = false;
    for (int column = 0; column < model_->columnCount(); ++column)
        setColumnWidth(column, std::max(look_.columnWidth, sizeHintForColumn(column)));
}

void GridView::showEvent(QShowEvent* event)
{
    if (columnsStale_)
        fitColumns();
    QTableView::showEvent(event);
}

bool GridView::eventFilter(QObject* watched, QEvent* event)
{
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (!corner || event->type() != QEvent::Paint || model_->cornerText().isEmpty())
        return QTableView::eventFilter(watched, event);
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.text = model_->cornerText();
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::OnlyOneSection;
    QPainter painter(corner);
    corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
    return true;
}

}  // namespace hullcalc
