#include "widgets/cell_block.h"

#include "common/error.h"
#include "common/number_text.h"

#include <algorithm>
#include <utility>

namespace hullcalc {

QString withDecimalComma(const QString& text)
{
    if (!text.contains(QLatin1Char('.')))
        return text;
    QString converted = text;
    converted.replace(QLatin1Char('.'), QLatin1Char(','));
    try {
        parseNumber(converted.toStdString());
    } catch (const Error&) {
        return text;
    }
    return converted;
}

CellBlock::CellBlock(std::vector<QStringList> rows) : rows_(std::move(rows))
{
    for (const QStringList& row : rows_)
        columns_ = std::max(columns_, static_cast<int>(row.size()));
    for (QStringList& row : rows_)
        while (row.size() < columns_)
            row.append(QString());
}

CellBlock CellBlock::fromClipboardText(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    // The line end after the last row leaves one empty line behind it.
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    std::vector<QStringList> rows;
    rows.reserve(static_cast<std::size_t>(lines.size()));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        QStringList cells = line.split(QLatin1Char('\t'));
        for (QString& cell : cells)
            cell = withDecimalComma(cell);
        rows.push_back(std::move(cells));
    }
    return CellBlock(std::move(rows));
}

QString CellBlock::toClipboardText() const
{
    QStringList lines;
    for (const QStringList& row : rows_)
        lines.append(row.join(QLatin1Char('\t')));
    return lines.join(QLatin1Char('\n'));
}

const QString& CellBlock::cell(int row, int column) const { return rows_.at(static_cast<std::size_t>(row)).at(column); }

}  // namespace hullcalc
