#include "WidgetPreviewDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>

QString WidgetPreviewDialogs::openFile(QWidget* parent, const QString& caption,
                                       const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString WidgetPreviewDialogs::saveFile(QWidget* parent, const QString& caption,
                                       const QString& filter, const QString& suffix) {
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

void WidgetPreviewDialogs::showError(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, parent ? parent->windowTitle() : QString(), message);
}

bool WidgetPreviewDialogs::setupPrinter(QWidget* parent, QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool WidgetPreviewDialogs::confirmPrint(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
