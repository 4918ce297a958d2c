// What the user types into the windows: a number typed on a cell lands in that
// cell however fast it follows the clicks, and the extremes of the double range
// typed into any input never stop the program, whatever button follows.
#include "presentation/strength_page_names.h"
#include "presentation/trim_window_names.h"
#include "presentation/vibration_window_names.h"
#include "report/calculation_report.h"
#include "report/workbook_export.h"
#include "shell/report_requests.h"
#include "trim/trim_window.h"
#include "vibration/vibration_window.h"
#include "window_test_support.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <memory>
#include <tuple>

using namespace hullcalc;
namespace names = hullcalc::trimWindowNames;
namespace vibrationNames = hullcalc::vibrationWindowNames;
namespace waveNames = hullcalc::strengthPageNames;

namespace {

// An exception that reached the event loop: Qt would abort the program.
bool escaped = false;

class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            escaped = true;
            return false;
        }
    }
};

// Brings the page holding `widget` to the front in every tab widget of its window.
void showPageOf(QWidget* widget)
{
    for (QTabWidget* tabs : widget->window()->findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(widget))
                tabs->setCurrentIndex(i);
}

// Types `text` key by key where the keyboard focus is, as a user does.
void typeAtFocus(const QString& text)
{
    for (const QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    // The editor hands its text to the grid through a queued call.
    QCoreApplication::processEvents();
}

enum class Clicks { once, twice, doubleClick };

// Clicks the data cell (row, column) as asked, types `text` at once and
// returns the grid's texts before.
TextGrid clickAndType(GridView* view, int row, int column, Clicks clicks, const QString& text)
{
    showPageOf(view);
    const QModelIndex index = view->model()->index(row, column);
    view->scrollTo(index);
    const QPoint centre = view->visualRect(index).center();
    const TextGrid before = view->gridModel()->grid();
    if (clicks == Clicks::doubleClick) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    } else {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
        if (clicks == Clicks::twice)
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    }
    typeAtFocus(text);
    return before;
}

// The data cells whose texts differ, as "column,row".
QStringList changedCells(const TextGrid& before, const TextGrid& after)
{
    QStringList changed;
    for (int row = before.fixedRows(); row < before.rowCount(); ++row)
        for (int column = before.fixedColumns(); column < before.columnCount(); ++column)
            if (before.cell(column, row) != after.cell(column, row))
                changed << QString("%1,%2").arg(column).arg(row);
    return changed;
}

}  // namespace

class WindowsInputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Application> app;
    QTemporaryDir settings;

    TrimWindow* exampleTrimWindow()
    {
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        click(udif, names::exampleButton);
        return udif;
    }

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", settings.path().toUtf8()); }

    void init()
    {
        shownErrors.clear();
        escaped = false;
        app = startedApplication();
    }

    void cleanup() { app.reset(); }

    // «45» typed at once after one click, two clicks (the second on the
    // selected cell starts Qt's wait for a double click) or a double click
    // lands in the clicked cell of each input grid and nowhere else. Row 8 of
    // the masses is spacing 8-9, whose «4…» search would jump to 11-12 (40,6).
    void typedNumberLandsInTheClickedCell_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("clicks");
        const char* grids[] = {"masses", "offsets", "inertias", "girder"};
        const char* ways[] = {"once", "twice", "double_click"};
        for (int g = 0; g < 4; ++g)
            for (int c = 0; c < 3; ++c)
                QTest::newRow(QByteArray(grids[g]) + "_" + ways[c]) << g << c;
    }

    void typedNumberLandsInTheClickedCell()
    {
        QFETCH(int, grid);
        QFETCH(int, clicks);
        TrimWindow* udif = exampleTrimWindow();
        Document& document = app->document();
        // The grid and its data cell, below and beside the headers.
        const std::tuple<const TextGrid*, int, int> cells[] = {{&document.trim.input.masses, 8, 0},
                                                               {&document.trim.input.offsets, 5, 4},
                                                               {&document.vibration.sectionInertia, 8, 0},
                                                               {&document.strengthInput.girderMembers, 1, 1}};
        const auto [typedInto, row, column] = cells[grid];
        QWidget* window = udif;
        if (typedInto == &document.vibration.sectionInertia) {
            window = &app->vibrationWindow();
            activate(window);
        }
        GridView* view = gridViewOf(window, *typedInto);
        const TextGrid before = clickAndType(view, row, column, static_cast<Clicks>(clicks), "45");
        const QString cell = QString("%1,%2").arg(column + typedInto->fixedColumns()).arg(row + typedInto->fixedRows());
        QCOMPARE(changedCells(before, *typedInto), QStringList{cell});
        QCOMPARE(typedInto->cell(column + typedInto->fixedColumns(), row + typedInto->fixedRows()), std::string("45"));
    }

    // The largest and the smallest positive double in each input a button
    // reads, then every button twice (a run after a failed one) and the
    // outputs: the program stays alive, no handler lets an exception out, and
    // each failure reads in Russian.
    void extremeNumbersNeverStopTheProgram_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("value");
        const char* inputs[] = {"ShipL",      "ShipB",     "ShipZg",     "mass",   "offset",
                                "waveHeight", "allowable", "girderArea", "inertia"};
        const char* values[] = {"1,7976931348623157E308", "4,9E-324"};
        const char* valueNames[] = {"largest", "smallest"};
        for (const char* input : inputs)
            for (int v = 0; v < 2; ++v)
                QTest::newRow(QByteArray(input) + "_" + valueNames[v]) << QString(input) << QString(values[v]);
    }

    void extremeNumbersNeverStopTheProgram()
    {
        QFETCH(QString, input);
        QFETCH(QString, value);
        TrimWindow* udif = exampleTrimWindow();
        Document& document = app->document();
        click(udif, names::calculate);
        const std::map<QString, QLineEdit*> edits = {{"waveHeight", child<QLineEdit>(udif, waveNames::waveHeight)},
                                                     {"allowable", child<QLineEdit>(udif, waveNames::allowableStress)}};
        // A grid's window and data cell.
        const std::map<QString, std::tuple<GridView*, int, int>> cells = {
            {"mass", {gridViewOf(udif, document.trim.input.masses), 0, 0}},
            {"offset", {gridViewOf(udif, document.trim.input.offsets), 10, 4}},
            {"girderArea", {gridViewOf(udif, document.strengthInput.girderMembers), 0, 1}},
            {"inertia", {gridViewOf(&app->vibrationWindow(), document.vibration.sectionInertia), 9, 0}}};
        if (cells.contains(input)) {
            const auto [view, row, column] = cells.at(input);
            view->model()->setData(view->model()->index(row, column), value);
        } else {
            QLineEdit* edit =
                input.startsWith("Ship") ? child<QLineEdit>(&app->mainWindow(), input.toStdString()) : edits.at(input);
            edit->setText(value);
            emit edit->textEdited(value);
        }

        VibrationWindow& vibration = app->vibrationWindow();
        QTemporaryDir dir;
        for (int round = 0; round < 2; ++round) {
            QTest::keyClick(udif, Qt::Key_F9);
            click(udif, waveNames::calculate);
            click(&vibration, vibrationNames::calculate);
        }
        click(&vibration, vibrationNames::compareAllTones);
        const QString failure = failureOf([&] {
            const ReportContent content = reportContentOf(document, "судно");
            saveReportPdf(pathOf(dir.filePath("report.pdf")), content);
            saveWorkbook(pathOf(dir.filePath("book.xlsx")), content);
        });
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(!escaped);
        QVERIFY(app->mainWindow().isVisible());
        for (const QString& message : shownErrors) {
            QVERIFY2(!message.contains("Floating point") && !message.contains("not a valid"), qPrintable(message));
        }
    }
};

int main(int argc, char** argv)
{
    GuardedApplication application(argc, argv);
    WindowsInputTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windows_input.moc"
