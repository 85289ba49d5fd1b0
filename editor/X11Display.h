#pragma once

// As Xlib declares it; Xlib itself must come after every Qt header.
typedef struct _XDisplay Display;

// The X display the application runs on; nullptr off X11 (offscreen, Wayland).
Display* X11Display();
