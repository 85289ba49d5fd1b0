#pragma once

#include "EngineeringReport.h"
#include "WidgetPreviewDialogs.h"

#include <memory>

class ReportPreview;

// The engineering report's pages in the engine's preview window, which prints or saves
// them by running the report again. The window is made by the first preview() and kept.
class EngineeringPreview {
  public:
    // locale writes every number and the date.
    explicit EngineeringPreview(const QLocale& locale);
    ~EngineeringPreview();

    // Analyses the profile as EngineeringReport does and shows its pages (a second call
    // refreshes and raises the window). Returns at once: the preview is not modal.
    void preview(const TProfile& profile, const QString& name, const QString& material,
                 const TBucklingInput& input);

    // The preview window once preview() has created it, else nullptr; owned here.
    ReportPreview* previewWindow() const { return m_preview.get(); }

  private:
    EngineeringReport m_report;
    WidgetPreviewDialogs m_dialogs;
    std::unique_ptr<ReportPreview> m_preview;
};
