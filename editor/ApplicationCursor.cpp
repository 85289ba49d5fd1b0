#include "ApplicationCursor.h"

#include <QCursor>
#include <QGuiApplication>

ApplicationCursor::~ApplicationCursor() {
    set(TCursorShape::crDefault);
}

void ApplicationCursor::set(TCursorShape shape) {
    if (shape == TCursorShape::crDefault) {
        if (m_overriding)
            QGuiApplication::restoreOverrideCursor();
        m_overriding = false;
        return;
    }
    const QCursor cursor(shape == TCursorShape::crDrag ? Qt::ClosedHandCursor
                                                       : Qt::PointingHandCursor);
    if (m_overriding)
        QGuiApplication::changeOverrideCursor(cursor);
    else
        QGuiApplication::setOverrideCursor(cursor);
    m_overriding = true;
}
