#include "RasterCanvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The line through a non-horizontal edge, as x of y.
struct EdgeLine {
    double offset; // x at y = 0
    double slope;
    double xAt(double y) const { return offset + y * slope; }
};

// The first pixel index whose centre lies at or after coordinate c, kept within
// [0, limit]: ceil(c - 0.5), taken as (limit + 1) minus the truncation of its distance
// below limit + 1, which needs no rounding-mode instructions. Clamping that distance to
// [1, limit + 1] keeps any coordinate, even a NaN, safe to convert.
int FirstCentreFrom(double c, int limit) {
    const double top = limit + 1.0;
    const double below = top - (c - 0.5);
    const double atLeastOne = below > 1.0 ? below : 1.0;
    return limit + 1 - static_cast<int>(atLeastOne < top ? atLeastOne : top);
}

// How far outside an arc's edges a pixel centre may lie and still belong to it: rounding.
constexpr double Edge = 1e-9; // pixels

// Pixels [from, to) of one row. Spans come in every length, mostly short, so they are
// covered by four-pixel stores, the last one overlapping its predecessor; one to three
// pixels take three stores that may coincide.
void FillSpan(QRgb* pixels, int from, int to, QRgb colour) {
    const int count = to - from;
    if (count <= 0)
        return;
    QRgb* const first = pixels + from;
    if (count < 4) {
        first[0] = colour;
        first[count / 2] = colour;
        first[count - 1] = colour;
        return;
    }
    const std::array<QRgb, 4> block = {colour, colour, colour, colour};
    for (int i = 0; i < count - 4; i += 4)
        std::memcpy(first + i, block.data(), sizeof block);
    std::memcpy(first + count - 4, block.data(), sizeof block);
}

#if defined(__x86_64__) || defined(__i386__)
[[gnu::target("avx")]] void ZeroUpperVectorHalves() {
    __builtin_ia32_vzeroupper();
}
#endif

// Qt's AVX image routines (QImage::fill among them) can return with the upper halves of
// the vector registers still in use. Until something clears them, the processor merges
// every SSE result into those halves: a false dependency that chained each row's span
// arithmetic to the previous row's and made drawing two to three times slower. Every canvas
// clears them first; the instruction for that needs AVX, hence the check.
void ClearVectorUpperHalves() {
#if defined(__x86_64__) || defined(__i386__)
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        ZeroUpperVectorHalves();
#endif
}

} // namespace

// bits() gives the image its own pixels first, should they still be shared with a copy.
RasterCanvas::RasterCanvas(QImage& image)
    : m_bits(reinterpret_cast<QRgb*>(image.bits())), m_stride(image.bytesPerLine() / 4),
      m_width(image.width()), m_height(image.height()) {
    Q_ASSERT(image.format() == QImage::Format_RGB32);
    ClearVectorUpperHalves();
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
    const std::int64_t twiceRun = 2 * std::abs(du);
    const std::int64_t twiceRise = 2 * std::abs(dv);
    const std::ptrdiff_t uStride = xMajor ? 1 : m_stride;
    const std::ptrdiff_t vStride = xMajor ? m_stride : 1;

    const std::int64_t kFrom = std::max<std::int64_t>(0, su > 0 ? -u0 : u0 - uLast);
    const std::int64_t kTo = std::min<std::int64_t>(std::abs(du) - 1, su > 0 ? uLast - u0 : u0);
    if (kFrom > kTo)
        return;
    const __int128 numerator = static_cast<__int128>(kFrom) * twiceRise + twiceRun / 2;
    std::int64_t v = v0 + sv * static_cast<std::int64_t>(numerator / twiceRun);
    std::int64_t r = static_cast<std::int64_t>(numerator % twiceRun);
    std::int64_t u = u0 + su * kFrom;
    QRgb* const bits = m_bits;
    for (std::int64_t k = kFrom; k <= kTo; ++k, u += su) {
        if (v >= 0 && v <= vLast)
            bits[u * uStride + v * vStride] = colour;
        r += twiceRise;
        if (r >= twiceRun) {
            r -= twiceRun;
            v += sv;
        }
    }
}

void RasterCanvas::drawWideLine(TPoint a, TPoint b, int width, QRgb colour) {
    drawBand({a.X + 0.5, a.Y + 0.5}, {b.X + 0.5, b.Y + 0.5}, width, true, true, colour);
}

void RasterCanvas::drawBand(QPointF a, QPointF b, int width, bool extendA, bool extendB,
                            QRgb colour) {
    if (a == b)
        return;
    const Vertex from{a.x(), a.y()};
    const Vertex to{b.x(), b.y()};
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    const double half = width / 2.0;
    const double ux = (to.x - from.x) / length * half;
    const double uy = (to.y - from.y) / length * half;
    const double backX = extendA ? ux : 0.0, backY = extendA ? uy : 0.0;
    const double onX = extendB ? ux : 0.0, onY = extendB ? uy : 0.0;
    const std::array<Vertex, 4> corners = {{{from.x - backX - uy, from.y - backY + ux},
                                            {to.x + onX - uy, to.y + onY + ux},
                                            {to.x + onX + uy, to.y + onY - ux},
                                            {from.x - backX + uy, from.y - backY - ux}}};
    fillQuad(corners, colour);
}

// Arcs are a few millimetres across, so every pixel of the bounding square is tested; the
// sector of less than a half turn is where both its edges' half-planes meet. A centre on
// an edge belongs to the arc, whatever the rounding of the angles: the band that goes on
// from there leaves it out.
void RasterCanvas::drawArc(QPointF centre, double radius, double width, double startAngle,
                           double sweep, QRgb colour) {
    const double inner = std::max(0.0, radius - width / 2), outer = radius + width / 2;
    const double side = sweep < 0 ? -1.0 : 1.0;
    const double ax = std::cos(startAngle), ay = std::sin(startAngle);
    const double bx = std::cos(startAngle + sweep), by = std::sin(startAngle + sweep);
    const int top = FirstCentreFrom(centre.y() - outer, m_height);
    const int bottom = FirstCentreFrom(centre.y() + outer, m_height);
    const int left = FirstCentreFrom(centre.x() - outer, m_width);
    const int right = FirstCentreFrom(centre.x() + outer, m_width);
    for (int y = top; y < bottom; ++y) {
        QRgb* const pixels = row(y);
        const double dy = y + 0.5 - centre.y();
        for (int x = left; x < right; ++x) {
            const double dx = x + 0.5 - centre.x();
            const double distance = std::hypot(dx, dy);
            if (distance >= inner && distance <= outer && side * (ax * dy - ay * dx) >= -Edge &&
                side * (dx * by - dy * bx) >= -Edge)
                pixels[x] = colour;
        }
    }
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
    const int firstRow = FirstCentreFrom(first, m_height);
    QRgb* pixels = row(firstRow);
    for (int y = firstRow; y < endRow; ++y, pixels += m_stride) {
        const double yc = y + 0.5;
        const double from = std::max(left[0].xAt(yc), left[1].xAt(yc));
        const double to = std::min(right[0].xAt(yc), right[1].xAt(yc));
        FillSpan(pixels, FirstCentreFrom(from, m_width), FirstCentreFrom(to, m_width), colour);
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
    const int from = clampX(left);
    const int to = clampX(left + width);
    for (int y = clampY(top); y < clampY(top + height); ++y)
        FillSpan(row(y), from, to, colour);
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
