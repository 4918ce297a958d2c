// A text grid shown through Qt's model/view: the fixed header row and column
// of the grid become the view's headers, every other cell a model item.
#pragma once

#include "common/text_grid.h"

#include <QAbstractTableModel>

namespace hullcalc {

class TextGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    TextGridModel(TextGrid& grid, bool editable, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    TextGrid& grid() const { return grid_; }
    // The text of the grid's top-left cell, shown in the view's corner.
    QString cornerText() const;

    // Tells the views that the grid changed behind the model's back (a
    // calculation, "Пример", loading a file).
    void refresh();

private:
    TextGrid& grid_;
    bool editable_;
    int shownRows_;
    int shownColumns_;
};

}  // namespace hullcalc
