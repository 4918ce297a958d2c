#include "trim/heeled_waterplane.h"

#include <cmath>

namespace hullcalc {

namespace {

// Accumulates the clipped polygon vertex by vertex, without storing it: the
// shoelace sums for area and moments, and the edges that lie on the waterline.
class ClippedOutline {
public:
    ClippedOutline(double cosHeel, double sinHeel, double height) : cos_(cosHeel), sin_(sinHeel), height_(height) {}

    void add(SectionPoint point, bool onWaterline)
    {
        if (count_ == 0) {
            first_ = point;
            firstOnWaterline_ = onWaterline;
        } else {
            edge(last_, lastOnWaterline_, point, onWaterline);
        }
        last_ = point;
        lastOnWaterline_ = onWaterline;
        ++count_;
    }

    ImmersedSection finish()
    {
        if (count_ > 1)
            edge(last_, lastOnWaterline_, first_, firstOnWaterline_);
        result_.area /= 2.0;
        result_.momentY /= 6.0;
        result_.momentZ /= 6.0;
        result_.waterlineLength = std::abs(result_.waterlineLength);
        result_.waterlineInertia = std::abs(result_.waterlineInertia) / 3.0;
        return result_;
    }

private:
    void edge(SectionPoint p, bool pOn, SectionPoint q, bool qOn)
    {
        const double cross = p.y * q.z - q.y * p.z;
        result_.area += cross;
        result_.momentY += (p.y + q.y) * cross;
        result_.momentZ += (p.z + q.z) * cross;
        if (pOn && qOn) {
            // Along the waterline, s = y·cos φ + z·sin φ; it meets the centre
            // plane at s = height·tan φ (defined short of 90°).
            const double sp = p.y * cos_ + p.z * sin_;
            const double sq = q.y * cos_ + q.z * sin_;
            result_.waterlineLength += sq - sp;
            if (cos_ > 0.0) {
                const double centre = height_ * sin_ / cos_;
                result_.waterlineInertia += std::pow(sq - centre, 3) - std::pow(sp - centre, 3);
            }
        }
    }

    double cos_;
    double sin_;
    double height_;
    ImmersedSection result_;
    SectionPoint first_;
    SectionPoint last_;
    bool firstOnWaterline_ = false;
    bool lastOnWaterline_ = false;
    int count_ = 0;
};

}  // namespace

namespace {

ImmersedSection clip(const HullSection& section, double c, double s, double height)
{
    const auto depthBelow = [&](SectionPoint p) { return p.z * c - p.y * s - height; };
    ClippedOutline clipped(c, s, height);
    const std::vector<SectionPoint>& outline = section.outline;
    if (outline.empty())
        return {};
    SectionPoint p = outline.back();
    double dp = depthBelow(p);
    for (const SectionPoint& q : outline) {
        const double dq = depthBelow(q);
        const bool pInside = dp <= 0.0;
        const bool qInside = dq <= 0.0;
        if (pInside != qInside) {
            const double t = dp / (dp - dq);
            clipped.add({p.y + t * (q.y - p.y), p.z + t * (q.z - p.z)}, true);
        }
        if (qInside)
            clipped.add(q, dq == 0.0);
        p = q;
        dp = dq;
    }
    return clipped.finish();
}

}  // namespace

ImmersedSection immerseSection(const HullSection& section, double heel, double height)
{
    return clip(section, std::cos(heel), std::sin(heel), height);
}

ImmersedHull immerseHull(const HullSections& hull, const Waterplane& waterplane)
{
    ImmersedHull sum;
    const double c = std::cos(waterplane.heel);
    const double s = std::sin(waterplane.heel);
    for (std::size_t i = 0; i < hull.sections.size(); ++i) {
        const double x = hull.sections[i].abscissa;
        const ImmersedSection cut = clip(hull.sections[i], c, s, waterplane.level - waterplane.trimSlope * x);
        const double w = hull.volumeWeight[i];
        const double m = hull.momentWeight[i];
        sum.volume += w * cut.area;
        sum.momentX += m * cut.area;
        sum.momentY += w * cut.momentY;
        sum.momentZ += w * cut.momentZ;
        sum.waterplaneInertia += w * cut.waterlineInertia;
        sum.waterplaneSecondMomentX += w * x * x * cut.waterlineLength;
        sum.volumeByLevel += w * cut.waterlineLength;
        sum.volumeByTrim -= w * x * cut.waterlineLength;
        sum.momentXByLevel += m * cut.waterlineLength;
        sum.momentXByTrim -= m * x * cut.waterlineLength;
    }
    return sum;
}

}  // namespace hullcalc
