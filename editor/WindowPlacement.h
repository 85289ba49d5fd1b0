#pragma once

class QWidget;

// Moves window, a top-level window, beside anchor, top edges level: to its right where the
// screen has room, else to its left; pushed back onto the screen where it would leave it.
void PlaceBeside(QWidget* window, const QWidget* anchor);
