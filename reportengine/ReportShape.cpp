#include "ReportShape.h"

#include "ReportPage.h"

ReportShape::ReportShape(const QString& name, QPointF position, Form form, QSizeF size,
                         const Style& style)
    : ReportElement(name, position), m_form(form), m_size(size), m_style(style) {}

void ReportShape::record(ReportPage& page, QPointF origin, const PrintContext&) const {
    PageItem item;
    const bool line = m_form == Form::HorizontalLine;
    item.kind = line ? PageItem::Kind::Line : PageItem::Kind::Rectangle;
    item.frame = QRectF(origin + position(), line ? QSizeF(m_size.width(), 0) : m_size);
    item.color = Qt::black;
    item.fill = line ? QColor() : m_style.fill;
    item.penWidth = m_style.penWidth;
    item.dashed = m_style.dashed;
    page.items.append(item);
}
