#pragma once

class QWidget;

// Confines the mouse pointer to the on-screen rectangle of `image` while a drag lasts.
// Returns false where the platform cannot confine the pointer (offscreen, Wayland, a
// failed grab); the window then clamps the drag positions itself.
bool ClipCursorToImage(QWidget* image);

// Lifts any confinement; harmless when none is active.
void ReleaseCursorClip();
