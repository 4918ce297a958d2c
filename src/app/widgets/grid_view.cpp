#include "widgets/grid_view.h"

#include "widgets/cell_block.h"
#include "widgets/error_display.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <QTimer>

#include <algorithm>

namespace hullcalc {

namespace {

bool isEnter(const QKeyEvent* key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
           && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// A key that types a character into a cell: text and no Ctrl, Alt or Meta.
bool typesText(const QKeyEvent* key)
{
    return !key->text().isEmpty() && key->text().at(0).isPrint()
           && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

bool isClearKey(const QKeyEvent* key)
{
    return (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) && key->modifiers() == Qt::NoModifier;
}

// Ctrl+Tab and Ctrl+Shift+Tab belong to the window, which steps through its pages.
bool isPageStep(const QKeyEvent* key)
{
    return (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && (key->modifiers() & Qt::ControlModifier);
}

// A clipboard text that holds more than one cell: a block from a spreadsheet.
bool isBlock(const QString& text)
{
    QString cells = text;
    while (cells.endsWith('\n') || cells.endsWith('\r'))
        cells.chop(1);
    return cells.contains('\t') || cells.contains('\n');
}

// The cell editors of a grid report their keys to the grid first, so that a
// block pasted into an open editor goes into the grid's cells, not into one.
class CellEditorDelegate : public QStyledItemDelegate {
public:
    explicit CellEditorDelegate(GridView* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (editor)
            editor->installEventFilter(grid_);
        return editor;
    }

private:
    GridView* grid_;
};

}  // namespace

GridView::GridView(TextGrid& grid, const GridLook& look, QWidget* parent)
    : QTableView(parent), model_(new TextGridModel(grid, look.editable, this)), look_(look)
{
    setModel(model_);
    setItemDelegate(new CellEditorDelegate(this));
    horizontalHeader()->setDefaultSectionSize(look.columnWidth);
    horizontalHeader()->setMinimumSectionSize(16);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultSectionSize(look.rowHeight);
    verticalHeader()->setMinimumSectionSize(16);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionsClickable(false);
    verticalHeader()->setHighlightSections(false);
    showHeaders();
    connect(model_, &TextGridModel::captionsChanged, this, &GridView::showCaptions);
    connect(model_, &TextGridModel::editRefused, this, &GridView::failed);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTabKeyNavigation(true);
    setWordWrap(false);
    // Qt's own click-to-edit waits for a double click and meanwhile takes a
    // typed key for a search of the rows: the grid opens the editor itself.
    if (look.editable) {
        setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                        | QAbstractItemView::AnyKeyPressed);
        clickEdit_ = new QTimer(this);
        clickEdit_->setSingleShot(true);
        connect(clickEdit_, &QTimer::timeout, this, [this] {
            if (state() != EditingState && currentIndex().isValid())
                edit(currentIndex(), QAbstractItemView::EditKeyPressed, nullptr);
        });
    } else
        setEditTriggers(QAbstractItemView::NoEditTriggers);

    if (look.fitContents) {
        connect(model_, &QAbstractItemModel::dataChanged, this, &GridView::fitColumns);
        connect(model_, &QAbstractItemModel::modelReset, this, &GridView::fitColumns);
    }

    // The corner button shows the grid's top-left caption (the design drafts
    // grid has "Шп" there).
    corner_ = findChild<QAbstractButton*>();
    if (corner_)
        corner_->installEventFilter(this);
}

void GridView::refresh() { model_->refresh(); }

void GridView::showHeaders()
{
    horizontalHeader()->setVisible(model_->hasHeader(Qt::Horizontal));
    verticalHeader()->setVisible(model_->hasHeader(Qt::Vertical));
}

void GridView::showCaptions()
{
    showHeaders();
    // The row captions' column is as wide as the corner's caption over it.
    verticalHeader()->setMinimumWidth(fontMetrics().horizontalAdvance(model_->cornerText()) + 12);
    fitColumns();
    if (corner_)
        corner_->update();
}

QModelIndexList GridView::chosenCells() const
{
    QModelIndexList cells = selectionModel()->selectedIndexes();
    if (cells.isEmpty() && currentIndex().isValid())
        cells.append(currentIndex());
    return cells;
}

void GridView::copySelection()
{
    const CellBlock block = model_->copiedBlock(chosenCells());
    if (!block.isEmpty())
        QGuiApplication::clipboard()->setText(block.toClipboardText());
}

void GridView::pasteClipboard()
{
    if (!model_->isEditable())
        return;
    const CellBlock block = CellBlock::fromClipboardText(QGuiApplication::clipboard()->text());
    if (block.isEmpty())
        return;
    const QModelIndex at = currentIndex().isValid() ? currentIndex() : model_->index(0, 0);
    const QString failure = failureOf([&] { model_->pasteBlock(at, block); });
    if (!failure.isEmpty()) {
        emit failed(failure);
        return;
    }
    // The pasted block stays selected, as in a spreadsheet.
    const QModelIndex last = model_->index(at.row() + block.rowCount() - 1, at.column() + block.columnCount() - 1);
    selectionModel()->select(QItemSelection(at, last), QItemSelectionModel::ClearAndSelect);
}

void GridView::clearSelectedCells()
{
    // The window's edit runner may refuse the change.
    const QString failure = failureOf([&] { model_->clearCells(chosenCells()); });
    if (!failure.isEmpty())
        emit failed(failure);
}

bool GridView::selectDifferencesFrom(const TextGrid& other)
{
    const TextGrid& grid = model_->grid();
    int top = grid.rowCount(), left = grid.columnCount(), bottom = -1, right = -1;
    for (int row = grid.fixedRows(); row < grid.rowCount(); ++row)
        for (int column = grid.fixedColumns(); column < grid.columnCount(); ++column) {
            const bool inOther = row < other.rowCount() && column < other.columnCount();
            if (inOther && grid.cell(column, row) == other.cell(column, row))
                continue;
            top = std::min(top, row);
            bottom = std::max(bottom, row);
            left = std::min(left, column);
            right = std::max(right, column);
        }
    if (bottom < 0)
        return false;
    const QModelIndex first = model_->index(top - grid.fixedRows(), left - grid.fixedColumns());
    const QModelIndex last = model_->index(bottom - grid.fixedRows(), right - grid.fixedColumns());
    setCurrentIndex(first);
    selectionModel()->select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
    scrollTo(first);
    return true;
}

void GridView::moveDown()
{
    const QModelIndex below = model_->index(currentIndex().row() + 1, currentIndex().column());
    if (currentIndex().isValid() && below.isValid())
        setCurrentIndex(below);
}

bool GridView::atEdge(bool next) const
{
    const int rows = model_->rowCount();
    const int columns = model_->columnCount();
    if (rows == 0 || columns == 0)
        return true;
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return false;
    return next ? current.row() == rows - 1 && current.column() == columns - 1
                : current.row() == 0 && current.column() == 0;
}

bool GridView::event(QEvent* event)
{
    // The grid's own keys win over a window's shortcuts while the grid has focus.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // The window's page steps are shortcuts: the grid does not claim them.
        if (isPageStep(key)) {
            event->ignore();
            return true;
        }
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste)
            || (state() != EditingState && (isEnter(key) || isClearKey(key)))) {
            event->accept();
            return true;
        }
    }
    return QTableView::event(event);
}

