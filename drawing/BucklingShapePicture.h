#pragma once

#include "HalfWaveSolver.h"

#include <QPainter>
#include <QRectF>

// The buckled cross-section fitted into area, y down as in the editor: the strips' centre-
// line as it is, in grey, and displaced by the mode over it. Each strip bends between its
// nodes as the method's cubic does, through their rotations. The largest displacement is
// drawn as a sixth of the section's size.
void PaintBucklingShape(QPainter& painter, const QRectF& area, const TStripModel& model,
                        const TBucklingMode& mode);
