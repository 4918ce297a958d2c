#include "vibration/vibration_window.h"

#include "common/display_precision.h"
#include "common/number_text.h"
#include "presentation/trim_window_names.h"
#include "presentation/vibration_window_names.h"
#include "report/vibration_tables.h"
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
#include "widgets/legend_widget.h"
#include "widgets/outdated_notice.h"
#include "widgets/qt_text.h"
#include "widgets/text_grid_model.h"
#include "widgets/undo_actions.h"
#include "widgets/window_placement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
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
        .arg(toQString(readableFixed(f.hertz, 3)), toQString(readableFixed(f.perMinute, 1)));
}

QString frequencyText(double circularFrequency)
{
    const Frequency f = frequencyOf(circularFrequency);
    return toQString(readableFixed(f.perSecond, 4)) + " 1/с " + inOtherUnits(f);
}

// The energy method's frequency text (1/s) in the other units; empty while
// there is none.
QString frequencyInOtherUnits(const std::string& perSecond)
{
    const std::optional<double> omega = numberOrNothing(perSecond);
    return omega ? inOtherUnits(frequencyOf(*omega)) : QString();
}

// Tones I to IV, the same colour on every chart of the window.
constexpr std::array<Colour, highestTone> toneColours = {colours::red, colours::blue, colours::green, colours::purple};

// A number of a table, right-aligned; its text as the core wrote it.
QTableWidgetItem* numberCell(const std::string& text)
{
    auto* item = new QTableWidgetItem(toQString(text));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// A table of results the user reads but never edits, its columns as wide as
// their texts and its rows as high as a line of text, so that it keeps low on
// a small screen. Returns the row height.
int makeCompactResultTable(QTableWidget* table)
{
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    const int rowHeight = table->fontMetrics().height() + 6;
    table->verticalHeader()->setMinimumSectionSize(rowHeight);
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    return rowHeight;
}

}  // namespace

VibrationWindow::VibrationWindow(VibrationSheet& sheet, VibrationOptions& options, const ShipRun& run, QUndoStack& undo,
                                 const ErrorDisplay& errors, QWidget* parent)
    : QWidget(parent, Qt::Window),
      sheet_(sheet),
      options_(options),
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
    // The tones compared and the pages scroll together where the screen is
    // smaller than they need; the buttons stay below them, in sight whatever
    // the results.
    auto* body = new QWidget(this);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(4, 4, 4, 0);
    bodyLayout->addWidget(comparedTonesStrip(body));
    bodyLayout->addWidget(pages_, 1);
    pages_->addTab(inputPage(), "Исходные данные");
    auto* scrolled = new QScrollArea(this);
    scrolled->setWidget(body);
    scrolled->setWidgetResizable(true);
    scrolled->setFrameShape(QFrame::NoFrame);
    static_cast<QVBoxLayout*>(layout())->addWidget(scrolled, 1);
    QWidget* buttons = buttonBar();
    layout()->addWidget(buttons);

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
    pages_->addTab(modeShapesPage(), "Формы тонов");
    pages_->addTab(optionsPage(), "Параметры");
    pages_->addTab(resonancePage(), "Резонанс");

    // 1005 × 640, or larger where the pages need it with this platform's
    // fonts; smaller where the screen is, the pages then scrolling.
    resize(QSize(1005, 640).expandedTo(
        body->sizeHint() + QSize(8, 8 + layout()->menuBar()->sizeHint().height() + buttons->sizeHint().height())));
    placeOnScreen(this, QPoint(12, 44));
}

