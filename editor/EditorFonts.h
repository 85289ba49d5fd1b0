#pragma once

// The editor's controls are laid out in pixels for Times New Roman. Where it is not
// installed, its metric twin takes its place, so that no text outgrows its control.
class EditorFonts {
  public:
    // Process-wide: call once at start-up (tests: in their set-up), before the editor window
    // is built. Idempotent.
    static void installSubstitutions();
};
