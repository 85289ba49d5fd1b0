#pragma once

#include "SectionEngineering.h"

#include <QPainter>
#include <QRectF>

#include <span>

// The section fitted into frame, y down as in the editor: the bars with their thickness,
// the appendices, the centroid (a circle with a cross, "G"), the principal axes through
// it (1 the major, 2 the minor, dashed) and the shear centre (a red dot "S"). Only what
// the results hold is marked; an empty section draws nothing.
void PaintSection(QPainter& painter, const QRectF& frame, std::span<const TProfileObject> objects,
                  const TEngineeringResults& results);
