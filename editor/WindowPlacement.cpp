#include "WindowPlacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int Gap = 8;

} // namespace

void PlaceBeside(QWidget* window, const QWidget* anchor) {
    const QRect around = anchor->frameGeometry();
    const QSize size = window->frameGeometry().size();
    if (!anchor->screen()) {
        window->move(around.right() + Gap, around.top());
        return;
    }
    const QRect screen = anchor->screen()->availableGeometry();
    int left = around.right() + Gap;
    if (left + size.width() > screen.right())
        left = around.left() - Gap - size.width();
    left = std::clamp(left, screen.left(), std::max(screen.left(), screen.right() - size.width()));
    const int top = std::clamp(around.top(), screen.top(),
                               std::max(screen.top(), screen.bottom() - size.height()));
    window->move(left, top);
}
