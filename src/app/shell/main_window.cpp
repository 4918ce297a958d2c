#include "shell/main_window.h"

#include "presentation/main_window_names.h"
#include "trim/design_checks.h"
#include "widgets/activation.h"
#include "widgets/qt_text.h"
#include "widgets/recent_files_menu.h"
#include "widgets/separator_line.h"
#include "widgets/window_placement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace hullcalc {

namespace names = mainWindowNames;

namespace {

// What a particular is, its unit and its sign, for the edit's tooltip.
std::string_view particularHint(const ParticularField& field)
{
    if (field.text == &ShipParticulars::centreOfGravity)
        return "Абсцисса центра тяжести от миделя, м; положительна в нос";
    if (field.text == &ShipParticulars::designDisplacement)
        return "Масса судна в расчетном случае нагрузки, т; объемное водоизмещение — она же, деленная на "
               "плотность воды";
    if (field.text == &ShipParticulars::frameSpacing)
        return "Расстояние между теоретическими шпангоутами, м; L = 20·ΔL";
    if (field.text == &ShipParticulars::waterlineSpacing)
        return "Расстояние между ватерлиниями таблицы ординат, м; ватерлиния 1 — основная";
    if (field.text == &ShipParticulars::displacement)
        return "Справочно: полное водоизмещение судна, т. В расчетах не используется — удифферентовка ведется по "
               "водоизмещению в расчетном случае";
    if (field.text == &ShipParticulars::depth)
        return "Высота борта от основной плоскости до палубы, м. Нужна только расчету продольной прочности («Судно на "
               "волне»): палуба эквивалентного бруса и борт судна на волне; удифферентовка и вибрация ее не "
               "используют";
    if (field.text == &ShipParticulars::verticalCentreOfGravity)
        return "Высота центра тяжести над основной плоскостью, м; не обязательна: по ней — метацентрические "
               "высоты h и H";
    if (field.text == &ShipParticulars::draft)
        return "Справочно: осадка по конструктивную ватерлинию, м. В расчетах не используется (расчетную осадку "
               "находит удифферентовка); проверяется, что она ниже высоты борта H и в пределах ватерлиний таблицы "
               "ординат";
    return "Десятичная запятая: 2,25";
}

// Shown and kept for the user's reference: no calculation reads them.
bool isReferenceOnly(const ParticularField& field)
{
    return field.text == &ShipParticulars::displacement || field.text == &ShipParticulars::draft;
}

// A line separates the main dimensions from the loading case, and that from
// the grid of the lines drawing.
bool separatorBefore(const ParticularField& field)
{
    return field.text == &ShipParticulars::designDisplacement || field.text == &ShipParticulars::frameSpacing;
}

}  // namespace

MainWindow::MainWindow(ShipParticulars& particulars, QWidget* parent)
    : QMainWindow(parent), particulars_(particulars), mayClose_([](QWidget*) { return true; })
{
    setObjectName(toQString(names::window));
    // "[*]" is where the mark of unsaved changes appears.
    setWindowTitle("Удифферентовка судна на тихой воде и вибрация[*]");
    createEdits();
    createActions();
    // A fixed window with a client area of 353 x 440 below its menu, at the
    // top left of the screen; wider where the title needs it to be read whole
    // beside the window's buttons.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMinimizeButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    QFont titleFont = font();
    titleFont.setBold(true);
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(windowTitle().remove("[*]") + "*");
    fixedSize_ = QSize(std::max(353, titleWidth + 125), 440 + menuBar()->sizeHint().height());
    setFixedSize(fixedSize_);
    showDraftWarnings();
    placeOnScreen(this, QPoint(3, 0));
}

void MainWindow::createEdits()
{
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    auto* group = new QGroupBox("Главные размерения судна", central);
    outer->addWidget(group);
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(0, 1);

    int row = addParticularEdits(*grid, group);
    grid->addWidget(createSeparatorLine(group), row++, 0, 1, 2);
    row = addShipTypeButtons(*grid, group, row);
    grid->setRowStretch(row, 1);

    // What is wrong with the draft, as it is typed; the calculation goes on
    // regardless, and the trim window's checks list it too.
    draftWarning_ = new QLabel(central);
    draftWarning_->setObjectName(toQString(names::draftWarning));
    draftWarning_->setWordWrap(true);
    draftWarning_->setStyleSheet("QLabel { background: #fff3c4; padding: 3px; }");
    outer->addWidget(draftWarning_);
    setTabOrder(edits_.back(), seaGoing_);
    setTabOrder(seaGoing_, river_);
    setCentralWidget(central);
}

// One row a particular, its caption (marked where no calculation reads it)
// beside its edit; returns the row after them.
int MainWindow::addParticularEdits(QGridLayout& grid, QWidget* group)
{
    int row = 0;
    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < particularFields.size(); ++i) {
        const ParticularField& field = particularFields[i];
        if (separatorBefore(field))
            grid.addWidget(createSeparatorLine(group), row++, 0, 1, 2);
        auto* edit = new QLineEdit(QString::fromStdString(particulars_.*field.text), group);
        edit->setObjectName(toQString(field.key));
        edit->setFixedWidth(80);
        edit->setToolTip(toQString(particularHint(field)));
        connect(edit, &QLineEdit::textChanged, this,
                [this, &field](const QString& text) { particulars_.*field.text = text.toStdString(); });
        connect(edit, &QLineEdit::textEdited, this, &MainWindow::particularsEdited);
        connect(edit, &QLineEdit::textChanged, this, &MainWindow::showDraftWarnings);
        auto* label = new QLabel(group);
        if (isReferenceOnly(field))
            label->setText(toQString(field.caption).toHtmlEscaped()
                           + " <span style=\"color:#707070\">(справочно)</span>");
        else
            label->setText(toQString(field.caption));
        label->setToolTip(edit->toolTip());
        label->setBuddy(edit);
        label->setWordWrap(true);
        grid.addWidget(label, row, 0);
        grid.addWidget(edit, row++, 1);
        edits_[i] = edit;
        if (previous)
            setTabOrder(previous, edit);
        previous = edit;
    }
    return row;
}

