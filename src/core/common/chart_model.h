// What a chart shows, apart from how it looks: a title and an ordered list of
// series of (x, y, label) points. The calculations fill these models; the
// windows draw them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hullcalc {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Colour&) const = default;
};

// The named colours the charts use (the classic sixteen and one dark purple).
namespace colours {
inline constexpr Colour black{0, 0, 0};
inline constexpr Colour maroon{128, 0, 0};
inline constexpr Colour green{0, 128, 0};
inline constexpr Colour olive{128, 128, 0};
inline constexpr Colour navy{0, 0, 128};
inline constexpr Colour purple{128, 0, 128};
inline constexpr Colour teal{0, 128, 128};
inline constexpr Colour grey{128, 128, 128};
inline constexpr Colour silver{192, 192, 192};
inline constexpr Colour red{255, 0, 0};
inline constexpr Colour lime{0, 255, 0};
inline constexpr Colour yellow{255, 255, 0};
inline constexpr Colour blue{0, 0, 255};
inline constexpr Colour fuchsia{255, 0, 255};
inline constexpr Colour aqua{0, 255, 255};
inline constexpr Colour white{255, 255, 255};
inline constexpr Colour darkPurple{64, 0, 64};
}  // namespace colours

struct ChartPoint {
    double x = 0.0;
    double y = 0.0;
    std::string label;
    bool operator==(const ChartPoint&) const = default;
};

enum class SeriesKind { Line, Bar };

// Whether a series keeps its points sorted by x (a new point goes after every
// point with an equal or smaller x) or in the order they were added.
enum class PointOrder { AsAdded, AscendingX };

class ChartSeries {
public:
    ChartSeries(std::string title, Colour colour, SeriesKind kind = SeriesKind::Line,
                PointOrder order = PointOrder::AsAdded);

    const std::string& title() const { return title_; }
    Colour colour() const { return colour_; }
    SeriesKind kind() const { return kind_; }
    PointOrder order() const { return order_; }
    const std::vector<ChartPoint>& points() const { return points_; }

    void clear() { points_.clear(); }
    void append(double x, double y, std::string label = {});

    bool operator==(const ChartSeries&) const = default;

private:
    std::string title_;
    Colour colour_;
    SeriesKind kind_;
    PointOrder order_;
    std::vector<ChartPoint> points_;
};

struct ChartModel {
    std::string title;
    std::vector<ChartSeries> series;

    // Empties every series; titles and colours stay.
    void clear();

    bool operator==(const ChartModel&) const = default;
};

// A chart of one untitled series, its points in the order they are added.
ChartModel singleSeriesChart(std::string title, Colour colour, SeriesKind kind = SeriesKind::Line);

}  // namespace hullcalc
