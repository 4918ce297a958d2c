// The windows as the user meets them: start-up, activation, tabs, buttons and
// the general error display. Widgets are found by their object names.
#include "cli/ship_run.h"
#include "common/number_text.h"
#include "presentation/main_window_names.h"
#include "presentation/strength_page_names.h"
#include "presentation/trim_window_names.h"
#include "presentation/trim_window_pages.h"
#include "presentation/vibration_window_names.h"
#include "report/report_content.h"
#include "run/result_json.h"
#include "run/step_sheets.h"
#include "shell/report_requests.h"
#include "shell/startup.h"
#include "trim/data_files.h"
#include "trim/graphs/body_plan_window.h"
#include "trim/graphs/bonjean_window.h"
#include "trim/graphs/results_window.h"
#include "trim/graphs/sectional_area_window.h"
#include "trim/graphs/static_moment_window.h"
#include "trim/trim_window.h"
#include "vibration/vibration_window.h"
#include "widgets/chart_view.h"
#include "widgets/file_dialogs.h"
#include "widgets/legend_widget.h"
#include "window_test_support.h"

#include <QApplication>

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QCategoryAxis>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <nlohmann/json.hpp>

using namespace hullcalc;
namespace names = hullcalc::trimWindowNames;
namespace graphNames = hullcalc::graphWindowNames;
namespace vibrationNames = hullcalc::vibrationWindowNames;
namespace waveNames = hullcalc::strengthPageNames;
namespace mainNames = hullcalc::mainWindowNames;

namespace {

int questionsAsked = 0;
ProjectSession::Answer answer = ProjectSession::Answer::Discard;

QStringList visibleTabs(QTabWidget* tabs)
{
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->isTabVisible(i))
            titles.append(tabs->tabText(i));
    return titles;
}

// The number a cell or a label shows; NaN for a text that is none.
double numberIn(const QString& text) { return numberOrNothing(text.toStdString()).value_or(std::nan("")); }

// The number of points series `index` of a chart shows.
int pointsShown(QWidget* window, std::string_view chart, int index)
{
    return static_cast<QLineSeries*>(child<ChartView>(window, chart)->chart()->series().at(index))->count();
}

// The text a grid view shows in a data cell (column, row of the grid).
QString shownCell(GridView* view, int column, int row)
{
    const TextGrid& grid = view->gridModel()->grid();
    return view->model()->index(row - grid.fixedRows(), column - grid.fixedColumns()).data().toString();
}

QPair<int, int> currentCell(GridView* view) { return {view->currentIndex().row(), view->currentIndex().column()}; }

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Application> app;
    QTemporaryDir settings;

    // A new running program, its main window shown, as at start-up.
    void startProgram()
    {
        app = startedApplication();
        app->session().setQuestion([](QWidget*) {
            ++questionsAsked;
            return answer;
        });
    }

    // The trim window, active, after "Пример".
    TrimWindow* exampleEntered()
    {
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        click(udif, names::exampleButton);
        return udif;
    }

    // The trim window after "Пример" and "Расчет".
    TrimWindow* calculatedExample()
    {
        TrimWindow* udif = exampleEntered();
        click(udif, names::calculate);
        return udif;
    }

    // The file `name` in `dir`, which the project's file dialog will answer.
    QString projectFileChosen(const QTemporaryDir& dir, const QString& name)
    {
        const QString file = dir.filePath(name);
        app->session().setFileChooser([file](QWidget*, bool) { return file; });
        return file;
    }

