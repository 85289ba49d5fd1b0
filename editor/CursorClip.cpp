#include "CursorClip.h"

#include "X11Display.h"

#include <QWidget>

#include <X11/Xlib.h>

bool ClipCursorToImage(QWidget* image) {
    Display* display = X11Display();
    if (!display || !image)
        return false;
    // Confinement needs the image's own X window; asking for it makes the widget native.
    const Window window = static_cast<Window>(image->winId());
    // The button press already holds the server's implicit grab, which would make a new
    // grab fail with AlreadyGrabbed: give it up first. Qt keeps receiving the moves and
    // the release because events still go to their usual windows (owner_events).
    XUngrabPointer(display, CurrentTime);
    const unsigned int mask = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
    const int status = XGrabPointer(display, window, True, mask, GrabModeAsync, GrabModeAsync,
                                    window, None, CurrentTime);
    XFlush(display);
    return status == GrabSuccess;
}

void ReleaseCursorClip() {
    if (Display* display = X11Display()) {
        XUngrabPointer(display, CurrentTime);
        XFlush(display);
    }
}
