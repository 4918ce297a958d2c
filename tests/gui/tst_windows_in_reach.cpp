// Every button of every window within reach as the program sizes and places
// the windows on a small screen: shown, and wholly inside each widget that
// holds it up to the window, so that no scrolling is needed to press it. Run
// on a 1366 × 768 screen, and again at a scale factor of 1,5 (the screen is
// then 911 × 512 device-independent pixels); the screen comes from the
// offscreen platform's configuration (see CMakeLists.txt).
#include "presentation/strength_page_names.h"
#include "presentation/trim_window_names.h"
#include "presentation/trim_window_pages.h"
#include "presentation/vibration_window_names.h"
#include "trim/graphs/body_plan_window.h"
#include "trim/graphs/bonjean_window.h"
#include "trim/graphs/results_window.h"
#include "trim/graphs/sectional_area_window.h"
#include "trim/graphs/static_moment_window.h"
#include "trim/trim_window.h"
#include "vibration/vibration_window.h"
#include "widgets/help_window.h"
#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

using namespace hullcalc;

namespace {

namespace trimNames = hullcalc::trimWindowNames;
namespace vibrationNames = hullcalc::vibrationWindowNames;

// Why `widget` cannot be reached as the window stands, or nothing: it must be
// shown, of a size to be pressed, and wholly inside every widget between it
// and its window (a scroll area's viewport holds what it would scroll to).
QString outOfReach(QWidget* widget)
{
    const QString name = widget->objectName().isEmpty() ? widget->metaObject()->className() : widget->objectName();
    if (!widget->isVisible())
        return name + " hidden";
    if (widget->width() < 12 || widget->height() < 12)
        return name + " squeezed";
    for (QWidget* holder = widget->parentWidget(); holder; holder = holder->parentWidget()) {
        const QRect inHolder(widget->mapTo(holder, QPoint(0, 0)), widget->size());
        if (!holder->rect().contains(inHolder))
            return QString("%1 outside %2 (%3,%4 %5×%6 in %7×%8)")
                .arg(name, holder->objectName().isEmpty() ? holder->metaObject()->className() : holder->objectName())
                .arg(inHolder.x())
                .arg(inHolder.y())
                .arg(inHolder.width())
                .arg(inHolder.height())
                .arg(holder->width())
                .arg(holder->height());
        if (holder->isWindow())
            break;
    }
    return {};
}

// The buttons the window shows now (those of hidden pages excepted), each
// within reach; and the window within the screen's available area.
void verifyButtonsInReach(QWidget* window, int expectedAtLeast)
{
    QCoreApplication::processEvents();
    const QRect screen = window->screen()->availableGeometry();
    QVERIFY2(screen.contains(window->frameGeometry()), qPrintable(QString("%1 at %2,%3 %4×%5 on %6×%7")
                                                                      .arg(window->objectName())
                                                                      .arg(window->frameGeometry().x())
                                                                      .arg(window->frameGeometry().y())
                                                                      .arg(window->frameGeometry().width())
                                                                      .arg(window->frameGeometry().height())
                                                                      .arg(screen.width())
                                                                      .arg(screen.height())));
    int buttons = 0;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!qobject_cast<QPushButton*>(button) && !qobject_cast<QRadioButton*>(button))
            continue;
        if (!button->isVisibleTo(window))
            continue;
        ++buttons;
        const QString fault = outOfReach(button);
        QVERIFY2(fault.isEmpty(), qPrintable(window->objectName() + ": " + fault));
    }
    QVERIFY2(buttons >= expectedAtLeast, qPrintable(QString("%1: %2 buttons").arg(window->objectName()).arg(buttons)));
}

}  // namespace

class WindowsInReachTest : public QObject {
    Q_OBJECT

