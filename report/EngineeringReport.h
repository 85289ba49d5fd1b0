#pragma once

#include "BucklingAnalysis.h"
#include "EngineeringReportLayout.h"
#include "Report.h"
#include "SectionPropertyRows.h"
#include "WidgetPreviewDialogs.h"

#include <QLocale>
#include <QObject>
#include <QString>

#include <memory>
#include <string>

class ReportPreview;
class TProfile;

// "Relatório de engenharia": the profile's properties, its signature curve with the
// buckled shapes and its design strengths, on the report engine. Each call analyses the
// profile as it stands and keeps what it found, so that printing from the open preview
// prints the same pages; the profile is not kept. name is the profile's name, material the
// text its density is read from ("Aço - 7,75").
class EngineeringReport : public QObject {
    Q_OBJECT
  public:
    // locale writes every number and the date.
    explicit EngineeringReport(const QLocale& locale, QObject* parent = nullptr);
    ~EngineeringReport() override;

    // Shows the preview (a second call refreshes and raises it); returns at once.
    void preview(const TProfile& profile, const QString& name, const QString& material,
                 const TBucklingInput& input);

    // The same pages as a PDF at localPath (the name's bytes, "-" for standard output);
    // throws PerfilError with a readable message on failure. Needs no display.
    void writePdf(const TProfile& profile, const QString& name, const QString& material,
                  const TBucklingInput& input, const std::string& localPath);

    ReportDocument producePages(const TProfile& profile, const QString& name,
                                const QString& material, const TBucklingInput& input);

    // The preview window once preview() has made it, else nullptr. The report owns it.
    ReportPreview* previewWindow() const { return m_preview.get(); }
    // The dialogs the preview uses from its creation on; they must outlive the report.
    void setPreviewDialogs(PreviewDialogs& dialogs) { m_dialogs = &dialogs; }

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
    WidgetPreviewDialogs m_widgetDialogs;
    PreviewDialogs* m_dialogs = &m_widgetDialogs;
    std::unique_ptr<ReportPreview> m_preview;
};
