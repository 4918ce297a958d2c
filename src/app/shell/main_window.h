// The main window: the ship's main particulars and the ship type, which both
// calculations read, and the menu that opens the two calculation windows.
#pragma once

#include "trim/ship_particulars.h"

#include <QMainWindow>

#include <array>
#include <functional>

class QLabel;
class QGridLayout;
class QLineEdit;
class QRadioButton;

class QMenu;

namespace hullcalc {

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // The edits show `particulars` and write every change into it at once.
    explicit MainWindow(ShipParticulars& particulars, QWidget* parent = nullptr);

    // Brings the window to the front with the particular's edit selected.
    void showParticular(const ParticularField* field);

    // Shows the particulars and the ship type anew, after the document was
    // replaced (a project opened). A project without a ship type keeps the one
    // chosen.
    void showDocument();

    // Asked before the window closes and the program ends: whether it may
    // (the application asks the user whether to save changes). By default it may.
    using CloseGuard = std::function<bool(QWidget* parent)>;
    void setCloseGuard(CloseGuard guard);

    // The entries of "Файл → Последние файлы".
    void setRecentFiles(const QStringList& files);

signals:
    // "Файл": the project, as in the trim window's "Файл" menu.
    void openProjectRequested();
    void saveProjectRequested();
    void saveProjectAsRequested();
    void titleBlockRequested();  // "Сведения о проекте…"
    void recentFileRequested(const QString& file);
    void trimWindowRequested();       // "Удифферентовка"
    void vibrationWindowRequested();  // "Вибрация"
    void helpRequested(const QString& topic);
    // The user typed in a particular or chose a ship type.
    void particularsEdited();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createEdits();
    int addParticularEdits(QGridLayout& grid, QWidget* group);
    int addShipTypeButtons(QGridLayout& grid, QWidget* group, int row);
    void createActions();
    void createFileMenu();
    void createHelpMenu();
    void showDraftWarnings();

    ShipParticulars& particulars_;
    std::array<QLineEdit*, particularFields.size()> edits_{};
    QRadioButton* seaGoing_ = nullptr;  // "Морское"
    QRadioButton* river_ = nullptr;     // "Речное"
    QLabel* draftWarning_ = nullptr;    // the draft against the depth and the waterlines
    QSize fixedSize_;                   // without the draft's warning
    bool shipTypeChosen_ = false;       // at the first showing, or by a project opened
    CloseGuard mayClose_;
    QMenu* recentFiles_ = nullptr;
};

}  // namespace hullcalc
