#include "FixedSizeFrame.h"

#include "X11Display.h"

#include <QWidget>

#include <X11/Xlib.h>

namespace {
// The window manager's hint record, as the Motif toolkit defined it.
constexpr long HintsFunctions = 1L << 0;
constexpr long HintsDecorations = 1L << 1;
constexpr long FunctionMove = 1L << 2;
constexpr long FunctionMinimize = 1L << 3;
constexpr long FunctionClose = 1L << 5;
constexpr long DecorBorder = 1L << 1;
constexpr long DecorTitle = 1L << 3;
constexpr long DecorMenu = 1L << 4;
constexpr long DecorMinimize = 1L << 5;
} // namespace

void OfferNoResizing(QWidget* window) {
    Display* display = X11Display();
    if (!display || !window)
        return;
    const Atom hints = XInternAtom(display, "_MOTIF_WM_HINTS", False);
    // flags, functions, decorations, input mode, status: Xlib takes 32-bit items as longs.
    long value[5] = {HintsFunctions | HintsDecorations,
                     FunctionMove | FunctionMinimize | FunctionClose,
                     DecorBorder | DecorTitle | DecorMenu | DecorMinimize, 0, 0};
    XChangeProperty(display, static_cast<Window>(window->winId()), hints, hints, 32,
                    PropModeReplace, reinterpret_cast<unsigned char*>(value), 5);
    XFlush(display);
}