// The ship type sets the density of the water the ship floats in. The
// buttons act only when their state changes, also when set by program.
int MainWindow::addShipTypeButtons(QGridLayout& grid, QWidget* group, int row)
{
    grid.addWidget(new QLabel("Тип судна:", group), row++, 0, 1, 2);
    auto* types = new QHBoxLayout;
    seaGoing_ = new QRadioButton("Морское", group);
    seaGoing_->setObjectName(toQString(names::seaGoing));
    river_ = new QRadioButton("Речное", group);
    river_->setObjectName(toQString(names::river));
    types->addWidget(seaGoing_);
    types->addStretch();
    types->addWidget(river_);
    types->addStretch();
    grid.addLayout(types, row++, 0, 1, 2);

    connect(seaGoing_, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            particulars_.shipType = ShipType::sea;
    });
    connect(river_, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            particulars_.shipType = ShipType::river;
    });
    connect(seaGoing_, &QRadioButton::clicked, this, &MainWindow::particularsEdited);
    connect(river_, &QRadioButton::clicked, this, &MainWindow::particularsEdited);
    return row;
}

// "Файл": the project where the particulars are typed, as the trim window
// offers it beside its tables.
void MainWindow::createFileMenu()
{
    QMenu* file = menuBar()->addMenu("&Файл");
    file->setObjectName(toQString(names::fileMenu));
    recentFiles_ = addProjectCommands(*file, this);
    file->addSeparator();
    file->addAction("Вы&ход", this, &QWidget::close);
}

void MainWindow::setRecentFiles(const QStringList& files)
{
    fillRecentFilesMenu(*recentFiles_, files, [this](const QString& file) { emit recentFileRequested(file); });
}

void MainWindow::createActions()
{
    createFileMenu();
    QAction* trim = menuBar()->addAction("&Удифферентовка");
    trim->setObjectName(toQString(names::trimAction));
    trim->setToolTip("Таблицы ординат и масс, расчет удифферентовки и нагрузок");
    connect(trim, &QAction::triggered, this, &MainWindow::trimWindowRequested);
    QAction* vibration = menuBar()->addAction("&Вибрация");
    vibration->setObjectName(toQString(names::vibrationAction));
    connect(vibration, &QAction::triggered, this, &MainWindow::vibrationWindowRequested);
    QAction* help = menuBar()->addAction("&Справка");
    help->setShortcut(QKeySequence::HelpContents);
    help->setShortcutContext(Qt::WindowShortcut);
    addAction(help);
    connect(help, &QAction::triggered, this, [this] { emit helpRequested("particulars"); });
    QAction* quit = menuBar()->addAction("Вы&ход");
    quit->setObjectName(toQString(names::quitAction));
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::showDraftWarnings()
{
    QStringList lines;
    for (const Warning& warning : checkDraft(particulars_))
        lines.append("⚠ " + toQString(warning.message));
    draftWarning_->setText(lines.join('\n'));
    draftWarning_->setVisible(!lines.isEmpty());
    // The window grows by the warning rather than squeezing the edits.
    if (fixedSize_.isEmpty())
        return;
    const int margins = centralWidget()->layout()->contentsMargins().left() * 2;
    const int extra = lines.isEmpty() ? 0
                                      : draftWarning_->heightForWidth(fixedSize_.width() - margins)
                                            + centralWidget()->layout()->spacing();
    setFixedSize(fixedSize_ + QSize(0, extra));
}

void MainWindow::showParticular(const ParticularField* field)
{
    showAndRaise(this);
    for (std::size_t i = 0; i < particularFields.size(); ++i) {
        if (&particularFields[i] != field)
            continue;
        edits_[i]->setFocus();
        edits_[i]->selectAll();
    }
}

// River water is the ship type at start-up, selected when the window is first
// shown, before the user can act. Only then: selecting it again on every return
// to this window would silently undo the user's choice of sea water before the
// next calculation.
void MainWindow::showEvent(QShowEvent* event)
{
    if (!shipTypeChosen_) {
        shipTypeChosen_ = true;
        river_->setChecked(true);
    }
    QMainWindow::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program, whatever else is open - once
    // the changes not yet saved are saved or given up.
    if (!mayClose_(this)) {
        event->ignore();
        return;
    }
    event->accept();
    QApplication::quit();
}

void MainWindow::setCloseGuard(CloseGuard guard)
{
    mayClose_ = guard ? std::move(guard) : CloseGuard([](QWidget*) { return true; });
}

void MainWindow::showDocument()
{
    const ShipParticulars shown = particulars_;
    for (std::size_t i = 0; i < particularFields.size(); ++i)
        edits_[i]->setText(QString::fromStdString(shown.*particularFields[i].text));
    if (shown.shipType == ShipType::sea)
        seaGoing_->setChecked(true);
    else if (shown.shipType == ShipType::river)
        river_->setChecked(true);
    else if (seaGoing_->isChecked() || river_->isChecked())
        particulars_.shipType = seaGoing_->isChecked() ? ShipType::sea : ShipType::river;
    shipTypeChosen_ = true;
}

}  // namespace hullcalc