void GridView::keyPressEvent(QKeyEvent* event)
{
    if (isPageStep(event)) {
        event->ignore();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteClipboard();
        return;
    }
    if (state() != EditingState && typesText(event) && model_->isEditable() && currentIndex().isValid()) {
        clickEdit_->stop();
        if (!edit(currentIndex(), QAbstractItemView::AnyKeyPressed, event))
            event->ignore();
        return;
    }
    // While a cell is being edited its editor has these keys.
    if (state() != EditingState && isClearKey(event) && model_->isEditable()) {
        clearSelectedCells();
        return;
    }
    if (state() != EditingState && isEnter(event)) {
        moveDown();
        return;
    }
    QTableView::keyPressEvent(event);
}

// Tab and Shift+Tab go from cell to cell; past the last cell (or before the
// first) they leave the grid for the next widget instead of wrapping round.
bool GridView::focusNextPrevChild(bool next)
{
    if (tabKeyNavigation() && atEdge(next))
        return QWidget::focusNextPrevChild(next);
    return QTableView::focusNextPrevChild(next);
}

void GridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    const bool leaves = (hint == QAbstractItemDelegate::EditNextItem && atEdge(true))
                        || (hint == QAbstractItemDelegate::EditPreviousItem && atEdge(false));
    if (leaves) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        QWidget::focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
        return;
    }
    QTableView::closeEditor(editor, hint);
    // Enter in an editor commits the text and closes it with this hint.
    if (hint == QAbstractItemDelegate::SubmitModelCache)
        moveDown();
}

void GridView::keyboardSearch(const QString&) {}

void GridView::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    pressedOnCurrent_ = clickEdit_ && event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier
                        && index.isValid() && index == currentIndex() && selectionModel()->isSelected(index);
    if (clickEdit_)
        clickEdit_->stop();
    QTableView::mousePressEvent(event);
}

void GridView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    if (pressedOnCurrent_ && state() != EditingState && indexAt(event->position().toPoint()) == currentIndex())
        clickEdit_->start(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    pressedOnCurrent_ = false;
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event)
{
    pressedOnCurrent_ = false;
    if (clickEdit_)
        clickEdit_->stop();
    QTableView::mouseDoubleClickEvent(event);
}

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
    const bool captions = !horizontalHeader()->isHidden();
    for (int column = 0; column < model_->columnCount(); ++column) {
        const int caption = captions ? horizontalHeader()->sectionSizeHint(column) : 0;
        setColumnWidth(column, std::max({look_.columnWidth, sizeHintForColumn(column), caption}));
    }
}

void GridView::showEvent(QShowEvent* event)
{
    if (columnsStale_)
        fitColumns();
    QTableView::showEvent(event);
}

bool GridView::eventFilter(QObject* watched, QEvent* event)
{
    // Ctrl+V in an open cell editor with a block on the clipboard: the editor
    // closes without its text and the block is pasted from its cell on.
    if (watched != corner_ && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* editor = qobject_cast<QWidget*>(watched);
        if (editor && key->matches(QKeySequence::Paste) && isBlock(QGuiApplication::clipboard()->text())) {
            if (event->type() == QEvent::ShortcutOverride) {
                event->accept();
                return true;
            }
            QTableView::closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
            pasteClipboard();
            return true;
        }
    }
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (!corner || corner != corner_ || event->type() != QEvent::Paint || model_->cornerText().isEmpty())
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

void showGridFailures(QWidget* window, const ErrorDisplay& errors)
{
    for (GridView* grid : window->findChildren<GridView*>())
        QObject::connect(grid, &GridView::failed, window,
                         [grid, &errors](const QString& message) { errors.show(grid, message); });
}

}  // namespace hullcalc
