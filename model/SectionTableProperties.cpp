#include "SectionTableProperties.h"

#include "SectionEngineering.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

// The weight of an appendix in the moments of inertia, which the third moments share so
// that their quotients stay consistent.
constexpr double AppendixWeight = 4;

class Extremes {
  public:
    void add(TPointMm p) {
        m_box.MinX = std::min(m_box.MinX, p.X);
        m_box.MaxX = std::max(m_box.MaxX, p.X);
        m_box.MinY = std::min(m_box.MinY, p.Y);
        m_box.MaxY = std::max(m_box.MaxY, p.Y);
    }
    // The arc of this radius about the bend's centre, but for its ends.
    void addArc(const TBend& bend, double radius) {
        WidenToArc(bend, radius, m_box.MinX, m_box.MaxX, m_box.MinY, m_box.MaxY);
    }
    const TFaceExtremes& box() const { return m_box; }

  private:
    static constexpr double Inf = std::numeric_limits<double>::infinity();
    TFaceExtremes m_box{Inf, -Inf, Inf, -Inf};
};

double HalfThickness(double thickness) {
    return std::isfinite(thickness) && thickness > 0 ? thickness / 2 : 0.0;
}

// The four corners of the bar's rectangle between its ends as the bends left them; the
// bar's own direction holds where a bend took the whole bar.
void AddBarFaces(Extremes& extremes, const TProfileObject& o, TPointMm a, TPointMm b) {
    const TPointMm p = PointMm(o, TEnd::P1), q = PointMm(o, TEnd::P2);
    const double length = std::hypot(q.X - p.X, q.Y - p.Y);
    const double across = length > 0 ? HalfThickness(o.Thickness) / length : 0.0;
    const double nx = -(q.Y - p.Y) * across, ny = (q.X - p.X) * across;
    for (const TPointMm end : {a, b}) {
        extremes.add({end.X + nx, end.Y + ny});
        extremes.add({end.X - nx, end.Y - ny});
    }
}

// The annular sector's four corners and the outer arc's points at the four axis
// directions that lie within the sweep.
void AddBendFaces(Extremes& extremes, const TBend& bend) {
    const double half = HalfThickness(bend.Thickness);
    for (const TPointMm d : {bend.startDirection(), bend.endDirection()})
        for (const double radius : {bend.Radius - half, bend.Radius + half})
            extremes.add({bend.Centre.X + radius * d.X, bend.Centre.Y + radius * d.Y});
    extremes.addArc(bend, bend.Radius + half);
}

// Drawing coordinates to the axes of the integrals: y up from the origin, then turned.
class Axes {
  public:
    Axes(TPointMm origin, double thetaDegrees) : m_origin(origin) {
        const double radians = thetaDegrees * std::numbers::pi / 180;
        m_cos = std::cos(radians);
        m_sin = std::sin(radians);
    }

    TPointMm operator()(TPointMm p) const { return turn({p.X - m_origin.X, p.Y - m_origin.Y}); }
    // A vector of the drawing, such as a direction: flipped and turned, not moved.
    TPointMm turn(TPointMm v) const {
        const double x = v.X, y = -v.Y;
        return {x * m_cos + y * m_sin, -x * m_sin + y * m_cos};
    }

  private:
    TPointMm m_origin;
    double m_cos = 1, m_sin = 0;
};

// u (u2 + v2) and v (u2 + v2) at a point.
TPointMm Integrands(TPointMm p) {
    const double squared = p.X * p.X + p.Y * p.Y;
    return {p.X * squared, p.Y * squared};
}

// Along a straight piece the integrands are cubics of the arc length, which Simpson's
// rule integrates exactly.
TPointMm StraightPiece(TPointMm a, TPointMm b, double thickness) {
    const TPointMm fa = Integrands(a), fb = Integrands(b),
                   fm = Integrands({(a.X + b.X) / 2, (a.Y + b.Y) / 2});
    const double weight = thickness * std::hypot(b.X - a.X, b.Y - a.Y) / 6;
    return {weight * (fa.X + 4 * fm.X + fb.X), weight * (fa.Y + 4 * fm.Y + fb.Y)};
}

// Along an arc u = a + R cos t, v = b + R sin t for t over the terms' angles:
//   u (u2 + v2) = a K + (2 a2 R + R K) cos t + 2 a b R sin t + 2 a R2 cos2 t + 2 b R2 cos t sin t
//   v (u2 + v2) = b K + 2 a b R cos t + (2 b2 R + R K) sin t + 2 a R2 cos t sin t + 2 b R2 sin2 t
// with K = a2 + b2 + R2, each term integrated in closed form; ds = R dt.
TPointMm ArcPiece(TPointMm centre, double radius, const TArcTerms& g, double thickness) {
    const double a = centre.X, b = centre.Y, r = radius;
    const double k = a * a + b * b + r * r;
    const double u = a * k * g.Turn + (2 * a * a * r + r * k) * g.Cos + 2 * a * b * r * g.Sin +
                     2 * a * r * r * g.CosCos + 2 * b * r * r * g.CosSin;
    const double v = b * k * g.Turn + 2 * a * b * r * g.Cos + (2 * b * b * r + r * k) * g.Sin +
                     2 * a * r * r * g.CosSin + 2 * b * r * r * g.SinSin;
    return {thickness * r * u, thickness * r * v};
}

