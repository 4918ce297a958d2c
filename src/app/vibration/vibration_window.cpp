#include "vibration/vibration_window.h"

#include "common/display_precision.h"
#include "common/number_text.h"
#include "presentation/trim_window_names.h"
#include "presentation/vibration_window_names.h"
#include "run/failure_place.h"
#include "vibration/beam_model.h"
#include "vibration/kumai_estimate.h"
#include "vibration/tone_comparison.h"
#include "vibration/vibration.h"
#include "widgets/chart_looks.h"
#include "widgets/chart_printing.h"
#include "widgets/chart_view.h"
#include "widgets/error_display.h"
#include "widgets/full_precision_action.h"
#include "widgets/grid_view.h"
#include "widgets/outdated_notice.h"
#include "widgets/qt_text.h"
#include "widgets/text_grid_model.h"
#include "widgets/undo_actions.h"
#include "widgets/window_placement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace hullcalc {

namespace names = vibrationWindowNames;

namespace {

// A circular frequency in hertz and in cycles per minute, the units vibration
// limits and measurements use: "= 0,747 Гц = 44,8 кол/мин".
QString inOtherUnits(const Frequency& f)
{
    return QString("= %1 Гц = %2 кол/мин")
        .arg(toQString(formatFixed(f.hertz, 3)), toQString(formatFixed(f.perMinute, 1)));
}

QString frequencyText(double circularFrequency)
{
    const Frequency f = frequencyOf(circularFrequency);
    return toQString(formatFixed(f.perSecond, 4)) + " 1/с " + inOtherUnits(f);
}

// The energy method's frequency text (1/s) in the other units; empty while
// there is none.
QString frequencyInOtherUnits(const std::string& perSecond)
{
    const std::optional<double> omega = numberOrNothing(perSecond);
    return omega ? inOtherUnits(frequencyOf(*omega)) : QString();
}

}  // namespace

VibrationWindow::VibrationWindow(VibrationSheet& sheet, const ShipRun& run, QUndoStack& undo,
                                 const ErrorDisplay& errors, QWidget* parent)
    : QWidget(parent, Qt::Window),
      sheet_(sheet),
      run_(run),
      undo_(undo),
      errors_(errors),
      pages_(new QTabWidget(this)),
      runChain_([](RunStep) {})
{
    setObjectName(toQString(names::window));
    setWindowTitle("Вибрация");
    // The spacings and the numbers of the columns; nothing writes them again.
    writeVibrationHeaders(sheet_);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [this] { emit helpRequested("vibration"); });
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, &undo_, &QUndoStack::undo);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), this), &QShortcut::activated, &undo_, &QUndoStack::redo);
    connect(new QShortcut(Qt::Key_F9, this), &QShortcut::activated, this, &VibrationWindow::calculate);
    pages_->setObjectName(toQString(names::pages));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    outdatedNotice_ = createOutdatedNotice("Исходные данные изменены — результаты устарели (F9 — пересчитать)",
                                           names::outdatedNotice, this);
    layout->addWidget(outdatedNotice_);
    layout->addWidget(pages_);
    fullPrecision_ = createFullPrecisionAction(this, [this](bool full) {
        table_->gridModel()->setFullPrecision(full);
        showResults();
    });
    auto* menus = new QMenuBar(this);
    menus->addMenu("&Вид")->addAction(fullPrecision_);
    layout->setMenuBar(menus);
    addPages();
    showGridFailures(this, errors_);
}

