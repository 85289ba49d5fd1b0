#include "ExactPoint.h"

std::int64_t WholeMillimetres(std::int64_t hundredths) {
    // Floor division, then the tie goes to the even neighbour.
    std::int64_t q = hundredths / HundredthsPerMm;
    std::int64_t r = hundredths % HundredthsPerMm;
    if (r < 0) {
        r += HundredthsPerMm;
        --q;
    }
    if (2 * r > HundredthsPerMm || (2 * r == HundredthsPerMm && q % 2 != 0))
        ++q;
    return q;
}

TExactPoint ExactPoint(const TProfileObject& o, TEnd end) {
    const TPoint whole = end == TEnd::P1 ? o.P1 : o.P2;
    const TPointFraction fraction = end == TEnd::P1 ? o.F1 : o.F2;
    return {whole.X * HundredthsPerMm + fraction.X, whole.Y * HundredthsPerMm + fraction.Y};
}

TPoint WholePoint(TExactPoint p) {
    return {static_cast<std::int32_t>(WholeMillimetres(p.X)),
            static_cast<std::int32_t>(WholeMillimetres(p.Y))};
}

bool RoundsTo(TExactPoint p, TPoint whole) {
    // Compared before anything is computed from p, which may be any int64. Half a
    // millimetre away, the tie goes to the even whole millimetre.
    const TExactPoint w = ExactPoint(whole);
    constexpr std::int64_t half = HundredthsPerMm / 2;
    auto near = [](std::int64_t p, std::int64_t w, std::int32_t whole) {
        return (p > w - half && p < w + half) ||
               ((p == w - half || p == w + half) && whole % 2 == 0);
    };
    return near(p.X, w.X, whole.X) && near(p.Y, w.Y, whole.Y);
}

void SetExactPoint(TProfileObject& o, TEnd end, TExactPoint p) {
    const TPoint whole = WholePoint(p);
    const TPointFraction fraction{static_cast<std::int16_t>(p.X - whole.X * HundredthsPerMm),
                                  static_cast<std::int16_t>(p.Y - whole.Y * HundredthsPerMm)};
    (end == TEnd::P1 ? o.P1 : o.P2) = whole;
    (end == TEnd::P1 ? o.F1 : o.F2) = fraction;
}

void MoveExactPoint(TProfileObject& o, TEnd end, TPoint delta) {
    // Set anew, not added to the whole millimetres: a fraction of exactly a half may round
    // the other way from its new whole millimetre, whose parity differs.
    const TExactPoint at = ExactPoint(o, end), by = ExactPoint(delta);
    SetExactPoint(o, end, {at.X + by.X, at.Y + by.Y});
}

TPointMm Millimetres(TExactPoint p) {
    constexpr double PerMm = HundredthsPerMm;
    return {static_cast<double>(p.X) / PerMm, static_cast<double>(p.Y) / PerMm};
}

bool HasFraction(const TProfileObject& o) {
    return o.F1 != TPointFraction{} || o.F2 != TPointFraction{};
}
