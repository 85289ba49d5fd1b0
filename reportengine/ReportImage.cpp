#include "ReportImage.h"

#include "ReportPage.h"

namespace {
constexpr qreal MmPerScreenPixel = 25.4 / 96.0;
}

ReportImage::ReportImage(const QString& name, QPointF position, QSizeF frameSize,
                         const QImage& image)
    : ReportElement(name, position), m_frameSize(frameSize) {
    setImage(image);
}

void ReportImage::setImage(const QImage& image) {
    // One pixel format for every recorded image, so that a page survives a save and load
    // (which goes through PNG) unchanged.
    m_image = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32);
    m_image.setDevicePixelRatio(image.devicePixelRatio());
}

QSizeF ReportImage::naturalSize(const QImage& image) {
    return image.deviceIndependentSize() * MmPerScreenPixel;
}

void ReportImage::record(ReportPage& page, QPointF origin, const PrintContext&) const {
    if (m_image.isNull())
        return;
    PageItem item;
    item.kind = PageItem::Kind::Image;
    item.frame = QRectF(origin + position(), m_frameSize);
    item.imageSize = naturalSize(m_image);
    item.image = m_image;
    item.image.setDevicePixelRatio(1.0);
    page.items.append(item);
}