void VibrationWindow::addPages()
{
    // The page scrolls where the screen is smaller than the page needs; its
    // buttons stay below it, in sight whatever the page's content.
    auto* firstPage = new QWidget(pages_);
    auto* scrolled = new QScrollArea(firstPage);
    scrolled->setWidget(inputPage());
    scrolled->setWidgetResizable(true);
    scrolled->setFrameShape(QFrame::NoFrame);
    auto* firstPageLayout = new QVBoxLayout(firstPage);
    firstPageLayout->setContentsMargins(0, 0, 0, 0);
    firstPageLayout->addWidget(scrolled, 1);
    QWidget* buttons = buttonBar();
    firstPageLayout->addWidget(buttons);
    pages_->addTab(firstPage, "Исходные данные");
    // 1005 × 565, or larger where the page needs it with this platform's
    // fonts; smaller where the screen is, the page then scrolling.
    resize(QSize(1005, 565).expandedTo(
        scrolled->widget()->sizeHint()
        + QSize(8, 40 + layout()->menuBar()->sizeHint().height() + buttons->sizeHint().height())));
    placeOnScreen(this, QPoint(12, 44));

    auto* tablePage = new QWidget(pages_);
    tablePage->setObjectName(toQString(names::tablePage));
    table_ = new GridView(sheet_.table, GridLook{43, 25, false}, tablePage);
    table_->setObjectName(toQString(names::table));
    captionTable();
    table_->gridModel()->setFullPrecision(fullPrecision_->isChecked());
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
    addToneButtons(*layout, page);
    layout->setRowMinimumHeight(4, 24);
    int row = addEnergyMethodResults(*layout, page, 5);
    frequencyUnits_ = new QLabel(page);
    frequencyUnits_->setObjectName(toQString(names::frequencyInOtherUnits));
    frequencyUnits_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(frequencyUnits_, row++, 0, 1, 3);
    auto* inertiaCaption = new QLabel("Моменты инерции сечений, м⁴", page);
    inertiaCaption->setWordWrap(true);
    layout->addWidget(inertiaCaption, row++, 0, 1, 3);
    inertia_ = new GridView(sheet_.sectionInertia, GridLook{70, 22, true}, page);
    inertia_->setObjectName(toQString(names::sectionInertia));
    inertia_->gridModel()->setCornerCaption("Шпация");
    inertia_->gridModel()->setHeaderCaptions(Qt::Horizontal, {"i, м⁴"});
    // An edit of the inertias is an undo step of the document and a change to save.
    editInertia_ = undoableEdits(*inertia_, sheet_.sectionInertia, undo_, [this] { emit inputEdited(); });
    inertia_->gridModel()->setEditRunner(editInertia_);
    inertia_->setMinimumHeight(160);
    layout->addWidget(inertia_, row, 0, 1, 3);
    layout->setRowStretch(row++, 1);
    layout->addLayout(chartColumn(page), 0, 3, row, 1);
    layout->setColumnStretch(3, 1);

    // The tone buttons, the inertias, the chart.
    setTabOrder(toneButtons_[3], inertia_);
    setTabOrder(inertia_, modeShape_);
    return page;
}

void VibrationWindow::addToneButtons(QGridLayout& layout, QWidget* page)
{
    const char* tones[] = {"I тон колебаний", "II тон колебаний", "III тон колебаний", "IV тон колебаний"};
    for (int i = 0; i < highestTone; ++i) {
        auto* button = new QRadioButton(tones[i], page);
        button->setObjectName(toQString(names::toneButtons[static_cast<std::size_t>(i)]));
        // The tone's parameters follow the button whenever it becomes checked,
        // by the user or by the activation.
        connect(button, &QRadioButton::toggled, this, [this, i](bool checked) {
            if (!checked)
                return;
            // The run holds every tone: the one chosen is shown as it computed it.
            selectTone(sheet_, i + 1);
            if (run_.toneRun(i + 1)) {
                showToneResults(run_, i + 1, sheet_);
                refreshViews();
            }
        });
        layout.addWidget(button, i, 0, 1, 2);
        toneButtons_[static_cast<std::size_t>(i)] = button;
    }
}

// Generalized stiffness and mass of the energy method, and the natural
// (circular) frequency ω = √(C/M), from `row` on.
int VibrationWindow::addEnergyMethodResults(QGridLayout& layout, QWidget* page, int row)
{
    const char* captions[] = {"Жесткость", "Масса", "Частота"};
    const char* units[] = {"кН/м", "т", "1/с"};
    for (std::size_t i = 0; i < 3; ++i) {
        layout.addWidget(new QLabel(captions[i], page), row, 0);
        auto* value = new QLabel(page);
        value->setObjectName(toQString(names::resultLabels[i].name));
        value->setMinimumWidth(90);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout.addWidget(value, row, 1);
        layout.addWidget(new QLabel(units[i], page), row++, 2);
        resultLabels_[i] = value;
    }
    return row;
}

