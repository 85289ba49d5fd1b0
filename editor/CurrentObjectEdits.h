#pragma once

#include "ObjectValues.h"
#include "ProfileHistory.h"

#include <QPoint>

// The edits of the current object made without the mouse, each an undoable step: the
// arrow keys' moves, which stop at the drawing area's edge and of which a run on one
// object is one step, and the values confirmed in the object panel.
class CurrentObjectEdits {
  public:
    CurrentObjectEdits(TProfile& profile, ProfileHistory& history)
        : m_profile(profile), m_history(history) {}

    // direction is one of (±1, 0), (0, ±1); step in millimetres.
    void move(QPoint direction, int step);

    // Ignored, returning false, when index is no longer the current object.
    bool setValues(int index, const TObjectValues& values);

  private:
    TProfile& m_profile;
    ProfileHistory& m_history;
};
