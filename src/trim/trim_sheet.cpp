#include "trim/trim_sheet.h"

#include <string>

namespace hullcalc {

const std::array<SummaryLine, TrimSheet::summaryCount> summaryLines = {{
    {"Водоизмещение по ГВЛ, куб. м.   V =", "Label19"},
    {"Абцисса ЦТ, м   XG =", "Label20"},
    {"Абцисса ЦВ, м   XC =", "Label21"},
    {"Абцисса ЦТ ГВЛ, м   XF =", "Label22"},
    {"Большойметацентрический радиус, м  R =", "Label23"},
    {"Площадь ГВЛ, кв. м   S=", "Label24"},
    {"Осадка носом, м Тн =", "Label25"},
    {"Осадка кормой, м Тк =", "Label26"},
    {"Осадка средняя, м Тср =", "Label27"},
    {"Невязка по перерезывающей силе", "Label28"},
    {"Невязка по изгибающему моменту", "Label29"},
}};

namespace {

// Colours of the multi-series charts, in list order.
constexpr std::array<Colour, 21> frameColours = {
    colours::red,  colours::green, colours::yellow, colours::blue, colours::white, colours::grey,   colours::fuchsia,
    colours::teal, colours::navy,  colours::maroon, colours::lime, colours::olive, colours::purple, colours::silver,
    colours::aqua, colours::black, colours::red,    colours::red,  colours::red,   colours::red,    colours::red};

// The body plan keeps its own titles and colours; note "№4" before "№3".
struct TitledColour {
    const char* title;
    Colour colour;
};
constexpr std::array<TitledColour, 21> bodyPlanSeries = {{
    {"№1", colours::red},        {"№2", colours::green},   {"№4", colours::blue},    {"№3", colours::yellow},
    {"№5", colours::darkPurple}, {"№6", colours::grey},    {"№7", colours::fuchsia}, {"№8", colours::teal},
    {"№9", colours::navy},       {"№10", colours::maroon}, {"№11", colours::white},  {"№12", colours::lime},
    {"№13", colours::olive},     {"№14", colours::purple}, {"№15", colours::silver}, {"№16", colours::aqua},
    {"№17", colours::black},     {"№18", colours::red},    {"№19", colours::red},    {"№20", colours::red},
    {"№21", colours::red},
}};

ChartModel multiSeriesChart(std::string title, int count)
{
    ChartModel chart{std::move(title), {}};
    for (int i = 0; i < count; ++i)
        chart.series.emplace_back("", frameColours[static_cast<std::size_t>(i)], SeriesKind::Line,
                                  PointOrder::AscendingX);
    return chart;
}

ChartModel singleSeriesChart(std::string title, Colour colour, SeriesKind kind = SeriesKind::Line)
{
    ChartModel chart{std::move(title), {}};
    chart.series.emplace_back("", colour, kind, PointOrder::AsAdded);
    return chart;
}

}  // namespace

TrimSheet::TrimSheet()
{
    OTChGraphResults.title = "Проекция мидель";
    for (const TitledColour& s : bodyPlanSeries)
        OTChGraphResults.series.emplace_back(s.title, s.colour, SeriesKind::Line, PointOrder::AscendingX);
    MBGraphResults = multiSeriesChart("Масштаб Бонжана", frameCount);
    SSpGraphResults = multiSeriesChart("Строевая по шпангоутам", waterlineCount);
    StatMomGraphResults = multiSeriesChart("Статический момент", frameCount);

    for (ChartModel* chart :
         {&VGraphResults, &XcvGraph, &WLGraph, &XcfGraph, &IyGraph, &IzGraph, &smallRGraph, &RGraph})
        *chart = singleSeriesChart("", colours::red);
    TGraph = singleSeriesChart("Расчётные ватерлинии в приближениях", colours::red);
    WrGraph = singleSeriesChart("", colours::red);

    NagrGraph = singleSeriesChart("Нагрузка на шпацию", colours::purple, SeriesKind::Bar);
    ForceGraph = singleSeriesChart("Перерезывающая сила", colours::blue);
    MomGraph = singleSeriesChart("Изгибающий момент", colours::red);
}

std::vector<TrimSheet::NamedGrid> TrimSheet::grids()
{
    return {
        {"OrdinatGrid", &OrdinatGrid}, {"MassaGrid", &MassaGrid},   {"UWAGrid", &UWAGrid},
        {"StatMomGrid", &StatMomGrid}, {"VGrid", &VGrid},           {"XcvGrid", &XcvGrid},
        {"WLGrid", &WLGrid},           {"XcfGrid", &XcfGrid},       {"IyGrid", &IyGrid},
        {"IzGrid", &IzGrid},           {"smallRGrid", &smallRGrid}, {"RGrid", &RGrid},
        {"StringGrid1", &StringGrid1}, {"TGrid", &TGrid},           {"WrGrid", &WrGrid},
        {"UdifGrid", &UdifGrid},       {"NagrGrid", &NagrGrid},     {"ForceGrid", &ForceGrid},
        {"MomGrid", &MomGrid},
    };
}

std::vector<TrimSheet::NamedChart> TrimSheet::charts()
{
    return {
        {"UdifForm", "VGraphResults", &VGraphResults},
        {"UdifForm", "XcvGraph", &XcvGraph},
        {"UdifForm", "WLGraph", &WLGraph},
        {"UdifForm", "XcfGraph", &XcfGraph},
        {"UdifForm", "IyGraph", &IyGraph},
        {"UdifForm", "IzGraph", &IzGraph},
        {"UdifForm", "smallRGraph", &smallRGraph},
        {"UdifForm", "RGraph", &RGraph},
        {"UdifForm", "TGraph", &TGraph},
        {"UdifForm", "WrGraph", &WrGraph},
        {"OrdinatGraphForm", "OTChGraphResults", &OTChGraphResults},
        {"MBGraphForm", "MBGraphResults", &MBGraphResults},
        {"SSpGraphForm", "SSpGraphResults", &SSpGraphResults},
        {"StatMomGraphForm", "StatMomGraphResults", &StatMomGraphResults},
        {"ResGraphForm", "NagrGraph", &NagrGraph},
        {"ResGraphForm", "ForceGraph", &ForceGraph},
        {"ResGraphForm", "MomGraph", &MomGraph},
    };
}

}  // namespace hullcalc
