#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the program was asked to do. Without options it is the editor; the other modes
// need no window and no display.
struct CommandLine {
    enum class Mode { Editor, Properties, AllProperties, Json, Pdf, Help, Version, UsageError };

    Mode mode = Mode::Editor;
    // File names hold the arguments' bytes as LocalFileName.h decodes them.
    QString file;                    // the .per file to open or compute; may be empty for Editor
    QString output;                  // Pdf: where the report goes, "-" for standard output
    std::optional<QString> material; // --material: the text to read the density from
    QString message;                 // Help: the text to print; UsageError: what is wrong
};

// Reads the arguments (without the program name), decoded by FileNameText. Needs no
// application object, so the caller can choose the right kind of application afterwards.
// Every usage error is worded in Portuguese, the parser's own among them, and an option
// given twice is one.
CommandLine ParseCommandLine(const QStringList& arguments);
