#include "MouseEditor.h"

#include "AreaMove.h"
#include "DrawingArea.h"
#include "ExactPoint.h"
#include "Rounding.h"

#include <algorithm>

namespace {

TMouseResponse Redraw() {
    TMouseResponse r;
    r.redraw = true;
    return r;
}

std::int32_t SnapCoordinate(std::int32_t value, std::int32_t step) {
    // |value / step| <= 2^31, so the rounded quotient always fits an int32; the product
    // wraps like the integer arithmetic it stands for.
    const double steps = RoundTiesEven(static_cast<double>(value) / step);
    return WrapMul(static_cast<std::int32_t>(steps), step);
}

} // namespace

TPoint TMouseEditor::SnapPoint(TPoint p, const TEditSettings& settings) const {
    if (!settings.snapToGrid)
        return p;
    const std::int32_t step = settings.GridStep < 1 ? 1 : settings.GridStep;
    return {SnapCoordinate(p.X, step), SnapCoordinate(p.Y, step)};
}

TMouseResponse TMouseEditor::press(TPoint p, const TEditSettings& settings) {
    if (Tool == etAddBar || Tool == etAddAppendix) {
        const TPoint snapped = SnapPoint(p, settings);
        const TObjectKind kind = Tool == etAddBar ? okBar : okAppendix;
        m_pressHolds = m_profile.createObject(kind, snapped, settings.thicknessTenths);
        if (!m_pressHolds) {
            TMouseResponse full;
            full.profileFull = true;
            return full;
        }
        TMouseResponse r = Redraw();
        if (kind == okBar) {
            // The new bar's second end follows the drag.
            markObject(m_profile.CurrentIndex());
            r.cursor = TCursorShape::crDrag;
            Grip = gmP2;
        }
        r.confineCursor = true;
        return r;
    }

    TMouseResponse r = Redraw();
    Grip = gmNone;
    m_pressHolds = false;
    DownPoint = p;
    auto grab = [&](int i, TGripMode grip) {
        Grip = grip;
        m_profile.setCurrentIndex(i);
        markObject(i);
        r.cursor = TCursorShape::crDrag;
        r.confineCursor = true;
        m_pressHolds = true;
    };
    auto nearEnd = [&](const TProfileObject& bar) {
        if (PointNearPoint(bar.P1, DrawingArea::HandleSize, p))
            return gmP1;
        if (PointNearPoint(bar.P2, DrawingArea::HandleSize, p))
            return gmP2;
        return gmNone;
    };
    const int count = m_profile.ObjectCount();

    // The current bar's own ends win over everything, so a bar can always be stretched
    // even where other objects crowd its ends.
    if (m_profile.hasCurrent() && m_profile.Objects(m_profile.CurrentIndex()).isBar()) {
        const int current = m_profile.CurrentIndex();
        if (const TGripMode end = nearEnd(m_profile.Objects(current)); end != gmNone)
            grab(current, end);
    }
    // Appendices: the scan runs downwards without stopping, so the lowest index wins.
    if (Grip == gmNone)
        for (int i = count; i >= 1; --i)
            if (m_profile.Objects(i).isAppendix() &&
                PointNearPoint(m_profile.Objects(i).P1, DrawingArea::HandleSize, p))
                grab(i, gmAppendix);
    // Bar ends: the highest index wins, P1 before P2.
    if (Grip == gmNone)
        for (int i = count; i >= 1; --i)
            if (m_profile.Objects(i).isBar())
                if (const TGripMode end = nearEnd(m_profile.Objects(i)); end != gmNone) {
                    grab(i, end);
                    break;
                }
    // Bar bodies: the lowest index wins.
    if (Grip == gmNone)
        for (int i = 1; i <= count; ++i) {
            const TProfileObject& o = m_profile.Objects(i);
            if (o.isBar() && PointNearSegment(p, o.P1, o.P2)) {
                grab(i, gmBar);
                break;
            }
        }
    // A press on empty space lets go of the selection: with no marker in sight, Delete,
    // the arrows and the object panel must not act on an object the user no longer sees.
    if (Grip == gmNone) {
        m_profile.setCurrentIndex(0);
        invalidateMarker();
    }
    return r;
}

