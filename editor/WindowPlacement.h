#pragma once

class QWidget;

// Moves window, a top-level window not yet shown, beside anchor, top edges level: to its
// right where the screen has room, else to its left, never past the screen's left edge.
void PlaceBeside(QWidget* window, const QWidget* anchor);
