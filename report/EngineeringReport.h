#pragma once

#include "BucklingAnalysis.h"
#include "EngineeringReportLayout.h"
#include "Report.h"
#include "SectionPropertyRows.h"

#include <QLocale>
#include <QString>

#include <string>

class TProfile;

// "Relatório de engenharia": the profile's properties, its signature curve with the
// buckled shapes and its design strengths, on the report engine. Each call analyses the
// profile as it stands and keeps what it found, so that a later run (a print from the
// preview) gives the same pages; the profile is not kept. name is its file's base name, shown
// when the profile has no name of its own; material the text its density is read from ("Aço -
// 7,75").
class EngineeringReport {
  public:
    // locale writes every number and the date.
    explicit EngineeringReport(const QLocale& locale);
    EngineeringReport(const EngineeringReport&) = delete;
    EngineeringReport& operator=(const EngineeringReport&) = delete;

    // The same pages as a PDF at localPath (the name's bytes, "-" for standard output);
    // throws PerfilError with a readable message on failure. Needs no display.
    void writePdf(const TProfile& profile, const QString& name, const QString& material,
                  const TBucklingInput& input, const std::string& localPath);

    // Binds, then runs the report once; its pages.
    ReportDocument producePages(const TProfile& profile, const QString& name,
                                const QString& material, const TBucklingInput& input);

    // The report, for a preview to run again.
    Report& report() { return m_report; }

  private:
    // A property line, or a group's title when row is empty.
    struct PropertyLine {
        QString title;
        std::optional<SectionPropertyRow> row;
    };

    void bind(const TProfile& profile, const QString& name, const QString& material,
              const TBucklingInput& input);
    void bindBuckling(const TProfile& profile, const TBucklingInput& input);
    void nextProperty(bool& more);
    void nextStrength(bool& more);

    QLocale m_locale;
    Report m_report{QStringLiteral("Relatório de engenharia")};
    EngineeringReportLayout m_layout;
    QList<PropertyLine> m_properties;
    QList<QStringList> m_strengths; // symbol, value, unit, name
    qsizetype m_nextProperty = 0, m_nextStrength = 0;
};