// Tones I to IV side by side by the energy method, the bending beam and the
// beam with shear with the result to take, and beside them Kumai's estimate
// and every warning of the tones and of the resonance check.
QWidget* VibrationWindow::comparedTonesStrip(QWidget* parent)
{
    auto* strip = new QWidget(parent);
    tones_ = new QTableWidget(0, 7, strip);
    tones_->setObjectName(toQString(names::allTones));
    tones_->setHorizontalHeaderLabels({"Тон", "Энергетический\nметод, Гц", "Изгибная\nбалка, Гц",
                                       "Балка со\nсдвигом, Гц", "Принять", "f, Гц", "N, кол/мин"});
    const int rowHeight = makeCompactResultTable(tones_);
    tones_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tones_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tones_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tones_->setFixedHeight(tones_->horizontalHeader()->sizeHint().height() + highestTone * rowHeight
                           + 2 * tones_->frameWidth());
    tones_->setToolTip(
        "Тоны I–IV: энергетический метод, конечно-элементная изгибная балка и балка со сдвигом; «Принять» — "
        "результат, по которому проверяется резонанс; щелчок по строке показывает тон на графике "
        "«Исходные данные»");
    connect(tones_, &QTableWidget::cellClicked, this, [this](int row, int) { showComparedTone(row); });
    notes_ = new QLabel(strip);
    notes_->setObjectName(toQString(names::toneNotes));
    notes_->setWordWrap(true);
    notes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    notes_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    notes_->setMinimumHeight(tones_->height());
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tones_);
    layout->addWidget(notes_, 1);
    return strip;
}

