#pragma once

#include "ProfileDelta.h"

#include <QUndoCommand>

// One undoable step of the profile: the exact difference between the states before and
// after it. It is pushed after the change has been made, so its first redo does nothing.
// A step that changes nothing is obsolete from the start and is not pushed.
//
// Steps with the same run key (the arrow moves of one object) merge into one.
class ProfileCommand : public QUndoCommand {
  public:
    static constexpr int NoRun = -1;
    static constexpr int MaterialRun = -2; // typing in the material box

    ProfileCommand(const QString& text, TProfile& profile, const TProfile& before,
                   int runKey = NoRun);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

  private:
    TProfile& m_profile;
    TProfileDelta m_delta;
    int m_runKey;
    bool m_done = true; // the change was made before the push
};
