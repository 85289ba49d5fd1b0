#include "ButtonShortcuts.h"

#include "LineStretchControls.h"

#include <QKeySequence>
#include <QShortcut>
#include <QToolButton>

void AddButtonShortcuts(QWidget* form, const LineStretchControls& controls) {
    struct Binding {
        QToolButton* button;
        QString key;
        QString hintWithoutOne; // for a button that has no hint of its own
    };
    const Binding bindings[] = {
        {controls.SpeedButton6, QStringLiteral("Ctrl+N"), {}},
        {controls.SpeedButton10, QStringLiteral("Ctrl+Shift+N"), {}},
        {controls.SpeedButton4, QStringLiteral("Ctrl+O"), {}},
        {controls.SpeedButton5, QStringLiteral("Ctrl+S"), {}},
        {controls.SpeedButton8, QStringLiteral("Ctrl+P"), QStringLiteral("Imprime o perfil")},
        {controls.SpeedButton3, QStringLiteral("Delete"), {}},
    };
    for (const Binding& b : bindings) {
        auto* shortcut = new QShortcut(QKeySequence(b.key), form);
        QObject::connect(shortcut, &QShortcut::activated, b.button, &QToolButton::click);
        const QString hint = b.button->toolTip().isEmpty() ? b.hintWithoutOne : b.button->toolTip();
        b.button->setToolTip(QStringLiteral("%1 (%2)").arg(hint, b.key));
    }
}
