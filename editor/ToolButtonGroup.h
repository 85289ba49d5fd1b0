#pragma once

#include <QList>
#include <QObject>

class QToolButton;

// Checkable buttons of which at most one is down and all may be up: a button that goes
// down raises the others, and a down button can be clicked up again. Raising a button
// through the group does not click it, so its click handler does not run.
// The buttons are not owned.
class ToolButtonGroup : public QObject {
    Q_OBJECT
  public:
    explicit ToolButtonGroup(QObject* parent = nullptr);

    void addButton(QToolButton* button);

  private:
    void raiseAllBut(const QToolButton* down);

    QList<QToolButton*> m_buttons;
};
