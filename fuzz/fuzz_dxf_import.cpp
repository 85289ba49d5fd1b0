// Arbitrary bytes through the DXF import. Whatever it accepts must be a profile the
// editor can hold, inside the drawing area, and must read back unchanged from its own
// export.
#include "DrawingArea.h"
#include "DxfExport.h"
#include "DxfImport.h"
#include "PerfilError.h"
#include "Profile.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

bool InArea(TPoint p) {
    return p.X >= 0 && p.X < DrawingArea::Width && p.Y >= 0 && p.Y < DrawingArea::Height;
}

constexpr double DefaultThickness = 1.0;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TDxfImport imported;
    try {
        imported = ImportDxf({data, size}, DefaultThickness);
    } catch (const PerfilError&) {
        return 0;
    }
    Check(!imported.Records.empty() && imported.Records.size() <= TProfile::Capacity);
    for (const TProfileObject& o : imported.Records) {
        Check(o.isBar() || o.isAppendix());
        Check(InArea(o.P1) && (o.isAppendix() || InArea(o.P2)));
        Check(std::isfinite(o.Thickness) && o.Thickness > 0.0);
    }
    TProfile profile;
    profile.replace(imported.Records, 0);
    const std::string text = ExportDxf(profile);
    const TDxfImport again = ImportDxf(
        {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, DefaultThickness);
    Check(again.Records == imported.Records);
    return 0;
}
