#pragma once

// Names the running application "Perfil", with the program's version: the caption of the
// error box and the creator of the PDF files. Call once the application object exists.
void SetApplicationIdentity();
