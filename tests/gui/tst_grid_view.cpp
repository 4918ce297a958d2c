// A grid as the user works in it: Tab, Enter and Delete, copying to and
// pasting from a spreadsheet, and the captions a window puts over its headers.
#include "common/error.h"
#include "common/text_grid.h"
#include "widgets/error_display.h"
#include "widgets/grid_view.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

using namespace hullcalc;

namespace {

QStringList shownErrors;

// A 2 x 2 grid of data cells under a header row and beside a header column.
TextGrid smallGrid()
{
    const char* texts[3][3] = {{"", "1", "2"}, {"0 шп", "1,25", "2,5"}, {"1 шп", "3", "-0,75"}};
    TextGrid grid(3, 3);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            grid.setCell(column, row, texts[row][column]);
    return grid;
}

}  // namespace

class GridViewTest : public QObject {
    Q_OBJECT

    TextGrid grid = smallGrid();
    std::unique_ptr<QTabWidget> window;
    QLineEdit* before = nullptr;
    GridView* view = nullptr;
    QLineEdit* after = nullptr;
    QStringList edits;  // the descriptions the window's edit runner was given

    QModelIndex at(int row, int column) const { return view->model()->index(row, column); }

    // The four data cells as shown, row by row.
    QStringList cells() const
    {
        return {at(0, 0).data().toString(), at(0, 1).data().toString(), at(1, 0).data().toString(),
                at(1, 1).data().toString()};
    }

    void paste(const QString& text, int row, int column)
    {
        QGuiApplication::clipboard()->setText(text);
        view->setCurrentIndex(at(row, column));
        QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    }

