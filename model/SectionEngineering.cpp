#include "SectionEngineering.h"

#include "Density.h"
#include "PerfilError.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
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
// t L dx dy / 12 (0 for an axis-parallel bar) plus the parallel-axis term, and 4 times
// the offsets for an appendix.
double DrawingProduct(std::span<const TProfileObject> objects, double xg, double yg) {
    double product = 0;
    for (const TProfileObject& o : objects) {
        if (o.isBar()) {
            const TBarStrip s = BarStrip(o);
            const TPointMm a = PointMm(o, TEnd::P1), b = PointMm(o, TEnd::P2);
            const double dx = b.X - a.X;
            const double dy = b.Y - a.Y;
            product +=
                o.Thickness * s.Length * dx * dy / 12 + s.Area * (s.MidX - xg) * (s.MidY - yg);
        } else if (o.isAppendix()) {
            const TPointMm p = PointMm(o, TEnd::P1);
            product += 4 * (p.X - xg) * (p.Y - yg);
        }
    }
    return product;
}

void PrincipalAxes(TEngineeringResults& e, std::span<const TProfileObject> objects) {
    const TSectionResults& s = e.Section;
    e.Jxy = -DrawingProduct(objects, s.Xg, s.Yg);
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

} // namespace

TEngineeringResults ComputeEngineering(const TProfile& profile, std::string_view materialText,
                                       char decimalSeparator) {
    TEngineeringResults e = ComputeSectionAxes(profile, materialText, decimalSeparator);
    e.Wall = ComputeThinWall(profile.liveObjects());
    return e;
}

TEngineeringResults ComputeSectionAxes(const TProfile& profile, std::string_view materialText,
                                       char decimalSeparator) {
    TEngineeringResults e;
    std::vector<TProfileObject> copy;
    const std::span<const TProfileObject> objects = Survivors(profile, copy);
    const double density = ReadDensityQuietly(materialText, decimalSeparator, e.DensityOverflow);
    if (objects.empty())
        return e;
    TSectionPass pass;
    try {
        pass = ComputeSectionOf(objects, density);
    } catch (const PerfilError&) {
        e.State = TSectionState::ZeroArea;
        return e;
    }
    e.State = TSectionState::Ready;
    e.Section = pass.Results;
    PrincipalAxes(e, objects);
    e.Table = ComputeSectionTableProperties(objects, profile.info().BendRadius, e.Section, e.Theta);
    if (std::any_of(objects.begin(), objects.end(),
                    [](const TProfileObject& o) { return o.isBar(); })) {
        e.FibreLeft = e.Section.Xg - pass.MinX;
        e.FibreRight = pass.MaxX - e.Section.Xg;
        e.FibreTop = e.Section.Yg - pass.MinY;
        e.FibreBottom = pass.MaxY - e.Section.Yg;
    }
    return e;
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
