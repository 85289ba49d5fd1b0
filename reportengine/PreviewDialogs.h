#pragma once

#include <QString>

class QPrinter;
class QWidget;

// Every modal dialog the preview window opens goes through this interface, so that the
// preview can run, and be tested, without a screen. The owner of the preview owns the
// dialogs object and keeps it alive as long as the preview.
class PreviewDialogs {
  public:
    virtual ~PreviewDialogs() = default;

    // The chosen file, or an empty string when the user cancels. filter is a Qt name filter;
    // suffix (without dot) is appended to a saved name that has none.
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& filter) = 0;
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& filter,
                             const QString& suffix) = 0;

    // An error box with the message as given.
    virtual void showError(QWidget* parent, const QString& message) = 0;

    // The printer set-up dialog: printer, copies and pages; false when cancelled. Whatever
    // it does to the paper or the orientation, the preview gives the printer the report's
    // paper again afterwards.
    virtual bool setupPrinter(QWidget* parent, QPrinter& printer) = 0;

    // The print dialog before printing; false when cancelled. The paper is restored as above.
    virtual bool confirmPrint(QWidget* parent, QPrinter& printer) = 0;
};
