#pragma once

#include "Profile.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <string>

// Pictures of the drawing for other programs. Neither function changes anything.

// The profile as scalable vector graphics, one unit one millimetre on a 400 x 250 mm
// page: white ground, the grid dots when drawGrid is set, each bar a black line as wide
// as its thickness (short of its ends where a bend rounds the corner, each bend an arc as
// wide as its thickness), each appendix the blue square outline the drawing shows.
QByteArray DrawingSvg(const TProfile& profile, bool drawGrid, int gridStep);

// The drawing pixel for pixel, as PNG.
QByteArray DrawingPng(const QImage& drawing);

// Writes bytes to the file at path in one step (FileBytes.h); throws PerfilError.
void WritePictureFile(const std::string& path, const QByteArray& bytes);
