#pragma once

// Report layouts name the classic office fonts "Arial", "MS Serif" and "Century Schoolbook".
// Where they are not installed, Qt's font matching can land on a face of a different width
// or style; this maps each to an installed metric-compatible or close face.
class ReportFonts {
  public:
    // Process-wide: call once at start-up (tests: in their set-up), before any report is
    // painted. Idempotent. Needs a QGuiApplication.
    static void installSubstitutions();
};
