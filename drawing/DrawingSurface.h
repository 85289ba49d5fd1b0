#pragma once

#include "DrawingArea.h"
#include "Profile.h"

#include <QImage>

// Renders a profile the way the editor shows it, without any window: a background layer
// (white with an optional grid of dots) and the shown image, which every redraw rebuilds
// from a copy of the background plus the objects and the selection marker. The surface
// owns both 400 x 250 RGB32 images; callers get read-only views or copies of them.
//
// Nothing here reports errors: any value a profile file can hold (NaN or huge
// thicknesses, coordinates anywhere in the int32 range) draws without fault.
class DrawingSurface {
  public:
    static constexpr int Width = DrawingArea::Width;
    static constexpr int Height = DrawingArea::Height;

    DrawingSurface();

    // Paints the background white and, when drawGrid is set, a green dot at every
    // multiple of gridStep in x and y. A gridStep below 1 draws no dots.
    void RebuildBackground(bool drawGrid, int gridStep);

    // Replaces the shown image with a copy of the background.
    void ShowBackground();

    // Draws objects 1..ObjectCount over the shown image, in index order.
    void DrawObjects(const TProfile& profile);

    // Draws the selection marker (red line, lime handle squares) over the shown image.
    void DrawMarker(TPoint markP1, TPoint markP2);

    const QImage& image() const { return m_image; }
    const QImage& background() const { return m_background; }

  private:
    void DrawGrid(int gridStep);

    QImage m_background;
    QImage m_image;
};