// The mode shapes, the chosen tone by the beam model, all tones by both
// methods and the Kumai estimate, one below the other.
QVBoxLayout* VibrationWindow::chartColumn(QWidget* page)
{
    // The chart shows the energy method's mode shape and the beam model's
    // beside it; the sheet keeps the energy method's alone.
    shownShapes_.title = sheet_.modeShape.title;
    shownShapes_.series.emplace_back("Энергетический метод", colours::black, SeriesKind::Line, PointOrder::AscendingX);
    shownShapes_.series.emplace_back("Балочная модель", colours::blue, SeriesKind::Line, PointOrder::AscendingX);
    modeShape_ = new ChartView(shownShapes_, modeShapeLook(), page);
    modeShape_->setObjectName(toQString(names::modeShape));
    modeShape_->setMinimumSize(500, 300);
    beamModel_ = new QLabel(page);
    beamModel_->setObjectName(toQString(names::beamModel));
    beamModel_->setWordWrap(true);
    beamModel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    tones_ = new QTableWidget(0, 9, page);
    tones_->setObjectName(toQString(names::allTones));
    tones_->setHorizontalHeaderLabels(
        {"Тон", "ω, 1/с", "Гц", "кол/мин", "к I тону", "Балочная\nмодель ω, 1/с", "Гц", "кол/мин", "Разница, %"});
    tones_->verticalHeader()->hide();
    tones_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tones_->setMaximumHeight(tones_->horizontalHeader()->sizeHint().height()
                             + 4 * tones_->verticalHeader()->defaultSectionSize() + 2 * tones_->frameWidth() + 2);
    tones_->setToolTip(
        "Тоны I–IV: энергетический метод и конечно-элементная балочная модель корпуса; щелчок по "
        "строке показывает тон на графике");
    tones_->setSelectionBehavior(QAbstractItemView::SelectRows);
    connect(tones_, &QTableWidget::cellClicked, this, [this](int row, int) { showComparedTone(row); });
    kumai_ = new QLabel(page);
    kumai_->setObjectName(toQString(names::kumaiEstimate));
    kumai_->setWordWrap(true);
    kumai_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* column = new QVBoxLayout;
    column->addWidget(modeShape_, 1);
    column->addWidget(beamModel_);
    column->addWidget(tones_);
    column->addWidget(kumai_);
    return column;
}

// "Расчет", "Все тоны" and "Печать графика" in a row below the page.
QWidget* VibrationWindow::buttonBar()
{
    auto* bar = new QWidget(this);
    auto* calculateButton = new QPushButton("&Расчет", bar);
    calculateButton->setObjectName(toQString(names::calculate));
    QFont bold = calculateButton->font();
    bold.setBold(true);
    calculateButton->setFont(bold);
    calculateButton->setFocusPolicy(Qt::NoFocus);
    calculateButton->setToolTip(
        "Частота и форма выбранного тона по расчетной ватерлинии последнего расчета "
        "удифферентовки");
    connect(calculateButton, &QPushButton::clicked, this, &VibrationWindow::calculate);
    auto* allTones = new QPushButton("&Все тоны", bar);
    allTones->setObjectName(toQString(names::compareAllTones));
    allTones->setToolTip("Рассчитать тоны I–IV обоими методами; выбранный тон и его график не меняются");
    connect(allTones, &QPushButton::clicked, this, &VibrationWindow::compareAllTones);
    auto* print = new QPushButton("Пе&чать графика", bar);
    print->setObjectName(toQString(names::printChart));
    print->setToolTip("График формы колебаний на принтер или в файл PDF");
    connect(print, &QPushButton::clicked, this, &VibrationWindow::printChart);
    auto* layout = new QHBoxLayout(bar);
    layout->addWidget(calculateButton);
    layout->addWidget(allTones);
    layout->addStretch();
    layout->addWidget(print);
    return bar;
}

// The columns by their quantities and the last row as the sums it holds,
// over the grid's column numbers and spacings; the numbers shown rounded by
// the column's quantity.
void VibrationWindow::captionTable()
{
    TextGridModel* model = table_->gridModel();
    const VibrationTableCaptions captions = vibrationTableCaptions();
    model->setHeaderCaptions(Qt::Horizontal, toQStringList(captions.columns));
    model->setHeaderCaptions(Qt::Vertical, toQStringList(captions.rows));
    model->setCornerCaption("Шпация");
    model->setCellPrecision([](int column, int) { return vibrationColumnPrecision(column); });
}

// Tone I is checked the first time; later the tone the user chose stays, so
// that the tone shown and the results shown always agree.
void VibrationWindow::activate()
{
    // "Полная точность" may have been switched in another window.
    syncFullPrecision(fullPrecision_);
    if (sheet_.tone == 0)
        toneButtons_[0]->setChecked(true);
    table_->refresh();
    inertia_->refresh();
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
    showResults();
    frequencyUnits_->setText(frequencyInOtherUnits(sheet_.frequency));
    showModeShapes();
}

// The generalized stiffness and mass rounded as the tables show magnitudes and
// masses; the frequency, δ and β keep the four decimals they are written with.
// The stored text is the tooltip.
void VibrationWindow::showResults()
{
    constexpr std::array<DisplayPrecision, 5> precision = {DisplayPrecision::magnitude, DisplayPrecision::forceOrMass,
                                                           DisplayPrecision::asStored, DisplayPrecision::asStored,
                                                           DisplayPrecision::asStored};
    const bool full = fullPrecision_->isChecked();
    for (std::size_t i = 0; i < resultLabels_.size(); ++i) {
        const std::string& stored = sheet_.*names::resultLabels[i].text;
        resultLabels_[i]->setText(toQString(full ? stored : displayText(stored, precision[i])));
        resultLabels_[i]->setToolTip(toQString(stored));
    }
}

