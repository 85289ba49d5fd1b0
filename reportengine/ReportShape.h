#pragma once

#include "ReportElement.h"

#include <QColor>
#include <QSizeF>

// A horizontal line (of size's width, drawn along the element's top) or a rectangle, outlined
// with a black pen of the given width in millimetres, solid or dashed; a rectangle may be filled.
class ReportShape : public ReportElement {
  public:
    enum class Form { HorizontalLine, Rectangle };

    struct Style {
        qreal penWidth = 0.25; // mm
        bool dashed = false;
        QColor fill; // invalid = not filled
    };

    ReportShape(const QString& name, QPointF position, Form form, QSizeF size, const Style& style);

    Form form() const { return m_form; }
    QSizeF size() const { return m_size; }

    void record(ReportPage& page, QPointF origin, const PrintContext& context) const override;

  private:
    Form m_form;
    QSizeF m_size;
    Style m_style;
};
