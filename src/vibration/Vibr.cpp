#include "vibration/Vibr.h"

#include "shell/Main.h"
#include "shell/forms.h"
#include "vibration/vibration.h"
#include "widgets/activation.h"
#include "widgets/chart_printing.h"
#include "widgets/chart_view.h"
#include "widgets/error_display.h"
#include "widgets/grid_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace hullcalc {

TVibrForm::TVibrForm(const TrimSheet& trim, QWidget* parent)
    : QWidget(parent, Qt::Window), trim_(trim), PageControl1(new QTabWidget(this))
{
    setObjectName("VibrForm");
    setWindowTitle("Вибрация");
    resize(1005, 565);
    move(12, 44);
    PageControl1->setObjectName("PageControl1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);

    PageControl1->addTab(inputPage(), "Исходные данные");

    auto* table = new QWidget(PageControl1);
    table->setObjectName("TabSheet2");
    Vibr1Grid = new GridView(sheet_.Vibr1Grid, GridLook{43, 25, false}, table);
    Vibr1Grid->setObjectName("Vibr1Grid");
    auto* tableLayout = new QVBoxLayout(table);
    tableLayout->addWidget(Vibr1Grid);
    PageControl1->addTab(table, "Таблица расчета");

    auto* results = new QWidget(PageControl1);
    results->setObjectName("TabSheet3");
    Label7 = new QLabel(results);
    Label7->setObjectName("Label7");
    Label7->move(8, 88);
    Label8 = new QLabel(results);
    Label8->setObjectName("Label8");
    Label8->move(8, 112);
    for (QLabel* label : {Label7, Label8})
        label->setMinimumWidth(300);
    PageControl1->addTab(results, "Результаты");

    // The table and the correction coefficients are kept out of sight; every
    // calculation fills them all the same.
    PageControl1->setTabVisible(1, false);
    PageControl1->setTabVisible(2, false);
}

// The views read the sheet until they are gone, so they go before it.
TVibrForm::~TVibrForm() { delete PageControl1; }

QWidget* TVibrForm::inputPage()
{
    auto* page = new QWidget(PageControl1);
    page->setObjectName("TabSheet1");
    auto* layout = new QGridLayout(page);

    const char* tones[] = {"I тон колебаний", "II тон колебаний", "III тон колебаний", "IV тон колебаний"};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(tones[i], page);
        button->setObjectName(QString("RadioButton%1").arg(i + 1));
        // The tone's parameters follow the button whenever it becomes checked,
        // by the user or by the activation.
        connect(button, &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                selectTone(sheet_, i + 1);
        });
        layout->addWidget(button, i, 0, 1, 2);
        toneButtons_[static_cast<std::size_t>(i)] = button;
    }
    layout->setRowMinimumHeight(4, 24);

    const std::pair<const char*, QLabel**> results[] = {
        {"Жесткость", &Label4}, {"Масса", &Label5}, {"Частота", &Label6}};
    int row = 5;
    for (const auto& [caption, value] : results) {
        layout->addWidget(new QLabel(caption, page), row, 0);
        *value = new QLabel(page);
        (*value)->setObjectName(QString("Label%1").arg(row - 1));
        (*value)->setMinimumWidth(90);
        (*value)->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(*value, row++, 1);
    }
    layout->setRowStretch(row++, 1);

    auto* calculate = new QPushButton("Расчет", page);
    calculate->setObjectName("SpeedButton8");
    QFont bold = calculate->font();
    bold.setBold(true);
    calculate->setFont(bold);
    calculate->setFocusPolicy(Qt::NoFocus);
    connect(calculate, &QPushButton::clicked, this, &TVibrForm::SpeedButton8Click);
    layout->addWidget(calculate, row, 0, 1, 2);

    ChartLook look;
    look.pointMarks = true;
    look.markSize = 3;
    look.frameAxis = std::pair(1, spacingCount);
    Chart1 = new ChartView(sheet_.Chart1, look, page);
    Chart1->setObjectName("Chart1");
    Chart1->setMinimumSize(500, 360);
    layout->addWidget(Chart1, 0, 2, row, 1);
    auto* print = new QPushButton("Печать графика", page);
    print->setObjectName("Button1");
    connect(print, &QPushButton::clicked, this, &TVibrForm::Button1Click);
    layout->addWidget(print, row, 2, Qt::AlignRight);
    layout->setColumnStretch(2, 1);

    // The tone buttons, the chart, the print button.
    setTabOrder(toneButtons_[3], Chart1);
    setTabOrder(Chart1, print);
    return page;
}

// Each time the user comes to the window: the table headers are written and
// tone I is checked, so that the tone shown and the tone computed agree.
void TVibrForm::FormShow()
{
    writeVibrationHeaders(sheet_);
    toneButtons_[0]->setChecked(true);
    Vibr1Grid->refresh();
}

bool TVibrForm::event(QEvent* event)
{
    if (isActivationFromAnotherForm(this, event))
        FormShow();
    return QWidget::event(event);
}

void TVibrForm::showEvent(QShowEvent* event)
{
    // The first showing sets the window up also where no window manager
    // activates a window that is shown.
    if (!shownBefore_) {
        shownBefore_ = true;
        FormShow();
    }
    QWidget::showEvent(event);
}

void TVibrForm::refreshViews()
{
    Vibr1Grid->refresh();
    Chart1->refresh();
    Label4->setText(QString::fromStdString(sheet_.Label4));
    Label5->setText(QString::fromStdString(sheet_.Label5));
    Label6->setText(QString::fromStdString(sheet_.Label6));
    Label7->setText(QString::fromStdString(sheet_.Label7));
    Label8->setText(QString::fromStdString(sheet_.Label8));
}

void TVibrForm::SpeedButton8Click()
{
    const ShipParticulars particulars = forms().MainForm->particulars();
    const QString error = failureOf([&] { computeVibration(sheet_, trim_, particulars); });
    // Also after a failure: what the calculation wrote before it is shown.
    refreshViews();
    if (!error.isEmpty())
        showError(this, error);
}

void TVibrForm::Button1Click()
{
    runAction(this, [&] { printOnDefaultPrinter({Chart1}); });
}

}  // namespace hullcalc
