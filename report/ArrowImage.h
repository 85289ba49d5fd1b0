#pragma once

#include <QImage>

// The small red arrows beside the report's picture of the drawing, which show the directions
// of x and y. Drawn in code at four times screen resolution (device pixel ratio 4), so they
// stay sharp on paper while measuring 17 screen pixels, 4.5 mm, a side.
class ArrowImage {
  public:
    enum class Direction { Down, Right };

    static QImage make(Direction direction);
};
