#pragma once

class QWidget;

// Tells the X window manager that window (shown, so that it has its X window) can be moved,
// minimised and closed, but neither resized nor maximised; the toolkit's own hints offer
// resizing even for a window of fixed size, and some window managers then show a maximise
// button that does nothing. Does nothing off X11.
void OfferNoResizing(QWidget* window);
