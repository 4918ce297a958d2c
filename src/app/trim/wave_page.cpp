#include "trim/wave_page.h"

#include "common/number_text.h"
#include "presentation/strength_page_names.h"
#include "run/failure_place.h"
#include "strength/strength_summary.h"
#include "widgets/chart_looks.h"
#include "widgets/chart_view.h"
#include "widgets/error_display.h"
#include "widgets/grid_view.h"
#include "widgets/qt_text.h"
#include "widgets/snapshot_command.h"
#include "widgets/status_message.h"
#include "widgets/undo_actions.h"

#include <QCheckBox>
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

#include <algorithm>
#include <array>

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

constexpr std::array navigationClasses{NavigationClass::none, NavigationClass::lake, NavigationClass::river,
                                       NavigationClass::open, NavigationClass::sea};
constexpr std::array hullSteels{HullSteel::mild, HullSteel::higher315, HullSteel::higher355};

template<typename Choices, typename Choice>
int indexIn(const Choices& choices, Choice choice)
{
    const auto found = std::find(choices.begin(), choices.end(), choice);
    return found == choices.end() ? 0 : static_cast<int>(found - choices.begin());
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
    // The wave height's source is a long line: wrapped, it keeps the page as
    // wide as the window instead of pushing the inputs past its edge.
    summary_->setWordWrap(true);
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
    waveHeight_->setPlaceholderText("по разряду или L/20");
    waveHeight_->setToolTip(
        "Высота волны от подошвы до вершины; пусто: расчетная волна разряда бассейна "
        "для речного судна, L/20 для морского");
    profile_ = new QComboBox(bar);
    profile_->setObjectName(toQString(names::waveProfile));
    profile_->addItems({"трохоида", "косинусоида"});
    allowable_ = new QLineEdit(bar);
    allowable_->setObjectName(toQString(names::allowableStress));
    allowable_->setToolTip(
        "Допускаемое напряжение при общем изгибе для обычной стали; для стали повышенной "
        "прочности оно делится на коэффициент k стали");
    navigationClass_ = new QComboBox(bar);
    navigationClass_->setObjectName(toQString(names::navigationClass));
    for (const NavigationClass navigation : navigationClasses)
        navigationClass_->addItem(navigation == NavigationClass::none
                                      ? QString("не выбран")
                                      : "«" + toQString(navigationClassLetter(navigation)) + "»");
    navigationClass_->setToolTip("Разряд бассейна речного судна: его расчетная высота волны, когда высота не введена");
    steel_ = new QComboBox(bar);
    steel_->setObjectName(toQString(names::steel));
    steel_->addItems({"обычная, σт 235 МПа", "повышенной прочности, σт 315 МПа", "повышенной прочности, σт 355 МПа"});
    smithEffect_ = new QCheckBox("Уменьшение давления с глубиной (эффект Смита)", bar);
    smithEffect_->setObjectName(toQString(names::smithEffect));
    scantlingDraft_ = new QLineEdit(bar);
    scantlingDraft_->setObjectName(toQString(names::scantlingDraft));
    scantlingDraft_->setPlaceholderText("T");
    scantlingDraft_->setToolTip("Осадка, при которой правило IACS UR S11 берет коэффициент общей полноты; пусто: T");
    layout->addWidget(new QLabel(toQString(names::waveHeightCaption), bar), 0, 0);
    layout->addWidget(waveHeight_, 0, 1);
    layout->addWidget(new QLabel("Профиль волны", bar), 0, 2);
    layout->addWidget(profile_, 0, 3);
    layout->addWidget(new QLabel("Разряд бассейна", bar), 1, 0);
    layout->addWidget(navigationClass_, 1, 1);
    layout->addWidget(smithEffect_, 1, 2, 1, 2);
    layout->addWidget(new QLabel(toQString(names::allowableStressCaption), bar), 2, 0);
    layout->addWidget(allowable_, 2, 1);
    layout->addWidget(new QLabel("Сталь корпуса", bar), 2, 2);
    layout->addWidget(steel_, 2, 3);
    layout->addWidget(new QLabel("Осадка для IACS UR S11, м", bar), 3, 0);
    layout->addWidget(scantlingDraft_, 3, 1);

    connect(navigationClass_, &QComboBox::activated, this, [this](int index) {
        input_.navigationClass = navigationClasses[static_cast<std::size_t>(index)];
        emit inputEdited();
    });
    connect(steel_, &QComboBox::activated, this, [this](int index) {
        input_.steel = hullSteels[static_cast<std::size_t>(index)];
        emit inputEdited();
    });
    connect(smithEffect_, &QCheckBox::clicked, this, [this](bool checked) {
        input_.smithEffect = checked;
        emit inputEdited();
    });
    connect(scantlingDraft_, &QLineEdit::textEdited, this, [this](const QString& text) {
        input_.scantlingDraft = text.toStdString();
        emit inputEdited();
    });
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
    // The example's section goes with the class of its design wave.
    input_.navigationClass = exampleNavigationClass;
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
    const QString inertia = toQString(readableFixed(results_.girder.inertiaM4(), 4));
    emit sectionInertiaOffered(inertia);
    tellInStatusLine(this, "Момент инерции миделевого сечения I = " + inertia
                               + " м⁴ записан во все шпации таблицы окна «Вибрация» (Ctrl+Z там отменит)");
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
    navigationClass_->setCurrentIndex(indexIn(navigationClasses, input_.navigationClass));
    steel_->setCurrentIndex(indexIn(hullSteels, input_.steel));
    smithEffect_->setChecked(input_.smithEffect);
    scantlingDraft_->setText(toQString(input_.scantlingDraft));
    stresses_ = stressTable(results_);
    members_->refresh();
    for (GridView* grid : grids_)
        grid->refresh();
    for (ChartView* chart : charts_)
        chart->refresh();
    showSummary();
}

}  // namespace hullcalc
