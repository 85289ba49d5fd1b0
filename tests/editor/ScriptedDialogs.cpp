#include "ScriptedDialogs.h"

bool ScriptedDialogs::confirm(const QString& question) {
    questions.append(question);
    return confirmAnswers.isEmpty() || confirmAnswers.takeFirst();
}

// Unlike confirm(), unanswered it takes the default: No.
bool ScriptedDialogs::ask(const QString& question) {
    questions.append(question);
    return !confirmAnswers.isEmpty() && confirmAnswers.takeFirst();
}

std::optional<QString> ScriptedDialogs::chooseOpenFile(const QStringList& filters,
                                                       const QString& initialName) {
    return nextFile(filters, initialName);
}

std::optional<QString> ScriptedDialogs::chooseSaveFile(const QStringList& filters,
                                                       const QString& initialName) {
    return nextFile(filters, initialName);
}

std::optional<QString> ScriptedDialogs::nextFile(const QStringList& filters,
                                                 const QString& initialName) {
    fileFilters.append(filters);
    proposedNames.append(initialName);
    return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.takeFirst();
}

void ScriptedDialogs::showError(const QString& message) {
    errors.append(message);
}

void ScriptedDialogs::notify(const QString& text) {
    notices.append(text);
}

void ScriptedDialogs::inform(const QString& text) {
    messages.append(text);
}

std::optional<TSectionChoice> ScriptedDialogs::chooseSection(const TSectionChoice& proposed) {
    proposedSections.append(proposed);
    return sectionAnswers.isEmpty() ? std::nullopt : sectionAnswers.takeFirst();
}
