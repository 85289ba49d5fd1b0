#include "ProfileCommand.h"

namespace {

// The id under which QUndoStack offers steps for merging; the run key then decides.
constexpr int RunCommandId = 1;

} // namespace

ProfileCommand::ProfileCommand(const QString& text, TProfile& profile, const TProfile& before,
                               int runKey)
    : QUndoCommand(text), m_profile(profile), m_delta(before, profile), m_runKey(runKey) {
    setObsolete(m_delta.empty());
}

void ProfileCommand::undo() {
    m_delta.revert(m_profile);
    m_done = false;
}

void ProfileCommand::redo() {
    if (!m_done)
        m_delta.apply(m_profile);
    m_done = true;
}

int ProfileCommand::id() const {
    return m_runKey == NoRun ? -1 : RunCommandId;
}

// The stack has just redone other, so the profile is in the state after both steps; the
// state before both is that state with both taken back.
bool ProfileCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const ProfileCommand*>(other);
    if (next->m_runKey != m_runKey)
        return false;
    TProfile start = m_profile;
    next->m_delta.revert(start);
    m_delta.revert(start);
    m_delta = TProfileDelta(start, m_profile);
    // A run that came back to where it began is no step at all.
    setObsolete(m_delta.empty());
    return true;
}
