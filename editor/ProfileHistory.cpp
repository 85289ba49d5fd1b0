#include "ProfileHistory.h"

#include "ProfileCommand.h"

ProfileHistory::ProfileHistory(TProfile& profile, QObject* parent)
    : QObject(parent), m_profile(profile) {}

void ProfileHistory::change(const QString& text, const std::function<void()>& edit,
                            int runKey) {
    if (m_gesture) {
        edit();
        emit changed();
        return;
    }
    const TProfile before = m_profile;
    try {
        edit();
    } catch (...) {
        record(text, before, runKey);
        throw;
    }
    record(text, before, runKey);
}

void ProfileHistory::replace(const QString& text, std::span<const TProfileObject> records,
                             std::int32_t materialIndex) {
    change(text, [&] { m_profile.replace(records, materialIndex); });
}

void ProfileHistory::record(const QString& text, const TProfile& before, int runKey) {
    push(text, before, runKey);
    emit changed();
}

void ProfileHistory::push(const QString& text, const TProfile& before, int runKey) {
    auto command = std::make_unique<ProfileCommand>(text, m_profile, before, runKey);
    if (!command->isObsolete())
        m_stack.push(command.release());
}

void ProfileHistory::beginGesture(const QString& text) {
    if (!m_gesture)
        m_gesture = Gesture{text, m_profile};
}

void ProfileHistory::endGesture() {
    if (!m_gesture)
        return;
    const Gesture gesture = std::move(*m_gesture);
    m_gesture.reset();
    // Every change of the gesture has been announced as it was made.
    push(gesture.text, gesture.before, ProfileCommand::NoRun);
}

void ProfileHistory::cancelGesture() {
    if (!m_gesture)
        return;
    m_profile = m_gesture->before;
    m_gesture.reset();
    emit changed();
}

// A gesture's begin state would be stale after the stack moved under it; ended as a step
// of its own, it can still be redone.
void ProfileHistory::undo() {
    endGesture();
    m_stack.undo();
    emit changed();
}

void ProfileHistory::redo() {
    endGesture();
    m_stack.redo();
    emit changed();
}
