#pragma once

// Report layouts name the classic office fonts "Arial", "MS Serif" and "Century Schoolbook".
// Where they are not installed, Qt's font matching can land on a face of a different width
// or style; this maps each to an installed metric-compatible or close face.
class ReportFonts {
  public:
    // Idempotent and cheap after the first call. Needs a QGuiApplication.
    static void installSubstitutions();
};