void VibrationWindow::setChainRunner(ChainRunner runner)
{
    runChain_ = runner ? std::move(runner) : ChainRunner([](RunStep) {});
}

void VibrationWindow::setResultsOutdated(bool outdated) { outdatedNotice_->setVisible(outdated); }

// The chain up to the tones, the trim calculation included, on the current
// input; the failure of the first step that stopped is shown with its place.
void VibrationWindow::calculate()
{
    errors_.run(this, [&] {
        runChain_(RunStep::tones);
        for (const RunStep step : {RunStep::trim, RunStep::tones})
            if (const StepRecord& record = run_.step(step); record.failed()) {
                const QString place = pointAt(*record.failure);
                errors_.show(this, toQString(userMessage(record.failure->message)), place);
                return;
            }
    });
}

void VibrationWindow::setEverySectionInertia(const QString& inertia)
{
    editInertia_("Момент инерции эквивалентного бруса", [&] {
        for (int row = 1; row < sheet_.sectionInertia.rowCount(); ++row)
            sheet_.sectionInertia.setCell(1, row, inertia.toStdString());
    });
}

// Tones I to IV by both methods with Kumai's estimate, as the run computes
// every tone: the chosen tone's table and chart stay the chosen tone's.
void VibrationWindow::compareAllTones()
{
    errors_.run(this, [&] {
        runChain_(RunStep::kumai);
        for (const RunStep step : {RunStep::trim, RunStep::tones, RunStep::kumai})
            if (const StepRecord& record = run_.step(step); record.failed()) {
                const QString place = pointAt(*record.failure);
                errors_.show(this, toQString(userMessage(record.failure->message)), place);
                return;
            }
    });
}

void VibrationWindow::showRun()
{
    refreshViews();
    showComparedTones();
}

// The tones compared, Kumai's estimate and the remarks on both; a step that
// did not complete says so in their place.
void VibrationWindow::showComparedTones()
{
    tones_->setRowCount(0);
    kumai_->clear();
    comparedTones_ = run_.comparedTones();
    const auto cell = [](const std::string& text) {
        auto* item = new QTableWidgetItem(toQString(text));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return item;
    };
    const std::vector<ToneSummary>& tones = comparedTones_;
    tones_->setRowCount(static_cast<int>(tones.size()));
    for (int row = 0; row < static_cast<int>(tones.size()); ++row) {
        const ToneSummary& tone = tones[static_cast<std::size_t>(row)];
        const Frequency energy = frequencyOf(tone.energyFrequency);
        const Frequency beam = frequencyOf(tone.beamFrequency);
        tones_->setItem(row, 0, new QTableWidgetItem(toQString(toneNumeral(tone.tone))));
        tones_->setItem(row, 1, cell(formatFixed(energy.perSecond, 4)));
        tones_->setItem(row, 2, cell(formatFixed(energy.hertz, 3)));
        tones_->setItem(row, 3, cell(formatFixed(energy.perMinute, 1)));
        tones_->setItem(row, 4, cell(formatFixed(tone.energyFrequency / tones.front().energyFrequency, 3)));
        tones_->setItem(row, 5, cell(formatFixed(beam.perSecond, 4)));
        tones_->setItem(row, 6, cell(formatFixed(beam.hertz, 3)));
        tones_->setItem(row, 7, cell(formatFixed(beam.perMinute, 1)));
        tones_->setItem(row, 8, cell(formatFixed(differencePercent(tone.beamFrequency, tone.energyFrequency), 1)));
    }
    tones_->resizeColumnsToContents();
    QStringList notes;
    if (run_.kumai)
        notes << QString("I тон по эмпирической формуле Кумаи: N = %1 кол/мин; энергетический метод отличается на %2 %")
                         .arg(toQString(formatFixed(run_.kumai->perMinute, 1)),
                              toQString(formatFixed(run_.kumai->differencePercent, 1)))
                     + (run_.kumai->note.empty() ? QString() : " (" + toQString(run_.kumai->note) + ")");
    for (const std::string& warning : toneDifferenceWarnings(tones))
        notes << toQString(warning);
    for (const RunStep step : {RunStep::tones, RunStep::kumai}) {
        const StepRecord& record = run_.step(step);
        if (record.failed())
            notes << "Не рассчитано (" + toQString(stepCaption(step))
                         + "): " + toQString(firstLine(userMessage(record.failure->message)))
                         + (record.failure->place.label.empty() ? QString()
                                                                : "; место: " + toQString(record.failure->place.label));
        else if (!record.why.empty())
            notes << toQString(record.why);
    }
    kumai_->setText(notes.join('\n'));
}

