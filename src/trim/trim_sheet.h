// Everything the trim window shows and the trim calculation works on: its grids
// by their component names, the chart models of its pages and graph windows,
// the eleven summary values and the values the last run keeps for later use.
#pragma once

#include "common/chart_model.h"
#include "common/text_grid.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace hullcalc {

// The lines drawing has 21 theoretical frames (0 at the bow to 20 at the stern,
// 20 spacings) and 10 waterlines; the result grids are laid out for them.
inline constexpr int frameCount = 21;
inline constexpr int spacingCount = frameCount - 1;
inline constexpr int waterlineCount = 10;

// Values a trim run leaves behind for its later stages and for the vibration
// calculation. Indices follow the grid columns and rows they belong to, from 1.
struct KeptValues {
    std::array<double, 12> z{};       // z[k]: height of waterline k above the base line, m (k = 1..11)
    double L = 0.0;                   // design length, m
    double dL = 0.0;                  // frame spacing ΔL, m
    double Tn = 0.0;                  // forward draft (frame 0) of the accepted approximation, m
    double Tk = 0.0;                  // aft draft (frame 20), m
    double TrimSlope = 0.0;           // (Tk - Tn) / L: change of draft per metre going aft
    std::array<double, 22> TFrame{};  // TFrame[r]: design draft at frame row r, m (r = 1..21)
    int approximations = 0;           // number of the accepted approximation
    bool complete = false;            // the last run went through every stage
};

struct TrimSheet {
    TrimSheet();

    // Input page "Исходные данные".
    TextGrid OrdinatGrid{waterlineCount + 1, frameCount + 1};  // half-breadths, m
    TextGrid MassaGrid{2, frameCount};                         // masses per spacing, t
    // Bonjean scale.
    TextGrid UWAGrid{waterlineCount + 1, frameCount + 1};      // immersed section areas, m²
    TextGrid StatMomGrid{waterlineCount + 1, frameCount + 1};  // their static moments, m³
    // Hydrostatic curves: one row, column k for waterline k.
    TextGrid VGrid{waterlineCount + 1, 1, 1, 0};
    TextGrid XcvGrid{waterlineCount + 1, 1, 1, 0};
    TextGrid WLGrid{waterlineCount + 1, 1, 1, 0};
    TextGrid XcfGrid{waterlineCount + 1, 1, 1, 0};
    TextGrid IyGrid{waterlineCount + 1, 1, 1, 0};
    TextGrid IzGrid{waterlineCount + 1, 1, 1, 0};
    TextGrid smallRGrid{waterlineCount + 1, 1, 1, 0};
    TextGrid RGrid{waterlineCount + 1, 1, 1, 0};
    // Trim iteration.
    TextGrid StringGrid1{8, 10};
    TextGrid TGrid{frameCount + 1, 2};
    TextGrid WrGrid{frameCount + 1, 2};
    // Trim table and results.
    TextGrid UdifGrid{13, frameCount + 1};
    TextGrid NagrGrid{2, spacingCount, 1, 0};
    TextGrid ForceGrid{2, frameCount, 1, 0};
    TextGrid MomGrid{2, frameCount, 1, 0};

    // Charts of the graph windows.
    ChartModel OTChGraphResults;     // body plan
    ChartModel MBGraphResults;       // Bonjean scale (never filled)
    ChartModel SSpGraphResults;      // sectional-area curves per waterline
    ChartModel StatMomGraphResults;  // static moments per frame
    ChartModel NagrGraph;            // load per spacing
    ChartModel ForceGraph;           // shear force
    ChartModel MomGraph;             // bending moment
    // Charts on the pages of the trim window.
    ChartModel VGraphResults, XcvGraph, WLGraph, XcfGraph, IyGraph, IzGraph, smallRGraph, RGraph;
    ChartModel TGraph;
    ChartModel WrGraph;

    // The result summary: texts of the value labels Label19 .. Label29.
    static constexpr int summaryCount = 11;
    std::array<std::string, summaryCount> summary;

    KeptValues kept;

    struct NamedGrid {
        std::string_view name;
        TextGrid* grid;
    };
    struct NamedChart {
        std::string_view window;  // the window that shows it
        std::string_view name;
        ChartModel* chart;
    };
    // Every grid and chart in the order of the window's pages.
    std::vector<NamedGrid> grids();
    std::vector<NamedChart> charts();
};

// Caption and value label of summary line i (0 = V .. 10 = bending moment closure).
struct SummaryLine {
    std::string_view caption;
    std::string_view label;
};
extern const std::array<SummaryLine, TrimSheet::summaryCount> summaryLines;

}  // namespace hullcalc
