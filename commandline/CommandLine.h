#pragma once

#include "BucklingInput.h"
#include "SectionDesignation.h"

#include <QString>
#include <QStringList>

#include <optional>

// What --buckling asks for beside the profile, whose material gives E, nu and fy.
struct BucklingRequest {
    TBucklingLoad load = TBucklingInput{}.Load;
    double length = TBucklingInput{}.Length; // mm
    std::optional<double> fy;                // MPa: --fy, in place of the material's
};

// What --section asks for.
struct SectionRequest {
    TSectionDesignation designation;
    double radius = 0;       // mm, the inner radius of the bends
    bool horizontal = false; // turned a quarter turn
};

// What the program was asked to do. Without options it is the editor; the other modes
// need no window and no display.
struct CommandLine {
    enum class Mode {
        Editor,
        Properties,
        AllProperties,
        Json,
        Pdf,
        EngineeringPdf,
        Csv,
        Dxf,
        Svg,
        Png,
        FromDxf,
        Section,
        Buckling,
        Help,
        Version,
        UsageError
    };

    Mode mode = Mode::Editor;
    // File names hold the arguments' bytes as LocalFileName.h decodes them.
    QString file;                    // the .per file to open or compute; may be empty for Editor
    QStringList files;               // Json, Csv: every .per file given, in order
    QString output;                  // Pdf, Dxf, Svg, Png: where it goes, "-" for standard output
    QString dxfPath;                 // FromDxf: the drawing read; file is the .per written
    std::optional<double> thickness; // FromDxf: mm for entities without a width
    std::optional<QString> material; // --material: the text to read the density from; for
                                     // FromDxf and Section, the material of the profile written
    std::optional<QString> name;     // FromDxf: the name of the profile written
    std::optional<SectionRequest> section;   // Section: the profile written to file
    std::optional<BucklingRequest> buckling; // Buckling, EngineeringPdf, or Json with
                                             // --buckling
    QString message;                         // Help: the text to print; UsageError: what is wrong
};

// Reads the arguments (without the program name). Needs no application object, so the
// caller can choose the right kind of application afterwards.
CommandLine ParseCommandLine(const QStringList& arguments);
