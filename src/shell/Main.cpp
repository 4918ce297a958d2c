#include "shell/Main.h"

#include "shell/forms.h"
#include "trim/Udif.h"
#include "vibration/Vibr.h"
#include "widgets/activation.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace hullcalc {

namespace {

struct EditRow {
    const char* name;
    const char* caption;
    const char* startText;
    bool separatorBefore;
};

// Top to bottom, with the captions the user reads and the example ship's texts.
constexpr std::array<EditRow, 9> editRows = {{
    {"ShipD", "Водоизмещение D, т", "1503", false},
    {"ShipL", "Длина расчетная L, м", "75", false},
    {"ShipB", "Ширина расчетная B, м", "11", false},
    {"ShipH", "Высота борта H, м", "3,5", false},
    {"ShipT", "Осадка Т, м", "2,25", false},
    {"ShipDr", "Водоизмещение\nв расчетном случае, т", "886,74", true},
    {"ShipXct", "Центр тяжести судна, м", "-3,72", false},
    {"ShipdL", "Теоретическая  шпация ΔL, м", "3,75", true},
    {"ShipdT", "Растояние между ватерлиниями ΔT, м", "0,39", false},
}};

QFrame* separatorLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("MainForm");
    setWindowTitle("Удифферентовка судна на тихой воде и вибрация");
    createEdits();
    createActions();
    // A fixed window with a client area of 353 x 410 below its menu, at the
    // top left of the screen.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMinimizeButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(353, 410 + menuBar()->sizeHint().height());
    move(3, 0);
}

void TMainForm::createEdits()
{
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    auto* group = new QGroupBox("Главные размерения судна", central);
    outer->addWidget(group);
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(0, 1);

    int row = 0;
    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < editRows.size(); ++i) {
        const EditRow& r = editRows[i];
        if (r.separatorBefore)
            grid->addWidget(separatorLine(group), row++, 0, 1, 2);
        auto* edit = new QLineEdit(r.startText, group);
        edit->setObjectName(r.name);
        edit->setFixedWidth(80);
        auto* label = new QLabel(r.caption, group);
        label->setBuddy(edit);
        label->setWordWrap(true);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row++, 1);
        edits_[i] = edit;
        if (previous)
            setTabOrder(previous, edit);
        previous = edit;
    }
    grid->addWidget(separatorLine(group), row++, 0, 1, 2);

    grid->addWidget(new QLabel("Тип судна:", group), row++, 0, 1, 2);
    auto* types = new QHBoxLayout;
    RadioButton1 = new QRadioButton("Морское", group);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton2 = new QRadioButton("Речное", group);
    RadioButton2->setObjectName("RadioButton2");
    types->addWidget(RadioButton1);
    types->addStretch();
    types->addWidget(RadioButton2);
    types->addStretch();
    grid->addLayout(types, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    setTabOrder(previous, RadioButton1);
    setTabOrder(RadioButton1, RadioButton2);

    // The ship type sets the density of the water the ship floats in. The
    // buttons act only when their state changes, also when set by program.
    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            waterDensity_ = seaWaterDensity;
    });
    connect(RadioButton2, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            waterDensity_ = riverWaterDensity;
    });
    setCentralWidget(central);
}

void TMainForm::createActions()
{
    QAction* udif = menuBar()->addAction("Удифферентовка");
    udif->setObjectName("udif");
    connect(udif, &QAction::triggered, this, &TMainForm::udifClick);
    QAction* vibr = menuBar()->addAction("Вибрация");
    vibr->setObjectName("vibr");
    connect(vibr, &QAction::triggered, this, &TMainForm::vibrClick);
    QAction* quit = menuBar()->addAction("Выход");
    quit->setObjectName("quit");
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

ShipParticulars TMainForm::particulars() const
{
    ShipParticulars p;
    for (std::size_t i = 0; i < ShipParticulars::names.size(); ++i)
        *p.text(ShipParticulars::names[i]) = edits_[i]->text().toStdString();
    p.WaterDensity = waterDensity_;
    return p;
}

// River water is the ship type at start-up. Only the first activation selects
// it: selecting it again on every return to this window would silently undo
// the user's choice of sea water before the next calculation.
void TMainForm::FormActivate()
{
    if (activated_)
        return;
    activated_ = true;
    RadioButton2->setChecked(true);
}

bool TMainForm::event(QEvent* event)
{
    if (isActivationFromAnotherForm(this, event))
        FormActivate();
    return QMainWindow::event(event);
}

void TMainForm::showEvent(QShowEvent* event)
{
    // Shown at start-up before the user can act, also where no window manager
    // activates it.
    FormActivate();
    QMainWindow::showEvent(event);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program, whatever else is open.
    event->accept();
    QApplication::quit();
}

void TMainForm::udifClick() { showAndRaise(forms().UdifForm); }

void TMainForm::vibrClick() { showAndRaise(forms().VibrForm); }

}  // namespace hullcalc
