#include "CurrentObjectEdits.h"

#include "AreaMove.h"
#include "DrawingSurface.h"

void CurrentObjectEdits::move(QPoint direction, int step) {
    const TPoint delta{direction.x() * step, direction.y() * step};
    m_history.change(
        QStringLiteral("Move com as setas"),
        [&] { MoveCurrentWithin(m_profile, delta, {DrawingSurface::Width, DrawingSurface::Height}); },
        m_profile.CurrentIndex());
}

bool CurrentObjectEdits::setValues(int index, const TObjectValues& values) {
    if (index != m_profile.CurrentIndex() || !m_profile.hasCurrent())
        return false;
    m_history.change(QStringLiteral("Edita o objeto"), [&] {
        TProfileObject& o = m_profile.Objects(index);
        SetExactPoint(o, TEnd::P1, values.P1);
        if (o.isBar())
            SetExactPoint(o, TEnd::P2, values.P2);
        o.Thickness = values.Thickness;
    });
    return true;
}
