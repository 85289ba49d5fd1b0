#include "WindowPlacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int Gap = 8;

} // namespace

void PlaceBeside(QWidget* window, const QWidget* anchor) {
    window->adjustSize();
    const QRect around = anchor->frameGeometry();
    const int width = window->frameGeometry().width();
    const QRect screen = anchor->screen() ? anchor->screen()->availableGeometry() : QRect();
    int left = around.right() + Gap;
    if (left + width > screen.right())
        left = std::max(screen.left(), around.left() - Gap - width);
    window->move(left, around.top());
}
