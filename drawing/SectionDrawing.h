#pragma once

#include "Profile.h"
#include "SectionEngineering.h"

#include <QPainter>
#include <QRectF>

// The section fitted into frame, y down as in the editor: the bars with their thickness
// and the profile's bends, the appendices, the centroid (a circle with a cross, "G"), the
// principal axes through it (1 the major, 2 the minor, dashed) and the shear centre (a red
// dot "S"). Only what the results hold is marked; an empty section draws nothing.
void PaintSection(QPainter& painter, const QRectF& frame, const TProfile& profile,
                  const TEngineeringResults& results);
