#pragma once

class LineStretchControls;
class QWidget;

// The keyboard's way to the command buttons: Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+P and Delete
// click their button, so each runs that button's own handler with its questions. Every
// such button's hint names its key.
void AddButtonShortcuts(QWidget* form, const LineStretchControls& controls);