    // The cell editor open now (a closed one lingers until deleted).
    QLineEdit* openEditor() const
    {
        for (QLineEdit* editor : view->findChildren<QLineEdit*>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }

    void select(int top, int left, int bottom, int right)
    {
        view->setCurrentIndex(at(top, left));
        view->selectionModel()->select(QItemSelection(at(top, left), at(bottom, right)),
                                       QItemSelectionModel::ClearAndSelect);
    }

private slots:
    // An editable grid between two edits on the first of two pages.
    void init()
    {
        shownErrors.clear();
        grid = smallGrid();
        window = std::make_unique<QTabWidget>();
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        before = new QLineEdit(page);
        view = new GridView(grid, GridLook{64, 25, true}, page);
        connect(view, &GridView::failed, this, [](const QString& message) { shownErrors.append(message); });
        after = new QLineEdit(page);
        for (QWidget* widget : std::initializer_list<QWidget*>{before, view, after})
            layout->addWidget(widget);
        window->addTab(page, "Исходные данные");
        window->addTab(new QWidget, "Результаты");
        edits.clear();
        view->gridModel()->setEditRunner([this](const QString& description, const std::function<void()>& change) {
            edits.append(description);
            change();
        });
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        view->setFocus();
    }

    void cleanup() { window.reset(); }

    void tabLeavesTheGridAfterItsLastCellAndCtrlTabReachesThePages()
    {
        view->setCurrentIndex(at(0, 1));
        QTest::keyClick(view, Qt::Key_Tab);
        QCOMPARE(view->currentIndex(), at(1, 0));
        QVERIFY(view->hasFocus());
        QTest::keyClick(view, Qt::Key_Tab);
        QTest::keyClick(view, Qt::Key_Tab);
        QVERIFY(after->hasFocus());

        view->setFocus();
        view->setCurrentIndex(at(0, 0));
        QTest::keyClick(view, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(before->hasFocus());

        view->setFocus();
        QTest::keyClick(view, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(window->currentIndex(), 1);
    }

    void enterCommitsAndMovesDownDeleteClears()
    {
        view->setCurrentIndex(at(0, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(view->currentIndex(), at(1, 0));
        view->setCurrentIndex(at(0, 1));
        QTest::keyClick(view, Qt::Key_7);                     // typing opens the editor
        QTest::keyClicks(QApplication::focusWidget(), ".5");  // a decimal point typed becomes the comma
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(view->currentIndex(), at(1, 1));
        QCOMPARE(grid.cell(2, 1), std::string("7,5"));

        select(0, 0, 1, 0);
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(cells(), (QStringList{"", "7,5", "", "-0,75"}));
        QCOMPARE(edits, (QStringList{"Правка ячейки", "Очистка ячеек"}));
    }

    void copyGivesTabSeparatedTextsAsShown()
    {
        select(0, 0, 1, 1);
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("1,25\t2,5\n3\t-0,75"));
    }

    void pasteFromASpreadsheetIsOneChangeWithDecimalCommas()
    {
        QSignalSpy edited(view->gridModel(), &TextGridModel::edited);
        paste("1.5\t2\r\n3\t4,5\r\n", 0, 0);
        QCOMPARE(cells(), (QStringList{"1,5", "2", "3", "4,5"}));
        QCOMPARE(grid.cell(2, 2), std::string("4,5"));
        QCOMPARE(edits, QStringList{"Вставка"});
        QCOMPARE(edited.count(), 1);

        // Only a number's point becomes a comma.
        paste("1.2.3\t-.5E-3\n1,234.5\tшп. 3\n", 0, 0);
        QCOMPARE(cells(), (QStringList{"1.2.3", "-,5E-3", "1,234.5", "шп. 3"}));

        // Into an open cell editor a block goes into the grid's cells from
        // that cell on, the half-typed text dropped; one cell's text goes
        // into the editor as usual.
        view->setCurrentIndex(at(0, 0));
        QTest::keyClick(view, Qt::Key_7);
        QLineEdit* editor = openEditor();
        QVERIFY(editor);
        const QPointer<QLineEdit> blockEditor = editor;
        QGuiApplication::clipboard()->setText("8\t9\n10\t11\n");
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(cells(), (QStringList{"8", "9", "10", "11"}));
        QVERIFY(!blockEditor || !blockEditor->isVisible());
        QCOMPARE(edits.last(), QString("Вставка"));
        QTest::keyClick(view, Qt::Key_5);
        editor = openEditor();
        QVERIFY(editor);
        QGuiApplication::clipboard()->setText("6");
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editor->text(), QString("56"));
    }

    // A block that does not fit, and a change the window's edit runner refuses,
    // are shown and change nothing.
    void refusedChangesAreShownAndLeaveTheGrid()
    {
        paste("1\t2\t3\n", 1, 0);
        paste("1\n2\n3\n", 0, 1);
        QCOMPARE(shownErrors.size(), 2);
        QCOMPARE(shownErrors[0], QString("Блок из буфера обмена не помещается в таблицу: в нем 1 строка и 3 столбца, а "
                                         "от выбранной ячейки до края таблицы 1 строка и 2 столбца. Ничего не "
                                         "вставлено."));
        QVERIFY(edits.isEmpty());

        view->gridModel()->setEditRunner(
            [](const QString&, const std::function<void()>&) { throw Error("Документ открыт только для чтения"); });
        select(0, 0, 1, 1);
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(shownErrors.last(), QString("Документ открыт только для чтения"));
        QCOMPARE(grid, smallGrid());
    }

    void windowCaptionsShowOverTheGridsOwnHeaders()
    {
        TextGrid bare(2, 2, 0, 0);
        bare.setCell(0, 0, "1,5");
        GridView log(bare, GridLook{});
        QVERIFY(log.horizontalHeader()->isHidden());
        log.gridModel()->setHeaderCaptions(Qt::Horizontal, {"V, м³", "Xцв, м"});
        QVERIFY(!log.horizontalHeader()->isHidden());
        QCOMPARE(log.model()->headerData(1, Qt::Horizontal).toString(), QString("Xцв, м"));

        view->gridModel()->setHeaderCaptions(Qt::Vertical, {"Шп. 0"});
        view->gridModel()->setCornerCaption("Шп \\ ВЛ");
        QCOMPARE(view->model()->headerData(0, Qt::Vertical).toString(), QString("Шп. 0"));
        QCOMPARE(view->model()->headerData(1, Qt::Vertical).toString(), QString("1 шп"));
        QCOMPARE(view->gridModel()->cornerText(), QString("Шп \\ ВЛ"));
        QCOMPARE(grid, smallGrid());
        QCOMPARE(bare.cell(0, 0), std::string("1,5"));
    }
};

QTEST_MAIN(GridViewTest)
#include "tst_grid_view.moc"
