#include "WidgetPreviewDialogs.h"

#include "PortraitOnly.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

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

// The print dialog without printing: a page set-up dialog would offer a paper and an
// orientation that the report cannot take, and neither the copies nor the pages.
bool WidgetPreviewDialogs::setupPrinter(QWidget* parent, QPrinter& printer) {
    const PortraitOnly portrait;
    QPrintDialog dialog(&printer, parent);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    return dialog.exec() == QDialog::Accepted;
}

bool WidgetPreviewDialogs::confirmPrint(QWidget* parent, QPrinter& printer) {
    const PortraitOnly portrait;
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