void TMouseEditor::markObject(int i) {
    const TProfileObject& o = m_profile.Objects(i);
    MarkP1 = o.P1;
    MarkP2 = o.isAppendix() ? o.P1 : o.P2;
    auto anchor = [&](TPoint mark, TEnd end) {
        const TExactPoint exact = ExactPoint(o, end), whole = ExactPoint(mark);
        return Anchor{mark, {exact.X - whole.X, exact.Y - whole.Y}};
    };
    m_anchor1 = anchor(MarkP1, TEnd::P1);
    m_anchor2 = anchor(MarkP2, o.isAppendix() ? TEnd::P1 : TEnd::P2);
}

TMouseResponse TMouseEditor::move(TPoint p, const TEditSettings& settings) {
    if (Grip == gmNone) {
        TMouseResponse hover;
        hover.cursor = objectWithinReach(p) ? TCursorShape::crHandPoint : TCursorShape::crDefault;
        return hover;
    }
    const TPoint m = SnapPoint(p, settings);
    switch (Grip) {
    case gmP1:
        MarkP1 = m;
        break;
    case gmP2:
        MarkP2 = m;
        break;
    case gmBar: {
        // The difference of two snapped points: with snapping on, the bar moves by whole
        // grid steps and keeps its shape.
        TPoint delta = SubPoint(m, SnapPoint(DownPoint, settings));
        const std::int32_t step = settings.snapToGrid ? std::max(settings.GridStep, 1) : 1;
        delta.X = ShiftWithin(delta.X, MarkP1.X, MarkP2.X, DrawingArea::Width, step);
        delta.Y = ShiftWithin(delta.Y, MarkP1.Y, MarkP2.Y, DrawingArea::Height, step);
        DownPoint = p;
        MarkP1 = AddPoint(MarkP1, delta);
        MarkP2 = AddPoint(MarkP2, delta);
        break;
    }
    case gmAppendix:
        MarkP1 = m;
        MarkP2 = m;
        break;
    case gmNone:
        break;
    }
    if (m_profile.hasCurrent())
        placeCurrent(settings);
    return Redraw();
}

// An object moved whole goes by whole millimetres and keeps its fractions. While one end
// of a bar is dragged, an end stays exactly where it was until it leaves its place, then
// lies exactly on its (snapped) point.
void TMouseEditor::placeCurrent(const TEditSettings& settings) {
    TProfileObject& current = m_profile.Objects(m_profile.CurrentIndex());
    const bool endDrag = Grip == gmP1 || Grip == gmP2;
    auto place = [&](TEnd end, TPoint mark, const Anchor& anchor) {
        const TPoint whole = SnapPoint(mark, settings);
        TExactPoint at = ExactPoint(whole);
        if (!endDrag || whole == anchor.mark)
            at = {at.X + anchor.offset.X, at.Y + anchor.offset.Y};
        SetExactPoint(current, end, at);
    };
    place(TEnd::P1, MarkP1, m_anchor1);
    if (Grip != gmAppendix)
        place(TEnd::P2, MarkP2, m_anchor2);
}

TMouseResponse TMouseEditor::release(const TEditSettings& settings) {
    TMouseResponse r;
    r.releaseCursor = true;
    if (MarkP1.X == NoMarkerX || !m_pressHolds)
        return r;
    const bool currentBar =
        m_profile.hasCurrent() && m_profile.Objects(m_profile.CurrentIndex()).isBar();
    if (currentBar) {
        placeCurrent(settings);
        const TProfileObject& bar = m_profile.Objects(m_profile.CurrentIndex());
        // A bar shrunk to a point is no bar.
        r.removeCurrent = ExactPoint(bar, TEnd::P1) == ExactPoint(bar, TEnd::P2);
    }
    r.cursor = TCursorShape::crDefault;
    Grip = gmNone;
    return r;
}

bool TMouseEditor::objectWithinReach(TPoint p) const {
    for (const TProfileObject& o : m_profile.liveObjects()) {
        if (o.isBar() &&
            (PointNearPoint(o.P1, DrawingArea::HandleSize, p) ||
             PointNearPoint(o.P2, DrawingArea::HandleSize, p) || PointNearSegment(p, o.P1, o.P2)))
            return true;
        if (o.isAppendix() && PointNearPoint(o.P1, DrawingArea::HandleSize, p))
            return true;
    }
    return false;
}
