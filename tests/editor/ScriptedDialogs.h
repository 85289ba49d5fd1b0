#pragma once

#include "Dialogs.h"

#include <QList>
#include <QStringList>

#include <optional>

// Dialogs answered from a script instead of a screen. Each question or file choice takes
// the next prepared answer (none left: OK to a question, cancel to a file choice) and is
// recorded with what it was asked, so that tests can check both.
class ScriptedDialogs : public Dialogs {
  public:
    QList<bool> confirmAnswers; // to confirm() and ask() alike
    QList<std::optional<QString>> fileAnswers;
    int filterAnswer = 0; // the filter every file choice is made with
    QList<std::optional<TSectionChoice>> sectionAnswers; // none left: cancel

    QStringList questions;
    QStringList errors;
    QStringList notices;
    QStringList messages;      // inform()
    QStringList proposedNames; // initialName of each file choice
    QList<QStringList> fileFilters;
    QList<TSectionChoice> proposedSections;

    bool confirm(const QString& question) override;
    bool ask(const QString& question) override;
    std::optional<QString> chooseOpenFile(const QStringList& filters,
                                          const QString& initialName) override;
    std::optional<QString> chooseSaveFile(const QStringList& filters,
                                          const QString& initialName) override;
    int chosenFilter() const override { return filterAnswer; }
    void showError(const QString& message) override;
    void notify(const QString& text) override;
    void inform(const QString& text) override;
    std::optional<TSectionChoice> chooseSection(const TSectionChoice& proposed) override;

  private:
    std::optional<QString> nextFile(const QStringList& filters, const QString& initialName);
};
