// The trim window: the input tables, every intermediate and final result of
// the trim calculation on its sixteen pages, the summary, the file menu and
// the buttons that run the calculation and open the graph windows.
#pragma once

#include "trim/trim_sheet.h"

#include <QMainWindow>

#include <functional>
#include <vector>

class QAction;
class QLabel;
class QPushButton;
class QTabWidget;

namespace hullcalc {

class ChartView;
struct ChartLook;
class GridView;

class TUdifForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TUdifForm(QWidget* parent = nullptr);
    ~TUdifForm() override;

    TrimSheet& sheet() { return sheet_; }
    QTabWidget* pageControl() const { return PageControl1; }

    // Redraws every grid, chart and label of the window from the sheet, and
    // tells the graph windows.
    void refreshViews();

    // Button and menu handlers, public so that tests can press them.
    void SpeedButton8Click();      // "Расчет"
    void ClearClick();             // "Очистка"
    void ExampleClick();           // "Пример"
    void ShowIntermediateClick();  // "Показать промежуточные значения"
    void HideIntermediateClick();  // "Скрыть промежуточные значения"
    void N7Click();                // "Файл" → "Сохранить" → "Исходные данные"
    void N8Click();                // "Файл" → "Сохранить" → "Результат"
    void N9Click();                // "Файл" → "Загрузить" → "Исходные данные"
    void PrintGraphsClick();       // "Печать графиков"

    // Asks the user for a file name; an empty name means the dialog was
    // cancelled. Tests replace it to answer without a dialog.
    enum class FileDialog { SaveInput, SaveResults, OpenInput };
    using FileChooser = std::function<QString(QWidget* parent, FileDialog dialog)>;
    void setFileChooser(FileChooser chooser);

signals:
    // The sheet's charts changed: the graph windows redraw.
    void sheetChanged();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createPages();
    QAction* action(const QString& caption, const QString& objectName, void (TUdifForm::*handler)());
    void createActions();
    void createMenus();
    QWidget* inputPage();
    QWidget* gridPage(TextGrid& grid, int columnWidth, QWidget* buttonBar = nullptr);
    QWidget* chartPage(TextGrid& grid, int columnWidth, int rowHeight, const ChartModel& chart, const ChartLook& look);
    QWidget* resultsPage();
    QPushButton* button(const QString& objectName, const QString& caption);
    GridView* addGrid(TextGrid& grid, int columnWidth, bool editable, QWidget* parent);
    void FormActivate();
    void setIntermediatePagesVisible(bool visible);
    void keepSelectionOnShownTab(int page);

    TrimSheet sheet_;
    QTabWidget* PageControl1 = nullptr;
    int selectedPage_ = 0;
    std::vector<GridView*> grids_;
    std::vector<ChartView*> charts_;
    std::vector<QLabel*> summaryLabels_;  // Label19 .. Label29
    QAction* showIntermediate_ = nullptr;
    QAction* hideIntermediate_ = nullptr;
    QAction* N7 = nullptr;
    QAction* N8 = nullptr;
    QAction* N9 = nullptr;
    FileChooser chooseFile_;
};

}  // namespace hullcalc