    static void verifyPreview(QPrintPreviewDialog* preview)
    {
        QCoreApplication::processEvents();
        auto* pages = preview->findChild<QPrintPreviewWidget*>();
        QVERIFY(pages);
        QCOMPARE(pages->zoomMode(), QPrintPreviewWidget::FitToWidth);
        auto* toolBar = preview->findChild<QToolBar*>();
        QVERIFY(toolBar);
        int shown = 0;
        for (QAction* action : toolBar->actions()) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            QWidget* button = toolBar->widgetForAction(action);
            QVERIFY2(button, qPrintable(action->text()));
            const QString fault = outOfReach(button);
            QVERIFY2(fault.isEmpty(), qPrintable(action->text() + ": " + fault));
            ++shown;
        }
        QVERIFY2(shown >= 10, qPrintable(QString::number(shown)));
    }

    std::unique_ptr<Application> app;
    QTemporaryDir settings;

    // The trim window, opened from the main window's menu, after "Пример" and "Расчет".
    TrimWindow* calculatedExample()
    {
        app->mainWindow().findChild<QAction*>("udif")->trigger();
        TrimWindow* trim = &app->trimWindow();
        trim->fillExample();
        trim->calculate();
        return trim;
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
        const QSize screen = QGuiApplication::primaryScreen()->size();
        qInfo() << "screen" << screen << "scale" << QGuiApplication::primaryScreen()->devicePixelRatio();
    }

    void init()
    {
        shownErrors.clear();
        app = startedApplication();
    }

    void cleanup() { app.reset(); }

    // After "Пример" → "Расчет", with the intermediate pages shown: the main
    // window, every page of the trim window, its page list, the graph windows
    // and the help.
    void trimWindowsAfterARun()
    {
        verifyButtonsInReach(&app->mainWindow(), 2);
        TrimWindow* trim = calculatedExample();
        click(trim, strengthPageNames::calculate);
        QVERIFY(shownErrors.isEmpty());
        trim->showIntermediatePages();
        QTabWidget* pages = trim->pages();
        int pagesShown = 0;
        for (int page = 0; page < pages->count(); ++page) {
            if (!pages->isTabVisible(page))
                continue;
            ++pagesShown;
            pages->setCurrentIndex(page);
            verifyButtonsInReach(trim, 0);
            // The wave page scrolls down, never sideways: its long lines wrap.
            if (page == wavePageIndex())
                for (QScrollArea* area : pages->widget(page)->findChildren<QScrollArea*>())
                    QVERIFY2(!area->horizontalScrollBar()->isVisible(), "the wave page scrolls sideways");
            if (QTest::currentTestFailed())
                qWarning() << "on the page" << pages->tabText(page);
        }
        QCOMPARE(pagesShown, pages->count());

        for (std::string_view button :
             {trimNames::bodyPlanButton, trimNames::resultsChartsButton, trimNames::bonjeanButton,
              trimNames::sectionalAreasButton, trimNames::staticMomentsButton})
            click(trim, button);
        for (QWidget* graphs :
             std::initializer_list<QWidget*>{&app->bodyPlanWindow(), &app->resultsWindow(), &app->bonjeanWindow(),
                                             &app->sectionalAreaWindow(), &app->staticMomentWindow()}) {
            QVERIFY2(graphs->isVisible(), qPrintable(graphs->objectName()));
            verifyButtonsInReach(graphs, 0);
        }
        // The results window opens on its first page, not on top of the body plan.
        QCOMPARE(child<QTabWidget>(&app->resultsWindow(), graphWindowNames::resultsPages)->currentIndex(), 0);
        QVERIFY(app->bodyPlanWindow().pos() != app->resultsWindow().pos());

        app->helpWindow().showTopic("pages");
        verifyButtonsInReach(&app->helpWindow(), 0);
    }

    // At the trim window's default size the whole results summary shows on the
    // results page, with z_g typed: the closures' "× ΔL/2 = …", h and H
    // included, none cut at the right nor below the fold, no scrolling needed.
    void resultsSummaryInReach()
    {
        // At a scale of 1,5 the screen is 512 pixels high: the page scrolls to
        // the summary's lower lines there.
        if (QGuiApplication::primaryScreen()->devicePixelRatio() > 1.0)
            QSKIP("the summary needs more than 512 pixels of height");
        app->mainWindow().findChild<QLineEdit*>("ShipZg")->setText("2,0");
        TrimWindow* trim = calculatedExample();
        trim->pages()->setCurrentIndex(resultsPageIndex());
        QCoreApplication::processEvents();
        std::vector<std::string_view> labels(trimNames::summaryLabels.begin(), trimNames::summaryLabels.end());
        labels.insert(labels.end(), trimNames::stabilityLabels.begin(), trimNames::stabilityLabels.end());
        labels.push_back(trimNames::bendingMomentClosure);
        for (std::string_view name : labels) {
            auto* label = trim->findChild<QLabel*>(toQString(name));
            QVERIFY2(label && !label->text().isEmpty(), name.data());
            QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                     qPrintable(label->text() + " is cut"));
            const QString reach = outOfReach(label);
            QVERIFY2(reach.isEmpty(), qPrintable(reach));
        }
    }

    // On the results page the load, the shear force and the bending moment
    // show at least twelve of their rows at once, also at a scale of 1,5.
    void resultsTablesShowTwelveRows()
    {
        TrimWindow* trim = calculatedExample();
        trim->pages()->setCurrentIndex(resultsPageIndex());
        QCoreApplication::processEvents();
        for (const char* name : {"NagrGrid", "ForceGrid", "MomGrid"}) {
            auto* table = trim->findChild<QTableView*>(name);
            QVERIFY2(table && table->isVisible(), name);
            // A row is shown when its cell lies inside every widget from the
            // table's viewport up to the window (the page's scroll area too).
            int rowsShown = 0;
            for (int row = 0; row < table->model()->rowCount(); ++row) {
                const QRect cell(0, table->rowViewportPosition(row), 1, table->rowHeight(row));
                bool inside = true;
                for (QWidget* holder = table->viewport(); holder && inside; holder = holder->parentWidget()) {
                    inside =
                        holder->rect().contains(QRect(table->viewport()->mapTo(holder, cell.topLeft()), cell.size()));
                    if (holder->isWindow())
                        break;
                }
                rowsShown += inside;
            }

            QVERIFY2(rowsShown >= 12, qPrintable(QString("%1: %2 rows").arg(name).arg(rowsShown)));
        }
    }

    // Where the user leaves the results page's splitter it stands when the
    // program is started again.
    void splitterRememberedBetweenSessions()
    {
        const auto resultsSplitter = [this] {
            app->mainWindow().findChild<QAction*>("udif")->trigger();
            TrimWindow* trim = &app->trimWindow();
            trim->pages()->setCurrentIndex(resultsPageIndex());
            QCoreApplication::processEvents();
            return trim->pages()->currentWidget()->findChild<QSplitter*>();
        };
        QSplitter* splitter = resultsSplitter();
        QVERIFY(splitter);
        const int moved = splitter->sizes().at(0) + 30;
        splitter->setSizes({moved, splitter->sizes().at(1) - 30});
        emit splitter->splitterMoved(moved, 1);
        app.reset();
        init();
        splitter = resultsSplitter();
        QVERIFY(splitter);
        QCOMPARE(splitter->sizes().at(0), moved);
        QSettings().remove("splitters");
    }

    // The vibration window after one tone and after all tones, whose results
    // make its page grow: its three buttons, four tones and the table of the
    // tones compared with its warnings stay in reach.
    void vibrationWindowAfterARun()
    {
        app->mainWindow().findChild<QAction*>("vibr")->trigger();
        VibrationWindow* vibration = &app->vibrationWindow();
        QVERIFY(vibration->isVisible());
        verifyButtonsInReach(vibration, 7);
        app->trimWindow().fillExample();
        app->trimWindow().calculate();
        click(vibration, vibrationNames::calculate);
        click(vibration, vibrationNames::compareAllTones);
        QVERIFY2(shownErrors.isEmpty(), qPrintable(shownErrors.join('\n')));
        verifyButtonsInReach(vibration, 7);
        // The tones compared and their warnings are in sight together, above the pages.
        for (std::string_view name : {vibrationNames::allTones, vibrationNames::toneNotes}) {
            const QString reach = outOfReach(vibration->findChild<QWidget*>(toQString(name)));
            QVERIFY2(reach.isEmpty(), qPrintable(reach));
        }
    }

    // The report's print preview opens at the page width, its print button
    // shown on the toolbar rather than behind its overflow.
    void printPreviewKeepsItsPrintButton()
    {
        TrimWindow* trim = calculatedExample();
        // The preview runs modally: it is looked at from a timer, and closed
        // whatever was found.
        bool inspected = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            if (!preview || !preview->isVisible())
                return;
            poll.stop();
            inspected = true;
            verifyPreview(preview);
            preview->reject();
        });
        poll.start(50);
        trim->findChild<QAction*>("report")->trigger();
        QVERIFY(inspected);
    }
};

QTEST_MAIN(WindowsInReachTest)
#include "tst_windows_in_reach.moc"
