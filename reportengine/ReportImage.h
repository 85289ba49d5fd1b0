#pragma once

#include "ReportElement.h"

#include <QImage>
#include <QSizeF>

// A picture in a frame. It is never stretched: drawn from the frame's top-left corner at
// 96 pixels per inch (an image with a device pixel ratio r covers its size / r pixels, so
// high-resolution artwork keeps its nominal size) and clipped to the frame. The element keeps
// its own copy of the image.
class ReportImage : public ReportElement {
  public:
    ReportImage(const QString& name, QPointF position, QSizeF frameSize,
                const QImage& image = QImage());

    QSizeF frameSize() const { return m_frameSize; }
    const QImage& image() const { return m_image; }
    void setImage(const QImage& image);

    void record(ReportPage& page, QPointF origin, const PrintContext& context) const override;

    // Size in mm of an image drawn at 96 pixels per inch.
    static QSizeF naturalSize(const QImage& image);

  private:
    QSizeF m_frameSize;
    QImage m_image;
};
