#include "trim/wave_page.h"

#include "common/number_text.h"
#include "presentation/strength_page_names.h"
#include "strength/strength_summary.h"
#include "widgets/chart_looks.h"
#include "widgets/chart_view.h"
#include "widgets/error_display.h"
#include "widgets/grid_view.h"
#include "widgets/qt_text.h"
#include "widgets/snapshot_command.h"
#include "widgets/undo_actions.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QUndoStack>
#include <QVBoxLayout>

namespace hullcalc {

namespace names = strengthPageNames;

namespace {

QString entriesText(const std::vector<SummaryEntry>& entries)
{
    QStringList lines;
    for (const SummaryEntry& entry : entries)
        lines << toQString(entry.caption) + ": " + toQString(entry.value);
    return lines.join('\n');
}

ChartLook alongTheHull(const QString& yTitle)
{
    ChartLook look = alongFrames(yTitle);
    look.legend = true;
    return look;
}

}  // namespace

WavePage::WavePage(StrengthInput& input, StrengthSheet& results, const ShipRun& run, QUndoStack& undo,
                   const ErrorDisplay& errors, QWidget* parent)
    : QWidget(parent),
      input_(input),
      results_(results),
      run_(run),
      runChain_([](RunStep) {}),
      undo_(undo),
      errors_(errors)
{
    setObjectName(toQString(names::page));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    outer->addWidget(scroll);
    auto* contents = new QWidget(scroll);
    auto* layout = new QVBoxLayout(contents);
    layout->addWidget(createWaveBar());

    summary_ = new QLabel(contents);
    summary_->setObjectName(toQString(names::summary));
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(summary_);

    for (auto [grid, name, caption] :
         {std::tuple{&results_.hogging.frames, names::hoggingTable, "Вершина волны на миделе (перегиб)"},
          std::tuple{&results_.sagging.frames, names::saggingTable, "Подошва волны на миделе (прогиб)"}}) {
        layout->addWidget(new QLabel(caption, contents));
        auto* view = new GridView(*grid, GridLook{70, 22, false}, contents);
        view->setObjectName(toQString(name));
        view->setMinimumHeight(300);
        grids_.push_back(view);
        layout->addWidget(view);
    }
    for (auto [chart, name, unit] : {std::tuple{&results_.shearForceChart, names::shearForceChart, "N, кН"},
                                     std::tuple{&results_.bendingMomentChart, names::bendingMomentChart, "M, кН·м"}}) {
        auto* view = new ChartView(*chart, alongTheHull(unit), contents);
        view->setObjectName(toQString(name));
        view->setMinimumHeight(320);
        charts_.push_back(view);
        layout->addWidget(view);
    }
    layout->addWidget(createGirderBox());
    scroll->setWidget(contents);
    // The buttons stay in view below the page, whatever part of it is scrolled to.
    outer->addWidget(createButtonBar());
    refresh();
}

QWidget* WavePage::createWaveBar()
{
    auto* bar = new QWidget(this);
    auto* layout = new QGridLayout(bar);
    waveHeight_ = new QLineEdit(bar);
    waveHeight_->setObjectName(toQString(names::waveHeight));
    waveHeight_->setPlaceholderText("L/20");
    // No design wave heights of the river classes could be confirmed from a
    // rules text: the user types the height the rules of the ship's class give.
    waveHeight_->setToolTip(
        "Высота волны от подошвы до вершины; пусто: L/20. Для речных судов введите "
        "расчетную высоту волны класса судна по правилам");
    profile_ = new QComboBox(bar);
    profile_->setObjectName(toQString(names::waveProfile));
    profile_->addItems({"трохоида", "косинусоида"});
    allowable_ = new QLineEdit(bar);
    allowable_->setObjectName(toQString(names::allowableStress));
    allowable_->setToolTip("Допускаемое напряжение при общем изгибе по правилам и стали судна");
    layout->addWidget(new QLabel("Высота волны h, м", bar), 0, 0);
    layout->addWidget(waveHeight_, 0, 1);
    layout->addWidget(new QLabel("Профиль волны", bar), 0, 2);
    layout->addWidget(profile_, 0, 3);
    layout->addWidget(new QLabel("Допускаемое напряжение, МПа", bar), 1, 0);
    layout->addWidget(allowable_, 1, 1);

    connect(waveHeight_, &QLineEdit::textEdited, this, [this](const QString& text) {
        input_.waveHeight = text.toStdString();
        emit inputEdited();
    });
    connect(allowable_, &QLineEdit::textEdited, this, [this](const QString& text) {
        input_.allowableStress = text.toStdString();
        emit inputEdited();
    });
    connect(profile_, &QComboBox::activated, this, [this](int index) {
        input_.profile = index == 0 ? WaveProfile::trochoid : WaveProfile::cosine;
        emit inputEdited();
    });
    return bar;
}

// "Расчет на волне" beside the girder's "Пример сечения" and its inertia for
// the vibration window.
QWidget* WavePage::createButtonBar()
{
    auto* bar = new QWidget(this);
    auto* calculateButton = new QPushButton("Расчет на волне", bar);
    calculateButton->setObjectName(toQString(names::calculate));
    auto* example = new QPushButton("Пример сечения", bar);
    example->setObjectName(toQString(names::exampleGirder));
    example->setToolTip("Связи миделевого сечения судна-примера в таблицу эквивалентного бруса");
    auto* toVibration = new QPushButton("I → моменты инерции вибрации", bar);
    toVibration->setObjectName(toQString(names::inertiaToVibration));
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(calculateButton);
    layout->addStretch(1);
    layout->addWidget(example);
    layout->addWidget(toVibration);
    connect(calculateButton, &QPushButton::clicked, this, &WavePage::calculate);
    connect(example, &QPushButton::clicked, this, &WavePage::fillExampleGirder);
    connect(toVibration, &QPushButton::clicked, this, &WavePage::sendInertiaToVibration);
    return bar;
}

QWidget* WavePage::createGirderBox()
{
    auto* box = new QGroupBox(toQString(names::girderCaption) + " (сечение по миделю)", this);
    auto* layout = new QVBoxLayout(box);

    members_ = new GridView(input_.girderMembers, GridLook{90, 22, true}, box);
    members_->setObjectName(toQString(names::girderMembers));
    members_->setMinimumHeight(260);
    // An edit of the members is an undo step of the document and a change to save.
    members_->gridModel()->setEditRunner(
        undoableEdits(*members_, input_.girderMembers, undo_, [this] { emit inputEdited(); }));
    layout->addWidget(members_);

    auto* sums = new GridView(results_.girder.sums, GridLook{80, 22, false}, box);
    sums->setObjectName(toQString(names::girderSums));
    sums->setMinimumHeight(200);
    grids_.push_back(sums);
    layout->addWidget(sums);
    girderSummary_ = new QLabel(box);
    girderSummary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(girderSummary_);
    auto* stresses = new GridView(stresses_, GridLook{100, 22, false}, box);
    stresses->setObjectName(toQString(names::stresses));
    stresses->setMinimumHeight(110);
    grids_.push_back(stresses);
    layout->addWidget(stresses);
    return box;
}

// The chain up to the ship on a wave, the trim calculation included, on the
// current input; the first step that failed is shown with its place.
void WavePage::calculate()
{
    errors_.run(this, [&] {
        runChain_(RunStep::strength);
        for (const RunStep step : {RunStep::trim, RunStep::strength})
            if (const StepRecord& record = run_.step(step); record.failed()) {
                const FailureCell& cell = record.failure->cell;
                if (cell.grid == names::girderMembers)
                    members_->setCurrentIndex(
                        members_->model()->index(cell.row - input_.girderMembers.fixedRows(),
                                                 cell.column - input_.girderMembers.fixedColumns()));
                errors_.show(this, toQString(userMessage(record.failure->message)),
                             toQString(record.failure->place.label));
                return;
            }
    });
}

void WavePage::fillExampleGirder()
{
    TextGrid before = input_.girderMembers;
    hullcalc::fillExampleGirder(input_.girderMembers);
    undo_.push(new SnapshotCommand<TextGrid>("Пример сечения", input_.girderMembers, std::move(before),
                                             input_.girderMembers, [this](const TextGrid& replaced) {
                                                 members_->refresh();
                                                 members_->selectDifferencesFrom(replaced);
                                             }));
    emit inputEdited();
}

void WavePage::sendInertiaToVibration()
{
    if (!results_.girder.present) {
        errors_.show(this, "Сначала рассчитайте эквивалентный брус: «Расчет на волне»");
        return;
    }
    emit sectionInertiaOffered(toQString(formatFixed(results_.girder.inertiaM4(), 4)));
}

void WavePage::showSummary()
{
    if (!results_.complete) {
        const StepRecord& step = run_.step(RunStep::strength);
        QString text = "Расчет на волне не выполнен";
        if (step.failed()) {
            text += ": " + toQString(firstLine(userMessage(step.failure->message)));
            if (!step.failure->place.label.empty())
                text += "\nМесто: " + toQString(step.failure->place.label);
        } else if (!step.why.empty()) {
            text += " (" + toQString(step.why) + ")";
        }
        summary_->setText(text);
        girderSummary_->clear();
        return;
    }
    QString text = entriesText(waveSummary(results_)) + '\n' + entriesText(ruleLoadSummary(results_));
    for (const std::string& warning : results_.warnings)
        text += "\nПредупреждение: " + toQString(warning);
    summary_->setText(text);
    girderSummary_->setText(results_.girder.present ? entriesText(girderSummary(results_))
                                                    : "Связи эквивалентного бруса не заданы");
}

void WavePage::refresh()
{
    waveHeight_->setText(toQString(input_.waveHeight));
    allowable_->setText(toQString(input_.allowableStress));
    profile_->setCurrentIndex(input_.profile == WaveProfile::trochoid ? 0 : 1);
    stresses_ = results_.complete && results_.girder.present ? stressTable(results_) : TextGrid(8, loadCaseCount + 1);
    members_->refresh();
    for (GridView* grid : grids_)
        grid->refresh();
    for (ChartView* chart : charts_)
        chart->refresh();
    showSummary();
}

}  // namespace hullcalc
