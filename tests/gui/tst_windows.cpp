// The windows as the user meets them: start-up, activation, tabs, buttons and
// the general error display. Widgets are found by their object names.
#include "shell/application.h"
#include "shell/main_window.h"
#include "trim/graphs/body_plan_window.h"
#include "trim/graphs/results_window.h"
#include "trim/graphs/sectional_area_window.h"
#include "trim/graphs/static_moment_window.h"
#include "trim/trim_window.h"
#include "vibration/vibration_window.h"
#include "widgets/chart_printing.h"
#include "widgets/chart_view.h"
#include "widgets/error_display.h"
#include "widgets/grid_view.h"
#include "widgets/legend_widget.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace hullcalc;

namespace {

QStringList shownErrors;
int questionsAsked = 0;
ProjectSession::Answer answer = ProjectSession::Answer::Discard;
void recordError(QWidget*, const QString& message) { shownErrors.append(message); }

// Makes `window` the active window, as the user's click on it would.
void activate(QWidget* window)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

QStringList visibleTabs(QTabWidget* tabs)
{
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->isTabVisible(i))
            titles.append(tabs->tabText(i));
    return titles;
}

template<typename T>
T* child(QWidget* window, const QString& name)
{
    T* widget = window->findChild<T*>(name);
    if (!widget)
        qFatal("no widget %s", qPrintable(name));
    return widget;
}

// The text a grid view shows in a data cell (column, row of the grid).
QString shownCell(GridView* view, int column, int row)
{
    const TextGrid& grid = view->gridModel()->grid();
    return view->model()->index(row - grid.fixedRows(), column - grid.fixedColumns()).data().toString();
}

