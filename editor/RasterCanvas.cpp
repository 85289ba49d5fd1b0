#include "RasterCanvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// The line through a non-horizontal edge, as x of y.
struct EdgeLine {
    double offset; // x at y = 0
    double slope;
    double xAt(double y) const { return offset + y * slope; }
};

// The first pixel index whose centre lies at or after coordinate c, kept within
// [0, limit]. The clamp comes before the conversion, so that any coordinate converts
// safely; on the clamped value, ceil is (limit + 1) minus the truncation of its distance
// below limit + 1, which needs no rounding-mode instructions.
int FirstCentreFrom(double c, int limit) {
    const double top = limit + 1.0;
    const double v = std::min(std::max(c - 0.5, 0.0), static_cast<double>(limit));
    return limit + 1 - static_cast<int>(top - v);
}

} // namespace

void RasterCanvas::paintSpan(QRgb* pixels, int fromX, int toX, QRgb colour) {
    if (toX - fromX < 16) {
        for (int x = fromX; x < toX; ++x)
            pixels[x] = colour;
        return;
    }
    // Long spans copy from a row of the colour, so that memcpy's wide stores do the work.
    if (m_solid.empty() || m_solid.front() != colour)
        m_solid.assign(static_cast<std::size_t>(m_width), colour);
    std::memcpy(pixels + fromX, m_solid.data() + fromX,
                static_cast<std::size_t>(toX - fromX) * sizeof(QRgb));
}

// bits() gives the image its own pixels first, should they still be shared with a copy.
RasterCanvas::RasterCanvas(QImage& image)
    : m_bits(reinterpret_cast<QRgb*>(image.bits())),
      m_stride(static_cast<int>(image.bytesPerLine() / 4)), m_width(image.width()),
      m_height(image.height()) {
    Q_ASSERT(image.format() == QImage::Format_RGB32);
}

void RasterCanvas::fillSpan(int y, int fromX, int toX, QRgb colour) {
    if (y < 0 || y >= m_height)
        return;
    paintSpan(row(y), std::max(fromX, 0), std::min(toX, m_width), colour);
}

// Bresenham along the major axis: step k of the |du| steps from a (b's own step is left
// out) puts the minor coordinate at round(k * |dv| / |du|), halves away from a. Only the
// steps whose major coordinate lies in the image are walked; the first one's position is
// found directly, in 128-bit arithmetic because k * |dv| can pass 2^63.
void RasterCanvas::drawThinLine(TPoint a, TPoint b, QRgb colour) {
    const std::int64_t dx = std::int64_t{b.X} - a.X;
    const std::int64_t dy = std::int64_t{b.Y} - a.Y;
    if (dx == 0 && dy == 0)
        return;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const std::int64_t u0 = xMajor ? a.X : a.Y;
    const std::int64_t v0 = xMajor ? a.Y : a.X;
    const std::int64_t du = xMajor ? dx : dy;
    const std::int64_t dv = xMajor ? dy : dx;
    const std::int64_t uLast = (xMajor ? m_width : m_height) - 1;
    const std::int64_t vLast = (xMajor ? m_height : m_width) - 1;
    const std::int64_t su = du > 0 ? 1 : -1;
    const std::int64_t sv = dv >= 0 ? 1 : -1;
    const std::int64_t adu = std::abs(du);
    const std::int64_t adv = std::abs(dv);

    const std::int64_t kFrom = std::max<std::int64_t>(0, su > 0 ? -u0 : u0 - uLast);
    const std::int64_t kTo = std::min<std::int64_t>(adu - 1, su > 0 ? uLast - u0 : u0);
    if (kFrom > kTo)
        return;
    const __int128 numerator = static_cast<__int128>(2) * kFrom * adv + adu;
    std::int64_t q = static_cast<std::int64_t>(numerator / (2 * adu));
    std::int64_t r = static_cast<std::int64_t>(numerator % (2 * adu));
    for (std::int64_t k = kFrom; k <= kTo; ++k) {
        const std::int64_t u = u0 + su * k;
        const std::int64_t v = v0 + sv * q;
        if (v >= 0 && v <= vLast) {
            const int x = static_cast<int>(xMajor ? u : v);
            const int y = static_cast<int>(xMajor ? v : u);
            row(y)[x] = colour;
        }
        r += 2 * adv;
        if (r >= 2 * adu) {
            r -= 2 * adu;
            ++q;
        }
    }
}

