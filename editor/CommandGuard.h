#pragma once

#include "Dialogs.h"
#include "ErrorBoxText.h"

#include <QString>

#include <exception>
#include <utility>

// The one boundary of the editor's commands: runs command and, should it fail, shows the
// failure in the error box instead of letting it reach Qt's event loop. The program then
// goes on; whatever the command changed before failing stays changed.
template <typename Command> void RunCommand(Dialogs& dialogs, Command&& command) {
    try {
        std::forward<Command>(command)();
    } catch (const std::exception& e) {
        dialogs.showError(ErrorBoxText(QString::fromUtf8(e.what())));
    }
}