GridView* gridViewOf(TrimWindow* form, const TextGrid& grid)
{
    for (GridView* view : form->findChildren<GridView*>())
        if (&view->gridModel()->grid() == &grid)
            return view;
    qFatal("no view of that grid");
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Application> app;
    QTemporaryDir settings;

private slots:
    // The recent files go to the settings: here, a folder of the test's own.
    void initTestCase() { qputenv("XDG_CONFIG_HOME", settings.path().toUtf8()); }

    void init()
    {
        shownErrors.clear();
        setErrorSink(&recordError);
        app = std::make_unique<Application>();
        questionsAsked = 0;
        answer = ProjectSession::Answer::Discard;
        app->session().setQuestion([](QWidget*) {
            ++questionsAsked;
            return answer;
        });
        app->mainWindow().show();
    }

    void cleanup()
    {
        app.reset();
        setErrorSink(nullptr);
    }

    void startUpCreatesEightWindowsAndShowsOnlyTheMain()
    {
        const QStringList names = {"MainForm",     "UdifForm",         "OrdinatGraphForm", "MBGraphForm",
                                   "SSpGraphForm", "StatMomGraphForm", "ResGraphForm",     "VibrForm"};
        QStringList visible;
        for (const QString& name : names) {
            QWidget* found = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == name)
                    found = w;
            QVERIFY2(found, qPrintable(name));
            if (found->isVisible())
                visible.append(name);
        }
        QCOMPARE(visible, QStringList{"MainForm"});
        QCOMPARE(app->mainWindow().windowTitle(), QString("Удифферентовка судна на тихой воде и вибрация[*]"));
    }

    void mainFormHoldsTheExampleParticularsOnRiverWater()
    {
        MainWindow* main = &app->mainWindow();
        const std::pair<const char*, const char*> starts[] = {
            {"ShipD", "1503"},    {"ShipL", "75"},      {"ShipB", "11"},    {"ShipH", "3,5"},  {"ShipT", "2,25"},
            {"ShipDr", "886,74"}, {"ShipXct", "-3,72"}, {"ShipdL", "3,75"}, {"ShipdT", "0,39"}};
        for (const auto& [name, text] : starts)
            QCOMPARE(child<QLineEdit>(main, name)->text(), QString(text));
        QVERIFY(child<QRadioButton>(main, "RadioButton2")->isChecked());
        QCOMPARE(app->document().particulars.waterDensity, 1.0);
        // Tab order runs down the edits to the two ship types.
        QWidget* w = child<QLineEdit>(main, "ShipD");
        for (const char* next : {"ShipL", "ShipB", "ShipH", "ShipT", "ShipDr", "ShipXct", "ShipdL", "ShipdT",
                                 "RadioButton1", "RadioButton2"}) {
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus)
                w = w->nextInFocusChain();
            QCOMPARE(w->objectName(), QString(next));
        }
    }

    // Returning to the main window must not undo the choice of sea water.
    void seaWaterSurvivesReturningToTheMainWindow()
    {
        MainWindow* main = &app->mainWindow();
        activate(main);
        child<QRadioButton>(main, "RadioButton1")->click();
        QCOMPARE(app->document().particulars.waterDensity, 1.025);
        activate(&app->trimWindow());
        activate(main);
        QVERIFY(child<QRadioButton>(main, "RadioButton1")->isChecked());
        QCOMPARE(app->document().particulars.waterDensity, 1.025);
    }

    void trimWindowShowsTwoTabsUntilAskedForTheIntermediateOnes()
    {
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        QTabWidget* pages = udif->pages();
        QCOMPARE(visibleTabs(pages), (QStringList{"Исходные данные", "Результаты"}));
        QCOMPARE(pages->currentIndex(), 0);
        udif->showIntermediatePages();
        QCOMPARE(visibleTabs(pages),
                 (QStringList{"Исходные данные", "Погруженные площади", "Статический момент", "Грузовой размер", "Xцв",
                              "Площадь ватерлинии", "Xcf", "Iy", "Iz", "r", "R", "Промежуточные результаты",
                              "Расчетная осадка", "Расчетная строевая по шпангоутам", "Таблица удифферентовки",
                              "Результаты"}));
        pages->setCurrentIndex(1);
        udif->hideIntermediatePages();
        QCOMPARE(visibleTabs(pages).size(), 2);
        QVERIFY(pages->isTabVisible(pages->currentIndex()));

        // Ctrl+Tab steps from tab to tab, never onto a page whose tab is hidden.
        pages->setCurrentIndex(0);
        QTest::keyClick(pages, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pages->tabText(pages->currentIndex()), QString("Результаты"));
        QTest::keyClick(pages, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(pages->currentIndex(), 0);
    }

    void exampleThenCalculateFillsTheBonjeanTable()
    {
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        GridView* offsets = gridViewOf(udif, udif->sheet().input.offsets);
        QCOMPARE(offsets->model()->headerData(0, Qt::Vertical).toString(), QString("0 шп"));
        QCOMPARE(offsets->model()->headerData(9, Qt::Horizontal).toString(), QString("10"));
        QCOMPARE(shownCell(offsets, 1, 5), QString());
        child<QPushButton>(udif, "ExampleButton")->click();
        QCOMPARE(shownCell(offsets, 3, 2), QString("1,35"));
        QCOMPARE(shownCell(gridViewOf(udif, udif->sheet().input.masses), 1, 5), QString("43,5400"));

        child<QPushButton>(udif, "SpeedButton8")->click();
        QVERIFY(shownErrors.isEmpty());
        GridView* areas = gridViewOf(udif, udif->sheet().bonjean.sectionAreas);
        QCOMPARE(shownCell(areas, 2, 11), QString("4,29"));
        QCOMPARE(shownCell(areas, 10, 11), QString("38,61"));
        // The graph windows show the new series.
        child<QPushButton>(udif, "OrdinatGraphButton")->click();
        auto* bodyPlan = child<ChartView>(&app->bodyPlanWindow(), "OTChGraphResults");
        const auto lines = bodyPlan->chart()->series();
        QCOMPARE(lines.size(), 21);
        QCOMPARE(static_cast<QLineSeries*>(lines[0])->count(), 10);
    }

    void inputTablesEditWithTabAndKeepHeadersFixed()
    {
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        GridView* offsets = gridViewOf(udif, udif->sheet().input.offsets);
        QVERIFY(offsets->model()->flags(offsets->model()->index(0, 0)) & Qt::ItemIsEditable);
        QVERIFY(offsets->model()->setData(offsets->model()->index(4, 2), "2,5", Qt::EditRole));
        QCOMPARE(udif->sheet().input.offsets.cell(3, 5), std::string("2,5"));
        offsets->setCurrentIndex(offsets->model()->index(0, 0));
        QTest::keyClick(offsets, Qt::Key_Tab);
        QCOMPARE(offsets->currentIndex().column(), 1);
        // Result grids are shown, not edited.
        GridView* areas = gridViewOf(udif, udif->sheet().bonjean.sectionAreas);
        QVERIFY(!(areas->model()->flags(areas->model()->index(0, 0)) & Qt::ItemIsEditable));
    }

    void returningToTheTrimWindowKeepsDataAndSelectsTheInputPage()
    {
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        udif->sheet().input.offsets.setCell(2, 2, "7,7");
        udif->showIntermediatePages();
        udif->pages()->setCurrentIndex(5);
        activate(&app->mainWindow());
        activate(udif);
        QCOMPARE(udif->pages()->currentIndex(), 0);
        QCOMPARE(udif->sheet().input.offsets.cell(2, 2), std::string("7,7"));
    }

    // A failed run after a good one: nothing of the good run is left on screen,
    // the status says the run stopped, and the message points at the cell, which
    // is selected, or at the particular, whose edit is shown.
    void failedRunAfterAGoodOneLeavesNothingStaleAndPointsAtTheCause()
    {
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        child<QPushButton>(udif, "ExampleButton")->click();
        child<QPushButton>(udif, "SpeedButton8")->click();
        QCOMPARE(child<QLabel>(udif, "calculationStatus")->text(), QString("Расчет выполнен: принято приближение 2"));
        QCOMPARE(child<QLabel>(udif, "Label19")->text(), QString("886,76"));

        udif->pages()->setCurrentIndex(15);
        udif->sheet().input.offsets.setCell(3, 5, "5.5");
        child<QPushButton>(udif, "SpeedButton8")->click();
        QCOMPARE(shownErrors, QStringList{"'5.5' is not a valid floating point value\n"
                                          "«Исходные данные», шпангоут «4 шп», ватерлиния «3»"});
        QCOMPARE(child<QLabel>(udif, "calculationStatus")->text(),
                 QString("Расчет остановлен: '5.5' is not a valid floating point value"));
        QCOMPARE(child<QLabel>(udif, "Label19")->text(), QString());
        QCOMPARE(shownCell(gridViewOf(udif, udif->sheet().results.bendingMoment), 1, 9), QString());
        QCOMPARE(udif->pages()->currentIndex(), 0);
        const QModelIndex current = gridViewOf(udif, udif->sheet().input.offsets)->currentIndex();
        QCOMPARE(std::pair(current.row(), current.column()), std::pair(4, 2));
        // The body plan up to the bad cell is drawn.
        child<QPushButton>(udif, "OrdinatGraphButton")->click();
        auto* bodyPlan = child<ChartView>(&app->bodyPlanWindow(), "OTChGraphResults");
        QCOMPARE(static_cast<QLineSeries*>(bodyPlan->chart()->series()[4])->count(), 2);

        shownErrors.clear();
        udif->sheet().input.offsets.setCell(3, 5, "5,5");
        auto* spacing = child<QLineEdit>(&app->mainWindow(), "ShipdT");
        spacing->setText("0");
        child<QPushButton>(udif, "SpeedButton8")->click();
        QCOMPARE(shownErrors, QStringList{"Значение должно быть больше нуля: «0»\n"
                                          "«Главные размерения судна», «Растояние между ватерлиниями ΔT, м»"});
        QVERIFY(app->mainWindow().isVisible());
        QCOMPARE(app->mainWindow().focusWidget(), spacing);
    }

    void graphWindowsHideOnCloseAndKeepTheirCharts()
    {
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        // Opened before any calculation: empty; after one, filled without reopening.
        child<QPushButton>(udif, "OrdinatGraphButton")->click();
        BodyPlanWindow* bodyPlan = &app->bodyPlanWindow();
        QVERIFY(bodyPlan->isVisible());
        auto* firstFrame =
            static_cast<QLineSeries*>(child<ChartView>(bodyPlan, "OTChGraphResults")->chart()->series()[0]);
        QCOMPARE(firstFrame->count(), 0);
        child<QPushButton>(udif, "ExampleButton")->click();
        child<QPushButton>(udif, "SpeedButton8")->click();
        QCOMPARE(firstFrame->count(), 10);
        bodyPlan->close();
        QVERIFY(!bodyPlan->isVisible());
        QVERIFY(&app->bodyPlanWindow() == bodyPlan);
        child<QPushButton>(udif, "OrdinatGraphButton")->click();
        auto* chart = child<ChartView>(bodyPlan, "OTChGraphResults");
        QCOMPARE(static_cast<QLineSeries*>(chart->chart()->series()[20])->count(), 10);
        // Every frame is listed in the legend, in list order.
        QStringList expected = {"№1", "№2", "№4", "№3"};
        for (int i = 5; i <= 21; ++i)
            expected.append(QString("№%1").arg(i));
        QCOMPARE(child<LegendWidget>(bodyPlan, "OTChLegend")->titles(), expected);
    }

    void graphWindowsShowEverySeriesAndNumberFramesFromZero()
    {
        for (QWidget* window : std::initializer_list<QWidget*>{&app->bodyPlanWindow(), &app->sectionalAreaWindow(),
                                                               &app->staticMomentWindow()}) {
            // On the charts' white background.
            for (ChartView* view : window->findChildren<ChartView*>())
                for (QAbstractSeries* series : view->chart()->series())
                    QVERIFY2(static_cast<QLineSeries*>(series)->color() != QColor(Qt::white),
                             qPrintable(window->objectName() + " " + series->name()));
        }
        auto* areas = child<ChartView>(&app->sectionalAreaWindow(), "SSpGraphResults");
        const QStringList frames =
            qobject_cast<QCategoryAxis*>(areas->chart()->axes(Qt::Horizontal)[0])->categoriesLabels();
        QCOMPARE(frames.front(), QString("0"));
        QCOMPARE(frames.back(), QString("20"));
    }

    // The tone shown and the results shown always agree: coming back keeps the
    // tone the user chose, and a new trim calculation empties the vibration
    // results that rested on the old one.
    void vibrationKeepsItsToneAndDropsResultsOfAnOldTrim()
    {
        VibrationWindow* vibr = &app->vibrationWindow();
        activate(vibr);
        QCOMPARE(visibleTabs(vibr->pages()), QStringList{"Исходные данные"});
        QVERIFY(child<QRadioButton>(vibr, "RadioButton1")->isChecked());
        child<QPushButton>(vibr, "SpeedButton8")->click();
        QCOMPARE(shownErrors, QStringList{"Сначала выполните расчет удифферентовки"});
        QCOMPARE(child<QLabel>(vibr, "Label6")->text(), QString());

        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        child<QPushButton>(udif, "ExampleButton")->click();
        child<QPushButton>(udif, "SpeedButton8")->click();
        activate(vibr);
        child<QPushButton>(vibr, "SpeedButton8")->click();
        QCOMPARE(child<QLabel>(vibr, "Label6")->text(), QString("  4,6944"));
        QCOMPARE(child<QLabel>(vibr, "Label7")->text(), QString("delta    -0,7005"));
        auto* shape = child<ChartView>(vibr, "Chart1");
        QCOMPARE(static_cast<QLineSeries*>(shape->chart()->series()[0])->count(), 20);

        child<QRadioButton>(vibr, "RadioButton3")->click();
        child<QPushButton>(vibr, "SpeedButton8")->click();
        const QString toneThree = child<QLabel>(vibr, "Label6")->text();
        activate(&app->mainWindow());
        activate(vibr);
        QVERIFY(child<QRadioButton>(vibr, "RadioButton3")->isChecked());
        QCOMPARE(child<QLabel>(vibr, "Label6")->text(), toneThree);

        activate(udif);
        child<QPushButton>(udif, "SpeedButton8")->click();
        QCOMPARE(child<QLabel>(vibr, "Label6")->text(), QString());
        QCOMPARE(static_cast<QLineSeries*>(shape->chart()->series()[0])->count(), 0);
    }

    void fileMenuSavesAndLoadsTheInputTables()
    {
        QTemporaryDir dir;
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        QString chosen = dir.filePath("судно.txt");
        udif->setFileChooser([&](QWidget*, TrimWindow::FileDialog) { return chosen; });
        child<QPushButton>(udif, "ExampleButton")->click();
        udif->saveInput();
        QVERIFY(QFileInfo::exists(chosen));

        child<QPushButton>(udif, "ClearButton")->click();
        udif->loadInput();
        GridView* masses = gridViewOf(udif, udif->sheet().input.masses);
        QCOMPARE(shownCell(masses, 1, 5), QString("43,5400"));

        // A cancelled dialog changes nothing; a failed load says why and keeps the tables.
        chosen.clear();
        child<QPushButton>(udif, "ClearButton")->click();
        udif->loadInput();
        QCOMPARE(shownCell(masses, 1, 5), QString());
        QVERIFY(shownErrors.isEmpty());
        chosen = dir.path();
        udif->loadInput();
        QCOMPARE(shownErrors, QStringList{"File access denied\nФайл: " + dir.path()});
        QCOMPARE(shownCell(masses, 1, 5), QString());
    }

    void resultsWindowOpensOnItsFirstPage()
    {
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        child<QPushButton>(udif, "ResGraphButton")->click();
        ResultsWindow* results = &app->resultsWindow();
        QVERIFY(results->isVisible());
        QCOMPARE(child<QTabWidget>(results, "PageControl1")->currentIndex(), 0);
        QCOMPARE(results->findChildren<ChartView*>().size(), 3);
    }

    // The offscreen screen is 800 × 600: every window, opened as the user opens
    // it, fits in its available area with the title bar on the screen, and the
    // graph windows do not cover the main window.
    void windowsOpenWithinTheScreen()
    {
        TrimWindow* udif = &app->trimWindow();
        app->mainWindow().findChild<QAction*>("udif")->trigger();
        child<QPushButton>(udif, "ResGraphButton")->click();
        child<QPushButton>(udif, "OrdinatGraphButton")->click();
        app->mainWindow().findChild<QAction*>("vibr")->trigger();
        const QRect screen = app->mainWindow().screen()->availableGeometry();
        for (QWidget* window : std::initializer_list<QWidget*>{&app->mainWindow(), udif, &app->resultsWindow(),
                                                               &app->bodyPlanWindow(), &app->vibrationWindow()}) {
            QVERIFY2(window->isVisible(), qPrintable(window->objectName()));
            QVERIFY2(screen.contains(window->frameGeometry().topLeft()), qPrintable(window->objectName()));
            QVERIFY2(window->width() <= screen.width() && window->height() <= screen.height(),
                     qPrintable(window->objectName()));
        }
        QVERIFY(app->bodyPlanWindow().pos() != app->resultsWindow().pos());
    }

    // Ctrl+Tab changes pages from anywhere in the window, a grid included; the
    // page list shows every page the window offers, the selected one current.
    void pagesChangeFromAnywhereAndTheListFollows()
    {
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        auto* list = child<QListWidget>(udif, "pageList");
        QAction* show = udif->findChild<QAction*>("ShowIntermediate");
        QAction* hide = udif->findChild<QAction*>("HideIntermediate");
        QVERIFY(show->isEnabled() && !hide->isEnabled());
        udif->showIntermediatePages();
        QVERIFY(!show->isEnabled() && hide->isEnabled());
        int listed = 0;
        for (int row = 0; row < list->count(); ++row)
            listed += list->item(row)->isHidden() ? 0 : 1;
        QCOMPARE(listed, 16);

        GridView* offsets = gridViewOf(udif, udif->sheet().input.offsets);
        offsets->setFocus();
        offsets->setCurrentIndex(offsets->model()->index(3, 3));
        QTest::keyClick(offsets, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(udif->pages()->currentIndex(), 1);
        QCOMPARE(list->currentRow(), 1);
        list->setCurrentRow(15);
        QCOMPARE(udif->pages()->currentIndex(), 15);
        udif->hideIntermediatePages();
        QTest::keyClick(udif, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(udif->pages()->currentIndex(), 0);
    }

    // The checks warn and never stop: the calculation still runs, the warning
    // names the cell and a click on it selects the cell.
    void designChecksWarnAndPointAtTheCell()
    {
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        child<QPushButton>(udif, "ExampleButton")->click();
        child<QPushButton>(udif, "SpeedButton8")->click();
        auto* checks = child<QListWidget>(udif, "designChecks");
        QCOMPARE(checks->count(), 1);
        QCOMPARE(checks->item(0)->text(), QString("Замечаний нет"));

        udif->sheet().input.offsets.setCell(5, 10, "-5");
        child<QPushButton>(udif, "SpeedButton8")->click();
        QVERIFY(shownErrors.isEmpty());
        QCOMPARE(checks->count(), 1);
        QVERIFY(checks->item(0)->text().contains("«9 шп»"));
        udif->pages()->setCurrentIndex(15);
        const QRect item = checks->visualItemRect(checks->item(0));
        QTest::mouseClick(checks->viewport(), Qt::LeftButton, {}, item.center());
        QCOMPARE(udif->pages()->currentIndex(), 0);
        const QModelIndex current = gridViewOf(udif, udif->sheet().input.offsets)->currentIndex();
        QCOMPARE(std::pair(current.row(), current.column()), std::pair(9, 4));
    }

    // Tone III by both methods: the chart shows the two mode shapes; "Все тоны"
    // lists four tones with the beam model beside the energy method and the
    // Kumai estimate, and leaves the chosen tone's results as they were.
    void vibrationComparesTheEnergyMethodWithTheBeamModel()
    {
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        child<QPushButton>(udif, "ExampleButton")->click();
        child<QPushButton>(udif, "SpeedButton8")->click();
        VibrationWindow* vibr = &app->vibrationWindow();
        activate(vibr);
        child<QRadioButton>(vibr, "RadioButton3")->click();
        child<QPushButton>(vibr, "SpeedButton8")->click();
        const auto series = child<ChartView>(vibr, "Chart1")->chart()->series();
        QCOMPARE(series.size(), 2);
        QCOMPARE(static_cast<QLineSeries*>(series[1])->count(), 20);
        QVERIFY(child<QLabel>(vibr, "beamModel")->text().contains("Гц"));
        const QString toneThree = child<QLabel>(vibr, "Label6")->text();

        child<QPushButton>(vibr, "allTonesButton")->click();
        QVERIFY(shownErrors.isEmpty());
        auto* tones = child<QTableWidget>(vibr, "allTones");
        QCOMPARE(tones->rowCount(), 4);
        QCOMPARE(tones->item(0, 1)->text(), QString("4,6944"));
        QCOMPARE(tones->item(2, 1)->text().trimmed(), toneThree.trimmed());
        QVERIFY(child<QLabel>(vibr, "kumaiEstimate")->text().contains("Кумаи"));
        QCOMPARE(child<QLabel>(vibr, "Label6")->text(), toneThree);
        QVERIFY(child<QRadioButton>(vibr, "RadioButton3")->isChecked());
    }

    // "Очистка" is one undo step: Ctrl+Z brings the tables back, Ctrl+Y clears
    // them again; the title marks the changes not yet saved.
    void clearingIsUndoneWithCtrlZ()
    {
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        child<QPushButton>(udif, "ExampleButton")->click();
        QVERIFY(udif->isWindowModified());
        child<QPushButton>(udif, "ClearButton")->click();
        QCOMPARE(questionsAsked, 1);  // the example is a change not yet saved
        QCOMPARE(udif->sheet().input.masses.cell(1, 5), std::string());
        QTest::keyClick(udif, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(udif->sheet().input.masses.cell(1, 5), std::string("43,5400"));
        QCOMPARE(shownCell(gridViewOf(udif, udif->sheet().input.masses), 1, 5), QString("43,5400"));
        QTest::keyClick(udif, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(udif->sheet().input.masses.cell(1, 5), std::string());
    }

    // A block copied from a spreadsheet goes into the offsets with decimal
    // commas as one undo step; the trim table's view names its columns.
    void pastedBlockIsOneUndoStep()
    {
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        GridView* offsets = gridViewOf(udif, udif->sheet().input.offsets);
        offsets->setFocus();
        offsets->setCurrentIndex(offsets->model()->index(2, 4));
        QApplication::clipboard()->setText("1.5\t2\n3\t4,5\n");
        QTest::keyClick(offsets, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(udif->sheet().input.offsets.cell(5, 3), std::string("1,5"));
        QCOMPARE(udif->sheet().input.offsets.cell(6, 4), std::string("4,5"));
        QVERIFY(udif->isWindowModified());
        QTest::keyClick(udif, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(udif->sheet().input.offsets.cell(5, 3), std::string());
        QCOMPARE(udif->sheet().input.offsets.cell(6, 4), std::string());

        GridView* table = gridViewOf(udif, udif->sheet().results.table);
        QCOMPARE(table->model()->headerData(4, Qt::Horizontal).toString(), QString("Нагрузка, кН"));
        QCOMPARE(udif->sheet().results.table.cell(5, 0), std::string());  // the grid's texts stay
    }

    // "Выход" with unsaved changes asks «Сохранить изменения?»: Отмена keeps the
    // program running, Не сохранять ends it, Сохранить saves the project first.
    void exitWithUnsavedChangesAsks()
    {
        QTemporaryDir dir;
        child<QLineEdit>(&app->mainWindow(), "ShipL")->setFocus();
        QTest::keyClicks(child<QLineEdit>(&app->mainWindow(), "ShipL"), "0");
        QVERIFY(app->mainWindow().isWindowModified());
        answer = ProjectSession::Answer::Cancel;
        QVERIFY(!app->mainWindow().close());
        QCOMPARE(questionsAsked, 1);
        QVERIFY(app->mainWindow().isVisible());

        answer = ProjectSession::Answer::Save;
        const QString file = dir.filePath("судно.hullcalc");
        app->session().setFileChooser([&](QWidget*, bool forSaving) { return forSaving ? file : QString(); });
        QVERIFY(app->mainWindow().close());
        QVERIFY(QFileInfo::exists(file));
        QVERIFY(!app->mainWindow().isWindowModified());
    }

    // A project keeps what the user typed: particulars, sea water, offsets,
    // masses and section inertias come back in a fresh program; a project of a
    // newer version is refused and changes nothing.
    void projectRoundTripAndNewerVersion()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("project.hullcalc");
        app->session().setFileChooser([&](QWidget*, bool) { return file; });
        TrimWindow* udif = &app->trimWindow();
        activate(&app->mainWindow());
        child<QRadioButton>(&app->mainWindow(), "RadioButton1")->click();
        child<QLineEdit>(&app->mainWindow(), "ShipDr")->setText("905,5");
        activate(udif);
        child<QPushButton>(udif, "ExampleButton")->click();
        udif->sheet().input.offsets.setCell(5, 3, "2,5");
        app->document().vibration.sectionInertia.setCell(1, 4, "0,3");
        QVERIFY(app->session().save(udif));
        QVERIFY(udif->windowTitle().contains("project.hullcalc"));

        app = std::make_unique<Application>();
        app->session().setQuestion([](QWidget*) { return ProjectSession::Answer::Discard; });
        app->mainWindow().show();
        QVERIFY(app->session().open(file, &app->mainWindow()));
        QCOMPARE(app->document().particulars.designDisplacement, std::string("905,5"));
        QCOMPARE(app->document().particulars.waterDensity, 1.025);
        QVERIFY(child<QRadioButton>(&app->mainWindow(), "RadioButton1")->isChecked());
        QCOMPARE(child<QLineEdit>(&app->mainWindow(), "ShipDr")->text(), QString("905,5"));
        QCOMPARE(app->document().trim.input.offsets.cell(5, 3), std::string("2,5"));
        QCOMPARE(app->document().vibration.sectionInertia.cell(1, 4), std::string("0,3"));
        QVERIFY(!app->mainWindow().isWindowModified());

        QFile newer(dir.filePath("newer.hullcalc"));
        QVERIFY(newer.open(QIODevice::WriteOnly));
        newer.write(R"({"format": "hullcalc-project", "version": 2})");
        newer.close();
        setErrorSink(&recordError);
        QVERIFY(!app->session().open(newer.fileName(), &app->mainWindow()));
        QCOMPARE(shownErrors.size(), 1);
        QVERIFY(shownErrors[0].contains("более новой версией"));
        QCOMPARE(app->document().particulars.designDisplacement, std::string("905,5"));
    }

    // "Файл → Экспорт в Excel…" writes the workbook of what the windows hold.
    void excelExportWritesTheWorkbook()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("судно");
        app->setWorkbookFileChooser([&](QWidget*) { return file + ".xlsx"; });
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        child<QPushButton>(udif, "ExampleButton")->click();
        child<QPushButton>(udif, "SpeedButton8")->click();
        udif->findChild<QAction*>("exportWorkbook")->trigger();
        QVERIFY(shownErrors.isEmpty());
        QFile workbook(file + ".xlsx");
        QVERIFY(workbook.open(QIODevice::ReadOnly));
        QCOMPARE(workbook.read(2), QByteArray("PK"));
    }

    void printingWithoutAPrinterSaysSo()
    {
        if (printerInstalled())
            QSKIP("a printer is installed here");
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        child<QPushButton>(udif, "PrintGraphsButton")->click();
        child<QPushButton>(&app->vibrationWindow(), "Button1")->click();
        QCOMPARE(shownErrors, (QStringList{"Принтер не установлен", "Принтер не установлен"}));
    }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
