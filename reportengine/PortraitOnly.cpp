#include "PortraitOnly.h"

#include <QApplication>
#include <QEvent>
#include <QRadioButton>

PortraitOnly::PortraitOnly() {
    qApp->installEventFilter(this);
}

// Qt's page set-up names its orientation buttons; the landscape ones go wherever a
// window that holds them is shown.
bool PortraitOnly::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType())
        for (const char* name : {"landscape", "reverseLandscape"})
            for (QRadioButton* button : watched->findChildren<QRadioButton*>(name))
                button->hide();
    return QObject::eventFilter(watched, event);
}
