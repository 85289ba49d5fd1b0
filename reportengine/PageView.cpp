#include "PageView.h"

#include "PageRenderer.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr int Margin = 16; // pixels around and between the sheets
constexpr int ShadowOffset = 3;
constexpr double ZoomStep = 1.25;
constexpr double MinPixelsPerMm = 0.5;
constexpr double MaxPixelsPerMm = 20.0;
// The resolution at which text is laid out: a printer's, so that the words of a line take
// the room on screen that they take on paper.
constexpr double LayoutDpi = 1200.0;
constexpr int LayoutDotsPerMetre = 47244; // 1200 dpi, which QImage reports rounded
} // namespace

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent) {
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    fitZoom();
}

void PageView::setDocument(const ReportDocument& document) {
    m_document = document;
    m_current = 1;
    relayOut();
}

int PageView::pageCount() const {
    return static_cast<int>(m_document.pages.size());
}

int PageView::currentPage() const {
    return pageCount() == 0 ? 0 : m_current;
}

void PageView::setCurrentPage(int page) {
    if (page >= 1 && page <= pageCount()) {
        m_current = page;
        showCurrentPage();
    }
    emit currentPageChanged();
}

// The current page's top at the top of the view, as far as the scroll bar goes.
void PageView::showCurrentPage() {
    const QScopedValueRollback<bool> placing(m_placing, true);
    verticalScrollBar()->setValue(pageRect(m_current - 1).top() - Margin);
}

int PageView::pageAtMiddle() const {
    const int middle = viewport()->height() / 2 - contentOrigin().y();
    const int pitch = std::max(pageSize().height() + Margin, 1);
    return std::clamp((middle - Margin / 2) / pitch + 1, 1, std::max(pageCount(), 1));
}

void PageView::zoomIn() {
    setZoom(Zoom::Fixed, m_pixelsPerMm * ZoomStep);
}

void PageView::zoomOut() {
    setZoom(Zoom::Fixed, m_pixelsPerMm / ZoomStep);
}

void PageView::fitToWidth() {
    setZoom(Zoom::Width, m_pixelsPerMm);
}

void PageView::fitInView() {
    setZoom(Zoom::WholePage, m_pixelsPerMm);
}

void PageView::setZoom(Zoom mode, double pixelsPerMm) {
    m_zoom = mode;
    m_pixelsPerMm = pixelsPerMm;
    relayOut();
}

// Within the usual steps, and small enough that all the pages laid end to end stay within
// what a scroll bar counts: a page file may hold thousands of pages of a hundred metres.
double PageView::boundedZoom(double pixelsPerMm) const {
    const QSizeF paper = m_document.paperSize;
    const double room = std::numeric_limits<int>::max() / 2.0;
    const double pages = std::max(pageCount(), 1);
    const double largest =
        std::min({MaxPixelsPerMm, (room / pages - Margin) / std::max(paper.height(), 1.0),
                  (room - 2 * Margin) / std::max(paper.width(), 1.0)});
    return std::clamp(pixelsPerMm, std::min(MinPixelsPerMm, largest), largest);
}

// After a change of size, zoom or pages the current page stays in sight, from its top.
void PageView::relayOut() {
    fitZoom();
    {
        const QScopedValueRollback<bool> placing(m_placing, true);
        updateScrollBars();
    }
    setCurrentPage(m_current);
    viewport()->update();
}

// The room a vertical scroll bar would take is left to it: with several pages, or a page
// fitted to the width, one appears, and a fit that ignored it would overflow sideways.
void PageView::fitZoom() {
    const QSizeF paper = m_document.paperSize;
    if (m_zoom != Zoom::Fixed && !paper.isEmpty()) {
        const QSize room = maximumViewportSize() - QSize(2 * Margin, 2 * Margin) -
                           QSize(style()->pixelMetric(QStyle::PM_ScrollBarExtent), 0);
        const double width = room.width() / paper.width();
        const double height = room.height() / paper.height();
        m_pixelsPerMm = m_zoom == Zoom::Width ? width : std::min(width, height);
    }
    m_pixelsPerMm = boundedZoom(m_pixelsPerMm);
}

