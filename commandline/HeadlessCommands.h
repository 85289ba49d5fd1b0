#pragma once

#include "CommandLine.h"

#include <QLocale>

// The modes that report on one profile: --properties, --all-properties, --json with one
// file and --pdf. locale writes the numbers. A material whose density reads as zero is
// warned about on standard error. Throws PerfilError when the file cannot be read, the
// section cannot be computed or the PDF cannot be written.
void RunProfileCommand(const CommandLine& command, const QLocale& locale);
