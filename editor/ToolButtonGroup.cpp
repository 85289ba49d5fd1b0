#include "ToolButtonGroup.h"

#include <QToolButton>

ToolButtonGroup::ToolButtonGroup(QObject* parent) : QObject(parent) {}

void ToolButtonGroup::addButton(QToolButton* button) {
    button->setCheckable(true);
    m_buttons.append(button);
    // toggled comes before clicked, so the others are up before any click handler runs.
    connect(button, &QToolButton::toggled, this, [this, button](bool down) {
        if (down)
            raiseAllBut(button);
    });
}

void ToolButtonGroup::raiseAllBut(const QToolButton* down) {
    for (QToolButton* button : std::as_const(m_buttons))
        if (button != down)
            button->setChecked(false);
}