void PageView::updateScrollBars() {
    const QSize page = pageSize();
    const QSize content(page.width() + 2 * Margin, pageCount() * (page.height() + Margin) + Margin);
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(std::max(1, page.height() / 20));
}

QSize PageView::pageSize() const {
    return {static_cast<int>(std::lround(m_document.paperSize.width() * m_pixelsPerMm)),
            static_cast<int>(std::lround(m_document.paperSize.height() * m_pixelsPerMm))};
}

QRect PageView::pageRect(int index) const {
    const QSize page = pageSize();
    return {QPoint(Margin, Margin + index * (page.height() + Margin)), page};
}

// Content narrower or shorter than the view is centred in it; otherwise the scroll bars
// place it.
QPoint PageView::contentOrigin() const {
    const QSize page = pageSize();
    const int width = page.width() + 2 * Margin;
    const int height = pageCount() * (page.height() + Margin) + Margin;
    const QSize view = viewport()->size();
    return {width < view.width() ? (view.width() - width) / 2 : -horizontalScrollBar()->value(),
            height < view.height() ? (view.height() - height) / 2 : -verticalScrollBar()->value()};
}

void PageView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QPoint origin = contentOrigin();
    // Only the pages from the one above the painted area to the one below it.
    const int pitch = std::max(pageSize().height() + Margin, 1);
    const int first = std::max((event->rect().top() - origin.y()) / pitch - 1, 0);
    const int last = std::min((event->rect().bottom() - origin.y()) / pitch + 1, pageCount() - 1);
    for (int i = first; i <= last; ++i) {
        const QRect sheet = pageRect(i).translated(origin);
        if (!sheet.adjusted(0, 0, ShadowOffset, ShadowOffset).intersects(event->rect()))
            continue;
        painter.fillRect(sheet.translated(ShadowOffset, ShadowOffset), palette().shadow());
        // Only the part of the sheet in sight is drawn, into an image of its size: what
        // the view holds stays as small as the screen at any zoom.
        const QRect visible = sheet & event->rect();
        if (!visible.isEmpty())
            painter.drawImage(visible.topLeft(), paintedPart(m_document.pages[i], m_pixelsPerMm,
                                                             visible.translated(-sheet.topLeft()),
                                                             devicePixelRatioF()));
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(sheet.adjusted(0, 0, -1, -1));
    }
}

QImage PageView::paintedPart(const ReportPage& page, double pixelsPerMm, const QRect& part,
                             qreal devicePixelRatio) {
    QImage image(part.size() * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.setDotsPerMeterX(LayoutDotsPerMetre);
    image.setDotsPerMeterY(LayoutDotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.translate(-part.topLeft());
    const double scale = pixelsPerMm * 25.4 / LayoutDpi;
    painter.scale(scale, scale);
    PageRenderer::paintPage(painter, page);
    painter.end();
    return image;
}

// With Ctrl the wheel zooms, one step a notch, as in most viewers; without, it scrolls.
void PageView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int notches = event->angleDelta().y();
    if (notches != 0)
        zoomAt(notches > 0 ? ZoomStep : 1 / ZoomStep, event->position().toPoint());
    event->accept();
}

// The point of the paper under the pointer stays under it, as far as the scroll bars go.
void PageView::zoomAt(double factor, QPoint pointer) {
    const QPoint content = pointer - contentOrigin();
    const int pitch = std::max(pageSize().height() + Margin, 1);
    const int page = std::clamp((content.y() - Margin) / pitch, 0, std::max(pageCount() - 1, 0));
    const QPointF paper = QPointF(content - pageRect(page).topLeft()) / m_pixelsPerMm;
    setZoom(Zoom::Fixed, m_pixelsPerMm * factor);
    const QPoint kept = pageRect(page).topLeft() + (paper * m_pixelsPerMm).toPoint();
    horizontalScrollBar()->setValue(kept.x() - pointer.x());
    verticalScrollBar()->setValue(kept.y() - pointer.y());
}

void PageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    relayOut();
}

// Scrolled by the user, the current page is the one at the middle of the view.
void PageView::scrollContentsBy(int dx, int dy) {
    viewport()->scroll(dx, dy);
    if (m_placing || pageCount() == 0)
        return;
    m_current = pageAtMiddle();
    emit currentPageChanged();
}
