#pragma once

#include "ReportLabel.h"

// A label whose text the run supplies: the current page number, the page number and the
// number of pages written into a pattern ("%1 of %2"), or the date and time at which the run
// started (the report locale's short date, a blank and its long time without a time-zone
// name).
class ReportSystemData : public ReportLabel {
  public:
    enum class Data { PageNumber, PageOfPages, DateTime };

    // pattern: for PageOfPages only, with %1 for the page and %2 for the number of pages.
    ReportSystemData(const QString& name, QPointF position, Data data, const QFont& font,
                     const QString& pattern = {});

    Data data() const { return m_data; }

  protected:
    QString printedText(const PrintContext& context) const override;

  private:
    Data m_data;
};
