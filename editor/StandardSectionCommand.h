#pragma once

#include "Dialogs.h"
#include "ProfileFileCommands.h"

// "Perfil padronizado": the profile replaced by a standard section, named by its
// designation, as one undoable step. The dialog opens with the last section chosen.
class StandardSectionCommand {
  public:
    StandardSectionCommand(TProfile& profile, ProfileFileCommands& files, Dialogs& dialogs)
        : m_profile(profile), m_files(files), m_dialogs(dialogs) {}

    // Asks whether to leave a changed profile, then for the section. A section that does
    // not fit the drawing area as chosen but fits turned is offered turned; one that fits
    // neither way throws PerfilError with the reason. True when the profile was replaced.
    bool run();

  private:
    TProfile& m_profile;
    ProfileFileCommands& m_files;
    Dialogs& m_dialogs;
    TSectionChoice m_last;
};
