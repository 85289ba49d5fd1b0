#pragma once

#include "ReportDocument.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QPrinter;
class QToolBar;
class PageView;
class PreviewDialogs;
class Report;

// The print preview: a top-level window, captioned with the report's title, that shows the
// pages of a run with zoom and paging, and from which they are printed (by running the report
// again with the printer as destination), saved, loaded, exported as PDF. It is not modal.
// Closing it only hides it, and it never keeps the application running on its own.
// report and dialogs belong to the caller and must outlive the window. Failures are shown
// through dialogs.showError and leave the shown pages as they were.
class ReportPreview : public QMainWindow {
    Q_OBJECT

  public:
    ReportPreview(Report& report, PreviewDialogs& dialogs, QWidget* parent = nullptr);
    ~ReportPreview() override;

    // Shows these pages from the first one, maximized and in front.
    void showDocument(const ReportDocument& document);
    const ReportDocument& document() const;

    int currentPage() const; // 1-based; 0 without pages
    int pageCount() const;

    void printReport();
    void setupPrinter();
    void savePages();
    void loadPages();
    void exportPdf();

  private:
    void buildToolBar();
    QAction* addCommand(QToolBar* bar, const QString& name, const QString& text,
                        const QKeySequence& shortcut, const std::function<void()>& command);
    QPrinter& printer();
    ReportDocument chosenPages(const ReportDocument& run) const;
    void setDocument(const ReportDocument& document);
    void goToPage(int page);
    void updatePageLabel();

    Report& m_report;
    PreviewDialogs& m_dialogs;
    std::unique_ptr<QPrinter> m_printer;
    PageView* m_view = nullptr;
    QLabel* m_pageLabel = nullptr;
};
