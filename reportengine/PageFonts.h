#pragma once

#include "PageItem.h"

#include <QFont>
#include <QFontMetricsF>

#include <cstddef>
#include <limits>
#include <vector>

class QPainter;

// The fonts of the texts painted on one painter, each made once with its metrics on the
// painter's device, and the one now set on the painter; nothing else may change the
// painter's font meanwhile. A report page holds a thousand texts in a handful of fonts:
// making a font and its metrics for every text cost a quarter of a report run and paint of
// two pages of 255 bars (6.7 ms, 5.0 ms without).
class PageFonts {
  public:
    // painter must be active and outlive this object.
    explicit PageFonts(QPainter& painter) : m_painter(painter) {}

    // Sets item's font on the painter; its metrics.
    const QFontMetricsF& use(const PageItem& item);

  private:
    struct Font {
        Font(const PageItem& item, const QPaintDevice* device);
        bool isFontOf(const PageItem& item) const;

        QFont font;
        QFontMetricsF metrics;
    };

    QPainter& m_painter;
    std::vector<Font> m_fonts;
    std::size_t m_current = std::numeric_limits<std::size_t>::max();
};
