#include "ReportLabel.h"

#include "ReportPage.h"

ReportLabel::ReportLabel(const QString& name, QPointF position, const QString& text,
                         const QFont& font)
    : ReportElement(name, position), m_text(text), m_font(font) {}

void ReportLabel::record(ReportPage& page, QPointF origin, const PrintContext& context) const {
    const QString text = printedText(context);
    if (text.isEmpty())
        return;
    PageItem item;
    item.kind = PageItem::Kind::Text;
    item.frame = QRectF(origin + position(), QSizeF());
    item.color = Qt::black;
    item.fill = Qt::white;
    item.text = text;
    item.fontFamily = m_font.family();
    item.pointSize = m_font.pointSizeF();
    item.bold = m_font.bold();
    page.items.append(item);
}

QString ReportLabel::printedText(const PrintContext&) const {
    return m_text;
}
