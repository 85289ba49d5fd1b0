#pragma once

#include "Profile.h"
#include "ProfileFileCodec.h"

#include <string>

// The save and load commands' work on a .per file (format: ProfileFileCodec.h). Both
// throw PerfilError: the file layer's message (FileError.h) when the system refuses a
// step, "Arquivo de perfil inválido" for a file that is not a profile.

// Compacts the profile, then writes it to path. The compaction stays even when the
// write fails; the file at path is then left as it was (FileBytes.h).
void SaveProfile(TProfile& profile, const std::string& path);

// Reads and checks the whole file at path.
TProfileFileContents ReadProfileFile(const std::string& path);

// Reads the file at path and replaces the profile by it: its records, the material
// index as stored, the name and material, CurrentIndex 1. The file is read and checked
// whole first, so after any failure the profile is exactly as it was. The caller resets
// its editing state and tells the user the returned notice, if it is not empty (an
// extension block that could not be used).
std::string LoadProfile(TProfile& profile, const std::string& path);
