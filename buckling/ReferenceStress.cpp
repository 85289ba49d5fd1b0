#include "ReferenceStress.h"

#include <algorithm>
#include <cmath>

namespace {

struct LineSection {
    double Area = 0, Xg = 0, Yg = 0, Ix = 0, Iy = 0;
};

// A straight strip's first and second moments are exact from its end points.
LineSection SectionOf(const TStripModel& m) {
    LineSection s;
    for (const TStripModel::Strip& strip : m.Strips) {
        const TStripModel::Node a = m.Nodes[strip.A], b = m.Nodes[strip.B];
        const double area = std::hypot(b.X - a.X, b.Y - a.Y) * strip.Thickness;
        s.Area += area;
        s.Xg += area * (a.X + b.X) / 2;
        s.Yg += area * (a.Y + b.Y) / 2;
    }
    s.Xg /= s.Area;
    s.Yg /= s.Area;
    for (const TStripModel::Strip& strip : m.Strips) {
        const TStripModel::Node a = m.Nodes[strip.A], b = m.Nodes[strip.B];
        const double area = std::hypot(b.X - a.X, b.Y - a.Y) * strip.Thickness;
        const double ya = a.Y - s.Yg, yb = b.Y - s.Yg, xa = a.X - s.Xg, xb = b.X - s.Xg;
        s.Ix += area * (ya * ya + ya * yb + yb * yb) / 3;
        s.Iy += area * (xa * xa + xa * xb + xb * xb) / 3;
    }
    return s;
}

} // namespace

TReferenceStress ReferenceStress(const TStripModel& model, TBucklingLoad load, double fy) {
    TReferenceStress r;
    if (model.Strips.empty())
        return r;
    const LineSection s = SectionOf(model);
    if (load == TBucklingLoad::P) {
        r.NodeStress.assign(model.Nodes.size(), fy);
        r.Reference = s.Area * fy;
        return r;
    }
    // Distance from the axis towards the side a positive moment compresses.
    const bool aboutX = load == TBucklingLoad::Mx || load == TBucklingLoad::MinusMx;
    const double sign = load == TBucklingLoad::Mx || load == TBucklingLoad::My ? 1 : -1;
    std::vector<double> distance;
    double extreme = 0;
    for (const TStripModel::Node& n : model.Nodes) {
        distance.push_back(aboutX ? s.Yg - n.Y : n.X - s.Xg);
        extreme = std::max(extreme, std::abs(distance.back()));
    }
    // Every node on the axis: the moment stresses nothing.
    if (extreme == 0) {
        r.NodeStress.assign(model.Nodes.size(), 0.0);
        return r;
    }
    for (const double d : distance)
        r.NodeStress.push_back(sign * fy * d / extreme);
    r.Reference = fy * (aboutX ? s.Ix : s.Iy) / extreme;
    return r;
}
