#include "SectionEngineering.h"

#include "Density.h"
#include "PerfilError.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <utility>
#include <vector>

namespace {

// The objects the report's compaction would keep, in their order. The profile's own
// span serves when nothing awaits compaction, which is the rule in the editor.
std::span<const TProfileObject> Survivors(const TProfile& profile,
                                          std::vector<TProfileObject>& copy) {
    const auto objects = profile.liveObjects();
    if (std::none_of(objects.begin(), objects.end(),
                     [](const TProfileObject& o) { return o.Number == 0; }))
        return objects;
    std::copy_if(objects.begin(), objects.end(), std::back_inserter(copy),
                 [](const TProfileObject& o) { return o.Number != 0; });
    return copy;
}

double ReadDensityQuietly(std::string_view materialText, char decimalSeparator, bool& overflow) {
    try {
        return ReadDensity(materialText, decimalSeparator);
    } catch (const PerfilError&) {
        overflow = true;
        return TThinWall::Missing;
    }
}

// Product of inertia in drawing axes with the report's weights: a strip's own product
// t L dx dy / 12 (0 for an axis-parallel bar) plus the parallel-axis term, a bend's
// sector moved from its centre, and 4 times the offsets for an appendix.
double DrawingProduct(std::span<const TProfileObject> objects, const TSectionPass& pass, double xg,
                      double yg) {
    const TBends& bends = pass.Bends;
    double product = 0;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const TProfileObject& o = objects[i];
        if (o.isBar()) {
            const TPointMm a = bends.end(i, TEnd::P1), b = bends.end(i, TEnd::P2);
            const TBarStrip s = BarStrip(a, b, o.Thickness);
            const double dx = b.X - a.X;
            const double dy = b.Y - a.Y;
            product +=
                o.Thickness * s.Length * dx * dy / 12 + s.Area * (s.MidX - xg) * (s.MidY - yg);
        } else if (o.isAppendix()) {
            const TPointMm p = PointMm(o, TEnd::P1);
            product += 4 * (p.X - xg) * (p.Y - yg);
        }
    }
    for (std::size_t k = 0; k < bends.Bends.size(); ++k) {
        const TBend& bend = bends.Bends[k];
        const TBendSector& s = pass.Sectors[k];
        const double ex = bend.Centre.X - xg, ey = bend.Centre.Y - yg;
        product += s.Ixy + ex * s.Sy + ey * s.Sx + s.Area * ex * ey;
    }
    return product;
}

void PrincipalAxes(TEngineeringResults& e, std::span<const TProfileObject> objects,
                   const TSectionPass& pass) {
    const TSectionResults& s = e.Section;
    e.Jxy = -DrawingProduct(objects, pass, s.Xg, s.Yg);
    // The product of a symmetric section cancels to rounding noise, which would tilt its
    // axes by a sliver and print as "-0.00".
    if (std::abs(e.Jxy) <= 1e-12 * (s.Jxc + s.Jyc))
        e.Jxy = 0;
    const double mean = (s.Jxc + s.Jyc) / 2;
    const double radius = std::hypot((s.Jxc - s.Jyc) / 2, e.Jxy);
    e.I1 = mean + radius;
    e.I2 = mean - radius;
    // The maximum of Iu = mean + (Jxc - Jyc)/2 cos 2a - Jxy sin 2a; adding 0 turns a -0
    // into +0 so that atan2 gives 0, never -180, for a section without a product.
    const double theta = std::atan2(-2 * e.Jxy + 0.0, s.Jxc - s.Jyc) / 2 * 180 / std::numbers::pi;
    e.Theta = theta <= -90 ? theta + 180 : theta;
    e.Rx = std::sqrt(s.Jxc / s.Area);
    e.Ry = std::sqrt(s.Jyc / s.Area);
    e.R1 = std::sqrt(e.I1 / s.Area);
    e.R2 = std::sqrt(std::max(e.I2, 0.0) / s.Area);
}

// The section's values on the survivors, and the bends found on them for the wall.
TEngineeringResults SectionAxes(const TProfile& profile, std::span<const TProfileObject> objects,
                                std::string_view materialText, char decimalSeparator,
                                TBends& bends) {
    TEngineeringResults e;
    const double density = ReadDensityQuietly(materialText, decimalSeparator, e.DensityOverflow);
    if (objects.empty())
        return e;
    TSectionPass pass;
    try {
        pass = ComputeSectionOf(objects, density, profile.info().BendRadius);
    } catch (const PerfilError&) {
        e.State = TSectionState::ZeroArea;
        return e;
    }
    e.State = TSectionState::Ready;
    e.Section = pass.Results;
    PrincipalAxes(e, objects, pass);
    e.Table = ComputeSectionTableProperties(objects, pass.Bends, e.Section, e.Theta);
    for (const TSharpCorner& corner : pass.Bends.Sharp)
        e.SharpCorners.push_back(corner.At);
    if (std::any_of(objects.begin(), objects.end(),
                    [](const TProfileObject& o) { return o.isBar(); })) {
        e.FibreLeft = e.Section.Xg - pass.MinX;
        e.FibreRight = pass.MaxX - e.Section.Xg;
        e.FibreTop = e.Section.Yg - pass.MinY;
        e.FibreBottom = pass.MaxY - e.Section.Yg;
    }
    bends = std::move(pass.Bends);
    return e;
}

} // namespace

// The wall takes the survivors too: it leaves out what compaction drops, so its graph is
// the same, and the bends are found once. A profile without a section keeps its corners
// sharp.
TEngineeringResults ComputeEngineering(const TProfile& profile, std::string_view materialText,
                                       char decimalSeparator) {
    std::vector<TProfileObject> copy;
    const std::span<const TProfileObject> objects = Survivors(profile, copy);
    TBends bends;
    TEngineeringResults e = SectionAxes(profile, objects, materialText, decimalSeparator, bends);
    e.Wall = ComputeThinWall(objects, bends);
    return e;
}

TEngineeringResults ComputeSectionAxes(const TProfile& profile, std::string_view materialText,
                                       char decimalSeparator) {
    std::vector<TProfileObject> copy;
    TBends bends;
    return SectionAxes(profile, Survivors(profile, copy), materialText, decimalSeparator, bends);
}

std::string_view SectionNote(const TEngineeringResults& results) {
    switch (results.State) {
    case TSectionState::Empty:
        return "perfil vazio";
    case TSectionState::ZeroArea:
        return "área nula";
    case TSectionState::Ready:
        break;
    }
    return results.DensityOverflow ? "densidade fora do alcance" : "";
}
