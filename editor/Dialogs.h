#pragma once

#include "SectionChoice.h"

#include <QString>
#include <QStringList>

#include <optional>

// Every question, file choice and message that the editor puts to the user goes through
// this interface, so that commands can run, and be tested, without a screen. The window
// owns its one Dialogs object for its whole life.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // A modal question; true only when the user answers OK.
    virtual bool confirm(const QString& question) = 0;

    // A modal question answered Yes or No, No the default; true only for Yes.
    virtual bool ask(const QString& question) = 0;

    // The file chosen in an open or save dialog, or nothing when the user cancels.
    // filters are Qt name filters, the first one preselected; initialName is proposed.
    virtual std::optional<QString> chooseOpenFile(const QStringList& filters,
                                                  const QString& initialName) = 0;
    virtual std::optional<QString> chooseSaveFile(const QStringList& filters,
                                                  const QString& initialName) = 0;

    // The index in filters of the filter in force when the last file was chosen.
    virtual int chosenFilter() const = 0;

    // The top-level error box; message is shown as given.
    virtual void showError(const QString& message) = 0;

    // A short notice that needs no answer and does not block.
    virtual void notify(const QString& text) = 0;

    // A message that stays until the user has read it and pressed OK.
    virtual void inform(const QString& text) = 0;

    // The "Perfil padronizado" dialog, filled with proposed; the section chosen (one that
    // CheckSection accepts), or nothing when the user cancels.
    virtual std::optional<TSectionChoice> chooseSection(const TSectionChoice& proposed) = 0;
};
