#pragma once

#include "ReportDocument.h"

#include <QAbstractScrollArea>

// The pages of a document one below the other on a grey desk, each a white sheet with a
// shadow, zoomed to the whole page, to the width or by steps. It paints the recordings
// itself, so that showing pages needs no printer: the print system is loaded only when the
// user prints. Text is laid out at printer resolution and drawn scaled, so a page looks
// as it will print at every zoom.
class PageView : public QAbstractScrollArea {
    Q_OBJECT

  public:
    explicit PageView(QWidget* parent = nullptr);

    // Shows document from its first page, keeping the zoom mode.
    void setDocument(const ReportDocument& document);
    const ReportDocument& document() const { return m_document; }

    int pageCount() const;
    int currentPage() const; // 1-based: the page at the middle of the view; 0 without pages
    void setCurrentPage(int page);

    void zoomIn();
    void zoomOut();
    void fitToWidth();
    void fitInView();
    double zoomFactor() const { return m_pixelsPerMm; } // screen pixels per millimetre

    // A part of a page as the view shows it at pixelsPerMm: part is in those pixels, from
    // the page's top-left corner. Its dots per metre are the layout's, not the screen's.
    static QImage paintedPart(const ReportPage& page, double pixelsPerMm, const QRect& part,
                              qreal devicePixelRatio = 1.0);

  signals:
    void currentPageChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    enum class Zoom { WholePage, Width, Fixed };

    void setZoom(Zoom mode, double pixelsPerMm);
    void zoomAt(double factor, QPoint pointer);
    double boundedZoom(double pixelsPerMm) const;
    void relayOut();
    void fitZoom();
    void showCurrentPage();
    int pageAtMiddle() const;
    void updateScrollBars();
    QSize pageSize() const;
    QRect pageRect(int index) const; // in content coordinates
    QPoint contentOrigin() const;    // where the content's origin lies in the viewport

    ReportDocument m_document;
    Zoom m_zoom = Zoom::WholePage;
    double m_pixelsPerMm = 1.0;
    int m_current = 1;      // while there are pages
    bool m_placing = false; // scrolling done by the view itself, not by the user
};