QWidget* VibrationWindow::inputPage()
{
    // The tone and its results, the section inertias, the chart: three
    // columns, so that the page keeps low on a small screen.
    auto* page = new QWidget(pages_);
    page->setObjectName(toQString(names::inputPage));
    auto* layout = new QGridLayout(page);
    addToneButtons(*layout, page);
    layout->setRowMinimumHeight(4, 12);
    int row = addEnergyMethodResults(*layout, page, 5);
    frequencyUnits_ = new QLabel(page);
    frequencyUnits_->setObjectName(toQString(names::frequencyInOtherUnits));
    frequencyUnits_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    frequencyUnits_->setWordWrap(true);
    layout->addWidget(frequencyUnits_, row++, 0, 1, 3);
    layout->setRowStretch(row++, 1);
    auto* inertiaCaption = new QLabel("Моменты инерции сечений, м⁴", page);
    inertiaCaption->setWordWrap(true);
    layout->addWidget(inertiaCaption, 0, 3);
    inertia_ = new GridView(sheet_.sectionInertia, GridLook{70, 22, true}, page);
    inertia_->setObjectName(toQString(names::sectionInertia));
    inertia_->gridModel()->setCornerCaption("Шпация");
    inertia_->gridModel()->setHeaderCaptions(Qt::Horizontal, {"i, м⁴"});
    // An edit of the inertias is an undo step of the document and a change to save.
    editInertia_ = undoableEdits(*inertia_, sheet_.sectionInertia, undo_, [this] { emit inputEdited(); });
    inertia_->gridModel()->setEditRunner(editInertia_);
    inertia_->setMinimumHeight(120);
    inertia_->setMaximumWidth(190);
    layout->addWidget(inertia_, 1, 3, row - 1, 1);
    layout->addLayout(chartColumn(page), 0, 4, row, 1);
    layout->setColumnStretch(4, 1);

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

// Tones I to IV on one chart along the frames.
QWidget* VibrationWindow::modeShapesPage()
{
    auto* page = new QWidget(pages_);
    page->setObjectName(toQString(names::modeShapesPage));
    allShapes_.title = "Формы колебаний тонов I–IV";
    for (int tone = lowestTone; tone <= highestTone; ++tone)
        allShapes_.series.emplace_back("Тон " + toneNumeral(tone), toneColours[static_cast<std::size_t>(tone - 1)]);
    allShapesView_ = new ChartView(allShapes_, alongFrames("Прогиб, отн."), page);
    allShapesView_->setObjectName(toQString(names::allModeShapes));
    allShapesView_->setMinimumSize(320, 180);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(allShapesView_, 1);
    layout->addWidget(new LegendWidget(*allShapesView_, 1, page));
    return page;
}

// The shear area typed or taken from the girder, the added mass, what drives
// the hull and the margin: kept in the project, each edit marks the results
// outdated.
QWidget* VibrationWindow::optionsPage()
{
    auto* page = new QWidget(pages_);
    page->setObjectName(toQString(names::optionsPage));
    auto* layout = new QGridLayout(page);
    struct Caption {
        const char* text;
        const char* hint;
    };
    const std::array<Caption, names::optionFields.size()> captions = {{
        {"Площадь сдвига миделя, м²", "пусто — по связям миделя (расчет на волне)"},
        {"Частота вращения вала, об/мин", "пусто — без винта"},
        {"Число лопастей винта", "лопастная z·n/60 и двойная"},
        {"Частота вращения двигателя, об/мин", "пусто — без двигателя"},
        {"Вспышек за оборот двигателя", "вспышки k·nдв/60"},
        {"Допустимая отстройка, %", "по умолчанию ±20 %"},
    }};
    int row = 0;
    for (std::size_t i = 0; i < captions.size(); ++i, ++row) {
        // The added mass follows the shear area: both are the beam models'.
        if (i == 1) {
            layout->addWidget(new QLabel("Присоединенная масса воды", page), row, 0);
            formula_ = new QRadioButton("по формуле", page);
            formula_->setObjectName(toQString(names::addedMassFormula));
            lewis_ = new QRadioButton("по Льюису", page);
            lewis_->setObjectName(toQString(names::addedMassLewis));
            auto* methods = new QHBoxLayout;
            methods->addWidget(formula_);
            methods->addWidget(lewis_);
            methods->addStretch();
            layout->addLayout(methods, row, 1);
            auto* scope = new QLabel("для балочных моделей", page);
            scope->setToolTip("Энергетический метод всегда берет присоединенную массу по формуле");
            layout->addWidget(scope, row, 2);
            connect(lewis_, &QRadioButton::toggled, this, [this](bool lewis) {
                const AddedMassMethod method = lewis ? AddedMassMethod::lewis : AddedMassMethod::formula;
                if (options_.addedMass == method)
                    return;
                options_.addedMass = method;
                emit inputEdited();
            });
            ++row;
        }
        layout->addWidget(new QLabel(captions[i].text, page), row, 0);
        auto* edit = new QLineEdit(page);
        edit->setObjectName(toQString(names::optionFields[i].name));
        edit->setMaximumWidth(110);
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            options_.*names::optionFields[i].text = text.toStdString();
            emit inputEdited();
        });
        layout->addWidget(edit, row, 1);
        auto* hint = new QLabel(captions[i].hint, page);
        hint->setWordWrap(true);
        layout->addWidget(hint, row, 2);
        optionEdits_[i] = edit;
        if (i == 0) {
            // Which shear area the last run took, or why it took none.
            shearSource_ = new QLabel(page);
            shearSource_->setObjectName(toQString(names::shearAreaSource));
            shearSource_->setWordWrap(true);
            shearSource_->setTextInteractionFlags(Qt::TextSelectableByMouse);
            layout->addWidget(shearSource_, ++row, 0, 1, 3);
        }
    }
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(row, 1);
    showOptions();
    return page;
}

// The margins, the warnings under them and the Campbell diagram beside.
QWidget* VibrationWindow::resonancePage()
{
    auto* page = new QWidget(pages_);
    page->setObjectName(toQString(names::resonancePage));
    resonance_ = new QTableWidget(page);
    resonance_->setObjectName(toQString(names::resonanceTable));
    makeCompactResultTable(resonance_);
    resonance_->setToolTip(
        "Отстройка тона от частоты возбуждения, % от частоты возбуждения; красным — тон в "
        "резонансной зоне");
    resonanceNotes_ = new QLabel(page);
    resonanceNotes_->setObjectName(toQString(names::resonanceNotes));
    resonanceNotes_->setWordWrap(true);
    resonanceNotes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    resonanceNotes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* tableColumn = new QVBoxLayout;
    tableColumn->addWidget(resonance_);
    tableColumn->addWidget(resonanceNotes_, 1);
    campbellRow_ = new QHBoxLayout;
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(tableColumn);
    layout->addLayout(campbellRow_, 1);
    showResonance();
    return page;
}

