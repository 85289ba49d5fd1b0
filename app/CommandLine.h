#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the program was asked to do. Without options it is the editor; the other modes
// need no window and no display.
struct CommandLine {
    enum class Mode { Editor, Properties, AllProperties, Json, Pdf, Help, Version, UsageError };

    Mode mode = Mode::Editor;
    QString file;                    // the .per file to open or compute; may be empty for Editor
    QString pdfPath;                 // Pdf: where the report goes
    std::optional<QString> material; // --material: the text to read the density from
    QString message;                 // Help: the text to print; UsageError: what is wrong
};

// Reads the arguments (without the program name). Needs no application object, so the
// caller can choose the right kind of application afterwards.
CommandLine ParseCommandLine(const QStringList& arguments);
