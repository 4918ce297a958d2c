#include "vibration/vibration_window.h"

#include "common/number_text.h"
#include "trim/trim_window_names.h"
#include "vibration/beam_model.h"
#include "vibration/vibration.h"
#include "vibration/vibration_window_names.h"
#include "widgets/activation.h"
#include "widgets/chart_printing.h"
#include "widgets/chart_view.h"
#include "widgets/error_display.h"
#include "widgets/grid_view.h"
#include "widgets/qt_text.h"
#include "widgets/window_placement.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace hullcalc {

namespace names = vibrationWindowNames;

namespace {

// The circular frequency's text (1/s) also in hertz and in cycles per minute,
// the units vibration limits and measurements use.
QString frequencyInOtherUnits(const std::string& perSecond)
{
    if (perSecond.empty())
        return {};
    try {
        const Frequency frequency = frequencyOf(parseNumber(perSecond));
        return QString("= %1 Гц = %2 кол/мин")
            .arg(toQString(formatFixed(frequency.hertz, 3)), toQString(formatFixed(frequency.perMinute, 1)));
    } catch (const Error&) {
        return {};
    }
}

ChartLook modeShapeLook()
{
    ChartLook look;
    look.pointMarks = true;
    look.markSize = 3;
    look.frameAxis = std::pair(1, spacingCount);
    return look;
}

}  // namespace

VibrationWindow::VibrationWindow(VibrationSheet& sheet, const TrimSheet& trim, const ShipParticulars& particulars,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window), sheet_(sheet), trim_(trim), particulars_(particulars), pages_(new QTabWidget(this))
{
    setObjectName(toQString(names::window));
    setWindowTitle("Вибрация");
    resize(1005, 565);
    placeOnScreen(this, QPoint(12, 44));
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [this] { emit helpRequested("vibration"); });
    pages_->setObjectName(toQString(names::pages));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_);

    pages_->addTab(inputPage(), "Исходные данные");

    auto* tablePage = new QWidget(pages_);
    tablePage->setObjectName(toQString(names::tablePage));
    table_ = new GridView(sheet_.table, GridLook{43, 25, false}, tablePage);
    table_->setObjectName(toQString(names::table));
    auto* tableLayout = new QVBoxLayout(tablePage);
    tableLayout->addWidget(table_);
    pages_->addTab(tablePage, "Таблица расчета");

    // The shift and turn of the mode shape.
    auto* results = new QWidget(pages_);
    results->setObjectName(toQString(names::resultsPage));
    for (std::size_t i = 3; i < 5; ++i) {
        auto* label = new QLabel(results);
        label->setObjectName(toQString(names::resultLabels[i].name));
        label->move(8, i == 3 ? 88 : 112);
        label->setMinimumWidth(300);
        resultLabels_[i] = label;
    }
    pages_->addTab(results, "Результаты");

    // The table and the correction coefficients are kept out of sight; every
    // calculation fills them all the same.
    pages_->setTabVisible(1, false);
    pages_->setTabVisible(2, false);
}

