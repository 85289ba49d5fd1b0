#include "QtDialogs.h"

#include <QCursor>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QToolTip>

#include <algorithm>

QtDialogs::QtDialogs(QWidget* parent, const QString& caption)
    : m_parent(parent), m_caption(caption) {}

bool QtDialogs::confirm(const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), question,
                    QMessageBox::Ok | QMessageBox::Cancel, m_parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Cancel"));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

bool QtDialogs::ask(const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), question,
                    QMessageBox::Yes | QMessageBox::No, m_parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Sim"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Não"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::chooseOpenFile(const QStringList& filters,
                                                 const QString& initialName) {
    return chooseFile(false, filters, initialName);
}

std::optional<QString> QtDialogs::chooseSaveFile(const QStringList& filters,
                                                 const QString& initialName) {
    return chooseFile(true, filters, initialName);
}

std::optional<QString> QtDialogs::chooseFile(bool save, const QStringList& filters,
                                             const QString& initialName) {
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // A typed name is taken as it stands, existing or not: the load reports a missing
    // file itself, and the save command asks before it replaces a file.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(filters);
    if (!initialName.isEmpty())
        dialog.selectFile(initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    m_chosenFilter = std::max(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
    return dialog.selectedFiles().constFirst();
}

void QtDialogs::showError(const QString& message) {
    QMessageBox box(QMessageBox::Critical, m_caption, message, QMessageBox::Ok, m_parent);
    box.exec();
}

void QtDialogs::notify(const QString& text) {
    QToolTip::showText(QCursor::pos(), text, m_parent);
}

void QtDialogs::inform(const QString& text) {
    QMessageBox box(QMessageBox::Information, m_caption, text, QMessageBox::Ok, m_parent);
    box.exec();
}
