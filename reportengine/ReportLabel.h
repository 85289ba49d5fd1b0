#pragma once

#include "ReportElement.h"

#include <QColor>
#include <QFont>

// A single line of text, left-aligned at its position and exactly as large as its text, on an
// opaque white background. Callbacks may change the text and font between prints; each
// print records them as they are at that moment.
class ReportLabel : public ReportElement {
  public:
    ReportLabel(const QString& name, QPointF position, const QString& text, const QFont& font);

    const QString& text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }
    const QFont& font() const { return m_font; }
    void setFont(const QFont& font) { m_font = font; }

    void record(ReportPage& page, QPointF origin, const PrintContext& context) const override;

  protected:
    // The text this label prints in the given context.
    virtual QString printedText(const PrintContext& context) const;

  private:
    QString m_text;
    QFont m_font;
};