private slots:
    // The recent files go to the settings: here, a folder of the test's own.
    void initTestCase() { qputenv("XDG_CONFIG_HOME", settings.path().toUtf8()); }

    void init()
    {
        shownErrors.clear();
        questionsAsked = 0;
        answer = ProjectSession::Answer::Discard;
        startProgram();
    }

    void cleanup() { app.reset(); }

    // Start-up makes the main window alone; each other window is made when
    // first asked for, once. A trim calculation clears the vibration results
    // of the run before also while the vibration window does not exist yet.
    void windowsAreMadeWhenFirstAskedFor()
    {
        const auto windowsMade = [] {
            QStringList made;
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->parentWidget() == nullptr)
                    made.append(window->objectName());
            made.sort();
            return made;
        };
        QCOMPARE(windowsMade(), QStringList{toQString(mainNames::window)});
        app->mainWindow().findChild<QAction*>(toQString(mainNames::trimAction))->trigger();
        TrimWindow* udif = &app->trimWindow();
        QVERIFY(udif->isVisible());
        QCOMPARE(windowsMade(), QStringList({toQString(mainNames::window), udif->objectName()}));
        app->document().vibration.frequency = "8,6";
        QCOMPARE(calculatedExample(), udif);
        QVERIFY(app->document().vibration.frequency.empty());
        QCOMPARE(windowsMade().size(), 2);
    }

    // The main window starts on river water; Tab runs down the edits to the
    // ship types, and a draft the hull cannot hold is warned about as it is
    // typed. Coming back to a window keeps the choice of sea water, the tables
    // and the page the user was on.
    void mainWindowKeepsWhatTheUserChose()
    {
        MainWindow* main = &app->mainWindow();
        QCOMPARE(main->windowTitle(), QString("Удифферентовка судна на тихой воде и вибрация[*]"));
        QVERIFY(child<QRadioButton>(main, mainNames::river)->isChecked());
        QVERIFY(app->document().particulars.shipType == ShipType::river);
        QWidget* w = child<QLineEdit>(main, "ShipD");
        for (const char* next : {"ShipL", "ShipB", "ShipH", "ShipT", "ShipDr", "ShipXct", "ShipZg", "ShipdL", "ShipdT",
                                 "RadioButton1", "RadioButton2"}) {
            do
                w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus);
            QCOMPARE(w->objectName(), QString(next));
        }
        // T above H or above the offsets' top waterline (9·0,39 = 3,51 m) is
        // warned about under the particulars as it is typed, and the warning
        // goes when the draft is mended.
        auto* warning = child<QLabel>(main, mainNames::draftWarning);
        QVERIFY(!warning->isVisible());
        const int height = main->height();
        child<QLineEdit>(main, "ShipH")->setText("2");
        QVERIFY(warning->isVisible());
        QCOMPARE(warning->text(), QString("⚠ Высота борта H = 2 м меньше осадки T = 2,25 м: палуба ниже ватерлинии"));
        QVERIFY2(main->height() > height, "the window grows by the warning rather than squeezing the edits");
        child<QLineEdit>(main, "ShipT")->setText("3,6");
        QCOMPARE(warning->text().count("⚠"), 2);
        child<QLineEdit>(main, "ShipH")->setText("3,6");
        child<QLineEdit>(main, "ShipT")->setText("2,25");
        QVERIFY(!warning->isVisible());
        QCOMPARE(main->height(), height);

        TrimWindow* udif = &app->trimWindow();
        activate(main);
        child<QRadioButton>(main, mainNames::seaGoing)->click();
        activate(udif);
        udif->sheet().input.offsets.setCell(2, 2, "7,7");
        udif->showIntermediatePages();
        udif->pages()->setCurrentIndex(resultsPageIndex() - 1);  // an intermediate page
        activate(main);
        QVERIFY(child<QRadioButton>(main, mainNames::seaGoing)->isChecked());
        QVERIFY(app->document().particulars.shipType == ShipType::sea);
        activate(udif);
        QCOMPARE(udif->pages()->currentIndex(), resultsPageIndex() - 1);
        QCOMPARE(udif->sheet().input.offsets.cell(2, 2), std::string("7,7"));
    }

    // Three pages until the intermediate ones are asked for; the page list shows
    // every page offered, the current one selected; Ctrl+Tab changes pages from
    // anywhere, a grid included, and never onto a page whose tab is hidden.
    void pagesShowAsAskedAndCtrlTabStepsOverHiddenOnes()
    {
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        QTabWidget* pages = udif->pages();
        auto* list = child<QListWidget>(udif, names::pageList);
        auto* show = child<QAction>(udif, names::showIntermediateAction);
        auto* hide = child<QAction>(udif, names::hideIntermediateAction);
        QStringList shownAtStart;
        for (const TrimWindowPage& page : trimWindowPages())
            if (!page.intermediate)
                shownAtStart.append(toQString(page.caption));
        QCOMPARE(visibleTabs(pages), shownAtStart);
        QVERIFY(show->isEnabled() && !hide->isEnabled());
        show->trigger();
        QVERIFY(!show->isEnabled() && hide->isEnabled());
        QStringList captions;
        for (const TrimWindowPage& page : trimWindowPages())
            captions.append(toQString(page.caption));
        QCOMPARE(visibleTabs(pages), captions);
        int listed = 0;
        for (int row = 0; row < list->count(); ++row)
            listed += list->item(row)->isHidden() ? 0 : 1;
        QCOMPARE(listed, captions.size());
        // However narrow the window (from 800 px on), no caption falls below
        // the list's last row.
        for (int width : {800, 850, 880, 1000}) {
            udif->resize(width, udif->height());
            QCoreApplication::processEvents();
            for (int row = 0; row < list->count(); ++row)
                QVERIFY2(list->viewport()->rect().contains(list->visualItemRect(list->item(row))),
                         qPrintable(QString("%1 at %2 px").arg(list->item(row)->text()).arg(width)));
        }

        GridView* offsets = gridViewOf(udif, udif->sheet().input.offsets);
        offsets->setFocus();
        offsets->setCurrentIndex(offsets->model()->index(3, 3));
        QTest::keyClick(offsets, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pages->currentIndex(), inputPageIndex + 1);
        QCOMPARE(list->currentRow(), inputPageIndex + 1);
        list->setCurrentRow(resultsPageIndex());
        QCOMPARE(pages->currentIndex(), resultsPageIndex());

        pages->setCurrentIndex(inputPageIndex + 1);
        hide->trigger();
        QVERIFY(pages->isTabVisible(pages->currentIndex()));
        pages->setCurrentIndex(inputPageIndex);
        QTest::keyClick(pages, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pages->currentIndex(), resultsPageIndex());
        QTest::keyClick(udif, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(pages->currentIndex(), inputPageIndex);
    }

    // A failed run after a good one: nothing of the good run is left on screen,
    // the status says the run stopped, and the message points at the cell, which
    // is selected, or at the particular, whose edit is shown.
    void failedRunAfterAGoodOneLeavesNothingStaleAndPointsAtTheCause()
    {
        TrimWindow* udif = calculatedExample();
        GridView* areas = gridViewOf(udif, udif->sheet().bonjean.sectionAreas);
        QVERIFY(shownErrors.isEmpty());
        QVERIFY(labelText(udif, names::calculationStatus).startsWith("Расчет выполнен: принято приближение 2; "));
        QCOMPARE(labelText(udif, names::summaryLabels[0]), QString("886,76"));
        QCOMPARE(shownCell(areas, 10, 11), QString("38,61"));

        udif->pages()->setCurrentIndex(resultsPageIndex());
        udif->sheet().input.offsets.setCell(3, 5, "5.5");
        click(udif, names::calculate);
        QCOMPARE(shownErrors, QStringList{"Не число: «5.5» (десятичный разделитель — запятая)\n"
                                          "«Исходные данные», шпангоут «4 шп», ватерлиния «3»"});
        QCOMPARE(labelText(udif, names::calculationStatus),
                 QString("Расчет остановлен: Не число: «5.5» (десятичный разделитель — запятая)"));
        QCOMPARE(labelText(udif, names::summaryLabels[0]), QString());
        QCOMPARE(shownCell(areas, 10, 11), QString());
        QCOMPARE(udif->pages()->currentIndex(), inputPageIndex);
        QCOMPARE(currentCell(gridViewOf(udif, udif->sheet().input.offsets)), (QPair<int, int>(4, 2)));
        // The body plan up to the bad cell is drawn.
        click(udif, names::bodyPlanButton);
        QCOMPARE(pointsShown(&app->bodyPlanWindow(), graphNames::bodyPlanChart, 4), 2);

        shownErrors.clear();
        udif->sheet().input.offsets.setCell(3, 5, "5,5");
        auto* spacing = child<QLineEdit>(&app->mainWindow(), "ShipdT");
        spacing->setText("0");
        click(udif, names::calculate);
        QCOMPARE(shownErrors, QStringList{"Значение должно быть больше нуля: «0»\n"
                                          "«Главные размерения судна», «Расстояние между ватерлиниями ΔT, м»"});
        QVERIFY(app->mainWindow().isVisible());
        QCOMPARE(app->mainWindow().focusWidget(), spacing);
    }

    // Opened before any calculation a graph window is empty. The body plan
    // follows the offsets as they are typed, before any run: a cell that is no
    // number yet ("-") is left out of its frame's curve, and nothing throws;
    // mended, the point is back. The run fills it without reopening; closing
    // only hides it; frames are numbered from 0.
    void graphWindowsFollowTheInputAndHideOnClose()
    {
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        click(udif, names::bodyPlanButton);
        BodyPlanWindow* bodyPlan = &app->bodyPlanWindow();
        QVERIFY(bodyPlan->isVisible());
        QCOMPARE(pointsShown(bodyPlan, graphNames::bodyPlanChart, 0), 0);
        click(udif, names::exampleButton);
        QTRY_COMPARE(pointsShown(bodyPlan, graphNames::bodyPlanChart, 9), 10);
        GridView* offsets = gridViewOf(udif, udif->sheet().input.offsets);
        const QModelIndex frame9waterline5 = offsets->model()->index(10 - 1, 5 - 1);
        QVERIFY(offsets->model()->setData(frame9waterline5, "-"));
        QTRY_COMPARE(pointsShown(bodyPlan, graphNames::bodyPlanChart, 9), 9);
        QVERIFY(offsets->model()->setData(frame9waterline5, "5,5"));
        QTRY_COMPARE(pointsShown(bodyPlan, graphNames::bodyPlanChart, 9), 10);
        QVERIFY(shownErrors.isEmpty());
        click(udif, names::calculate);
        QCOMPARE(pointsShown(bodyPlan, graphNames::bodyPlanChart, 0), 10);
        bodyPlan->close();
        QVERIFY(!bodyPlan->isVisible());
        click(udif, names::bodyPlanButton);
        QVERIFY(bodyPlan->isVisible());
        QCOMPARE(pointsShown(bodyPlan, graphNames::bodyPlanChart, 20), 10);
        auto* areas = child<ChartView>(&app->sectionalAreaWindow(), graphNames::sectionalAreaChart);
        const QStringList frames =
            qobject_cast<QCategoryAxis*>(areas->chart()->axes(Qt::Horizontal)[0])->categoriesLabels();
        QCOMPARE(std::pair(frames.front(), frames.back()), std::pair(QString("0"), QString("20")));
    }

    // Every chart with several curves names each of them, as the tables name
    // frames and waterlines, in a legend that is shown; the curves of one
    // chart differ in colour, none white on the white background; every chart
    // is drawn in the one style.
    void everyCurveIsNamedAndEveryChartLooksTheSame()
    {
        TrimWindow* udif = calculatedExample();
        QStringList frames, waterlines;
        for (int frame = 0; frame <= 20; ++frame)
            frames.append(QString("%1 шп").arg(frame));
        for (int waterline = 1; waterline <= 10; ++waterline)
            waterlines.append(QString("ВЛ %1").arg(waterline));
        const std::map<QString, QStringList> expected = {{toQString(graphNames::sectionalAreaChart), waterlines},
                                                         {toQString(graphNames::staticMomentChart), frames},
                                                         {toQString(graphNames::bodyPlanChart), frames}};
        int legends = 0;
        for (QWidget* window : std::initializer_list<QWidget*>{
                 udif, &app->sectionalAreaWindow(), &app->staticMomentWindow(), &app->bodyPlanWindow(),
                 &app->resultsWindow(), &app->bonjeanWindow(), &app->vibrationWindow()}) {
            for (ChartView* view : window->findChildren<ChartView*>()) {
                const QString chart = window->objectName() + "/" + view->objectName();
                QVERIFY2(view->chart()->backgroundBrush() == QBrush(Qt::white), qPrintable(chart));
                QCOMPARE(view->chart()->titleBrush(), QBrush(Qt::black));
                QCOMPARE(view->chart()->titleFont().bold(), false);
                QList<QLineSeries*> lines;
                for (QAbstractSeries* series : view->chart()->series())
                    if (auto* line = qobject_cast<QLineSeries*>(series)) {
                        QVERIFY2(line->color() != QColor(Qt::white), qPrintable(chart + " " + line->name()));
                        lines.append(line);
                    }
                // The Bonjean scale's curves stand at their frames, named by the axis.
                if (lines.size() < 2 || window == &app->bonjeanWindow())
                    continue;
                QStringList names;
                QSet<QRgb> colours;
                for (QLineSeries* line : lines) {
                    names.append(line->name());
                    colours.insert(line->color().rgb());
                }
                QVERIFY2(!names.contains(QString()), qPrintable(chart));
                if (expected.count(view->objectName())) {
                    QCOMPARE(names, expected.at(view->objectName()));
                    if (view->objectName() != toQString(graphNames::bodyPlanChart))  // fore and aft body apart
                        QCOMPARE(colours.size(), lines.size());
                }
                bool listed = view->chart()->legend()->isVisible();
                for (LegendWidget* legend : window->findChildren<LegendWidget*>())
                    if (&legend->chart() == view && legend->titles() == names)
                        listed = true;
                QVERIFY2(listed, qPrintable(chart));
                ++legends;
            }
        }
        QVERIFY(legends >= 3 + 4);  // three graph windows, the curves of form with several curves
    }

    // Tone I of the example ship, then tone III by both methods: two mode
    // shapes and the beam model's frequency in Гц. "Все тоны" lists the tones
    // with Kumai's estimate and leaves the chosen tone's results; coming back
    // keeps the tone, and a new trim calculation empties the vibration results
    // that rested on the old one.
    void vibrationByBothMethodsNeverShowsStaleResults()
    {
        VibrationWindow* vibr = &app->vibrationWindow();
        activate(vibr);
        QCOMPARE(visibleTabs(vibr->pages()), (QStringList{"Исходные данные", "Формы тонов", "Параметры", "Резонанс"}));
        QVERIFY(child<QRadioButton>(vibr, vibrationNames::toneButtons[0])->isChecked());
        TrimWindow* udif = calculatedExample();
        activate(vibr);
        click(vibr, vibrationNames::calculate);
        QCOMPARE(labelText(vibr, vibrationNames::resultLabels[2].name), QString("  4,6944"));
        QCOMPARE(pointsShown(vibr, vibrationNames::modeShape, 0), 20);

        child<QRadioButton>(vibr, vibrationNames::toneButtons[2])->click();
        click(vibr, vibrationNames::calculate);
        QCOMPARE(child<ChartView>(vibr, vibrationNames::modeShape)->chart()->series().size(), 2);
        QCOMPARE(pointsShown(vibr, vibrationNames::modeShape, 1), 20);
        QVERIFY(labelText(vibr, vibrationNames::beamModel).contains("Гц"));
        const QString toneThree = labelText(vibr, vibrationNames::resultLabels[2].name);

        click(vibr, vibrationNames::compareAllTones);
        QVERIFY(shownErrors.isEmpty());
        auto* tones = child<QTableWidget>(vibr, vibrationNames::allTones);
        // ω = 4,6944 1/с is 4,6944/2π = 0,747 Гц.
        QCOMPARE(tones->item(0, 1)->text(), QString("0,747"));
        QCOMPARE(tones->item(2, 1)->text(), toQString(readableFixed(numberIn(toneThree) / (2 * std::numbers::pi), 3)));
        QVERIFY(labelText(vibr, vibrationNames::toneNotes).contains("Кумаи"));
        QCOMPARE(labelText(vibr, vibrationNames::resultLabels[2].name), toneThree);

        activate(&app->mainWindow());
        activate(vibr);
        QVERIFY(child<QRadioButton>(vibr, vibrationNames::toneButtons[2])->isChecked());
        QCOMPARE(labelText(vibr, vibrationNames::resultLabels[2].name), toneThree);

        // F9 runs every step again: the chosen tone stays shown, current.
        activate(udif);
        click(udif, names::calculate);
        QCOMPARE(labelText(vibr, vibrationNames::resultLabels[2].name), toneThree);
        QCOMPARE(pointsShown(vibr, vibrationNames::modeShape, 0), 20);
    }

    // «Все тоны» before any «Расчет», with a typed shear area: the chosen tone's
    // fields and chart fill, the four tones lie on top by the three methods,
    // shear lowering each tone below the bending beam. A 4-bladed propeller
    // turning at 60·f_II/4 об/мин puts its blade rate z·n/60 on tone II: the
    // margins table marks that cell and the warnings on top say so; each edit
    // marks the run outdated, and the options go into the project.
    void allTonesByThreeMethodsWithResonance()
    {
        calculatedExample();
        VibrationWindow* vibr = &app->vibrationWindow();
        activate(vibr);
        QTest::keyClicks(child<QLineEdit>(vibr, vibrationNames::optionFields[0].name), "0,035");
        click(vibr, vibrationNames::compareAllTones);
        QVERIFY2(shownErrors.isEmpty(), qPrintable(shownErrors.join('\n')));
        QVERIFY(!labelText(vibr, vibrationNames::resultLabels[2].name).isEmpty());
        QCOMPARE(pointsShown(vibr, vibrationNames::modeShape, 0), 20);
        auto* tones = child<QTableWidget>(vibr, vibrationNames::allTones);
        QCOMPARE(tones->rowCount(), 4);
        for (int row = 0; row < 4; ++row) {
            const double bending = numberIn(tones->item(row, 2)->text());
            const double withShear = numberIn(tones->item(row, 3)->text());
            QVERIFY2(withShear < bending, qPrintable(tones->item(row, 0)->text()));
            QCOMPARE(tones->item(row, 4)->text(), QString("балка со сдвигом"));
        }
        QVERIFY(labelText(vibr, vibrationNames::shearAreaSource).contains("0,0350"));
        vibr->pages()->setCurrentWidget(child<QWidget>(vibr, vibrationNames::modeShapesPage));
        for (int tone = 0; tone < 4; ++tone)
            QCOMPARE(pointsShown(vibr, vibrationNames::allModeShapes, tone), 21);

        const double toneTwo = numberIn(tones->item(1, 5)->text());
        QTest::keyClicks(child<QLineEdit>(vibr, vibrationNames::optionFields[1].name),
                         toQString(readableFixed(60 * toneTwo / 4, 3)));
        QVERIFY(child<QWidget>(vibr, vibrationNames::outdatedNotice)->isVisibleTo(vibr));
        QTest::keyClicks(child<QLineEdit>(vibr, vibrationNames::optionFields[2].name), "4");
        click(vibr, vibrationNames::calculate);
        QVERIFY(!child<QWidget>(vibr, vibrationNames::outdatedNotice)->isVisibleTo(vibr));
        auto* margins = child<QTableWidget>(vibr, vibrationNames::resonanceTable);
        QCOMPARE(margins->columnCount(), 2 + 4);
        QStringList marked;
        for (int row = 0; row < margins->rowCount(); ++row)
            for (int column = 2; column < margins->columnCount(); ++column)
                if (margins->item(row, column)->text().endsWith("!"))
                    marked << margins->item(row, 0)->text() + "/"
                                  + margins->horizontalHeaderItem(column)->text().replace('\n', ' ');
        QVERIFY2(marked.contains(QString("Лопастная/Тон II (%1 Гц)").arg(toQString(readableFixed(toneTwo, 2)))),
                 qPrintable(marked.join("; ")));
        QVERIFY(labelText(vibr, vibrationNames::toneNotes).contains("Тон II"));
        QVERIFY(labelText(vibr, vibrationNames::toneNotes).contains("резонансной зоне"));
        QCOMPARE(app->document().vibrationOptions.blades, std::string("4"));

        // The project keeps them: saved, emptied, opened again, shown again.
        QTemporaryDir dir;
        const QString file = projectFileChosen(dir, "вибрация.hullcalc");
        QVERIFY(app->session().save(vibr));
        app->document().vibrationOptions = VibrationOptions{};
        QVERIFY(app->session().open(file, vibr));
        QCOMPARE(child<QLineEdit>(vibr, vibrationNames::optionFields[0].name)->text(), QString("0,035"));
        QCOMPARE(child<QLineEdit>(vibr, vibrationNames::optionFields[2].name)->text(), QString("4"));
    }

    // Saved and loaded again; a cancelled dialog changes nothing; a failed load
    // says why and keeps the tables. The first save of a session says that the
    // particulars stay in the project alone, without stopping the user; the
    // next says nothing. A document opened from the data file is not saved as
    // a project over it, which would lose it as a data file; another name saves.
    void fileMenuSavesAndLoadsTheInputTables()
    {
        QTemporaryDir dir;
        TrimWindow* udif = exampleEntered();
        QString chosen = dir.filePath("судно.txt");
        udif->setFileChooser([&](QWidget*, TrimWindow::FileDialog) { return chosen; });
        udif->saveInput();
        const QList<QMessageBox*> notes = udif->findChildren<QMessageBox*>("inputFileNote");
        QCOMPARE(notes.size(), 1);
        QVERIFY(notes.front()->isVisible());
        QVERIFY(notes.front()->text().contains("хранятся только в проекте"));
        notes.front()->accept();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        udif->saveInput();
        QVERIFY(udif->findChildren<QMessageBox*>("inputFileNote").isEmpty());

        // The document opened from that file is not saved as a project over it.
        QVERIFY(app->session().open(chosen, udif));
        QString project = dir.filePath("./судно.txt");
        app->session().setFileChooser([&](QWidget*, bool) { return project; });
        QVERIFY(!app->session().saveAs(udif));
        QCOMPARE(shownErrors.size(), 1);
        QVERIFY2(shownErrors[0].startsWith("Проект не сохранен: вывод совпадает с входным файлом: "),
                 qPrintable(shownErrors[0]));
        QFile file(chosen);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), inputFileBytes(udif->sheet().input));
        project = dir.filePath("судно.hullcalc");
        QVERIFY(app->session().saveAs(udif));
        QCOMPARE(shownErrors.size(), 1);
        shownErrors.clear();

        click(udif, names::clearButton);
        udif->loadInput();
        GridView* masses = gridViewOf(udif, udif->sheet().input.masses);
        QCOMPARE(shownCell(masses, 1, 5), QString("43,5400"));

        chosen.clear();
        click(udif, names::clearButton);
        udif->loadInput();
        QCOMPARE(shownCell(masses, 1, 5), QString());
        QVERIFY(shownErrors.isEmpty());
        chosen = dir.path();
        udif->loadInput();
        QCOMPARE(shownErrors, QStringList{"Это папка, а не файл: " + dir.path()});
        QCOMPARE(shownCell(masses, 1, 5), QString());
    }

    // The page «Остойчивость на больших углах» asks for z_g until it is typed;
    // with z_g 2,0 m F9 shows every general criterion of the example met and
    // GZ at 30° as the result document holds it; the other pages of the run.
    void stabilityPagesShowTheRunOrWhatItNeeds()
    {
        TrimWindow* udif = calculatedExample();
        udif->pages()->setCurrentIndex(sheetPageIndex(sheetKey::largeAngleStability));
        QVERIFY(child<QLabel>(udif, names::stabilityStatus)->isVisibleTo(udif));
        QVERIFY(labelText(udif, names::stabilityStatus).contains("«Аппликата ЦТ судна z_g, м»"));
        QVERIFY(!child<GridView>(udif, names::rightingLeverGrid)->isVisibleTo(udif));

        child<QLineEdit>(&app->mainWindow(), "ShipZg")->setText("2,0");
        activate(udif);
        QTest::keyClick(udif, Qt::Key_F9);
        QCOMPARE(udif->pages()->currentIndex(), sheetPageIndex(sheetKey::largeAngleStability));
        QVERIFY(!child<QLabel>(udif, names::stabilityStatus)->isVisibleTo(udif));
        auto* criteria = child<GridView>(udif, names::stabilityCriteriaGrid);
        QCOMPARE(criteria->model()->rowCount(), 6);
        for (int row = 1; row <= 6; ++row)
            QCOMPARE(shownCell(criteria, 4, row), QString("выполнен"));
        const nlohmann::json stability = resultJson(app->document().run).at("large_angle_stability");
        QCOMPARE(stability.at("heel").at(6).get<double>(), 30.0);
        const double gz30 = stability.at("righting_lever").at(6).get<double>();
        auto* levers = child<GridView>(udif, names::rightingLeverGrid);
        QCOMPARE(levers->gridModel()->grid().cell(0, 7), std::string("30"));
        QCOMPARE(shownCell(levers, 3, 7), toQString(formatFixed(gz30, 3)));
        QVERIFY(gz30 > 0.2);
        QCOMPARE(pointsShown(udif, names::staticStabilityChart, 0), 91);
        // 30°: every volume of a waterline and the loading's the hull holds up to the deck.
        const nlohmann::json& kn = stability.at("cross_curves").at("kn");
        const auto held = std::ranges::count_if(kn, [](const nlohmann::json& row) { return !row.at(3).is_null(); });
        QCOMPARE(pointsShown(udif, names::crossCurvesChart, 2), static_cast<int>(held));

        // The Bonjean scale opens from its page and shows every frame's curve
        // and the waterline; the curves of form have their page of table and
        // charts; z_g brings h under the summary.
        udif->showIntermediatePages();
        udif->pages()->setCurrentIndex(inputPageIndex + 1);
        click(udif, names::bonjeanButton);
        QWidget* bonjean = &app->bonjeanWindow();
        QVERIFY(bonjean->isVisible());
        QCOMPARE(child<ChartView>(bonjean, graphNames::bonjeanChart)->chart()->series().size(), 22);
        QCOMPARE(pointsShown(bonjean, graphNames::bonjeanChart, 10), 11);
        QCOMPARE(pointsShown(bonjean, graphNames::bonjeanChart, 21), 2);

        const int formPage = pageIndex(PageLayout::charts);
        udif->pages()->setCurrentIndex(formPage);
        QCOMPARE(gridViewOf(udif, udif->sheet().curvesOfForm.table)->model()->rowCount(), 10);
        const std::vector<PageChart>& formCharts = trimWindowPages()[static_cast<std::size_t>(formPage)].charts;
        QCOMPARE(pointsShown(udif, formCharts.at(0).name, 0), 10);  // displacement
        QCOMPARE(pointsShown(udif, formCharts.at(1).name, 0), 9);   // centres
        QCOMPARE(labelText(udif, names::stabilityLabels[0]), QString("2,00"));
        QVERIFY(!labelText(udif, names::stabilityLabels[4]).isEmpty());
    }

    // Every step with a sheet has its page in the window's place, showing
    // each of its tables and charts, and its section in the report's content.
    void everySheetStepHasItsPageAndReportSection()
    {
        TrimWindow* udif = calculatedExample();
        child<QLineEdit>(&app->mainWindow(), "ShipZg")->setText("2,0");
        activate(udif);
        QTest::keyClick(udif, Qt::Key_F9);
        const ReportContent content = reportContentOf(app->document().run, {}, {});
        for (const SheetStep& step : sheetSteps()) {
            const int index = sheetPageIndex(step.key);
            QVERIFY(index >= 0);
            udif->pages()->setCurrentIndex(index);
            QWidget* page = udif->pages()->widget(index);
            QCOMPARE(page->objectName(), toQString(trimWindowPages()[static_cast<std::size_t>(index)].objectName));
            const StepSheet* sheet = content.sheet(step.key);
            QVERIFY(sheet && sheet->computed());
            QVERIFY(!child<QLabel>(page, sheet->statusName)->isVisibleTo(udif));
            QVERIFY(!child<QLabel>(page, sheet->figuresName)->text().isEmpty());
            for (const SheetGrid& grid : sheet->grids)
                QCOMPARE(child<GridView>(page, grid.name)->gridModel()->grid().cell(1, 1), grid.grid.cell(1, 1));
            for (const SheetChart& chart : sheet->charts)
                QVERIFY(child<ChartView>(page, chart.name)->isVisibleTo(udif));
        }
    }

    // Numbers show rounded by their quantity, the stored text in the tooltip
    // and the editor; "Вид → Полная точность" shows the stored texts in every
    // window and is remembered. Typed inputs are never rounded.
    void numbersShowRoundedAndInFullOnRequest()
    {
        VibrationWindow* vibr = &app->vibrationWindow();
        TrimWindow* udif = calculatedExample();
        const TrimSheet& sheet = udif->sheet();
        GridView* volume = gridViewOf(udif, sheet.hydrostatics.volume.values);
        const QModelIndex atWaterline8 = volume->model()->index(0, 7);
        QCOMPARE(atWaterline8.data().toString(), QString("1994"));
        QCOMPARE(atWaterline8.data(Qt::ToolTipRole).toString(), QString("1994,13703125"));
        QCOMPARE(atWaterline8.data(Qt::EditRole).toString(), QString("1994,13703125"));
        GridView* table = gridViewOf(udif, sheet.results.table);
        QVERIFY(!table->isColumnHidden(8));
        QVERIFY(table->isColumnHidden(9) && table->isColumnHidden(11));

        QAction* full = child<QAction>(udif, "fullPrecision");
        QVERIFY(full && !full->isChecked());
        full->trigger();
        QCOMPARE(atWaterline8.data().toString(), QString("1994,13703125"));

        // The vibration window, made before, takes the setting up when the user comes to it.
        activate(vibr);
        QAction* vibrFull = child<QAction>(vibr, "fullPrecision");
        QVERIFY(vibrFull->isChecked());
        click(vibr, vibrationNames::calculate);
        GridView* vibration = child<GridView>(vibr, vibrationNames::table);
        const QModelIndex addedMass = vibration->model()->index(0, 4);
        QCOMPARE(addedMass.data().toString(), addedMass.data(Qt::EditRole).toString());
        vibrFull->trigger();
        QVERIFY(QRegularExpression("^-?\\d+,\\d\\d$").match(addedMass.data().toString()).hasMatch());
        QVERIFY(vibration->model()->headerData(4, Qt::Horizontal).toString().contains("т/м"));
        // The generalized stiffness, thousands of kN/m, shows its whole part alone.
        auto* stiffness = child<QLabel>(vibr, vibrationNames::resultLabels[0].name);
        QVERIFY(stiffness->toolTip().contains(','));
        QCOMPARE(stiffness->text(), QString::number(std::lround(stiffness->toolTip().replace(',', '.').toDouble())));
        activate(udif);
        QVERIFY(!full->isChecked());
        QCOMPARE(atWaterline8.data().toString(), QString("1994"));
    }

    // The program's own dialogs speak Russian whatever the system's language
    // (ctest runs this under LANG=C), and open in the project's folder.
    void fileDialogIsRussianAndOpensInTheProjectFolder()
    {
        installRussianTranslations(*qApp);
        QTemporaryDir dir;
        setProjectFolder(dir.path());
        QFileDialog dialog(nullptr, "Открыть проект", projectFolder());
        dialog.setOptions(fileDialogOptions());
        QCOMPARE(QDir(dialog.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
        QStringList buttons;
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            buttons.append(button->text().remove('&'));
        QVERIFY2(buttons.contains("Открыть") && buttons.contains("Отмена"), qPrintable(buttons.join(", ")));
    }

    // The checks warn and never stop: the calculation still runs, the warning
    // names the cell and a click on it selects the cell.
    void designChecksWarnAndPointAtTheCell()
    {
        TrimWindow* udif = calculatedExample();
        auto* checks = child<QListWidget>(udif, names::designChecks);
        // With nothing to say the panel is its title line alone.
        auto* panel = qobject_cast<QGroupBox*>(checks->parentWidget());
        QApplication::processEvents();
        QVERIFY(!checks->isVisible());
        QCOMPARE(panel->title(), QString("Проверка данных: замечаний нет"));
        QVERIFY2(panel->height() < 2 * panel->fontMetrics().lineSpacing() + 12,
                 qPrintable(QString::number(panel->height())));

        udif->sheet().input.offsets.setCell(5, 10, "-5");
        click(udif, names::calculate);
        QVERIFY(shownErrors.isEmpty());
        QApplication::processEvents();
        QVERIFY(checks->isVisible());
        QCOMPARE(checks->count(), 1);
        QVERIFY(checks->item(0)->text().contains("«9 шп»"));
        udif->pages()->setCurrentIndex(resultsPageIndex());
        const QRect item = checks->visualItemRect(checks->item(0));
        QTest::mouseClick(checks->viewport(), Qt::LeftButton, {}, item.center());
        QCOMPARE(udif->pages()->currentIndex(), inputPageIndex);
        QCOMPARE(currentCell(gridViewOf(udif, udif->sheet().input.offsets)), (QPair<int, int>(9, 4)));
    }

    // "Очистка" is one undo step: Ctrl+Z brings the tables back, Ctrl+Y clears
    // them again; the title marks the changes not yet saved. "Выход" with
    // unsaved changes asks «Сохранить изменения?»: Отмена keeps the program
    // running, Сохранить saves the project first.
    void clearingIsUndoneAndExitAsksToSave()
    {
        TrimWindow* udif = &app->trimWindow();
        activate(udif);
        app->session().markChanged();  // a particular typed: a change not yet saved
        click(udif, names::exampleButton);
        QCOMPARE(questionsAsked, 0);  // but the empty tables lose nothing
        QVERIFY(udif->isWindowModified());
        click(udif, names::clearButton);
        QCOMPARE(questionsAsked, 1);  // the example is a change not yet saved
        QCOMPARE(udif->sheet().input.masses.cell(1, 5), std::string());
        QTest::keyClick(udif, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(shownCell(gridViewOf(udif, udif->sheet().input.masses), 1, 5), QString("43,5400"));
        QTest::keyClick(udif, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(udif->sheet().input.masses.cell(1, 5), std::string());

        QTemporaryDir dir;
        child<QLineEdit>(&app->mainWindow(), "ShipL")->setFocus();
        QTest::keyClicks(child<QLineEdit>(&app->mainWindow(), "ShipL"), "0");
        QVERIFY(app->mainWindow().isWindowModified());
        answer = ProjectSession::Answer::Cancel;
        QVERIFY(!app->mainWindow().close());
        QCOMPARE(questionsAsked, 2);
        QVERIFY(app->mainWindow().isVisible());
        answer = ProjectSession::Answer::Save;
        const QString file = dir.filePath("судно.hullcalc");
        app->session().setFileChooser([&](QWidget*, bool forSaving) { return forSaving ? file : QString(); });
        QVERIFY(app->mainWindow().close());
        QVERIFY(QFileInfo::exists(file));
        QVERIFY(!app->mainWindow().isWindowModified());
    }

    // «Судно на волне» after "Пример" and "Расчет": the example's midship
    // section came with "Пример"; "Расчет на волне" fills both cases, the charts
    // and the stresses; the girder's I goes into every spacing of the vibration
    // window's inertias as one undo step.
    void wavePageShowsOneRunAndTheGirdersInertia()
    {
        TrimWindow* udif = calculatedExample();
        Document& document = app->document();
        QCOMPARE(document.strengthInput.girderMembers.cell(1, 1), std::string("360"));
        click(udif, waveNames::calculate);
        QVERIFY(shownErrors.isEmpty());
        QVERIFY(document.strength.complete);
        QVERIFY(document.strength.girder.present);
        udif->pages()->setCurrentIndex(udif->pages()->count() - 1);
        QCOMPARE(pointsShown(udif, waveNames::bendingMomentChart, 1), 21);
        QVERIFY(labelText(udif, waveNames::summary).contains("Вершина волны на миделе: наибольший изгибающий момент"));

        const std::string before = document.vibration.sectionInertia.cell(1, 1);
        click(udif, waveNames::inertiaToVibration);
        for (int row = 1; row <= 20; ++row)
            QCOMPARE(document.vibration.sectionInertia.cell(1, row), std::string("0,3994"));
        app->session().undoStack().undo();
        QCOMPARE(document.vibration.sectionInertia.cell(1, 1), before);
        QCOMPARE(document.vibration.sectionInertia.cell(1, 20), std::string("0,042"));

        // Mass 0-1 = 500 t → «Расчет на волне»: still water, hogging and
        // sagging all rest on 500 t. The still-water row for 500 t: 14 625,00
        // kN·m at frame 10, σ = M/W at the deck within the allowable 175 MPa
        // (the example's 10 t gave 19 227,52 kN·m at frame 9). F9 runs every
        // step, the ship on a wave with it, and keeps the page; with 400 t the
        // report's strength section, made as Ctrl+P makes it, is 400 t's.
        GridView* masses = gridViewOf(udif, udif->sheet().input.masses);
        masses->model()->setData(masses->model()->index(0, 0), "500");
        click(udif, waveNames::calculate);
        QVERIFY2(shownErrors.isEmpty(), qPrintable(shownErrors.join("|")));
        udif->pages()->setCurrentIndex(wavePageIndex());
        auto* stresses = child<GridView>(udif, waveNames::stresses);
        QCOMPARE(app->document().strength.stresses[0].frame, 10);
        QCOMPARE(shownCell(stresses, 1, 1), QString("10 шп"));
        QCOMPARE(shownCell(stresses, 2, 1), QString("14625,00"));
        // σ = M / W at the deck of the example's midship section.
        const double deckModulus = app->document().strength.girder.deckModulus;
        QCOMPARE(shownCell(stresses, 3, 1), QString::fromStdString(readableFixed(14625.0 / deckModulus / 1000.0, 2)));
        QCOMPARE(shownCell(stresses, 9, 1), QString("выполнена"));
        QVERIFY(!labelText(udif, waveNames::summary).contains("Тихая вода: напряжения превышают"));
        QVERIFY(!child<QLabel>(udif, names::outdatedNotice)->isVisibleTo(udif));
        QVERIFY(!labelText(udif, names::calculationStatus).startsWith("Исходные данные изменены"));

        click(udif, names::calculate);
        QCOMPARE(shownCell(stresses, 2, 1), QString("14625,00"));

        masses->model()->setData(masses->model()->index(0, 0), "400");
        QVERIFY(udif->bringResultsUpToDate());
        const ReportContent content = reportContentOf(app->document(), {});
        QCOMPARE(content.trim.input.masses.cell(1, 1), std::string("400"));
        QVERIFY(content.strength);
        // The still-water case is the largest |M| of the trim table the report prints.
        double largest = 0.0;
        for (int frame = 0; frame < frameCount; ++frame)
            largest = std::max(largest, std::abs(parseNumber(content.trim.results.bendingMoment.cell(1, frame))));
        QCOMPARE(content.strength->stresses[0].moment, largest);
        QVERIFY(std::abs(content.strength->stresses[0].moment - 14625.0) > 100.0);
    }

    // With an allowable stress of 1 MPa every case exceeds it: the report of
    // the windows and the one hullcalc-cli makes of the same project list the
    // same remarks, the strength warnings among them. Opened again, the project
    // shows no calculation.
    void reportRemarksAreTheCommandLines()
    {
        TrimWindow* udif = calculatedExample();
        auto* allowable = child<QLineEdit>(udif, waveNames::allowableStress);
        allowable->setText("1");
        emit allowable->textEdited("1");
        click(udif, waveNames::calculate);
        QVERIFY(udif->bringResultsUpToDate());
        const std::vector<std::string> windows = reportContentOf(app->document(), {}).warnings;
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](const std::string& line) {
                                   return line.find("больше допускаемого 1 МПа") != std::string::npos;
                               }),
                 3);

        QTemporaryDir dir;
        const QString project = projectFileChosen(dir, "судно.hullcalc");
        QVERIFY(app->session().saveAs(udif));
        CliOptions options;
        options.tones = {1, 2, 3, 4};
        options.allTones = true;
        const ShipRun cli = runInput(options, project.toStdString());
        QCOMPARE(reportRemarks(cli), windows);

        // Opening a project forgets the last document's calculation: no status line.
        QVERIFY(!labelText(udif, names::calculationStatus).isEmpty());
        QVERIFY(app->session().open(project, udif));
        QCOMPARE(labelText(udif, names::calculationStatus), QString());
    }

    // A block copied from a spreadsheet goes into the offsets with decimal
    // commas as one undo step, named so in the menu; undo and redo select the
    // cells they change; result grids are shown, not edited, and the trim
    // table's view names its columns. A block that does not fit is refused.
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
        QCOMPARE(child<QAction>(udif, names::undoAction)->text(), QString("Отменить: вставка"));
        offsets->setCurrentIndex(offsets->model()->index(0, 0));
        QTest::keyClick(udif, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(udif->sheet().input.offsets.cell(5, 3), std::string());
        QCOMPARE(udif->sheet().input.offsets.cell(6, 4), std::string());
        QCOMPARE(currentCell(offsets), (QPair<int, int>(2, 4)));
        QCOMPARE(offsets->selectionModel()->selectedIndexes().size(), 4);
        QCOMPARE(child<QAction>(udif, names::redoAction)->text(), QString("Повторить: вставка"));

        GridView* areas = gridViewOf(udif, udif->sheet().bonjean.sectionAreas);
        QVERIFY(!(areas->model()->flags(areas->model()->index(0, 0)) & Qt::ItemIsEditable));
        GridView* table = gridViewOf(udif, udif->sheet().results.table);
        QCOMPARE(table->model()->headerData(4, Qt::Horizontal).toString(), QString("Нагрузка, кН"));

        // A block that does not fit reaches the error display from each window:
        // two columns into the masses and into the section inertias, one column each.
        QApplication::clipboard()->setText("1\t2\n3\t4\n");
        for (GridView* grid : {gridViewOf(udif, udif->sheet().input.masses),
                               child<GridView>(&app->vibrationWindow(), vibrationNames::sectionInertia)}) {
            shownErrors.clear();
            grid->setCurrentIndex(grid->model()->index(0, 0));
            grid->pasteClipboard();
            QCOMPARE(shownErrors.size(), 1);
            QVERIFY(shownErrors[0].startsWith("Блок из буфера обмена не помещается"));
        }
    }

    // A project keeps what the user typed: particulars, sea water, offsets,
    // masses and section inertias come back in a fresh program.
    void projectRoundTrip()
    {
        QTemporaryDir dir;
        const QString file = projectFileChosen(dir, "project.hullcalc");
        TrimWindow* udif = &app->trimWindow();
        activate(&app->mainWindow());
        child<QRadioButton>(&app->mainWindow(), mainNames::seaGoing)->click();
        child<QLineEdit>(&app->mainWindow(), "ShipDr")->setText("905,5");
        exampleEntered();
        udif->sheet().input.offsets.setCell(5, 3, "2,5");
        app->document().vibration.sectionInertia.setCell(1, 4, "0,3");
        QVERIFY(app->session().save(udif));
        QVERIFY(udif->windowTitle().contains("project.hullcalc"));

        startProgram();
        QVERIFY(app->session().open(file, &app->mainWindow()));
        QCOMPARE(app->document().particulars.designDisplacement, std::string("905,5"));
        QVERIFY(app->document().particulars.shipType == ShipType::sea);
        QVERIFY(child<QRadioButton>(&app->mainWindow(), mainNames::seaGoing)->isChecked());
        QCOMPARE(child<QLineEdit>(&app->mainWindow(), "ShipDr")->text(), QString("905,5"));
        QCOMPARE(app->document().trim.input.offsets.cell(5, 3), std::string("2,5"));
        QCOMPARE(app->document().vibration.sectionInertia.cell(1, 4), std::string("0,3"));
        QVERIFY(!app->mainWindow().isWindowModified());

        // The main window's "Файл" lists the project with its folder as the
        // tooltip; a recent file that is gone is shown and leaves the list.
        auto* recent = child<QMenu>(&app->mainWindow(), "recentFiles");
        QCOMPARE(recent->actions().first()->text(), QString("project.hullcalc"));
        QCOMPARE(recent->actions().first()->toolTip(), QDir::toNativeSeparators(dir.path()));
        QVERIFY(QFile::remove(file));
        recent->actions().first()->trigger();
        QCOMPARE(shownErrors.size(), 1);
        QVERIFY(!app->session().recentFiles().contains(QFileInfo(file).absoluteFilePath()));
        QVERIFY(recent->isEnabled() == !app->session().recentFiles().isEmpty());
    }

    // Both windows that print charts print them where the print dialog says,
    // a PDF file included (all a machine without a printer offers); a chart
    // is copied.
    void chartsArePrintedAndCopied()
    {
        QTemporaryDir dir;
        TrimWindow* udif = calculatedExample();
        // The print dialog answered as a user without a printer would: print
        // to a PDF file. The trim window's three charts make one document of
        // three landscape pages, the mode shape one of one page.
        const auto printToFile = [&](const QString& name) {
            return [&, name](QPrinter& printer, QWidget*) {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(dir.filePath(name));
                return true;
            };
        };
        udif->setPrinterChoice(printToFile("графики.pdf"));
        app->vibrationWindow().setPrinterChoice(printToFile("форма.pdf"));
        click(udif, names::printChartsButton);
        click(&app->vibrationWindow(), vibrationNames::printChart);
        QVERIFY(shownErrors.isEmpty());
        for (const auto& [name, pages] : {std::pair{"графики.pdf", 3}, std::pair{"форма.pdf", 1}}) {
            QFile pdf(dir.filePath(name));
            QVERIFY(pdf.open(QIODevice::ReadOnly));
            const QByteArray bytes = pdf.readAll();
            QVERIFY(bytes.startsWith("%PDF"));
            QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), pages);
        }

        // A cancelled dialog prints nothing and says nothing.
        udif->setPrinterChoice([](QPrinter&, QWidget*) { return false; });
        click(udif, names::printChartsButton);
        QVERIFY(shownErrors.isEmpty());

        // A chart goes to the clipboard as a picture and as a drawing; the status line says so.
        ChartView* chart = udif->findChild<ChartView*>();
        QVERIFY(chart);
        chart->copyToClipboard();
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied && copied->hasImage() && copied->hasFormat("image/svg+xml"));
        QVERIFY(udif->statusBar()->currentMessage().contains("скопирован в буфер обмена"));
    }

    // Results follow the input. After "Пример" → "Расчет" the mass of spacing
    // 0-1 becomes 500 t (the example has 10 t there; its load 382,32 kN): the
    // status line, the results page, the graph and vibration windows say the
    // results are outdated; "Экспорт в Excel…" runs the calculation first, so
    // the load of 0-1 is no longer 382,32, and writes a workbook (a zip); F9
    // runs "Расчет".
    void changedInputMarksTheResultsOutdatedUntilTheNextRun()
    {
        const QString outdated = "Исходные данные изменены — результаты устарели (F9 — пересчитать)";
        QTemporaryDir dir;
        const QString file = dir.filePath("судно.xlsx");
        app->setWorkbookFileChooser([&](QWidget*) { return file; });
        TrimWindow* udif = calculatedExample();
        const TextGrid& loads = udif->sheet().results.loads;
        QCOMPARE(loads.cell(1, 0), std::string("382,32"));
        QVERIFY(labelText(udif, names::calculationStatus).startsWith("Расчет выполнен: принято приближение 2; "));

        GridView* masses = gridViewOf(udif, udif->sheet().input.masses);
        masses->model()->setData(masses->model()->index(0, 0), "500");
        QCOMPARE(labelText(udif, names::calculationStatus), outdated);
        udif->pages()->setCurrentIndex(resultsPageIndex());
        QVERIFY(child<QLabel>(udif, names::outdatedNotice)->isVisibleTo(udif));
        QVERIFY(child<QLabel>(&app->vibrationWindow(), vibrationNames::outdatedNotice)
                    ->isVisibleTo(&app->vibrationWindow()));
        QVERIFY(child<QLabel>(&app->staticMomentWindow(), graphNames::outdatedNotice)
                    ->isVisibleTo(&app->staticMomentWindow()));
        QCOMPARE(loads.cell(1, 0), std::string("382,32"));

        child<QAction>(udif, names::workbookAction)->trigger();
        QVERIFY(shownErrors.isEmpty());
        QFile workbook(file);
        QVERIFY(workbook.open(QIODevice::ReadOnly));
        QCOMPARE(workbook.read(2), QByteArray("PK"));
        QVERIFY(loads.cell(1, 0) != "382,32");
        QVERIFY(labelText(udif, names::calculationStatus).startsWith("Исходные данные изменены — выполнен пересчет. "));
        QVERIFY(!child<QLabel>(udif, names::outdatedNotice)->isVisibleTo(udif));

        // Undo is a change too; F9 brings the results back.
        child<QAction>(udif, names::undoAction)->trigger();
        QCOMPARE(labelText(udif, names::calculationStatus), outdated);
        activate(udif);
        QTest::keyClick(udif, Qt::Key_F9);
        QCOMPARE(loads.cell(1, 0), std::string("382,32"));
        QVERIFY(labelText(udif, names::calculationStatus).startsWith("Расчет выполнен"));

        // A particular typed after the run: the vibration window's "Расчет" runs
        // the trim calculation first, on the particulars now typed; where that
        // run stops, nothing of the vibration is computed and the message names
        // the cause.
        auto* xg = child<QLineEdit>(&app->mainWindow(), "ShipXct");
        xg->setFocus();
        QTest::keyClick(xg, Qt::Key_End);
        QTest::keyClick(xg, Qt::Key_Backspace);
        QTest::keyClicks(xg, "0");  // -3,72 → -3,70
        QVERIFY(udif->resultsOutdated());
        VibrationWindow* vibration = &app->vibrationWindow();
        activate(vibration);  // tone I
        vibration->calculate();
        QVERIFY2(shownErrors.isEmpty(), qPrintable(shownErrors.join("|")));
        QCOMPARE(udif->sheet().results[SummaryLine::centreOfGravity], std::string("-3,70"));
        QVERIFY(!udif->resultsOutdated());
        QVERIFY(!vibration->sheet().frequency.empty());

        emit app->mainWindow().particularsEdited();
        udif->sheet().input.offsets.setCell(3, 5, "5.5");
        vibration->calculate();
        QCOMPARE(shownErrors.size(), 1);
        QVERIFY2(shownErrors[0].startsWith("Не число: «5.5» (десятичный разделитель — запятая)\n"),
                 qPrintable(shownErrors.join("|")));
        QVERIFY(vibration->sheet().frequency.empty());
    }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
