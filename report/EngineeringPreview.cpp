#include "EngineeringPreview.h"

#include "ReportPreview.h"

EngineeringPreview::EngineeringPreview(const QLocale& locale) : m_report(locale) {}

EngineeringPreview::~EngineeringPreview() = default;

void EngineeringPreview::preview(const TProfile& profile, const QString& name,
                                 const QString& material, const TBucklingInput& input) {
    const ReportDocument pages = m_report.producePages(profile, name, material, input);
    if (!m_preview)
        m_preview = std::make_unique<ReportPreview>(m_report.report(), m_dialogs);
    m_preview->showDocument(pages);
}