// The mode shapes and the chosen tone by the beam model below them.
QVBoxLayout* VibrationWindow::chartColumn(QWidget* page)
{
    // The chart shows the energy method's mode shape and the beam model's
    // beside it; the sheet keeps the energy method's alone.
    shownShapes_.title = sheet_.modeShape.title;
    shownShapes_.series.emplace_back("Энергетический метод", colours::black, SeriesKind::Line, PointOrder::AscendingX);
    shownShapes_.series.emplace_back("Балочная модель", colours::blue, SeriesKind::Line, PointOrder::AscendingX);
    modeShape_ = new ChartView(shownShapes_, modeShapeLook(), page);
    modeShape_->setObjectName(toQString(names::modeShape));
    modeShape_->setMinimumSize(320, 180);
    beamModel_ = new QLabel(page);
    beamModel_->setObjectName(toQString(names::beamModel));
    beamModel_->setWordWrap(true);
    beamModel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* column = new QVBoxLayout;
    column->addWidget(modeShape_, 1);
    column->addWidget(beamModel_);
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
    // Before any "Расчет" the chosen tone is tone I: its table and chart fill too.
    if (sheet_.tone == 0)
        toneButtons_[0]->setChecked(true);
    errors_.run(this, [&] {
        runChain_(lastRunStep);
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
    showAllModeShapes();
    showOptions();
    showResonance();
}

// The tones compared, Kumai's estimate and the warnings of the tones and of
// the resonance check; a step that did not complete says so in their place.
void VibrationWindow::showComparedTones()
{
    comparedTones_ = run_.comparedTones();
    const ReportTable compared = methodComparisonTable(comparedTones_);
    tones_->setRowCount(static_cast<int>(compared.rows.size()));
    for (int row = 0; row < tones_->rowCount(); ++row) {
        const std::vector<std::string>& cells = compared.rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < static_cast<int>(cells.size()); ++column)
            tones_->setItem(row, column, numberCell(cells[static_cast<std::size_t>(column)]));
        tones_->item(row, 0)->setTextAlignment(Qt::AlignCenter);
        tones_->item(row, 4)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        const ToneSummary& tone = comparedTones_[static_cast<std::size_t>(row)];
        tones_->item(row, 5)->setToolTip(
            QString("ω = %1 1/с").arg(toQString(readableFixed(recommendedFrequency(tone), 4))));
    }
    QStringList notes;
    if (run_.kumai)
        notes << QString("I тон по эмпирической формуле Кумаи: N = %1 кол/мин; энергетический метод отличается на %2 %")
                         .arg(toQString(readableFixed(run_.kumai->perMinute, 1)),
                              toQString(readableFixed(run_.kumai->differencePercent, 1)))
                     + (run_.kumai->note.empty() ? QString() : " (" + toQString(run_.kumai->note) + ")");
    // The tones' step warns where the methods disagree and where a tone lies
    // near an exciting frequency.
    for (const Warning& warning : run_.step(RunStep::tones).warnings)
        notes << "⚠ " + toQString(warning.message);
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
    notes_->setText(notes.join('\n'));
}

void VibrationWindow::showAllModeShapes()
{
    allShapes_.clear();
    bool withShear = false;
    for (const ToneSummary& tone : comparedTones_) {
        if (tone.tone < lowestTone || tone.tone > highestTone)
            continue;
        withShear = withShear || !tone.shearBeamShape.empty();
        const std::vector<double>& shape = tone.shearBeamShape.empty() ? tone.beamShape : tone.shearBeamShape;
        ChartSeries& series = allShapes_.series[static_cast<std::size_t>(tone.tone - 1)];
        for (std::size_t frame = 0; frame < shape.size(); ++frame)
            series.append(static_cast<double>(frame), shape[frame]);
    }
    allShapes_.title =
        withShear ? "Формы колебаний тонов I–IV (балка со сдвигом)" : "Формы колебаний тонов I–IV (изгибная балка)";
    allShapesView_->refresh();
}

void VibrationWindow::showOptions()
{
    for (std::size_t i = 0; i < optionEdits_.size(); ++i) {
        const QString typed = toQString(options_.*names::optionFields[i].text);
        if (optionEdits_[i]->text() != typed)
            optionEdits_[i]->setText(typed);
    }
    {
        const QSignalBlocker blockLewis(lewis_);
        const QSignalBlocker blockFormula(formula_);
        lewis_->setChecked(options_.addedMass == AddedMassMethod::lewis);
        formula_->setChecked(options_.addedMass == AddedMassMethod::formula);
    }
    // The run's note names the area taken and where from, or why none was.
    shearSource_->setText(run_.tones.empty() ? QString("Принятая площадь сдвига будет показана после расчета")
                                             : toQString(run_.shearAreaNote));
}

void VibrationWindow::showResonance()
{
    const ReportTable margins = resonanceTable(run_.resonance, run_.resonanceLimitPercent);
    resonance_->clear();
    resonance_->setColumnCount(static_cast<int>(margins.header.size()));
    // "Тон II (1,80 Гц)" on two lines: the columns keep narrow.
    QStringList header = toQStringList(margins.header);
    header.replaceInStrings(" (", "\n(");
    resonance_->setHorizontalHeaderLabels(header);
    resonance_->setRowCount(static_cast<int>(margins.rows.size()));
    const std::vector<std::string> warnings = resonanceWarnings(run_.resonance, run_.resonanceLimitPercent);
    for (int row = 0; row < resonance_->rowCount(); ++row) {
        const std::vector<std::string>& cells = margins.rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
            const std::string& text = cells[static_cast<std::size_t>(column)];
            QTableWidgetItem* item = numberCell(text);
            // A tone inside the margin: the cell stands out and says why.
            if (text.ends_with(resonanceMark)) {
                item->setBackground(QColor(255, 200, 200));
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setToolTip("Тон в резонансной зоне");
            }
            resonance_->setItem(row, column, item);
        }
        resonance_->item(row, 0)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    QString text;
    if (run_.resonance.empty())
        text =
            "Резонанс не проверен: задайте частоту вращения вала с числом лопастей или частоту вращения "
            "двигателя с числом вспышек на странице «Параметры» и нажмите «Расчет».";
    else
        text = toQString(margins.note) + (warnings.empty() ? "\nНи один тон не в резонансной зоне." : QString());
    for (const std::string& warning : warnings)
        text += "\n⚠ " + toQString(warning);
    resonanceNotes_->setText(text);

    // The diagram's curves differ from run to run: its view is made anew.
    campbell_ = campbellDiagramOf(run_);
    delete campbellLegend_;
    delete campbellView_;
    // The legend beside the diagram lists every curve, however small the window.
    ChartLook look = campbellLook();
    look.legend = false;
    QWidget* page = resonance_->parentWidget();
    campbellView_ = new ChartView(campbell_, look, page);
    campbellView_->setObjectName(toQString(names::campbellDiagram));
    campbellView_->setMinimumSize(240, 180);
    campbellLegend_ = new LegendWidget(*campbellView_, 1, page);
    campbellRow_->addWidget(campbellView_, 1);
    campbellRow_->addWidget(campbellLegend_);
    campbellView_->refresh();
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
                   + toQString(readableFixed(differencePercent(beam->beamFrequency, beam->energyFrequency), 1)) + " %";
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
                       .arg(toQString(toneNumeral(tone.tone)), toQString(readableFixed(tone.energyStiffness, 4)),
                            toQString(readableFixed(tone.energyMass, 4)),
                            toQString(readableFixed(tone.energyFrequency, 4)), frequencyText(tone.beamFrequency));
    for (const std::string& warning : toneDifferenceWarnings({tone}))
        text += "\n" + toQString(warning);
    beamModel_->setText(text);
}

void VibrationWindow::printChart()
{
    errors_.run(this, [&] { printCharts({{shownShapes_, modeShapeLook()}}, this, choosePrinter_); });
}

}  // namespace hullcalc
