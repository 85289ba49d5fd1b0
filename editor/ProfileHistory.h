#pragma once

#include "Profile.h"

#include <QObject>
#include <QUndoStack>

#include <functional>
#include <optional>

// The one road by which the profile changes: every change is recorded as an undoable
// step on Qt's undo stack and announced through changed(), so the history and whoever
// shows the profile hear of it together.
//
// A gesture (a mouse drag from press to release) is one step: every change() between its
// begin and its end joins it, announced as it is made.
class ProfileHistory : public QObject {
    Q_OBJECT
  public:
    explicit ProfileHistory(TProfile& profile, QObject* parent = nullptr);

    const QUndoStack& stack() const { return m_stack; }

    // Makes edit on the profile as one step named text; nothing is recorded when it leaves
    // the profile as it was. Steps with the same runKey in a row merge into one (see
    // ProfileCommand). Should edit throw, what it changed is still recorded, then the
    // exception goes on.
    void change(const QString& text, const std::function<void()>& edit, int runKey = -1);

    // The whole profile replaced by records, a material and a name, CurrentIndex 1: the
    // loading of a file, or any other import, as one step. Throws std::length_error,
    // changing nothing, for more records than the profile holds.
    void replace(const QString& text, std::span<const TProfileObject> records,
                 std::int32_t materialIndex, const TProfileInfo& info);

    void beginGesture(const QString& text); // ignored while a gesture is under way
    void endGesture();
    // Back to the state at the gesture's begin; nothing is recorded.
    void cancelGesture();
    bool inGesture() const { return m_gesture.has_value(); }

    // Take back or make again one step; a gesture under way is ended first.
    void undo();
    void redo();

    // True while the profile is as it was last saved or loaded (or, before either, as it
    // started): undoing back to that state counts.
    bool unchanged() const { return m_stack.isClean(); }
    // The profile as it stands is the saved or loaded one.
    void markUnchanged() { m_stack.setClean(); }

  signals:
    // The profile may have changed: after every change (within a gesture too), undo, redo
    // and cancelled gesture.
    void changed();

  private:
    void record(const QString& text, const TProfile& before, int runKey);
    void push(const QString& text, const TProfile& before, int runKey);

    struct Gesture {
        QString text;
        TProfile before;
    };

    TProfile& m_profile;
    QUndoStack m_stack;
    std::optional<Gesture> m_gesture;
};
