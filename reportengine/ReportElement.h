#pragma once

#include <QPointF>
#include <QString>

struct PrintContext;
struct ReportPage;

// Something placed on a band, or on the page itself, at a position in millimetres relative
// to its container's top-left corner. Its band (or the report, for page elements) owns it.
class ReportElement {
  public:
    ReportElement(const QString& name, QPointF position);
    virtual ~ReportElement();
    ReportElement(const ReportElement&) = delete;
    ReportElement& operator=(const ReportElement&) = delete;

    const QString& name() const { return m_name; }
    QPointF position() const { return m_position; }
    // Callbacks may move an element between prints.
    void setPosition(QPointF position) { m_position = position; }

    // Appends this element's drawing to page as it looks now; origin is the paper position
    // (mm) of the container's top-left corner.
    virtual void record(ReportPage& page, QPointF origin, const PrintContext& context) const = 0;

  private:
    QString m_name;
    QPointF m_position;
};
