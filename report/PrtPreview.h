#pragma once

#include "PrtForm.h"
#include "WidgetPreviewDialogs.h"

#include <QImage>
#include <QLocale>

#include <memory>

class ReportPreview;

// The print command's preview: the report form's pages in the engine's preview window,
// which prints or saves them by running the form's report again on the live profile. The
// window is made by the first preview() and kept.
class PrtPreview {
  public:
    // locale writes every number, date and time of the report.
    explicit PrtPreview(const QLocale& locale);
    ~PrtPreview();

    // Binds the live profile, the results and the drawing copy as TPrtForm does, then shows
    // the preview (a second call while the preview is open refreshes its pages and raises
    // it). Returns at once: the preview is not modal.
    void preview(const TProfile& profile, const TSectionResults& results, const QImage& drawing);

    // The preview window once preview() has created it, else nullptr; owned here.
    ReportPreview* previewWindow() const { return m_preview.get(); }

    // The dialogs the preview window uses from its creation on; they must outlive this.
    // By default Qt's own dialogs.
    void setPreviewDialogs(PreviewDialogs& dialogs) { m_dialogs = &dialogs; }

  private:
    TPrtForm m_form;
    WidgetPreviewDialogs m_widgetDialogs;
    PreviewDialogs* m_dialogs = &m_widgetDialogs;
    std::unique_ptr<ReportPreview> m_preview;
};