// Where the failure's cause stands, as a line for the message: an inertia of
// this window is selected; a particular's edit is shown by the main window.
QString VibrationWindow::pointAt(const RunFailure& failure)
{
    if (failure.cell.particular) {
        emit particularToShow(failure.cell.particular);
    } else if (failure.cell.grid == names::sectionInertia) {
        inertia_->setCurrentIndex(inertia_->model()->index(failure.cell.row - 1, failure.cell.column - 1));
        inertia_->setFocus();
    }
    return toQString(failure.place.label);
}

// The energy method's shape as the sheet holds it, at the spacings' middles,
// and the beam model's at the same points - the mean of the deflections of the
// spacing's two frames - scaled to the same largest deflection and turned to
// the same sign at the bow, so that the two shapes can be compared.
void VibrationWindow::showModeShapes()
{
    std::vector<double> energy;
    for (const ChartPoint& point : sheet_.modeShape.series.at(0).points())
        energy.push_back(point.y);
    // The shown table is the chosen tone's of the run, so is its beam model.
    const ToneRun* tone = sheet_.frequency.empty() ? nullptr : run_.toneRun(sheet_.tone);
    const std::optional<ToneSummary> beam = tone ? tone->beam : std::nullopt;
    drawModeShapes(energy, beam ? beam->beamShape : std::vector<double>());
    if (tone && tone->beamError) {
        beamModel_->setText("Балочная модель не построена: " + toQString(*tone->beamError));
        return;
    }
    if (!beam) {
        beamModel_->clear();
        return;
    }
    QString text = "По балочной модели: " + frequencyText(beam->beamFrequency) + "; отличие от энергетического метода "
                   + toQString(formatFixed(differencePercent(beam->beamFrequency, beam->energyFrequency), 1)) + " %";
    for (const std::string& warning : toneDifferenceWarnings({*beam}))
        text += "\n" + toQString(warning);
    beamModel_->setText(text);
}

void VibrationWindow::drawModeShapes(const std::vector<double>& energy, const std::vector<double>& beam)
{
    shownShapes_.clear();
    for (std::size_t spacing = 0; spacing < energy.size(); ++spacing)
        shownShapes_.series[0].append(static_cast<double>(spacing + 1), energy[spacing]);
    if (!energy.empty() && beam.size() > energy.size()) {
        std::vector<double> middles;
        for (std::size_t spacing = 1; spacing < beam.size(); ++spacing)
            middles.push_back((beam[spacing - 1] + beam[spacing]) / 2);
        double largestEnergy = 0.0;
        for (const double w : energy)
            largestEnergy = std::max(largestEnergy, std::fabs(w));
        double largestBeam = 0.0;
        for (const double w : middles)
            largestBeam = std::max(largestBeam, std::fabs(w));
        const double sign = (energy.front() < 0) == (middles.front() < 0) ? 1.0 : -1.0;
        const double scale = largestBeam > 0 ? sign * largestEnergy / largestBeam : 0.0;
        for (std::size_t spacing = 0; spacing < middles.size(); ++spacing)
            shownShapes_.series[1].append(static_cast<double>(spacing + 1), scale * middles[spacing]);
    }
    modeShape_->refresh();
}

void VibrationWindow::showComparedTone(int row)
{
    if (row < 0 || row >= static_cast<int>(comparedTones_.size()))
        return;
    const ToneSummary& tone = comparedTones_[static_cast<std::size_t>(row)];
    drawModeShapes(tone.energyShape, tone.beamShape);
    QString text = QString(
                       "Тон %1 (из «Все тоны»): жесткость %2 кН/м; масса %3 т; частота %4 1/с; по балочной модели "
                       "%5")
                       .arg(toQString(toneNumeral(tone.tone)), toQString(formatFixed(tone.energyStiffness, 4)),
                            toQString(formatFixed(tone.energyMass, 4)), toQString(formatFixed(tone.energyFrequency, 4)),
                            frequencyText(tone.beamFrequency));
    for (const std::string& warning : toneDifferenceWarnings({tone}))
        text += "\n" + toQString(warning);
    beamModel_->setText(text);
}

void VibrationWindow::printChart()
{
    errors_.run(this, [&] { printCharts({{shownShapes_, modeShapeLook()}}, this, choosePrinter_); });
}

}  // namespace hullcalc
