#include "PrtPreview.h"

#include "ReportPreview.h"

PrtPreview::PrtPreview(const QLocale& locale) : m_form(locale) {}

PrtPreview::~PrtPreview() = default;

void PrtPreview::preview(const TProfile& profile, const TSectionResults& results,
                         const QImage& drawing) {
    const ReportDocument pages = m_form.producePages(profile, results, drawing);
    if (!m_preview)
        m_preview = std::make_unique<ReportPreview>(m_form.ProfileReport, *m_dialogs);
    m_preview->showDocument(pages);
}
