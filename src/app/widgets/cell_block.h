// A rectangular block of cell texts in the form spreadsheets exchange through
// the clipboard: columns separated by tabs, rows by line ends.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace hullcalc {

// "1.5" -> "1,5" when the text is a number but for its decimal point; any
// other text stays as it was typed: "1.2.3", "шп. 3", and "1,234.5" from a
// spreadsheet that writes group separators. Typing and pasting both use it.
QString withDecimalComma(const QString& text);

class CellBlock {
public:
    CellBlock() = default;
    // Rows shorter than the longest are padded with empty texts.
    explicit CellBlock(std::vector<QStringList> rows);

    // Reads what LibreOffice Calc or Excel put on the clipboard: lines ended by
    // LF or CR LF, one line end after the last row ignored. A number written
    // with a decimal point ("1.5", "-2.5E-3") gets the decimal comma this
    // program reads; every other text stays as it is.
    static CellBlock fromClipboardText(const QString& text);

    // The texts as they stand, tab-separated, rows joined by LF.
    QString toClipboardText() const;

    int rowCount() const { return static_cast<int>(rows_.size()); }
    int columnCount() const { return columns_; }
    bool isEmpty() const { return rows_.empty(); }
    const QString& cell(int row, int column) const;

private:
    std::vector<QStringList> rows_;
    int columns_ = 0;
};

}  // namespace hullcalc