void RasterCanvas::drawWideLine(TPoint a, TPoint b, int width, QRgb colour) {
    if (a == b)
        return;
    const Vertex from{a.X + 0.5, a.Y + 0.5};
    const Vertex to{b.X + 0.5, b.Y + 0.5};
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    const double half = width / 2.0;
    const double ux = (to.x - from.x) / length * half;
    const double uy = (to.y - from.y) / length * half;
    const std::array<Vertex, 4> corners = {{{from.x - ux - uy, from.y - uy + ux},
                                            {to.x + ux - uy, to.y + uy + ux},
                                            {to.x + ux + uy, to.y + uy - ux},
                                            {from.x - ux + uy, from.y - uy - ux}}};
    fillQuad(corners, colour);
}

// The rectangle is filled row by row as the intersection of the half-planes of its edges:
// per row, the rightmost of its two left edges and the leftmost of its two right edges (an
// upright rectangle has one of each and two horizontal edges, which bound the rows only).
// A pixel belongs to it when its centre lies within, a centre on the top or left boundary
// counting in and one on the bottom or right boundary out.
void RasterCanvas::fillQuad(const std::array<Vertex, 4>& corners, QRgb colour) {
    const Vertex centre{(corners[0].x + corners[2].x) / 2, (corners[0].y + corners[2].y) / 2};
    std::array<EdgeLine, 2> left{};
    std::array<EdgeLine, 2> right{};
    std::size_t leftCount = 0;
    std::size_t rightCount = 0;
    double first = corners[0].y; // top
    double last = corners[0].y;  // bottom
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Vertex& p = corners[i];
        const Vertex& q = corners[(i + 1) % corners.size()];
        first = std::min(first, p.y);
        last = std::max(last, p.y);
        if (p.y == q.y)
            continue;
        const double slope = (q.x - p.x) / (q.y - p.y);
        const EdgeLine edge{p.x - p.y * slope, slope};
        if (centre.x > edge.xAt(centre.y))
            left[leftCount++ % 2] = edge;
        else
            right[rightCount++ % 2] = edge;
    }
    if (leftCount == 1)
        left[1] = left[0];
    if (rightCount == 1)
        right[1] = right[0];

    const int endRow = FirstCentreFrom(last, m_height);
    for (int y = FirstCentreFrom(first, m_height); y < endRow; ++y) {
        const double yc = y + 0.5;
        const double from = std::max(left[0].xAt(yc), left[1].xAt(yc));
        const double to = std::min(right[0].xAt(yc), right[1].xAt(yc));
        paintSpan(row(y), FirstCentreFrom(from, m_width), FirstCentreFrom(to, m_width), colour);
    }
}

void RasterCanvas::fillRect(std::int64_t left, std::int64_t top, std::int64_t width,
                            std::int64_t height, QRgb colour) {
    const auto clampX = [this](std::int64_t x) {
        return static_cast<int>(std::clamp<std::int64_t>(x, 0, m_width));
    };
    const auto clampY = [this](std::int64_t y) {
        return static_cast<int>(std::clamp<std::int64_t>(y, 0, m_height));
    };
    for (int y = clampY(top); y < clampY(top + height); ++y)
        fillSpan(y, clampX(left), clampX(left + width), colour);
}

void RasterCanvas::frameRect(std::int64_t left, std::int64_t top, std::int64_t width,
                             std::int64_t height, QRgb colour) {
    if (width < 1 || height < 1)
        return;
    fillRect(left, top, width, 1, colour);
    fillRect(left, top + height - 1, width, 1, colour);
    fillRect(left, top, 1, height, colour);
    fillRect(left + width - 1, top, 1, height, colour);
}
