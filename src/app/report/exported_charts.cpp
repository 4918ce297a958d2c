#include "report/exported_charts.h"

#include "report/report_chart.h"
#include "widgets/chart_looks.h"
#include "widgets/results_charts.h"

#include <utility>

namespace hullcalc {

std::vector<ExportedChart> exportedCharts(const ReportContent& content)
{
    std::vector<ExportedChart> charts;
    const auto add = [&](std::string stem, const ChartModel& model, ChartLook look, const QString& caption) {
        if (hasPoints(model))
            charts.push_back({std::move(stem), model, std::move(look), caption});
    };
    const TrimTable& results = content.trim.results;
    const std::vector<PrintedChart> along =
        resultsCharts(results.loadChart, results.shearForceChart, results.bendingMomentChart);
    const char* alongStems[] = {"load_per_spacing", "shear_force", "bending_moment"};
    for (std::size_t i = 0; i < along.size(); ++i)
        add(alongStems[i], along[i].model, along[i].look, QString::fromStdString(along[i].model.title));

    const HydrostaticCurves& curves = content.trim.hydrostatics;
    const std::pair<const HydrostaticCurve*, const char*> hydrostatic[] = {
        {&curves.volume, "Объемное водоизмещение V, куб. м"},
        {&curves.centreOfBuoyancy, "Абсцисса центра величины Xc, м"},
        {&curves.waterplaneArea, "Площадь ватерлинии S, кв. м"},
        {&curves.centreOfFlotation, "Абсцисса центра тяжести ватерлинии Xf, м"},
        {&curves.longitudinalInertia, "Момент инерции ватерлинии Iy, м⁴"},
        {&curves.transverseInertia, "Момент инерции ватерлинии Iz, м⁴"},
        {&curves.transverseRadius, "Поперечный метацентрический радиус r, м"},
        {&curves.longitudinalRadius, "Продольный метацентрический радиус R, м"},
    };
    const char* hydrostaticStems[] = {"volume",
                                      "centre_of_buoyancy",
                                      "waterplane_area",
                                      "centre_of_flotation",
                                      "longitudinal_inertia",
                                      "transverse_inertia",
                                      "transverse_radius",
                                      "longitudinal_radius"};
    for (std::size_t i = 0; i < std::size(hydrostatic); ++i)
        add(hydrostaticStems[i], hydrostatic[i].first->chart, againstDraft(hydrostatic[i].second),
            hydrostatic[i].second);

    for (std::size_t i = 0; i < content.trim.curvesOfForm.charts.size(); ++i) {
        const ChartModel& chart = content.trim.curvesOfForm.charts[i];
        ChartLook look = againstDraft(QString::fromStdString(chart.title), "Осадка T, м");
        look.showTitle = false;
        look.legend = chart.series.size() > 1;
        look.pointMarks = true;
        add("curves_of_form_" + std::to_string(i + 1), chart, look, QString::fromStdString(chart.title));
    }

    if (content.strength) {
        ChartLook force = alongFrames("N, кН");
        ChartLook moment = alongFrames("M, кН·м");
        force.legend = moment.legend = true;
        add("wave_shear_force", content.strength->shearForceChart, force,
            "Перерезывающая сила: тихая вода, перегиб, прогиб, кН");
        add("wave_bending_moment", content.strength->bendingMomentChart, moment,
            "Изгибающий момент: тихая вода, перегиб, прогиб, кН·м");
    }
    return charts;
}

}  // namespace hullcalc