// A bend's arc in the turned axes, where its angles run the other way round, the
// drawing's y pointing down: from its end B to its end A for a positive sweep.
TPointMm BendPiece(const TBend& bend, const Axes& axes) {
    const TPointMm a = axes.turn(bend.startDirection()), b = axes.turn(bend.endDirection());
    const TArcTerms g = bend.Sweep > 0 ? ArcTerms(bend.Sweep, b, a) : ArcTerms(-bend.Sweep, a, b);
    return ArcPiece(axes(bend.Centre), bend.Radius, g, bend.Thickness);
}

double Over(double value, double divisor) {
    return divisor > 0 ? value / divisor : TThinWall::Missing;
}

// Across a section's axis of symmetry the offset and the parameter cancel but for
// rounding, which would print as "-0,00": within rounding of the coordinates' size, 0.
double WithoutNoise(double value, const TEngineeringResults& results) {
    const double size = std::abs(results.Section.Xg) + std::abs(results.Section.Yg) + results.R1;
    return std::abs(value) <= 1e-12 * size ? 0.0 : value;
}

} // namespace

TFaceExtremes FaceExtremes(std::span<const TProfileObject> objects, const TBends& bends) {
    Extremes extremes;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const TProfileObject& o = objects[i];
        if (o.isBar())
            AddBarFaces(extremes, o, bends.end(i, TEnd::P1), bends.end(i, TEnd::P2));
        else if (o.isAppendix())
            extremes.add(PointMm(o, TEnd::P1));
    }
    for (const TBend& bend : bends.Bends)
        AddBendFaces(extremes, bend);
    return extremes.box();
}

TPointMm PolarMoments(std::span<const TProfileObject> objects, const TBends& bends, TPointMm origin,
                      double thetaDegrees) {
    const Axes axes(origin, thetaDegrees);
    TPointMm sum;
    auto add = [&sum](TPointMm piece) {
        sum.X += piece.X;
        sum.Y += piece.Y;
    };
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const TProfileObject& o = objects[i];
        if (o.isBar()) {
            add(StraightPiece(axes(bends.end(i, TEnd::P1)), axes(bends.end(i, TEnd::P2)),
                              o.Thickness));
        } else if (o.isAppendix()) {
            const TPointMm f = Integrands(axes(PointMm(o, TEnd::P1)));
            add({AppendixWeight * f.X, AppendixWeight * f.Y});
        }
    }
    for (const TBend& bend : bends.Bends)
        add(BendPiece(bend, axes));
    return sum;
}

TSectionTableProperties ComputeSectionTableProperties(std::span<const TProfileObject> objects,
                                                      const TBends& bends,
                                                      const TSectionResults& section,
                                                      double thetaDegrees) {
    const TFaceExtremes faces = FaceExtremes(objects, bends);
    const TPointMm polar = PolarMoments(objects, bends, {section.Xg, section.Yg}, thetaDegrees);
    TSectionTableProperties t;
    t.WxTop = Over(section.Jxc, section.Yg - faces.MinY);
    t.WxBottom = Over(section.Jxc, faces.MaxY - section.Yg);
    t.WyLeft = Over(section.Jyc, section.Xg - faces.MinX);
    t.WyRight = Over(section.Jyc, faces.MaxX - section.Xg);
    t.PolarU = polar.X;
    t.PolarV = polar.Y;
    return t;
}

TPointMm ShearCentreFromCentroid(const TEngineeringResults& results) {
    const Axes axes({results.Section.Xg, results.Section.Yg}, results.Theta);
    const TPointMm offset = axes({results.Wall.Xs, results.Wall.Ys});
    return {WithoutNoise(offset.X, results), WithoutNoise(offset.Y, results)};
}

double PolarRadiusAboutShearCentre(const TEngineeringResults& results) {
    const TPointMm s = ShearCentreFromCentroid(results);
    return std::sqrt(results.R1 * results.R1 + results.R2 * results.R2 + s.X * s.X + s.Y * s.Y);
}

double MonosymmetryX(const TEngineeringResults& results) {
    return WithoutNoise(
        Over(results.Table.PolarV, results.I1) - 2 * ShearCentreFromCentroid(results).Y, results);
}

double MonosymmetryY(const TEngineeringResults& results) {
    return WithoutNoise(
        Over(results.Table.PolarU, results.I2) - 2 * ShearCentreFromCentroid(results).X, results);
}
