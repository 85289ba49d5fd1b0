#pragma once

#include "PreviewDialogs.h"

// The preview's dialogs as Qt's standard file dialogs, message box and print dialogs.
class WidgetPreviewDialogs : public PreviewDialogs {
  public:
    QString openFile(QWidget* parent, const QString& caption, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& filter,
                     const QString& suffix) override;
    void showError(QWidget* parent, const QString& message) override;
    bool setupPrinter(QWidget* parent, QPrinter& printer) override;
    bool confirmPrint(QWidget* parent, QPrinter& printer) override;
};
