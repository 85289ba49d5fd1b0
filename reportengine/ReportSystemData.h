#pragma once

#include "ReportLabel.h"

// A label whose text the run supplies: the current page number, or the date and time at which
// the run started (the report locale's short date, a blank and its long time without a
// time-zone name).
class ReportSystemData : public ReportLabel {
  public:
    enum class Data { PageNumber, DateTime };

    ReportSystemData(const QString& name, QPointF position, Data data, const QFont& font);

    Data data() const { return m_data; }

  protected:
    QString printedText(const PrintContext& context) const override;

  private:
    Data m_data;
};