QWidget* VibrationWindow::inputPage()
{
    auto* page = new QWidget(pages_);
    page->setObjectName(toQString(names::inputPage));
    auto* layout = new QGridLayout(page);

    const char* tones[] = {"I тон колебаний", "II тон колебаний", "III тон колебаний", "IV тон колебаний"};
    for (int i = 0; i < highestTone; ++i) {
        auto* button = new QRadioButton(tones[i], page);
        button->setObjectName(toQString(names::toneButtons[static_cast<std::size_t>(i)]));
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

    // Generalized stiffness and mass of the energy method, and the natural
    // (circular) frequency ω = √(C/M).
    const char* captions[] = {"Жесткость", "Масса", "Частота"};
    const char* units[] = {"кН/м", "т", "1/с"};
    int row = 5;
    for (std::size_t i = 0; i < 3; ++i) {
        layout->addWidget(new QLabel(captions[i], page), row, 0);
        auto* value = new QLabel(page);
        value->setObjectName(toQString(names::resultLabels[i].name));
        value->setMinimumWidth(90);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(value, row, 1);
        layout->addWidget(new QLabel(units[i], page), row++, 2);
        resultLabels_[i] = value;
    }
    frequencyUnits_ = new QLabel(page);
    frequencyUnits_->setObjectName("frequencyInOtherUnits");
    frequencyUnits_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(frequencyUnits_, row++, 0, 1, 3);
    auto* inertiaCaption = new QLabel("Моменты инерции сечений, м⁴", page);
    inertiaCaption->setWordWrap(true);
    layout->addWidget(inertiaCaption, row++, 0, 1, 3);
    inertia_ = new GridView(sheet_.sectionInertia, GridLook{70, 22, true}, page);
    inertia_->setObjectName("sectionInertia");
    inertia_->setMinimumHeight(160);
    layout->addWidget(inertia_, row, 0, 1, 3);
    layout->setRowStretch(row++, 1);

    auto* calculateButton = new QPushButton("Расчет", page);
    calculateButton->setObjectName(toQString(names::calculate));
    QFont bold = calculateButton->font();
    bold.setBold(true);
    calculateButton->setFont(bold);
    calculateButton->setFocusPolicy(Qt::NoFocus);
    connect(calculateButton, &QPushButton::clicked, this, &VibrationWindow::calculate);
    layout->addWidget(calculateButton, row, 0, 1, 3);

    modeShape_ = new ChartView(sheet_.modeShape, modeShapeLook(), page);
    modeShape_->setObjectName(toQString(names::modeShape));
    modeShape_->setMinimumSize(500, 360);
    layout->addWidget(modeShape_, 0, 3, row, 1);
    auto* print = new QPushButton("Печать графика", page);
    print->setObjectName(toQString(names::printChart));
    connect(print, &QPushButton::clicked, this, &VibrationWindow::printChart);
    layout->addWidget(print, row, 3, Qt::AlignRight);
    layout->setColumnStretch(3, 1);

    // The tone buttons, the inertias, the chart, the print button.
    setTabOrder(toneButtons_[3], inertia_);
    setTabOrder(inertia_, modeShape_);
    setTabOrder(modeShape_, print);
    return page;
}

// Each time the user comes to the window the table headers are written. Tone I
// is checked the first time; later the tone the user chose stays, so that the
// tone shown and the results shown always agree.
void VibrationWindow::activate()
{
    writeVibrationHeaders(sheet_);
    if (sheet_.tone == 0)
        toneButtons_[0]->setChecked(true);
    table_->refresh();
    inertia_->refresh();
}

bool VibrationWindow::event(QEvent* event)
{
    if (isActivationFromAnotherWindow(this, event))
        activate();
    return QWidget::event(event);
}

void VibrationWindow::showEvent(QShowEvent* event)
{
    // The first showing sets the window up also where no window manager
    // activates a window that is shown.
    if (!shownBefore_) {
        shownBefore_ = true;
        activate();
    }
    QWidget::showEvent(event);
}

void VibrationWindow::refreshViews()
{
    table_->refresh();
    modeShape_->refresh();
    for (std::size_t i = 0; i < resultLabels_.size(); ++i)
        resultLabels_[i]->setText(QString::fromStdString(sheet_.*names::resultLabels[i].text));
    frequencyUnits_->setText(frequencyInOtherUnits(sheet_.frequency));
}

void VibrationWindow::calculate()
{
    clearVibrationResults(sheet_);
    const Failure failure = catchFailure([&] { computeVibration(trimmedHull(trim_), particulars_, sheet_); });
    // Also after a failure: what this run wrote before it is shown.
    refreshViews();
    if (!failure)
        return;
    const QString place = pointAt(failure);
    showError(this, place.isEmpty() ? failure.message : failure.message + "\n" + place);
}

void VibrationWindow::clearResults()
{
    clearVibrationResults(sheet_);
    refreshViews();
}

// Where the failure's cause stands, as a line for the message: an inertia of
// this window is selected; a particular's edit is shown by the main window.
QString VibrationWindow::pointAt(const Failure& failure)
{
    try {
        std::rethrow_exception(failure.exception);
    } catch (const CellError& e) {
        if (&e.grid() == &sheet_.sectionInertia) {
            inertia_->setCurrentIndex(inertia_->model()->index(e.row() - 1, e.column() - 1));
            inertia_->setFocus();
            return "«Вибрация», шпация «" + toQString(sheet_.sectionInertia.cell(0, e.row())) + "»";
        }
        return toQString(cellLocation(trim_, e));
    } catch (const ParticularError& e) {
        emit particularToShow(&e.field());
        return toQString(particularLocation(e));
    } catch (...) {
    }
    return {};
}

void VibrationWindow::printChart()
{
    runAction(this, [&] { printOnDefaultPrinter({{sheet_.modeShape, modeShapeLook()}}); });
}

}  // namespace hullcalc
