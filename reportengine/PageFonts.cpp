#include "PageFonts.h"

#include <QPainter>

namespace {
QFont makeFont(const PageItem& item) {
    QFont font(item.fontFamily);
    font.setPointSizeF(item.pointSize);
    font.setBold(item.bold);
    return font;
}
} // namespace

PageFonts::Font::Font(const PageItem& item, const QPaintDevice* device)
    : font(makeFont(item)), metrics(font, device) {}

bool PageFonts::Font::isFontOf(const PageItem& item) const {
    return font.pointSizeF() == item.pointSize && font.bold() == item.bold &&
           font.family() == item.fontFamily;
}

const QFontMetricsF& PageFonts::use(const PageItem& item) {
    // A linear search: a page uses a handful of fonts.
    std::size_t i = 0;
    while (i < m_fonts.size() && !m_fonts[i].isFontOf(item))
        ++i;
    if (i == m_fonts.size())
        m_fonts.emplace_back(item, m_painter.device());
    if (i != m_current) {
        m_painter.setFont(m_fonts[i].font);
        m_current = i;
    }
    return m_fonts[i].metrics;
}
